#pragma once
// Reading SQL text without parsing it: named parameters, statement kind, and the few rewrites a driver
// needs. String literals, quoted identifiers, comments and (PostgreSQL) dollar quotes and :: casts are
// skipped, so a ":X" inside them is never taken for a parameter.

#include "platform/db/dialect.h"

#include <string>
#include <string_view>
#include <vector>

namespace vq::db {

// ASCII-only case handling: SQL names and parameter names are ASCII.
std::string upperAscii(std::string_view text);
bool equalsNoCase(std::string_view a, std::string_view b);

struct NameLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
};

// Distinct parameter names (":P_X" gives "P_X", upper-cased) in order of first appearance.
std::vector<std::string> parameterNames(std::string_view sql);

// The text with every ":NAME" replaced by a numbered placeholder ("?N" for SQLite, "$N" for PostgreSQL);
// repeats of one name share its number. params[i] is the name of placeholder i + 1.
// For SQLite the function-call form ISNULL( becomes IFNULL(, the same function under the name SQLite
// accepts (ISNULL is an operator keyword there and cannot be called).
struct BoundSql {
    std::string text;
    std::vector<std::string> params;
};
BoundSql bindPlaceholders(std::string_view sql, Dialect dialect);

// One SELECT (or WITH ... SELECT) statement that names no data-changing command.
bool isReadOnlyQuery(std::string_view sql);

// The statement's first keyword, upper-cased ("SELECT", "ALTER"); empty when there is none.
std::string firstKeyword(std::string_view sql);

// More than one statement (a ';' followed by anything but blanks and comments).
bool hasSeveralStatements(std::string_view sql);

} // namespace vq::db
