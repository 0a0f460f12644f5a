#pragma once
// The SQL of the preferred-bank and price-table lookups as stored: the generic text that runs on SQLite
// and PostgreSQL, and the legacy dialect texts kept with each query. Header-only data, so the server
// tests run the same texts on both databases.

#include <string_view>

namespace vq::customer {

struct DialectQuery {
    std::string_view name;
    std::string_view generic;
    std::string_view oracle, mssql, interbase; // kept with the query, never run here
};

// clang-format off
// Company accounts with their banks: one reduced code, or every account when P_TCDREDUCONT is "T".
inline constexpr std::string_view kSqlContCorr =
    "SELECT C.CDREDUCONT, C.CDBANCO, B.NMBANCO, C.CDAGENCIA, C.CDCONTCORR FROM CONTCORR C "
    "JOIN BANCO B ON B.CDBANCO = C.CDBANCO "
    "WHERE (C.CDREDUCONT = :P_CDREDUCONT OR :P_TCDREDUCONT = 'T') ORDER BY C.CDREDUCONT";

// The accounts of one bank agency, restricted to one account number when it is not empty.
inline constexpr DialectQuery kPesqCCorrente{"qryPesqCCorrente",
    "SELECT C.CDCONTCORR, C.CDREDUCONT, C.DSCONTCORR, B.CDPICTCONT FROM CONTCORR C "
    "JOIN BANCO B ON B.CDBANCO = C.CDBANCO WHERE C.CDBANCO = :P_CDBANCO AND C.CDAGENCIA = :P_CDAGENCIA "
    "AND C.CDCONTCORR = NVLSTR(PARAM(:P_CDCONTCORR), C.CDCONTCORR) ORDER BY C.CDCONTCORR, C.CDREDUCONT",
    "SELECT C.CDCONTCORR, C.CDREDUCONT, C.DSCONTCORR, B.CDPICTCONT FROM CONTCORR C, BANCO B "
    "WHERE B.CDBANCO = C.CDBANCO AND C.CDBANCO = :P_CDBANCO AND C.CDAGENCIA = :P_CDAGENCIA "
    "AND C.CDCONTCORR = NVL(:P_CDCONTCORR, C.CDCONTCORR) ORDER BY C.CDCONTCORR, C.CDREDUCONT",
    "SELECT C.CDCONTCORR, C.CDREDUCONT, C.DSCONTCORR, B.CDPICTCONT FROM CONTCORR C "
    "JOIN BANCO B ON B.CDBANCO = C.CDBANCO WHERE C.CDBANCO = :P_CDBANCO AND C.CDAGENCIA = :P_CDAGENCIA "
    "AND C.CDCONTCORR = NVL(NULLIF(:P_CDCONTCORR, ''), C.CDCONTCORR) ORDER BY C.CDCONTCORR, C.CDREDUCONT",
    "SELECT C.CDCONTCORR, C.CDREDUCONT, C.DSCONTCORR, B.CDPICTCONT FROM CONTCORR C "
    "JOIN BANCO B ON B.CDBANCO = C.CDBANCO WHERE C.CDBANCO = :P_CDBANCO AND C.CDAGENCIA = :P_CDAGENCIA "
    "AND C.CDCONTCORR = NVL(NULLIF(:P_CDCONTCORR, ''), C.CDCONTCORR) ORDER BY C.CDCONTCORR, C.CDREDUCONT"};

// Base price tables: every table when P_CDPRECOBASE is null, else the one table.
inline constexpr DialectQuery kPrecoBase{"qryPrecoBase",
    "SELECT CDPRECOBASE, DSPRECOBASE FROM PRECOBASE "
    "WHERE CDPRECOBASE = NVL(:P_CDPRECOBASE, CDPRECOBASE) ORDER BY CDPRECOBASE",
    "SELECT CDPRECOBASE, DSPRECOBASE FROM PRECOBASE "
    "WHERE CDPRECOBASE = NVL(:P_CDPRECOBASE, CDPRECOBASE) ORDER BY CDPRECOBASE",
    "SELECT CDPRECOBASE, DSPRECOBASE FROM PRECOBASE "
    "WHERE CDPRECOBASE = ISNULL(:P_CDPRECOBASE, CDPRECOBASE) ORDER BY CDPRECOBASE",
    "SELECT CDPRECOBASE, DSPRECOBASE FROM PRECOBASE "
    "WHERE CDPRECOBASE = NVL(:P_CDPRECOBASE, CDPRECOBASE) ORDER BY CDPRECOBASE"};
// clang-format on

} // namespace vq::customer
