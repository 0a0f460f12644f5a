#pragma once
// The classification lookups the customer form runs on the host's database: one text for every database.

namespace vq::customer {

inline constexpr const char* kSqlSegMercado =
    "SELECT CDSEGMER, DSSEGMER FROM SEGMERCADO WHERE (CDSEGMER = :P_CDSEGMER OR :P_TCDSEGMER = 'T') "
    "ORDER BY CDSEGMER";
inline constexpr const char* kSqlCentCustoCli =
    "SELECT CDCENTCUST, NMCENTCUST FROM CENTCUST WHERE (CDCENTCUST = :P_CDCENTCUST OR :P_TCDCENTCUST = 'T') "
    "ORDER BY CDCENTCUST";
inline constexpr const char* kSqlRegiao =
    "SELECT CDREGIAOPED, NMREGIAOPED FROM REGIAOPED WHERE CDREGIAOPED = :P_CDREGIAO";
inline constexpr const char* kSqlPesqRegiao =
    "SELECT CDREGIAOPED, NMREGIAOPED FROM REGIAOPED ORDER BY CDREGIAOPED";
inline constexpr const char* kSqlFiliOrig =
    "SELECT CDFILIAL, NMFILIAL FROM FILIAL WHERE CDFILIAL = :P_CDFILIAL";
inline constexpr const char* kSqlPesqFiliOrig = "SELECT CDFILIAL, NMFILIAL FROM FILIAL ORDER BY CDFILIAL";
// Daily indexes with a value: type "1", periodicity "2".
inline constexpr const char* kSqlMoeda =
    "SELECT CDINDICE, SGINDICE, NMINDICE, CDTPINDICE, IDPERVALOR FROM INDICE WHERE CDTPINDICE = '1' AND "
    "IDPERVALOR = '2' AND (SGINDICE = :P_SGINDICE OR :P_TSGINDICE = 'T') ORDER BY CDINDICE";

} // namespace vq::customer
