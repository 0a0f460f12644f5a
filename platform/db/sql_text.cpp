#include "platform/db/sql_text.h"

#include <algorithm>
#include <array>
#include <functional>

namespace vq::db {

namespace {

char upperChar(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
bool isIdentStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool isIdentChar(char c) {
    return isIdentStart(c) || (c >= '0' && c <= '9') || c == '$';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

// One lexical piece of SQL text.
enum class Piece { Code, Word, Param, Quoted, Comment, Semicolon };

// Splits SQL into pieces and hands each to the visitor with its text. Words are identifiers or keywords;
// Quoted covers string literals, quoted identifiers and dollar-quoted bodies.
void scan(std::string_view sql, bool dollarQuotes,
          const std::function<void(Piece, std::string_view)>& visit) {
    std::size_t i = 0;
    const std::size_t n = sql.size();
    auto emit = [&](Piece p, std::size_t from) { visit(p, sql.substr(from, i - from)); };
    while (i < n) {
        const char c = sql[i];
        const std::size_t start = i;
        if (c == '\'' || c == '"') {
            ++i;
            while (i < n) {
                if (sql[i] == c) {
                    if (i + 1 < n && sql[i + 1] == c) {
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                ++i;
            }
            emit(Piece::Quoted, start);
        } else if (c == '-' && i + 1 < n && sql[i + 1] == '-') {
            while (i < n && sql[i] != '\n')
                ++i;
            emit(Piece::Comment, start);
        } else if (c == '/' && i + 1 < n && sql[i + 1] == '*') {
            const std::size_t end = sql.find("*/", i + 2);
            i = end == std::string_view::npos ? n : end + 2;
            emit(Piece::Comment, start);
        } else if (c == '$' && dollarQuotes && (i == 0 || !isIdentChar(sql[i - 1]))) {
            // $tag$ ... $tag$ (tag may be empty); a lone '$' followed by digits is a positional parameter.
            std::size_t j = i + 1;
            while (j < n && isIdentChar(sql[j]) && sql[j] != '$')
                ++j;
            if (j < n && sql[j] == '$' && (j == i + 1 || isIdentStart(sql[i + 1]))) {
                const std::string_view tag = sql.substr(i, j - i + 1);
                const std::size_t end = sql.find(tag, j + 1);
                i = end == std::string_view::npos ? n : end + tag.size();
                emit(Piece::Quoted, start);
            } else {
                i = j;
                emit(Piece::Code, start);
            }
        } else if (c == ':' && i + 1 < n && sql[i + 1] == ':') {
            i += 2; // PostgreSQL cast
            emit(Piece::Code, start);
        } else if (c == ':' && i + 1 < n && isIdentStart(sql[i + 1])) {
            i += 1;
            while (i < n && isIdentChar(sql[i]) && sql[i] != '$')
                ++i;
            emit(Piece::Param, start);
        } else if (isIdentStart(c)) {
            while (i < n && isIdentChar(sql[i]))
                ++i;
            emit(Piece::Word, start);
        } else if (c == ';') {
            ++i;
            emit(Piece::Semicolon, start);
        } else {
            ++i;
            while (i < n && !isIdentStart(sql[i]) && sql[i] != '\'' && sql[i] != '"' && sql[i] != ':' &&
                   sql[i] != '-' && sql[i] != '/' && sql[i] != '$' && sql[i] != ';')
                ++i;
            emit(Piece::Code, start);
        }
    }
}

bool isBlankCode(std::string_view text) {
    return std::all_of(text.begin(), text.end(), isBlank);
}

// Keywords that change data or schema; none may appear in a query the read-only component runs.
constexpr std::array<std::string_view, 19> kWriteWords = {
    "INSERT", "UPDATE", "DELETE", "MERGE",  "CREATE", "DROP",    "ALTER", "TRUNCATE", "GRANT", "REVOKE",
    "COPY",   "VACUUM", "ATTACH", "DETACH", "PRAGMA", "REINDEX", "INTO",  "CALL",     "LOCK"};

} // namespace

std::string upperAscii(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), upperChar);
    return out;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return upperChar(x) == upperChar(y); });
}

bool NameLess::operator()(std::string_view a, std::string_view b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return upperChar(x) < upperChar(y); });
}

std::vector<std::string> parameterNames(std::string_view sql) {
    std::vector<std::string> names;
    scan(sql, true, [&](Piece p, std::string_view text) {
        if (p != Piece::Param)
            return;
        std::string name = upperAscii(text.substr(1));
        if (std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(std::move(name));
    });
    return names;
}

BoundSql bindPlaceholders(std::string_view sql, Dialect dialect) {
    BoundSql out;
    out.text.reserve(sql.size() + 16);
    const bool pg = dialect == Dialect::PostgreSQL;
    // An ISNULL word is held, with the blanks and comments after it, until the next piece shows whether
    // it is called.
    std::string heldWord;
    std::string heldGap;
    auto release = [&](bool called) {
        if (heldWord.empty())
            return;
        out.text += called ? std::string("IFNULL") : heldWord;
        out.text += heldGap;
        heldWord.clear();
        heldGap.clear();
    };
    scan(sql, pg, [&](Piece p, std::string_view text) {
        if (!heldWord.empty()) {
            if (p == Piece::Comment || (p == Piece::Code && isBlankCode(text))) {
                heldGap.append(text);
                return;
            }
            const auto firstNonBlank = std::find_if_not(text.begin(), text.end(), isBlank);
            release(p == Piece::Code && firstNonBlank != text.end() && *firstNonBlank == '(');
        }
        switch (p) {
        case Piece::Param: {
            const std::string name = upperAscii(text.substr(1));
            auto it = std::find(out.params.begin(), out.params.end(), name);
            if (it == out.params.end()) {
                out.params.push_back(name);
                it = out.params.end() - 1;
            }
            out.text += pg ? '$' : '?';
            out.text += std::to_string(it - out.params.begin() + 1);
            break;
        }
        case Piece::Word:
            if (!pg && equalsNoCase(text, "ISNULL") && (out.text.empty() || out.text.back() != '.')) {
                heldWord = std::string(text);
                break;
            }
            out.text.append(text);
            break;
        default:
            out.text.append(text);
        }
    });
    release(false);
    return out;
}

bool hasSeveralStatements(std::string_view sql) {
    bool afterSemicolon = false;
    bool several = false;
    scan(sql, true, [&](Piece p, std::string_view text) {
        if (p == Piece::Semicolon)
            afterSemicolon = true;
        else if (afterSemicolon && p != Piece::Comment && !(p == Piece::Code && isBlankCode(text)))
            several = true;
    });
    return several;
}

std::string firstKeyword(std::string_view sql) {
    std::string out;
    scan(sql, true, [&](Piece p, std::string_view text) {
        if (out.empty() && p == Piece::Word)
            out = upperAscii(text);
    });
    return out;
}

bool isReadOnlyQuery(std::string_view sql) {
    if (hasSeveralStatements(sql))
        return false;
    bool first = true;
    bool ok = true;
    scan(sql, true, [&](Piece p, std::string_view text) {
        if (p != Piece::Word)
            return;
        const std::string word = upperAscii(text);
        if (first) {
            first = false;
            ok = word == "SELECT" || word == "WITH";
        }
        if (std::find(kWriteWords.begin(), kWriteWords.end(), word) != kWriteWords.end())
            ok = false;
    });
    return ok && !first;
}

} // namespace vq::db
