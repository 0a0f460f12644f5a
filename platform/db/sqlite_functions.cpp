#include "platform/db/sqlite_functions.h"

#include "platform/db/db_error.h"

#include <cstring>
#include <memory>
#include <sqlite3.h>
#include <string>
#include <string_view>

namespace vq::db::detail {

namespace {

std::string_view textArg(sqlite3_value* v) {
    const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return p ? std::string_view(p, static_cast<std::size_t>(sqlite3_value_bytes(v))) : std::string_view();
}

// 1-based character position of part in text, 0 when absent.
sqlite3_int64 position(std::string_view text, std::string_view part) {
    const std::size_t at = text.find(part);
    if (at == std::string_view::npos)
        return 0;
    sqlite3_int64 chars = 0;
    for (std::size_t i = 0; i < at; ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            ++chars;
    return chars + 1;
}

void nvl(sqlite3_context* ctx, int, sqlite3_value** argv) {
    sqlite3_result_value(ctx, sqlite3_value_type(argv[0]) == SQLITE_NULL ? argv[1] : argv[0]);
}

void nvlstr(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const int type = sqlite3_value_type(argv[0]);
    const bool empty = type == SQLITE_NULL || (type == SQLITE_TEXT && sqlite3_value_bytes(argv[0]) == 0);
    sqlite3_result_value(ctx, empty ? argv[1] : argv[0]);
}

void param(sqlite3_context* ctx, int, sqlite3_value** argv) {
    sqlite3_result_value(ctx, argv[0]);
}

void instr(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL)
        return sqlite3_result_null(ctx);
    sqlite3_result_int64(ctx, position(textArg(argv[0]), textArg(argv[1])));
}

void charindex(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL)
        return sqlite3_result_null(ctx);
    const std::string_view part = textArg(argv[0]);
    sqlite3_result_int64(ctx, part.empty() ? 0 : position(textArg(argv[1]), part));
}

// PARAM as a table: "PARAM(x) alias" is one row with the columns PARAM (x) and the hidden argument.
struct ParamTable {
    sqlite3_vtab base{};
};

struct ParamCursor {
    sqlite3_vtab_cursor base{};
    sqlite3_value* value = nullptr;
    bool eof = true;
    ~ParamCursor() { sqlite3_value_free(value); }
};

int paramConnect(sqlite3* db, void*, int, const char* const*, sqlite3_vtab** out, char**) {
    const int rc = sqlite3_declare_vtab(db, "CREATE TABLE x(PARAM, ARG HIDDEN)");
    if (rc != SQLITE_OK)
        return rc;
    // SQLite owns the table until xDisconnect hands it back.
    *out = &std::make_unique<ParamTable>().release()->base;
    return SQLITE_OK;
}

int paramDisconnect(sqlite3_vtab* vtab) {
    const std::unique_ptr<ParamTable> owned(reinterpret_cast<ParamTable*>(vtab));
    return SQLITE_OK;
}

int paramBestIndex(sqlite3_vtab*, sqlite3_index_info* info) {
    for (int i = 0; i < info->nConstraint; ++i) {
        const auto& c = info->aConstraint[i];
        if (c.iColumn != 1 || c.op != SQLITE_INDEX_CONSTRAINT_EQ)
            continue;
        if (!c.usable)
            return SQLITE_CONSTRAINT; // try another join order, where the argument is known
        info->aConstraintUsage[i].argvIndex = 1;
        info->aConstraintUsage[i].omit = 1;
        info->idxNum = 1;
        info->estimatedCost = 1.0;
        info->estimatedRows = 1;
        return SQLITE_OK;
    }
    info->idxNum = 0;
    info->estimatedCost = 1.0;
    info->estimatedRows = 1;
    return SQLITE_OK;
}

int paramOpen(sqlite3_vtab*, sqlite3_vtab_cursor** out) {
    *out = &std::make_unique<ParamCursor>().release()->base;
    return SQLITE_OK;
}

int paramClose(sqlite3_vtab_cursor* cur) {
    const std::unique_ptr<ParamCursor> owned(reinterpret_cast<ParamCursor*>(cur));
    return SQLITE_OK;
}

int paramFilter(sqlite3_vtab_cursor* cur, int idxNum, const char*, int argc, sqlite3_value** argv) {
    auto* c = reinterpret_cast<ParamCursor*>(cur);
    sqlite3_value_free(c->value);
    c->value = idxNum == 1 && argc > 0 ? sqlite3_value_dup(argv[0]) : nullptr;
    if (idxNum == 1 && argc > 0 && !c->value)
        return SQLITE_NOMEM;
    c->eof = false;
    return SQLITE_OK;
}

int paramNext(sqlite3_vtab_cursor* cur) {
    reinterpret_cast<ParamCursor*>(cur)->eof = true;
    return SQLITE_OK;
}

int paramEof(sqlite3_vtab_cursor* cur) {
    return reinterpret_cast<ParamCursor*>(cur)->eof ? 1 : 0;
}

int paramColumn(sqlite3_vtab_cursor* cur, sqlite3_context* ctx, int) {
    auto* c = reinterpret_cast<ParamCursor*>(cur);
    if (c->value)
        sqlite3_result_value(ctx, c->value);
    else
        sqlite3_result_null(ctx);
    return SQLITE_OK;
}

int paramRowid(sqlite3_vtab_cursor*, sqlite3_int64* rowid) {
    *rowid = 1;
    return SQLITE_OK;
}

sqlite3_module makeParamModule() {
    sqlite3_module m;
    std::memset(&m, 0, sizeof m);
    m.iVersion = 0;
    m.xCreate = nullptr; // eponymous only: usable as PARAM(...) without CREATE VIRTUAL TABLE
    m.xConnect = paramConnect;
    m.xBestIndex = paramBestIndex;
    m.xDisconnect = paramDisconnect;
    m.xOpen = paramOpen;
    m.xClose = paramClose;
    m.xFilter = paramFilter;
    m.xNext = paramNext;
    m.xEof = paramEof;
    m.xColumn = paramColumn;
    m.xRowid = paramRowid;
    return m;
}

const sqlite3_module kParamModule = makeParamModule();

using ScalarFn = void (*)(sqlite3_context*, int, sqlite3_value**);

struct ScalarDef {
    const char* name;
    int args;
    ScalarFn fn;
};

constexpr ScalarDef kScalars[] = {
    {"NVL", 2, nvl},     {"ISNULL", 2, nvl},  {"NVLSTR", 2, nvlstr},
    {"PARAM", 1, param}, {"INSTR", 2, instr}, {"CHARINDEX", 2, charindex},
};

} // namespace

void registerSqliteFunctions(sqlite3* handle) {
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    for (const ScalarDef& def : kScalars)
        if (sqlite3_create_function_v2(handle, def.name, def.args, flags, nullptr, def.fn, nullptr, nullptr,
                                       nullptr) != SQLITE_OK)
            throw DbError(DbErrorKind::Connection, std::string("Não foi possível registrar a função SQL ") +
                                                       def.name + ": " + sqlite3_errmsg(handle));
    if (sqlite3_create_module_v2(handle, "PARAM", &kParamModule, nullptr, nullptr) != SQLITE_OK)
        throw DbError(DbErrorKind::Connection,
                      std::string("Não foi possível registrar a tabela PARAM: ") + sqlite3_errmsg(handle));
}

} // namespace vq::db::detail
