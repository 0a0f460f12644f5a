#pragma once
// Unit-level state of Vqm41202, the customer filter: the form instance, the confirmed filter Filtro and
// the eight working lists (codes in the list picker's form; one code c reads "_c_").

#include <QPointer>
#include <span>
#include <string>
#include <string_view>

namespace vq {
class TfrmFilCliente;
}

namespace vq::Vqm41202 {

// One criterion of the last confirmed filter: every code (all) or the codes of `list`.
struct FilterEntry {
    bool all = true;
    std::string list;
};

struct TFILTRO {
    FilterEntry TCLIENTE, TPAIS, TESTADO, TMUNICIPIO, TRAMO, TSEGMENTO, TQUALIFICACAO, TORIGEM;
};

struct UnitState {
    QPointer<TfrmFilCliente> frmFilCliente;
    TFILTRO Filtro;
    std::string stCliente, stPais, stEstado, stMunicipio, stRamo, stSegmento, stQualifica, stOrigem;
};

UnitState& unit();

// The eight criteria with their record entry, working list and names.
struct Criterion {
    std::string_view entryName; // TCLIENTE ...
    FilterEntry TFILTRO::*entry;
    std::string UnitState::*list;
    std::string_view allButton;  // rbtTCliente ...
    std::string_view listButton; // rbtCliente ...
    std::string_view requiredKey;
};

// In the order of the confirmed-state record.
std::span<const Criterion> criteria();
const Criterion& criterion(std::string_view entryName);

} // namespace vq::Vqm41202
