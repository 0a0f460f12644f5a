#include "framework/services/host_catalogue.h"

#include "platform/data/error.h"
#include "platform/data/log.h"
#include "platform/data/utf8_text.h"

#include <QFile>
#include <QString>

namespace vq {
namespace {

constexpr const char* kBuiltIn = ":/vq/framework/host_catalogue.txt";

std::string_view trimLineEnd(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
        line.remove_suffix(1);
    return line;
}

std::string readResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().toStdString();
}

} // namespace

std::pair<std::string_view, std::string_view> splitMessageItem(std::string_view item) {
    const std::size_t bar = item.find('|');
    if (bar == std::string_view::npos)
        return {item, {}};
    return {item.substr(0, bar), item.substr(bar + 1)};
}

std::string messageKeyFold(std::string_view key) {
    return utf8::toLower(key);
}

HostCatalogue::HostCatalogue() {
    reset();
}

HostCatalogue& HostCatalogue::instance() {
    static HostCatalogue catalogue;
    return catalogue;
}

std::optional<std::string> HostCatalogue::find(std::string_view key) const {
    const auto it = texts_.find(messageKeyFold(key));
    if (it == texts_.end())
        return std::nullopt;
    return it->second;
}

void HostCatalogue::set(std::string_view key, std::string_view text) {
    texts_[messageKeyFold(key)] = std::string(text);
}

std::size_t HostCatalogue::size() const {
    return texts_.size();
}

std::size_t HostCatalogue::addText(std::string_view text) {
    std::size_t added = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = trimLineEnd(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.empty() || line.front() == '#')
            continue;
        const auto [key, value] = splitMessageItem(line);
        if (key.empty())
            continue;
        set(key, value);
        ++added;
    }
    return added;
}

std::size_t HostCatalogue::addFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        throw Error("Não foi possível ler o catálogo de mensagens " + path + ".");
    const std::size_t added = addText(file.readAll().toStdString());
    log::info("framework: " + std::to_string(added) + " mensagens lidas de " + path);
    return added;
}

void HostCatalogue::reset() {
    texts_.clear();
    const std::string builtIn = readResource(QString::fromUtf8(kBuiltIn));
    if (builtIn.empty())
        log::error("framework: catálogo de mensagens embutido ausente (" + std::string(kBuiltIn) + ")");
    addText(builtIn);
}

std::string HostMsg(std::string_view key) {
    if (auto text = HostCatalogue::instance().find(key))
        return *text;
    log::warn("framework: mensagem sem texto no catálogo: \"" + std::string(key) + "\"");
    return std::string(key);
}

std::string formatMsg(std::string_view text, std::initializer_list<std::string_view> args) {
    std::string out;
    out.reserve(text.size());
    std::size_t next = 0; // the argument the next %s takes
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '%' && i + 1 < text.size() && text[i + 1] == 's' && next < args.size()) {
            out.append(*(args.begin() + next++));
            ++i;
            continue;
        }
        if (c == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(text[i + 1] - '1');
            if (n < args.size()) {
                out.append(*(args.begin() + n));
                ++i;
                continue;
            }
        }
        out.push_back(c);
    }
    return out;
}

} // namespace vq
