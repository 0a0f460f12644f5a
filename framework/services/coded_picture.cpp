#include "framework/services/coded_picture.h"

#include "platform/data/error.h"

namespace vq {
namespace {

bool isSlot(char c) {
    switch (c) {
    case '9':
    case '0':
    case 'A':
    case 'a':
    case 'L':
    case 'l':
    case 'C':
    case 'c':
        return true;
    default:
        return false;
    }
}

bool accepts(char slot, char c) {
    const bool digit = c >= '0' && c <= '9';
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    switch (slot) {
    case '9':
    case '0':
        return digit;
    case 'L':
    case 'l':
        return letter;
    default:
        return digit || letter;
    }
}

bool isEmptyPosition(char c) {
    return c == ' ' || c == '_';
}

} // namespace

CodedPicture::CodedPicture(std::string_view picture) {
    std::string_view pattern = picture.substr(0, picture.find(';'));
    while (!pattern.empty() && pattern.back() == ' ')
        pattern.remove_suffix(1);
    pattern_ = std::string(pattern);
    std::string literal;
    for (const char c : pattern_) {
        if (c == '>' || c == '<')
            continue; // case markers are not positions
        if (isSlot(c)) {
            if (levelSlots_.empty() || !literal.empty()) {
                if (!levelSlots_.empty())
                    literals_.push_back(literal);
                else if (!literal.empty())
                    throw Error("Máscara de código " + pattern_ + " inválida: começa por separador.");
                levelSlots_.emplace_back();
                literal.clear();
            }
            levelSlots_.back().push_back(c);
        } else {
            literal.push_back(c);
        }
    }
    if (!literal.empty())
        throw Error("Máscara de código " + pattern_ + " inválida: termina por separador.");
    for (const auto& s : levelSlots_)
        groups_.push_back(static_cast<int>(s.size()));
}

std::string CodedPicture::editMask() const {
    return pattern_.empty() ? std::string{} : pattern_ + ";1;_";
}

std::optional<int> CodedPicture::levelOf(std::string_view code) const {
    // Drop what an editor leaves after the last filled position: blanks, '_' and separators.
    auto trailingJunk = [&](char c) {
        if (isEmptyPosition(c))
            return true;
        for (const auto& l : literals_)
            if (l.find(c) != std::string::npos)
                return true;
        return false;
    };
    while (!code.empty() && trailingJunk(code.back()))
        code.remove_suffix(1);
    while (!code.empty() && code.front() == ' ')
        code.remove_prefix(1);
    if (code.empty() || levelSlots_.empty())
        return std::nullopt;
    std::size_t pos = 0;
    for (std::size_t level = 0; level < levelSlots_.size(); ++level) {
        const std::string& positions = levelSlots_[level];
        if (code.size() - pos < positions.size())
            return std::nullopt; // a level filled partly
        for (std::size_t i = 0; i < positions.size(); ++i)
            if (!accepts(positions[i], code[pos + i]))
                return std::nullopt;
        pos += positions.size();
        if (pos == code.size())
            return static_cast<int>(level) + 1;
        if (level + 1 == levelSlots_.size())
            return std::nullopt; // more than the picture holds
        const std::string& sep = literals_[level];
        if (code.substr(pos, sep.size()) != sep)
            return std::nullopt;
        pos += sep.size();
    }
    return std::nullopt;
}

} // namespace vq
