// Sales prospects with their addresses, contacts, correspondence and observation, and the records that
// move to the customer when a prospect is converted: commercial contacts and their history, actions, tasks,
// movements, audit trail and proposals; plus the prospect-only lists deleted at conversion.

#include "server/schema/columns.h"

namespace vq::schema::detail {

namespace {

constexpr Column kProspect[] = {
    str("CDPROSPECT", 21, kKey), str("IDTPIJURPROS", 1),  str("NRINSJURPROS", 20), str("IDTPIJURINFO", 1),
    str("NRINSJURINFO", 20),     str("NMRAZSOCPROS", 50), str("NMFANTPROS", 50),   str("NRINSESTPROS", 20),
    str("CDATIVCLI", 10),        str("CDSEGMER", 5),      str("CDMODODIVULG", 5),  str("IDIDIOMA", 3),
    flt("VRFATUPROS"),           str("NRFUNCPROS", 5),    str("NRUNOPPROS", 5),    str("DSHOPAPROS", 50),
    dtm("DTCADAPROS"),           str("IDSITUPROS", 1),
};

constexpr Column kEndeProsp[] = {
    str("CDPROSPECT", 21, kKey), str("IDTPENDEPROS", 1, kKey), str("CDPAIS", 4),
    str("SGESTADO", 2),          str("CDMUNICIPIO", 4),        str("DSENDEPROS", 50),
    str("NMBAIRPROS", 30),       str("NRCEPPROS", 15),         str("NRTELEPROS", 25),
    str("NRRAMALPROS", 4),       str("NRTELEPROS1", 25),       str("NRRAMALPROS1", 4),
    str("NRTELEXPROS", 25),      str("NRFAXPROS", 25),         str("NRTELRESIPRO", 25),
    str("NRCELULARPRO", 25),     str("NMCONTPROS", 30),        str("DSEMAILPROS", 50),
};

constexpr Column kInteProsp[] = {
    str("CDPROSPECT", 21, kKey), str("CDINTEPROS", 2, kKey), str("NMINTEPROS", 50),   str("IDTPINTEPROS", 1),
    str("DSCARGINPROS", 30),     str("CDCARGOINTERLOC", 5),  str("IDSTINTEPROS", 1),  dtm("DTNASCINPROS"),
    str("NRTEL1INPROS", 25),     str("NRRAM1INPROS", 4),     str("NRTEL2INPROS", 25), str("NRRAM2INPROS", 4),
    str("NRFAXINPROS", 25),      str("NRCELULINPRO", 25),    str("NRTELREINPRO", 25), str("IDENDEINPROS", 1),
    str("DSENDEINPROS", 50),     str("NMBAIRINPROS", 30),    str("CDPAIS", 4),        str("SGESTADO", 2),
    str("CDMUNICIPIO", 4),       str("NRCEPINPROS", 15),     str("DSEMAILIPROS", 50),
};

constexpr Column kCorrProsp[] = {str("CDPROSPECT", 21, kKey), str("CDINTEPROS", 2, kKey),
                                 str("CDTIPOCORR", 3, kKey)};
constexpr Column kObsPros[] = {str("CDPROSPECT", 21, kKey), blob("DSOBSERVPROS")};

// Commercial contacts with a customer or a prospect (IDTPCONTATO "C" customer, "P" prospect), and their
// history, which may name the contact person on either side.
constexpr Column kContato[] = {str("CDFILIAL", 4, kKey), str("NRCONTATO", 10, kKey), str("CDCLIENTE", 21),
                               str("CDPROSPECT", 21),    str("IDTPCONTATO", 1),      dtm("DTHRCONTATO"),
                               str("DSASSUNTOCONT", 100)};
constexpr Column kEvolContato[] = {
    str("CDFILIAL", 4, kKey), str("NRCONTATO", 10, kKey), dtm("DTHREVOLCONT", kKey), str("CDCLIENTE", 21),
    str("CDINTECLIE", 2),     str("CDPROSPECT", 21),      str("CDINTEPROS", 2),      blob("DSEVOLCONT")};

constexpr Column kAcaoProsp[] = {integer("NRSEQACAO", kKey), str("CDPROSPECT", 21), str("CDCLIENTE", 21),
                                 dtm("DTHRACAO"), str("DSACAO", 250)};
constexpr Column kTarefa[] = {str("CDFILIAL", 4, kKey), str("NRTAREFA", 10, kKey), str("CDPROSPECT", 21),
                              str("CDCLIENTE", 21),     dtm("DTHRTAREFA"),         str("DSTAREFA", 250)};
constexpr Column kMovOcorr[] = {str("CDFILIAL", 4, kKey), str("NRMOVOCORR", 10, kKey),
                                str("CDPROSPECT", 21),    str("CDCLIENTE", 21),
                                dtm("DTHRMOVOCORR"),      str("DSMOVOCORR", 250)};
constexpr Column kAuditoria[] = {integer("NRSEQAUDIT", kKey), str("CDPROSPECT", 21),
                                 str("CDCLIENTE", 21),        dtm("DTHRAUDIT"),
                                 str("CDOPERADOR", 12),       str("DSAUDIT", 250)};
constexpr Column kPropostaFas[] = {str("CDFILIAL", 4, kKey), str("NRPROPOSFAS", 10, kKey),
                                   str("CDPROSPECT", 21),    str("CDCLIENTE", 21),
                                   dtm("DTPROPOSFAS"),       flt("VRPROPOSFAS")};

// Prospect-only lists, removed when the prospect becomes a customer.
constexpr Column kEstInteresse[] = {str("CDPROSPECT", 21, kKey), str("CDINTERESSE", 5, kKey)};
constexpr Column kEscopo[] = {str("CDPROSPECT", 21, kKey), str("CDESCOPO", 5, kKey), str("DSESCOPO", 100)};
constexpr Column kProsFilial[] = {str("CDPROSPECT", 21, kKey), str("CDFILIAL", 4, kKey)};
constexpr Column kHisQualPros[] = {str("CDPROSPECT", 21, kKey), dtm("DTHRHISQUAL", kKey), str("CDQUALIF", 2)};
constexpr Column kQualifPros[] = {str("CDPROSPECT", 21, kKey), str("CDQUALIF", 2, kKey)};
constexpr Column kCursoProsp[] = {str("CDPROSPECT", 21, kKey), str("CDCURSO", 10, kKey)};

constexpr Table kTables[] = {
    {"PROSPECT", kProspect},         {"ENDEPROSP", kEndeProsp},   {"INTEPROSP", kInteProsp},
    {"CORRPROSP", kCorrProsp},       {"OBSPROS", kObsPros},       {"CONTATO", kContato},
    {"EVOLCONTATO", kEvolContato},   {"ACAOPROSP", kAcaoProsp},   {"TAREFA", kTarefa},
    {"MOVOCORR", kMovOcorr},         {"AUDITORIA", kAuditoria},   {"PROPOSTAFAS", kPropostaFas},
    {"ESTINTERESSE", kEstInteresse}, {"ESCOPO", kEscopo},         {"PROSFILIAL", kProsFilial},
    {"HISQUALPROS", kHisQualPros},   {"QUALIFPROS", kQualifPros}, {"CURSOPROSP", kCursoProsp},
};

constexpr Index kIndexes[] = {
    {"IX_CONTATO_PROSP", "CONTATO", "CDPROSPECT", false},
    {"IX_CONTATO_CLIE", "CONTATO", "CDCLIENTE", false},
    {"IX_EVOLCONTATO_CLIE", "EVOLCONTATO", "CDCLIENTE,CDINTECLIE", false},
    {"IX_ACAOPROSP_PROSP", "ACAOPROSP", "CDPROSPECT", false},
    {"IX_TAREFA_PROSP", "TAREFA", "CDPROSPECT", false},
    {"IX_MOVOCORR_PROSP", "MOVOCORR", "CDPROSPECT", false},
    {"IX_AUDITORIA_PROSP", "AUDITORIA", "CDPROSPECT", false},
    {"IX_PROPOSTAFAS_PROSP", "PROPOSTAFAS", "CDPROSPECT", false},
};

} // namespace

Subject prospectSubject() {
    return {kTables, kIndexes};
}

} // namespace vq::schema::detail
