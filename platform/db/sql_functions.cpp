#include "platform/db/sql_functions.h"

#include <array>

namespace vq::db {

namespace {
// anycompatible lets NVL(:P_X, CDCOLUNA) take the column's type and two bare parameters resolve to text.
constexpr std::array<std::string_view, 6> kStatements = {
    "CREATE OR REPLACE FUNCTION NVL(a anycompatible, b anycompatible) RETURNS anycompatible "
    "LANGUAGE sql IMMUTABLE PARALLEL SAFE AS $$ SELECT COALESCE(a, b) $$",
    "CREATE OR REPLACE FUNCTION ISNULL(a anycompatible, b anycompatible) RETURNS anycompatible "
    "LANGUAGE sql IMMUTABLE PARALLEL SAFE AS $$ SELECT COALESCE(a, b) $$",
    "CREATE OR REPLACE FUNCTION NVLSTR(a anycompatible, b anycompatible) RETURNS anycompatible "
    "LANGUAGE sql IMMUTABLE PARALLEL SAFE AS $$ SELECT CASE WHEN a IS NULL OR a::text = '' THEN b ELSE a END "
    "$$",
    "CREATE OR REPLACE FUNCTION INSTR(t text, part text) RETURNS integer "
    "LANGUAGE sql IMMUTABLE STRICT PARALLEL SAFE AS $$ SELECT strpos(t, part) $$",
    "CREATE OR REPLACE FUNCTION CHARINDEX(part text, t text) RETURNS integer "
    "LANGUAGE sql IMMUTABLE STRICT PARALLEL SAFE AS $$ SELECT CASE WHEN part = '' THEN 0 ELSE strpos(t, "
    "part) END $$",
    // An OUT parameter names the single column, so "FROM PARAM(:P) P" exposes P.PARAM.
    "CREATE OR REPLACE FUNCTION PARAM(x text, OUT PARAM text) "
    "LANGUAGE sql IMMUTABLE PARALLEL SAFE AS $$ SELECT x $$",
};
} // namespace

std::span<const std::string_view> postgresFunctionStatements() {
    return kStatements;
}

} // namespace vq::db
