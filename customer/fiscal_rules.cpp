#include "customer/fiscal_rules.h"

#include "customer/customer_datasets.h"
#include "customer/identity_rules.h"
#include "customer/retention_codes.h"

#include <array>

namespace vq::customer {

namespace {

using enum CodedTextMode;

constexpr CodedValue kIdentifiers[] = {
    {"", ""},
    {"01", "Órgãos, Autarquias e Fundações Federais"},
    {"02", "Outras Entidades da Administração Pública Federal"},
    {"03", "Pessoas Jurídicas de Direito Privado"},
    {"04", "Sociedade Cooperativa"},
    {"05", "Fabricante de Máquinas e Veículos"},
};
constexpr CodedValue kCstFirstDigits[] = {
    {"0", "0 - Nacional, exceto as indicadas nos códigos 3 a 5"},
    {"1", "1 - Estrangeira, Importação direta"},
    {"2", "2 - Estrangeira, Adquirida no mercado interno"},
    {"3", "3 - Nacional, mercadoria ou bem com conteúdo de importação superior a 40%"},
    {"4", "4 - Nacional, cuja produção tenha sido feita em conformidade com os processos produtivos básicos"},
    {"5", "5 - Nacional, mercadoria ou bem com conteúdo de Importação inferior ou igual a 40%"},
    {"6", "6 - Estrangeira, importação direta, sem similar nacional"},
    {"7", "7 - Estrangeira, adquirida no mercado interno, sem similar nacional"},
    {"8", "8 - Nacional, mercadoria ou bem com Conteúdo de Importação superior a 70%"},
};
constexpr CodedValue kEntryExit[] = {{"E", "ENTRADA"}, {"S", "SAIDA"}, {"A", "AMBOS"}};

constexpr CodedDisplayRule kIdentifierRule{
    .field = "IDIDENTCLIE", .values = kIdentifiers, .emptyTextClears = true};
constexpr CodedDisplayRule kCstRule{.field = "CDCSTDIG1CLI", .values = kCstFirstDigits};
constexpr CodedDisplayRule kEntryExitRule{
    .field = "IDENTRSAIDMENS", .values = kEntryExit, .messageKeys = true, .emptyTextClears = true};

// CDIDCLIENTE's is installed with the identity rows.
constexpr std::string_view kPlaceholderFields[] = {"CDSERIE",  "CDEXCLIENTE",  "CDATIVCLI",  "CDSEGMER",
                                                   "CDQUALIF", "CDMODODIVULG", "DSHOMEPACLI"};

// Stored codes by item index + 1 (index -1, nothing chosen, first).
std::string codeAt(std::span<const char* const> codes, int item, const char* otherwise) {
    const int at = item + 1;
    return at >= 0 && at < static_cast<int>(codes.size()) ? codes[static_cast<std::size_t>(at)] : otherwise;
}

} // namespace

Tcprb ConvDadoToCprb(std::string_view text) {
    return !text.empty() && text.front() == '1' ? Tcprb::Contribuinte : Tcprb::NaoContribuinte;
}

std::string ConvCprbToDado(Tcprb cprb) {
    return cprb == Tcprb::Contribuinte ? "1" : "0";
}

std::string ConvCprbToInformacao(Tcprb cprb, const MessageLookup& msg) {
    return msg(cprb == Tcprb::Contribuinte ? kCprbSimKey : kCprbNaoKey);
}

void applyCprbRule(Field& field, MessageLookup msg) {
    field.OnGetText = [msg](Field& sender, std::string& text, bool) {
        text = sender.IsNull() ? std::string() : ConvCprbToInformacao(ConvDadoToCprb(sender.AsString()), msg);
    };
    field.OnSetText = [](Field& sender, const std::string& text) {
        if (!text.empty())
            sender.SetAsString(ConvCprbToDado(ConvDadoToCprb(text)));
    };
}

const CodedDisplayRule& customerIdentifierRule() {
    return kIdentifierRule;
}
const CodedDisplayRule& cstFirstDigitRule() {
    return kCstRule;
}
const CodedDisplayRule& entryExitRule() {
    return kEntryExitRule;
}

std::span<const std::string_view> placeholderFields() {
    return kPlaceholderFields;
}

void installFiscalRules(CustomerDataSets& sets) {
    ClientDataSet& master = sets.cdsCliente();
    applyCprbRule(master.FieldByName("IDINDCPRB"), sets.services().msg);
    sets.installDisplayRule("cdsCliente", kIdentifierRule);
    sets.installDisplayRule("cdsCliente", kCstRule);
    sets.installDisplayRule("cdsMensCliente", kEntryExitRule);
    for (std::string_view name : kPlaceholderFields)
        master.FieldByName(name).OnGetText = [](Field& field, std::string& text, bool) {
            text = placeholderText(field.AsString());
        };
    installRetentionFlagRules(sets.dataSet("cdsRetECF"), sets.services().msg);
}

KeyEffect cstDigitKey(char16_t key) {
    if (key >= u'0' && key <= u'8')
        return {KeyAction::Store, std::string(1, static_cast<char>(key))};
    return {};
}

std::optional<int> situationKeyItem(char16_t key) {
    if (key == u'A' || key == u'a')
        return 0;
    if (key == u'I' || key == u'i')
        return 1;
    return std::nullopt;
}

KeyEffect entryExitKey(char16_t key) {
    switch (key) {
    case u'A':
    case u'a':
        return {KeyAction::Store, "A"};
    case u'E':
    case u'e':
        return {KeyAction::Store, "E"};
    case u'S':
    case u's':
        return {KeyAction::Store, "S"};
    case u'\b':
        return {KeyAction::Clear, {}};
    case u'\t':
    case u'\r':
    case u'&':
    case u'(':
    case u'.':
        return {};
    default:
        return {KeyAction::Drop, {}};
    }
}

std::string issueAddressCode(int item) {
    static constexpr std::array<const char*, 6> kCodes = {"P", "P", "C", "E", "X", "T"};
    return codeAt(kCodes, item, "P");
}

std::string cfopAddressCode(int item) {
    static constexpr std::array<const char*, 7> kCodes = {"P", "P", "C", "E", "X", "T", "I"};
    return codeAt(kCodes, item, "P");
}

std::string cfopInPersonAddressCode(int item) {
    static constexpr std::array<const char*, 6> kCodes = {"I", "P", "C", "E", "X", "T"};
    return codeAt(kCodes, item, "I");
}

std::string orderInvoiceCode(int item) {
    return item == 0 ? "1" : "2";
}

int orderInvoiceItem(std::string_view stored) {
    return stored == "2" ? 1 : 0;
}

} // namespace vq::customer
