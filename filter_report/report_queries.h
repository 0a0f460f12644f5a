#pragma once
// The report form's choice sources: one text each for every database and the picker's layout of its
// rows. The region sources are the shared ones (services/region_queries.h), the segment text the filter's.

#include "platform/data/field.h"

#include <span>
#include <string>
#include <string_view>

namespace vq::Vqm41201 {

struct ChoiceSource {
    std::string_view name; // qryCliente ...
    std::string sql;
    std::span<const FieldSpec> fields;
};

std::span<const ChoiceSource> choiceSources();
const ChoiceSource& choiceSource(std::string_view name); // vq::Error for an unknown name

} // namespace vq::Vqm41201
