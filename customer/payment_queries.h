#pragma once
// The payment concern's lookup queries on the host's database, one text for every database.

namespace vq::customer {

// Payment forms: P_TCDFORMPGTO = "T" lists every form; an empty switch with a code finds that one.
inline constexpr const char* kSqlFormPgto = "SELECT CDFORMPGTO, NMFORMPGTO FROM FORMPGTO WHERE (CDFORMPGTO = "
                                            ":P_CDFORMPGTO OR :P_TCDFORMPGTO = 'T') ORDER BY CDFORMPGTO";
// Payment modalities: the search lists every one, the check finds one code.
inline constexpr const char* kSqlPesqModPgto = "SELECT CDMODPGTO, DSMODPGTO FROM MODPGTO ORDER BY CDMODPGTO";
inline constexpr const char* kSqlModPgto =
    "SELECT CDMODPGTO, DSMODPGTO FROM MODPGTO WHERE CDMODPGTO = :P_CDMODPGTO";

} // namespace vq::customer
