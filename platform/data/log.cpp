#include "platform/data/log.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <mutex>
#include <string>

namespace vq::log {

namespace {

std::atomic<Level> g_level{Level::Info};
std::mutex g_mutex; // guards g_sink and keeps lines whole
Sink g_sink;

std::string timestamp() {
    const auto now = std::chrono::system_clock::now();
    const auto t = std::chrono::system_clock::to_time_t(now);
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm tm{};
    localtime_r(&t, &tm);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d.%03d", tm.tm_year + 1900, tm.tm_mon + 1,
                  tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, static_cast<int>(ms));
    return buf;
}

} // namespace

void setLevel(Level level) {
    g_level.store(level);
}
Level level() {
    return g_level.load();
}
bool enabled(Level level) {
    return level != Level::Off && level >= g_level.load();
}

std::optional<Level> parseLevel(std::string_view text) {
    std::string lower(text);
    for (auto& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    if (lower == "debug")
        return Level::Debug;
    if (lower == "info")
        return Level::Info;
    if (lower == "warn" || lower == "warning")
        return Level::Warn;
    if (lower == "error")
        return Level::Error;
    if (lower == "off")
        return Level::Off;
    return std::nullopt;
}

std::string_view levelName(Level level) {
    switch (level) {
    case Level::Debug:
        return "DEBUG";
    case Level::Info:
        return "INFO";
    case Level::Warn:
        return "WARN";
    case Level::Error:
        return "ERROR";
    case Level::Off:
        break;
    }
    return "OFF";
}

void setSink(Sink sink) {
    std::lock_guard lock(g_mutex);
    g_sink = std::move(sink);
}

void write(Level level, std::string_view message) {
    if (!enabled(level))
        return;
    std::string line = timestamp();
    line += ' ';
    line += levelName(level);
    line += ' ';
    line += message;
    std::lock_guard lock(g_mutex);
    if (g_sink) {
        g_sink(level, line);
        return;
    }
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stderr);
}

} // namespace vq::log
