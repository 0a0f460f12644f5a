#include "platform/gui/control_options.h"

#include "platform/data/error.h"

#include <algorithm>
#include <charconv>

namespace vq::gui {

SpecOptions::SpecOptions(std::string_view text, std::string owner) : owner_(std::move(owner)) {
    while (!text.empty()) {
        const bool isMask = text.starts_with("mask=");
        const std::size_t end = isMask ? text.size() : std::min(text.find(';'), text.size());
        const std::string_view item = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (item.empty())
            continue;
        const std::size_t eq = item.find('=');
        if (eq == std::string_view::npos)
            flags_.emplace(item);
        else
            values_.emplace(std::string(item.substr(0, eq)), std::string(item.substr(eq + 1)));
    }
}

bool SpecOptions::flag(std::string_view name) const {
    return flags_.find(name) != flags_.end();
}

std::optional<std::string> SpecOptions::value(std::string_view key) const {
    const auto it = values_.find(key);
    return it == values_.end() ? std::nullopt : std::optional<std::string>(it->second);
}

std::string SpecOptions::text(std::string_view key, std::string fallback) const {
    return value(key).value_or(std::move(fallback));
}

std::optional<int> SpecOptions::number(std::string_view key) const {
    const auto v = value(key);
    if (!v)
        return std::nullopt;
    int n = 0;
    const auto [end, ec] = std::from_chars(v->data(), v->data() + v->size(), n);
    if (ec != std::errc() || end != v->data() + v->size())
        throw Error(owner_ + ": a opção " + std::string(key) + " espera um número, não \"" + *v + "\".");
    return n;
}

std::vector<std::string> SpecOptions::list(std::string_view key) const {
    std::vector<std::string> out;
    const auto v = value(key);
    if (!v)
        return out;
    std::string_view rest = *v;
    for (;;) {
        const std::size_t bar = rest.find('|');
        out.emplace_back(rest.substr(0, bar));
        if (bar == std::string_view::npos)
            break;
        rest.remove_prefix(bar + 1);
    }
    return out;
}

void SpecOptions::check(std::span<const std::string_view> known) const {
    auto isKnown = [&](std::string_view k) {
        return std::find(known.begin(), known.end(), k) != known.end();
    };
    for (const auto& [k, v] : values_)
        if (!isKnown(k))
            throw Error(owner_ + ": opção desconhecida \"" + k + "\".");
    for (const auto& f : flags_)
        if (!isKnown(f))
            throw Error(owner_ + ": opção desconhecida \"" + f + "\".");
}

} // namespace vq::gui
