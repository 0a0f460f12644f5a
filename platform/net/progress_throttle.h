#pragma once
// How often a call's progress goes to the client: the first report, then at most one per interval, and
// always the last one (done = total), so that thousands of small steps do not flood the connection.

#include <chrono>
#include <cstdint>
#include <optional>

namespace vq::net {

class ProgressThrottle {
public:
    using Clock = std::chrono::steady_clock;
    explicit ProgressThrottle(std::chrono::milliseconds interval = std::chrono::milliseconds(100))
        : interval_(interval) {}

    // Whether a report of (done, total) at `now` is to be sent; records it when it is.
    bool due(std::int64_t done, std::int64_t total, Clock::time_point now) {
        if (last_ && done < total && now - *last_ < interval_)
            return false;
        last_ = now;
        return true;
    }

private:
    std::chrono::milliseconds interval_;
    std::optional<Clock::time_point> last_;
};

} // namespace vq::net
