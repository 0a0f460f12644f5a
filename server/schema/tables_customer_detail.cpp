// Rows that belong to one customer: addresses, contacts and their correspondence, observations, payment
// terms, preferred banks, base price tables, partners, invoice texts, additional salespeople, carrier list,
// e-mail per branch, mailing entries.

#include "server/schema/columns.h"

namespace vq::schema::detail {

namespace {

// One address per kind: P normal, C billing, E exterior, X export, T delivery.
constexpr Column kEndeClie[] = {
    str("CDCLIENTE", 21, kKey), str("IDTPENDECLIE", 1, kKey), str("CDPAIS", 4),
    str("SGESTADO", 2),         str("CDMUNICIPIO", 4),        str("CDBAIRRO", 10),
    str("DSENDECLIE", 50),      str("DSCOMPENDCLI", 200),     str("NMBAIRCLIE", 60),
    str("NRCEPCLIE", 15),       str("NRTELECLIE", 25),        str("NRRAMALCLIE", 4),
    str("NRTELECLIE1", 25),     str("NRRAMALCLIE1", 4),       str("NRTELEXCLIE", 25),
    str("NRFAXCLIE", 25),       str("NRCELULARCLI", 25),      str("NRTELRESICLI", 25),
    str("NMCONTCLIE", 30),      str("DSEMAILCLIE", 50),       str("DSEMAILCLIE2", 50),
    str("DSPTOREFECLI", 2000),  str("IDCOMPARQXMLCLI", 1),    str("DSEMAILCLIENFE", 120),
    str("DSEMAILCLIECOP", 400), str("DSEMAILCLIECTE", 60),    str("DSEMAILCLIEMDFE", 60),
};

// Contact persons (interlocutors).
constexpr Column kInteClie[] = {
    str("CDCLIENTE", 21, kKey), str("CDINTECLIE", 2, kKey), str("NMINTECLIE", 50),   str("IDTPINTECLIE", 1),
    str("DSCARGINCLIE", 30),    str("CDCARGOINTERLOC", 5),  str("IDSTINTECLIE", 1),  dtm("DTNASCINCLIE"),
    str("CDFUNC", 10),          str("CDEMPRESA", 2),        str("NRTEL1INCLIE", 25), str("NRRAM1INCLIE", 4),
    str("NRTEL2INCLIE", 25),    str("NRRAM2INCLIE", 4),     str("NRFAXINCLIE", 25),  str("NRCELULINCLI", 25),
    str("NRTELREINCLI", 25),    str("IDENDEINCLIE", 1),     str("DSENDEINCLIE", 50), str("NMBAIRINCLIE", 30),
    str("CDPAIS", 4),           str("SGESTADO", 2),         str("CDMUNICIPIO", 4),   str("NRCEPINCLIE", 15),
    str("DSEMAILICLIE", 250),
};

// Correspondence kinds each contact receives.
constexpr Column kCorInteCli[] = {str("CDCLIENTE", 21, kKey), str("CDINTECLIE", 2, kKey),
                                  str("CDTIPOCORR", 3, kKey)};

constexpr Column kObservClie[] = {str("CDCLIENTE", 21, kKey), dtm("DTHROBSCLIE", kKey), str("CDOPERADOR", 12),
                                  blob("DSOBSERVCLIE")};

constexpr Column kPrazoPgtClie[] = {str("CDCLIENTE", 21, kKey), flt("NRDIASPGTOCL", kKey),
                                    flt("VRPERCPGTOCL")};

constexpr Column kBancoPref[] = {
    str("CDCLIENTE", 21, kKey), str("CDBANCO", 3, kKey), str("CDREDUCONT", 3),   str("CDAGENCIA", 5),
    str("CDCONTCORR", 10),      str("IDPRIORBPREF", 1),  str("CDINS1COBRCL", 2), str("CDINS2COBRCL", 2),
};

constexpr Column kPrecoBaseCli[] = {str("CDCLIENTE", 21, kKey), str("CDPRECOBASE", 2, kKey),
                                    str("IDPRBASEPRIN", 1)};

// Partners.
constexpr Column kSocioClie[] = {str("CDCLIENTE", 21, kKey), str("NRSEQSOCCLIE", 2, kKey),
                                 str("NRINSSOCCLIE", 20), str("IDTPINSSOCCL", 1), str("NMSOCIOCLIE", 50)};

// Additional texts printed on the customer's invoices.
constexpr Column kMensCliente[] = {str("CDCLIENTE", 21, kKey), str("NRMENSCLIENTE", 5, kKey),
                                   str("CDMENSAGEM", 3), str("IDENTRSAIDMENS", 1), str("DSMENSCLIENTE", 250)};

constexpr Column kVendAdicClie[] = {str("CDCLIENTE", 21, kKey), str("CDVENDEDOR", 4, kKey),
                                    flt("VRPECOMVEN")};

// Carriers allowed for the customer's orders (carrier search mode "L").
constexpr Column kTransCliePed[] = {str("CDCLIENTE", 21, kKey), str("NRINSJURTRAN", 20, kKey),
                                    str("IDTPIJURTRAN", 1)};

// Complementary e-mail addresses per branch (invoice, bank slip).
constexpr Column kEmailCliFil[] = {str("CDCLIENTE", 21, kKey), str("CDFILIAL", 4, kKey),
                                   str("DSEMAILDANFEBOL", 4000)};

// Mailing entries of a customer's or a prospect's contact.
constexpr Column kMalaDireta[] = {integer("NRSEQMALA", kKey), str("CDMALADIR", 5),   str("CDCLIENTE", 21),
                                  str("CDINTECLIE", 2),       str("CDPROSPECT", 21), str("CDINTEPROS", 2)};

constexpr Table kTables[] = {
    {"ENDECLIE", kEndeClie},         {"INTECLIE", kInteClie},         {"CORINTECLI", kCorInteCli},
    {"OBSERVCLIE", kObservClie},     {"PRAZOPGTCLIE", kPrazoPgtClie}, {"BANCOPREF", kBancoPref},
    {"PRECOBASECLI", kPrecoBaseCli}, {"SOCIOCLIE", kSocioClie},       {"MENSCLIENTE", kMensCliente},
    {"VENDADICCLIE", kVendAdicClie}, {"TRANSCLIEPED", kTransCliePed}, {"EMAILCLIFIL", kEmailCliFil},
    {"MALADIRETA", kMalaDireta},
};

constexpr Index kIndexes[] = {
    {"IX_ENDECLIE_GEO", "ENDECLIE", "CDPAIS,SGESTADO,CDMUNICIPIO", false},
    {"UX_BANCOPREF_CONTA", "BANCOPREF", "CDCLIENTE,CDREDUCONT", true},
    {"UX_SOCIOCLIE_INSCR", "SOCIOCLIE", "CDCLIENTE,NRINSSOCCLIE", true},
    {"IX_MALADIRETA_CLIE", "MALADIRETA", "CDCLIENTE,CDINTECLIE", false},
    {"IX_MALADIRETA_PROSP", "MALADIRETA", "CDPROSPECT,CDINTEPROS", false},
};

} // namespace

Subject customerDetailSubject() {
    return {kTables, kIndexes};
}

} // namespace vq::schema::detail
