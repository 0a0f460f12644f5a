// The billing companies with their state and municipal registrations and invoice series, and the fiscal
// parameters the customer form reads.

#include "server/schema/columns.h"

namespace vq::schema::detail {

namespace {

constexpr Column kEmpresa[] = {str("CDEMPRESA", 2, kKey), str("NMEMPRESA", 60, kNotNull),
                               str("NRINSJUREMP", 20)};
constexpr Column kInscrEstad[] = {str("CDEMPRESA", 2, kKey), str("CDINSCESTA", 16, kKey),
                                  str("NRINSJURIEST", 20),   str("NMREPRINSEST", 40),
                                  str("SGESTADO", 2),        str("IDTPIJURIEST", 1)};
constexpr Column kInscrMunicip[] = {str("CDEMPRESA", 2, kKey), str("CDINSCMUNI", 16, kKey),
                                    str("CDINSCESTA", 16), str("NRINSCMUNIEMP", 20)};
// A series belongs to one company, state registration and municipal registration.
constexpr Column kSerieNf[] = {str("CDEMPRESA", 2, kKey), str("CDINSCESTA", 16, kKey),
                               str("CDINSCMUNI", 16, kKey), str("CDSERIE", 5, kKey), str("DSSERIE", 40)};
// IDUTENDMODFISC "S": the customer's normal address must be complete.
constexpr Column kParamFiscal[] = {str("CDEMPRESA", 2, kKey), str("IDUTENDMODFISC", 1)};

constexpr Table kTables[] = {
    {"EMPRESA", kEmpresa}, {"INSCRESTAD", kInscrEstad},   {"INSCRMUNICIP", kInscrMunicip},
    {"SERIENF", kSerieNf}, {"PARAMFISCAL", kParamFiscal},
};

} // namespace

Subject fiscalSubject() {
    return {kTables, {}};
}

} // namespace vq::schema::detail
