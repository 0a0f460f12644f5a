// Banks and the company's accounts, currency indexes, ledger accounts, payment forms and modalities,
// receivable types, base price tables, registered invoice messages and ECF retention codes.

#include "server/schema/columns.h"

namespace vq::schema::detail {

namespace {

// CDPICTCONT is the bank's edit mask for account numbers.
constexpr Column kBanco[] = {str("CDBANCO", 3, kKey), str("NMBANCO", 30, kNotNull), str("CDPICTCONT", 20)};
constexpr Column kAgencia[] = {str("CDBANCO", 3, kKey), str("CDAGENCIA", 5, kKey), str("NMAGENCIA", 40)};
// The company's current accounts, known by their reduced code.
constexpr Column kContCorr[] = {str("CDREDUCONT", 3, kKey), str("CDBANCO", 3, kNotNull),
                                str("CDAGENCIA", 5),        str("CDCONTCORR", 10, kNotNull),
                                str("DSCONTCORR", 40),      str("CDEMPRESA", 2)};
constexpr Column kInstCobr[] = {str("CDBANCO", 3, kKey), str("CDINSTCOBR", 2, kKey), str("NMINSTCOBR", 100)};
// CDTPINDICE "1" and IDPERVALOR "2" mark the daily value indexes a customer may use.
constexpr Column kIndice[] = {str("CDINDICE", 4, kKey), str("SGINDICE", 5, kNotNull), str("NMINDICE", 30),
                              str("CDTPINDICE", 1), str("IDPERVALOR", 1)};
constexpr Column kContCtbl[] = {str("CDCONTCTBL", 20, kKey), str("NMCONTCTBL", 40, kNotNull),
                                str("CDNVCONTCTBL", 1), str("IDTIPOCONT", 1)};
constexpr Column kFormPgto[] = {str("CDFORMPGTO", 2, kKey), str("NMFORMPGTO", 30, kNotNull)};
constexpr Column kModPgto[] = {str("CDMODPGTO", 5, kKey), str("DSMODPGTO", 100, kNotNull)};
constexpr Column kTpCtReceb[] = {str("CDTPCTRECEB", 6, kKey), str("DSTPCTRECEB", 40, kNotNull)};
constexpr Column kTpBaixaRec[] = {str("CDTPBAIXAREC", 2, kKey), str("NMTPBAIXAREC", 50, kNotNull)};
constexpr Column kTpAjuCtRec[] = {str("CDAJUCTREC", 4, kKey), str("DSAJUCTREC", 40, kNotNull)};
constexpr Column kPrecoBase[] = {str("CDPRECOBASE", 2, kKey), str("DSPRECOBASE", 30, kNotNull)};
// Registered invoice messages; IDSITUACAOMENS "A" marks the active ones.
constexpr Column kMensagem[] = {str("CDMENSAGEM", 3, kKey), str("DSMENSAGEM", 250, kNotNull),
                                str("IDSITUACAOMENS", 1)};
// ECF retention codes (register Y570); customers point at NRSEQUENCIAL.
constexpr Column kRetEcf[] = {integer("NRSEQUENCIAL", kKey),
                              str("CDRETECF", 10, kNotNull),
                              str("DSRETECF", 200),
                              str("IDORGPUB", 1),
                              str("IDIRPJ", 1),
                              str("IDCSLL", 1)};

constexpr Table kTables[] = {
    {"BANCO", kBanco},           {"AGENCIA", kAgencia},       {"CONTCORR", kContCorr},
    {"INSTCOBR", kInstCobr},     {"INDICE", kIndice},         {"CONTCTBL", kContCtbl},
    {"FORMPGTO", kFormPgto},     {"MODPGTO", kModPgto},       {"TPCTRECEB", kTpCtReceb},
    {"TPBAIXAREC", kTpBaixaRec}, {"TPAJUCTREC", kTpAjuCtRec}, {"PRECOBASE", kPrecoBase},
    {"MENSAGEM", kMensagem},     {"RETECF", kRetEcf},
};

constexpr Index kIndexes[] = {
    {"IX_CONTCORR_BANCO", "CONTCORR", "CDBANCO,CDAGENCIA,CDCONTCORR", false},
    {"IX_INDICE_SIGLA", "INDICE", "SGINDICE", false},
    {"IX_RETECF_CODIGO", "RETECF", "CDRETECF", false},
};

} // namespace

Subject financialSubject() {
    return {kTables, kIndexes};
}

} // namespace vq::schema::detail
