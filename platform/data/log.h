#pragma once
// Operator log: one line per event on standard error, filtered by level. Thread-safe.

#include <functional>
#include <optional>
#include <string_view>

namespace vq::log {

enum class Level { Debug, Info, Warn, Error, Off };

void setLevel(Level level);
Level level();
bool enabled(Level level);

// "debug", "info", "warn" (or "warning"), "error", "off"; case-insensitive.
std::optional<Level> parseLevel(std::string_view text);
std::string_view levelName(Level level);

// Replaces the standard-error writer (tests capture lines this way); an empty sink restores it.
using Sink = std::function<void(Level, std::string_view line)>;
void setSink(Sink sink);

void write(Level level, std::string_view message);
inline void debug(std::string_view message) {
    write(Level::Debug, message);
}
inline void info(std::string_view message) {
    write(Level::Info, message);
}
inline void warn(std::string_view message) {
    write(Level::Warn, message);
}
inline void error(std::string_view message) {
    write(Level::Error, message);
}

} // namespace vq::log
