// Reading what a driver script printed: "name=value" lines, calls, errors.
#pragma once

#include "host/driver.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace vq::host::e2e {

inline std::string describe(const DriverResult& r) {
    return "line " + std::to_string(r.line) + ": " + r.error;
}

// Every line starting with `prefix`, whole.
inline std::vector<std::string> linesStarting(const DriverResult& r, std::string_view prefix) {
    std::vector<std::string> out;
    for (const std::string& line : r.output)
        if (line.starts_with(prefix))
            out.push_back(line);
    return out;
}

// Every value printed under `name`, in order.
inline std::vector<std::string> printedAll(const DriverResult& r, const std::string& name) {
    std::vector<std::string> values;
    for (const std::string& line : r.output)
        if (line.starts_with(name) && line.size() > name.size() && line[name.size()] == '=')
            values.push_back(line.substr(name.size() + 1));
    return values;
}

// The first value printed under `name`; a failure when none was.
inline std::string printed(const DriverResult& r, const std::string& name) {
    const auto values = printedAll(r, name);
    if (values.empty()) {
        ADD_FAILURE() << name << " not printed";
        return {};
    }
    return values.front();
}

// The last value printed under `name`, for scripts that print it again after a change.
inline std::string printedLast(const DriverResult& r, const std::string& name) {
    const auto values = printedAll(r, name);
    if (values.empty()) {
        ADD_FAILURE() << name << " not printed";
        return {};
    }
    return values.back();
}

// Position of the first call line containing `text`; -1 when none.
inline long callAt(const std::vector<std::string>& calls, std::string_view text) {
    const auto it =
        std::ranges::find_if(calls, [&](const std::string& c) { return c.find(text) != std::string::npos; });
    return it == calls.end() ? -1 : it - calls.begin();
}

// How many call lines contain `text`.
inline long countOf(const std::vector<std::string>& calls, std::string_view text) {
    return std::ranges::count_if(calls,
                                 [&](const std::string& c) { return c.find(text) != std::string::npos; });
}

} // namespace vq::host::e2e
