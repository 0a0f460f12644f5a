#include "platform/data/display_format.h"

#include "platform/data/text_ptbr.h"

#include <cmath>
#include <vector>

namespace vq {

namespace {

struct Token {
    enum Kind { Literal, Zero, Hash, Point } kind;
    std::string text; // for Literal
};

struct Section {
    std::vector<Token> tokens;
    bool grouping = false;
    int intSlots = 0;  // placeholders before the decimal point
    int minInt = 0;    // from the first '0' before the point
    int fracSlots = 0; // placeholders after it
    int minFrac = 0;   // up to the last '0' after it
};

// Splits on ';' outside quoted literals.
std::vector<std::string_view> splitSections(std::string_view format) {
    std::vector<std::string_view> out;
    char quote = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (quote)
            quote = c == quote ? 0 : quote;
        else if (c == '\'' || c == '"')
            quote = c;
        else if (c == ';') {
            out.push_back(format.substr(start, i - start));
            start = i + 1;
        }
    }
    out.push_back(format.substr(start));
    return out;
}

void addLiteral(Section& s, std::string_view text) {
    if (!s.tokens.empty() && s.tokens.back().kind == Token::Literal)
        s.tokens.back().text += text;
    else
        s.tokens.push_back({Token::Literal, std::string(text)});
}

Section parseSection(std::string_view f) {
    Section s;
    bool afterPoint = false;
    int firstZero = -1;
    for (std::size_t i = 0; i < f.size(); ++i) {
        const char c = f[i];
        if (c == '\'' || c == '"') {
            const std::size_t close = f.find(c, i + 1);
            const std::size_t end = close == std::string_view::npos ? f.size() : close;
            addLiteral(s, f.substr(i + 1, end - i - 1));
            i = end;
        } else if (c == '0' || c == '#') {
            s.tokens.push_back({c == '0' ? Token::Zero : Token::Hash, {}});
            if (afterPoint) {
                ++s.fracSlots;
                if (c == '0')
                    s.minFrac = s.fracSlots;
            } else {
                if (c == '0' && firstZero < 0)
                    firstZero = s.intSlots;
                ++s.intSlots;
            }
        } else if (c == '.') {
            if (!afterPoint)
                s.tokens.push_back({Token::Point, {}});
            afterPoint = true;
        } else if (c == ',') {
            s.grouping = s.grouping || !afterPoint;
        } else {
            addLiteral(s, f.substr(i, 1));
        }
    }
    s.minInt = firstZero < 0 ? 0 : s.intSlots - firstZero;
    return s;
}

bool isZero(const FixedDigits& d) {
    return d.integer.empty() && d.fraction.find_first_not_of('0') == std::string::npos;
}

std::string render(const Section& s, const FixedDigits& d) {
    std::string whole = d.integer;
    if (static_cast<int>(whole.size()) < s.minInt)
        whole.insert(0, static_cast<std::size_t>(s.minInt) - whole.size(), '0');
    std::string frac = d.fraction;
    while (static_cast<int>(frac.size()) > s.minFrac && frac.back() == '0')
        frac.pop_back();

    const int len = static_cast<int>(whole.size());
    std::string out;
    auto emitDigits = [&](int from, int to) { // whole[from, to), with the thousands dots
        for (int j = std::max(from, 0); j < to; ++j) {
            out.push_back(whole[static_cast<std::size_t>(j)]);
            const int fromRight = len - 1 - j;
            if (s.grouping && fromRight > 0 && fromRight % 3 == 0)
                out.push_back('.');
        }
    };
    int intIndex = 0, fracIndex = 0;
    bool afterPoint = false;
    for (const Token& t : s.tokens) {
        switch (t.kind) {
        case Token::Literal:
            out += t.text;
            break;
        case Token::Point:
            if (s.intSlots == 0)
                emitDigits(0, len); // no place for the integer digits: they go before the comma
            if (!frac.empty())
                out.push_back(',');
            afterPoint = true;
            break;
        case Token::Zero:
        case Token::Hash:
            if (afterPoint) {
                if (fracIndex < static_cast<int>(frac.size()))
                    out.push_back(frac[static_cast<std::size_t>(fracIndex)]);
                ++fracIndex;
            } else {
                // The k-th placeholder from the left shows the digit of its place; the first one also
                // shows every digit beyond the placeholders.
                const int place = s.intSlots - 1 - intIndex;
                emitDigits(intIndex == 0 ? 0 : len - 1 - place, len - place);
                ++intIndex;
            }
            break;
        }
    }
    return out;
}

} // namespace

std::string formatFloat(std::string_view format, double value) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    if (format.empty())
        return formatNumber(value);

    const std::vector<std::string_view> parts = splitSections(format);
    const bool negative = value < 0;
    const bool ownNegative = negative && parts.size() > 1 && !parts[1].empty();
    const Section main = parseSection(parts[ownNegative ? 1 : 0]);
    const FixedDigits digits = fixedDigits(std::fabs(value), main.fracSlots);
    if (isZero(digits)) {
        const bool ownZero = parts.size() > 2 && !parts[2].empty();
        const Section zero = parseSection(parts[ownZero ? 2 : 0]);
        return render(zero, fixedDigits(0.0, zero.fracSlots));
    }
    const std::string text = render(main, digits);
    return negative && !ownNegative ? "-" + text : text;
}

} // namespace vq
