#pragma once
// The customer data report's six criteria as data: each an all button and a list button in its group, a
// search button, the picker's source and key, the report parameter it fills and its message keys; and
// the form's message list.

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vq::Vqm41201 {

struct UnitState;

enum Index : std::size_t { kCliente, kPais, kEstado, kMunicipio, kRamo, kSegmento };
inline constexpr std::size_t kCriterionCount = 6;

struct Criterion {
    std::string_view groupBox, groupCaption;
    std::string_view allButton, listButton, searchButton;
    std::string_view source, keyField, param;
    std::string_view titleKey, emptyKey, sourceEmptyKey, requiredKey;
    std::string UnitState::*selection;
    bool allTabStop; // the all button also sets its own tab stop on
};

std::span<const Criterion> criteria();
inline const Criterion& criterion(Index i) {
    return criteria()[i];
}

// The list checks of print, preview and save as.
inline constexpr std::array<Index, kCriterionCount> kCheckOrder = {kCliente, kRamo,   kSegmento,
                                                                   kPais,    kEstado, kMunicipio};

// "key|text" items of the form's message list, verbatim.
const std::vector<std::string>& messageItems();

} // namespace vq::Vqm41201
