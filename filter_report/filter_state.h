#pragma once
// Unit-level state of Vqm41202, the customer filter: the form instance, the confirmed filter Filtro, the
// eight working lists (codes in the list picker's form; one code c reads "_c_") and the criteria table
// that drives the dialog's creation, activation, checks, sending and saved options.

#include "contract/customer_filter.h"

#include <QPointer>
#include <array>
#include <span>
#include <string>
#include <string_view>

namespace vq {
class TfrmFilCliente;
}

namespace vq::Vqm41202 {

// One criterion of the last confirmed filter: every code (all) or the codes of `list`, as GetCliente
// takes it.
using FilterEntry = contract::FilterCriterion;

struct TFILTRO {
    FilterEntry TCLIENTE, TPAIS, TESTADO, TMUNICIPIO, TRAMO, TSEGMENTO, TQUALIFICACAO, TORIGEM;
};

struct UnitState {
    QPointer<TfrmFilCliente> frmFilCliente;
    TFILTRO Filtro;
    std::string stCliente, stPais, stEstado, stMunicipio, stRamo, stSegmento, stQualifica, stOrigem;
    // What the last confirm applied. The customer form's refresh applies this: Filtro and the working
    // lists may hold picks of a cancelled dialog, and creation rewrites Filtro from the working lists.
    TFILTRO lastConfirmed;
};

UnitState& unit();

// How the radio buttons treat the search button and the tab stops.
enum class RadioRule {
    EnableOnly, // all disables the search button, list enables it
    TabStop,    // as EnableOnly; all also sets its own tab stop on, list sets the all button's off
    FollowList, // either click sets the search button's enabled state from the list button's check
};

// The eight criteria, in the order of the confirmed-state record.
enum Index : std::size_t { kCliente, kPais, kEstado, kMunicipio, kRamo, kSegmento, kQualifica, kOrigem };
inline constexpr std::size_t kCriterionCount = 8;

struct Criterion {
    std::string_view entryName; // TCLIENTE ...
    FilterEntry TFILTRO::*entry;
    FilterEntry contract::CustomerFilter::*sent; // where GetCliente takes it
    std::string UnitState::*list;
    std::string_view groupBox, groupCaption;
    std::string_view allButton, allCaption; // the list button's caption is "Lista"
    std::string_view listButton;
    std::string_view searchButton;
    std::string_view searchTitle, searchEmptyText; // the search button's own texts
    std::string_view source;                       // the picker's source: a query or a list dataset
    std::string_view method;                       // remote method filling the list dataset; "" for a query
    std::string_view keyField;
    std::string_view titleKey, emptyKey, requiredKey;
    std::string_view optionKey;
    RadioRule rule;
};

std::span<const Criterion> criteria();
const Criterion& criterion(std::string_view entryName);
inline const Criterion& criterion(Index i) {
    return criteria()[i];
}

using Order = std::array<Index, kCriterionCount>;
// Confirm's checks (origin before qualification).
inline constexpr Order kCheckOrder = {kCliente, kPais,     kEstado, kMunicipio,
                                      kRamo,    kSegmento, kOrigem, kQualifica};
// Creation, activation, the confirm's commit and the saved options.
inline constexpr Order kScreenOrder = {kCliente,   kPais, kEstado,   kMunicipio,
                                       kQualifica, kRamo, kSegmento, kOrigem};
// GetCliente's pairs.
inline constexpr Order kSendOrder = {kCliente,  kRamo,   kPais,      kEstado,
                                     kSegmento, kOrigem, kQualifica, kMunicipio};

} // namespace vq::Vqm41202
