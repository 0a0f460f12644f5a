#pragma once
// The parameter collection the report engine hands to the form before it runs the query. Only the
// parameters the report's query declares exist; writing any other one is refused, so a form asks
// ExistParam first (a report without a parameter simply does not filter by it).

#include "platform/data/variant.h"
#include "platform/db/params.h"

#include <string>
#include <string_view>
#include <vector>

namespace vq::reports {

class ReportParams {
public:
    explicit ReportParams(const std::vector<std::string>& declared);

    bool exists(std::string_view name) const;
    // The value of a declared parameter (null until set); vq::Error naming it otherwise.
    Variant& ParamByName(std::string_view name);
    const Variant& value(std::string_view name) const;
    void SetValue(std::string_view name, Variant value) { ParamByName(name) = std::move(value); }

    const db::Params& values() const { return values_; }

private:
    db::Params values_;
};

} // namespace vq::reports

namespace vq::Qrddlgs {
// Whether the report's query declares the parameter.
inline bool ExistParam(const reports::ReportParams& params, std::string_view name) {
    return params.exists(name);
}
} // namespace vq::Qrddlgs
