// Detail and lookup datasets of the current customer: contacts and their correspondence, observations,
// payment terms, preferred banks, base price tables, partners, currency index, invoice messages, ledger
// accounts, ECF retention codes and additional salespeople.

#include "customer/customer_field_tables.h"
#include "customer/field_builders.h"

namespace vq::customer {

namespace {

// clang-format off
constexpr FieldSpec kContactFields[] = {
    str("CDINTECLIE", 2, "Código"),
    str("NMINTECLIE", 50, "Nome"),
    str("IDTPINTECLIE", 1, "Nível"),
    str("NRTEL1INCLIE", 25, "Telefone"),
    str("NRRAM1INCLIE", 4, "Ramal"),
    str("DSCARGINCLIE", 30, "Cargo"),
    str("CDPAIS", 4, "País", "9999;0; "),
    str("SGESTADO", 2, "Estado", ">ll;0; "),
    str("CDMUNICIPIO", 4, "Município", "9999;0; "),
    date("DTNASCINCLIE", "Data Nasc."),
    str("IDENDEINCLIE", 1, "Tipo"),
    str("DSENDEINCLIE", 50, "Endereço"),
    str("NMBAIRINCLIE", 30, "Bairro"),
    str("DSEMAILICLIE", 250, "E-Mail"),
    str("NMPAIS", 30, "País"),
    str("NMMUNICIPIO", 30, "Município"),
    str("CDCLIENTE", 21),
    str("IDSTINTECLIE", 1, "Situação"),
    str("NRCELULINCLI", 25, "Celular"),
    str("NRTELREINCLI", 25, "Residencial"),
    str("NRTEL2INCLIE", 25, "2"),
    str("NRRAM2INCLIE", 4, "2"),
    str("NRFAXINCLIE", 25, "Fax"),
    str("NRCEPINCLIE", 15, "CEP"),
    str("CDCARGOINTERLOC", 5, "Cód. Cargo"),
    str("NMCARGOINTERLOC", 50, "Nm. Cargo"),
    str("CDFUNC", 10),
    str("CDEMPRESA", 2),
    str("NMFUNC", 40),
};

constexpr FieldSpec kCorrespondenceFields[] = {
    str("CDCLIENTE", 21),
    str("CDINTECLIE", 2),
    str("CDTIPOCORR", 3, "Tipo", "999;0; "),
    str("NMTIPOCORR", 40, "Descrição"),
};

constexpr FieldSpec kObservationFields[] = {
    str("CDCLIENTE", 21),
    date("DTHROBSCLIE", "Data/Hora"),
    str("CDOPERADOR", 12, "Nome"), // the grid shows the operator's name under this title
    str("NMOPERADOR", 40),
    memo("DSOBSERVCLIE"),          // formatted text
};

constexpr FieldSpec kPaymentTermFields[] = {
    str("CDCLIENTE", 21),
    num("NRDIASPGTOCL", "Prazo (dias)"),
    num("VRPERCPGTOCL", "Percentual", "#0.00 %"),
};

constexpr FieldSpec kPreferredBankFields[] = {
    str("CDCLIENTE", 21),
    str("CDBANCO", 3, "Código"),
    str("NMBANCO", 30, "Nome"),
    str("IDPRIORBPREF", 1, "Prioridade"),
    str("CDREDUCONT", 3, "Cód. Reduzido", ">aaa;0; "),
    str("CDAGENCIA", 5, "Agência", "9999-9;0; "),
    str("CDCONTCORR", 10, "Conta Corrente"),
    str("CDPICTCONT", 20),         // the bank's mask for account numbers
    str("CDINS1COBRCL", 2, "1º Instrução"),
    str("CDINS2COBRCL", 2, "2º Instrução"),
    str("NMINSCOBR1", 100),
    str("NMINSCOBR2", 100),
};

constexpr FieldSpec kPriceTableFields[] = {
    str("CDCLIENTE", 21),
    str("CDPRECOBASE", 2, "Código"),
    str("DSPRECOBASE", 30, "Descrição"),
    str("IDPRBASEPRIN", 1, "Principal"),
};

constexpr FieldSpec kPartnerFields[] = {
    str("NRINSSOCCLIE", 20),
    str("NMSOCIOCLIE", 50),
    str("IDTPINSSOCCL", 1),
    str("NRSEQSOCCLIE", 2),
    str("CDCLIENTE", 21),
};

constexpr FieldSpec kCurrencyIndexFields[] = {
    str("CDINDICE", 4, "Código"),
    str("NMINDICE", 30, "Nome"),
    str("IDPERVALOR", 1),
    str("CDTPINDICE", 1),
};

constexpr FieldSpec kInvoiceMessageFields[] = {
    str("CDCLIENTE", 21),
    str("NRMENSCLIENTE", 5),
    str("CDMENSAGEM", 3, "Cód."),
    str("IDENTRSAIDMENS", 1, "Entrada/Saída"),
    str("DSMENSCLIENTE", 250, "Descrição"), // has a change handler
};

constexpr FieldSpec kLedgerAccountFields[] = {
    str("CDCONTCTBL", 20, "Código"),
    str("NMCONTCTBL", 40, "Nome"),
    str("CDNVCONTCTBL", 1),
    str("IDTIPOCONT", 1),
};

constexpr FieldSpec kEcfRetentionFields[] = {
    num("NRSEQUENCIAL"),
    str("CDRETECF", 10, "Código"),
    str("DSRETECF", 200, "Descrição"),
    str("IDORGPUB", 1),
    str("IDIRPJ", 1),
    str("IDCSLL", 1),
};

constexpr FieldSpec kExtraSalesmanFields[] = {
    str("CDCLIENTE", 21),
    str("NMRAZSOCCLIE", 150),
    str("CDVENDEDOR", 4, "Código"),
    str("NMRAZSOCVEN", 50, "Vendedor"),
    num("VRPECOMVEN", "Comissão(%)"),
};

// The activity-branch tree as the filter lists it; the code's mask is the coded picture of kind 16, set
// by the form that creates it.
constexpr FieldSpec kActivityBranchFields[] = {
    str("IDMARCADO", 1),
    str("CDARVATIVCLI", 20, "Código").withWidth(15),
    str("CDATIVCLI", 10).hidden(),
    str("DSATIVCLI", 50, "Descrição").withWidth(40),
};
// clang-format on

} // namespace

std::span<const FieldSpec> contactFields() {
    return kContactFields;
}
std::span<const FieldSpec> correspondenceFields() {
    return kCorrespondenceFields;
}
std::span<const FieldSpec> observationFields() {
    return kObservationFields;
}
std::span<const FieldSpec> paymentTermFields() {
    return kPaymentTermFields;
}
std::span<const FieldSpec> preferredBankFields() {
    return kPreferredBankFields;
}
std::span<const FieldSpec> priceTableFields() {
    return kPriceTableFields;
}
std::span<const FieldSpec> partnerFields() {
    return kPartnerFields;
}
std::span<const FieldSpec> currencyIndexFields() {
    return kCurrencyIndexFields;
}
std::span<const FieldSpec> invoiceMessageFields() {
    return kInvoiceMessageFields;
}
std::span<const FieldSpec> ledgerAccountFields() {
    return kLedgerAccountFields;
}
std::span<const FieldSpec> ecfRetentionFields() {
    return kEcfRetentionFields;
}
std::span<const FieldSpec> extraSalesmanFields() {
    return kExtraSalesmanFields;
}
std::span<const FieldSpec> activityBranchFields() {
    return kActivityBranchFields;
}

} // namespace vq::customer
