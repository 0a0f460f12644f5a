#include "customer/customer_display_rules.h"

namespace vq::customer {

namespace {

using enum CodedTextMode;

// Registration kind of the informing party (and of the customer's own number).
constexpr CodedValue kRegistrationKinds[] = {
    {"F", "Física"}, {"J", "Jurídica"}, {"I", "Insc. Jurídica"}, {"O", "Outros"}};
constexpr CodedValue kActive[] = {{"S", "Ativo"}, {"N", "Inativo"}};
constexpr CodedValue kPublicPrivate[] = {{"V", "Privado "}, {"B", "Público"}};
constexpr CodedValue kDiscountKinds[] = {{"B", "Bonificação"}, {"C", "Comercial"}, {"S", "Sem Desconto"}};
constexpr CodedValue kPaymentFormKinds[] = {
    {"X", "Sem Forma de Pagamento"}, {"F", "Pagamento Fixo no Dia"}, {"V", "Pela Forma de Pagamento"}};
constexpr CodedValue kIssueAddresses[] = {{"P", "Endereço do Cliente"},
                                          {"C", "Endereço de Cobrança"},
                                          {"E", "Endereço do Exterior"},
                                          {"X", "Endereço de Exportação"},
                                          {"T", "Endereço de Entrega"}};
constexpr CodedValue kCfopAddresses[] = {
    {"P", "Endereço do Cliente"},    {"C", "Endereço de Cobrança"}, {"E", "Endereço do Exterior"},
    {"X", "Endereço de Exportação"}, {"T", "Endereço de Entrega"},  {"I", "Endereço da Inscrição Estadual"}};
constexpr CodedValue kCarrierSearch[] = {{"P", "TP_PADRAO"}, {"L", "TP_LISTA"}};
// Contacts: level (in the combo's item order), status and address kind.
constexpr CodedValue kContactLevels[] = {
    {"R", "Proprietário"},    {"P", "Presidente"},  {"D", "Diretor"},
    {"I", "Superintendente"}, {"G", "Gerente"},     {"N", "Coordenador"},
    {"S", "Supervisor"},      {"F", "Funcionário"}, {"C", "Colaborador Vorlane"},
    {"O", "Outros"}};
constexpr CodedValue kContactStatus[] = {{"A", "Ativo"}, {"D", "Inativo"}};
constexpr CodedValue kContactAddressKinds[] = {{"C", "Comercial"}, {"R", "Residencial"}};

// clang-format off
constexpr FieldDisplayRule kRules[] = {
    {"cdsCliente", {.field = "IDTPIJURINFO", .values = kRegistrationKinds, .mode = Items, .messageKeys = true,
                    .browseOnly = true, .emptyTextClears = true}},
    {"cdsCliente", {.field = "IDTPIJURCLIE", .values = kRegistrationKinds, .mode = Codes, .messageKeys = true}},
    {"cdsCliente", {.field = "IDCLIEATIV", .values = kActive, .mode = Items, .messageKeys = true}},
    {"cdsCliente", {.field = "IDPRIPUBCLIE", .values = kPublicPrivate, .mode = Codes}},
    {"cdsCliente", {.field = "IDTPDESCCLIE", .values = kDiscountKinds, .mode = Codes}},
    // No kind yet reads as "no payment form", so the radio group shows its first item.
    {"cdsCliente", {.field = "IDTPFORPGTCL", .values = kPaymentFormKinds, .mode = Codes, .emptyShows = "X",
                    .emptyTextClears = true}},
    {"cdsCliente", {.field = "IDENDEMISCLI", .values = kIssueAddresses, .mode = Items}},
    {"cdsCliente", {.field = "IDENDCFOPCLI", .values = kCfopAddresses, .mode = Codes}},
    {"cdsCliente", {.field = "IDENDCFOPCLIPRES", .values = kCfopAddresses, .mode = Codes}},
    {"cdsCliente", {.field = "IDPESQTRANSP", .values = kCarrierSearch, .mode = Items, .messageKeys = true}},
    {"cdsInterloc", {.field = "IDTPINTECLIE", .values = kContactLevels, .mode = Items, .messageKeys = true}},
    // No status reads as active.
    {"cdsInterloc", {.field = "IDSTINTECLIE", .values = kContactStatus, .mode = Items, .messageKeys = true,
                     .emptyShows = "Ativo"}},
    {"cdsInterloc", {.field = "IDENDEINCLIE", .values = kContactAddressKinds, .mode = Items, .messageKeys = true}},
};

constexpr CheckBoxValues kCheckBoxes[] = {
    {"cdsCliente", "IDUTDIAPGTCL", "E", "I"},
    {"cdsCliente", "IDGERNFCLIE", "2", "1 "},
    {"cdsCliente", "IDSITFINCLIE", "P", "N"},
    {"cdsCliente", "IDUTLICEUSO", "S", "N"},
    {"cdsCliente", "IDLIBGERPER", "S", "N"},
    {"cdsCliente", "IDLIGEXTCLIE", "S", "N"},
    {"cdsCliente", "IDUTCONSPEDI", "S", "N"},
    {"cdsCliente", "IDLIBATDCLIINAD", "S", "N"},
    {"cdsCliente", "IDGRAVOBSCLIPED", "S", "N"},
    {"cdsCliente", "IDUTDESCICMS", "S", "N"},
    {"cdsCliente", "IDCONSISTEPERFOS", "S", "N"},
    {"cdsCliente", "IDCONSFINAL", "S", "N"},
    {"cdsCliente", "IDBLOQUEADO", "S", "N"},
    {"cdsCliente", "IDCLIPRINCIPAL", "S", "N"},
    {"cdsCliente", "IDMATAPLICCLIE", "S", "N"},
    {"cdsCliente", "IDCONTRIBICMS", "S", "N"},
    {"cdsCliente", "IDOPTANTESNCLIE", "S", "N"},
    {"cdsCliente", "IDUTGRFXVENDADIC", "S", "N"},
    {"cdsCliente", "IDENDENTOPPRES", "S", "N"},
    {"cdsCliente", "IDUTPERCFLUV", "S", "N"},
    {"cdsEndeClieNorm", "IDCOMPARQXMLCLI", "S", "N"},
};

constexpr PendingConversion kPending[] = {
    {"cdsCliente", "CDEXCLIENTE", "fiscal"},
    {"cdsCliente", "NRMESREAJCLIE", "payment"},
    {"cdsCliente", "CDATIVCLI", "fiscal"},
    {"cdsCliente", "CDSEGMER", "fiscal"},
    {"cdsCliente", "CDQUALIF", "fiscal"},
    {"cdsCliente", "CDMODODIVULG", "fiscal"},
    {"cdsCliente", "DSHOMEPACLI", "fiscal"},
    {"cdsCliente", "IDINDCPRB", "fiscal"},
    {"cdsCliente", "IDIDENTCLIE", "fiscal"},
    {"cdsCliente", "CDCSTDIG1CLI", "fiscal"},
    {"cdsCliente", "CDSERIE", "fiscal"},
    {"cdsCliente", "IDGARANTCLIE", "financial"},
    {"cdsCliente", "IDGRAUGARANT", "financial"},
    {"cdsCliente", "IDPFINAPRPED", "financial"},
    {"cdsCliente", "IDSFINAPRPED", "financial"},
    {"cdsBancoPref", "CDCONTCORR", "banks"},
    {"cdsPrecoBaseCli", "IDPRBASEPRIN", "price_tables"},
    {"cdsSocios", "NRINSSOCCLIE", "financial"},
    {"cdsMensCliente", "IDENTRSAIDMENS", "fiscal"},
    {"cdsRetECF", "IDORGPUB", "fiscal"},
    {"cdsRetECF", "IDIRPJ", "fiscal"},
    {"cdsRetECF", "IDCSLL", "fiscal"},
};

// clang-format on

} // namespace

std::span<const FieldDisplayRule> customerDisplayRules() {
    return kRules;
}

const CodedDisplayRule* findDisplayRule(std::string_view dataSet, std::string_view field) {
    for (const FieldDisplayRule& r : kRules)
        if (r.dataSet == dataSet && r.rule.field == field)
            return &r.rule;
    return nullptr;
}

std::span<const CheckBoxValues> customerCheckBoxes() {
    return kCheckBoxes;
}

const CheckBoxValues* findCheckBox(std::string_view dataSet, std::string_view field) {
    for (const CheckBoxValues& c : kCheckBoxes)
        if (c.dataSet == dataSet && c.field == field)
            return &c;
    return nullptr;
}

std::span<const PendingConversion> pendingConversions() {
    return kPending;
}

} // namespace vq::customer
