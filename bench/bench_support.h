#pragma once
// Small pieces the benchmarks share.

#include "platform/data/packet.h"
#include "platform/data/variant.h"

#include <chrono>
#include <memory>
#include <string>

namespace vq::bench {

using Clock = std::chrono::steady_clock;

inline double secondsSince(Clock::time_point t) {
    return std::chrono::duration<double>(Clock::now() - t).count();
}

// A delta of one customer whose trade name goes from `from` to `to`, as the customer form would send it.
inline Variant oneRowDelta(const std::string& code, const std::string& from, const std::string& to) {
    auto delta = std::make_shared<Delta>(
        std::vector<FieldDesc>{{"CDCLIENTE", FieldType::String, 21}, {"NMFANTCLIE", FieldType::String, 50}});
    delta->addRow({UpdateStatus::Modified, {code, from}, {}, {{1, to}}});
    return Variant(std::shared_ptr<const Delta>(std::move(delta)));
}

} // namespace vq::bench
