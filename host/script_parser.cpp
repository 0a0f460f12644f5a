#include "host/script_parser.h"

#include <algorithm>

namespace vq::host {
namespace {

bool blank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

} // namespace

ScriptError::ScriptError(int line, const std::string& message)
    : Error(line > 0 ? "linha " + std::to_string(line) + ": " + message : message), line_(line) {}

std::string_view stripComment(std::string_view text) {
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted && c == '\\' && i + 1 < text.size() && text[i + 1] == '"')
            ++i;
        else if (c == '"')
            quoted = !quoted;
        else if (c == '#' && !quoted)
            return text.substr(0, i);
    }
    return text;
}

std::vector<std::string> splitWords(std::string_view text, int line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && blank(text[i]))
            ++i;
        if (i >= text.size())
            break;
        std::string word;
        bool quoted = false;
        // A word runs to the next blank outside quotes; quotes may surround all or part of it.
        for (; i < text.size() && (quoted || !blank(text[i])); ++i) {
            const char c = text[i];
            if (c == '\\' && i + 1 < text.size() && text[i + 1] == '"') {
                word += '"';
                ++i;
            } else if (c == '"') {
                quoted = !quoted;
            } else {
                word += c;
            }
        }
        if (quoted)
            throw ScriptError(line, "aspas sem fechamento");
        words.push_back(std::move(word));
    }
    return words;
}

std::vector<ScriptLine> parseScript(std::string_view text) {
    std::vector<ScriptLine> lines;
    int number = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        ++number;
        const std::string_view body = stripComment(text.substr(start, end - start));
        std::vector<std::string> words = splitWords(body, number);
        if (!words.empty()) {
            std::string_view rest = body;
            while (!rest.empty() && blank(rest.front()))
                rest.remove_prefix(1);
            const std::size_t gap = rest.find_first_of(" \t");
            rest = gap == std::string_view::npos ? std::string_view() : rest.substr(gap);
            while (!rest.empty() && blank(rest.front()))
                rest.remove_prefix(1);
            while (!rest.empty() && blank(rest.back()))
                rest.remove_suffix(1);
            lines.push_back({number, std::move(words), std::string(rest)});
        }
        if (end == text.size())
            break;
        start = end + 1;
    }
    return lines;
}

} // namespace vq::host
