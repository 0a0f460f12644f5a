#include "import/import_rows.h"

#include "framework/validation/consiste.h"
#include "import/import_error.h"
#include "import/import_fields.h"
#include "platform/data/text_ptbr.h"
#include "platform/data/utf8.h"

#include <array>
#include <cmath>
#include <limits>

namespace vq::import {

namespace {

constexpr ImportColumn str(std::string_view name, int size, std::string_view label = {},
                           Fill fill = Fill::Text) {
    return {FieldSpec{name, FieldType::String, size, label}, name, fill};
}
constexpr ImportColumn code(std::string_view name, int size, std::string_view label = {}) {
    return {FieldSpec{name, FieldType::String, size, label}, name, Fill::Code, size};
}
constexpr ImportColumn flag(std::string_view name, std::string_view label = {}) {
    return str(name, 1, label);
}
constexpr ImportColumn typed(std::string_view name, FieldType type, std::string_view label = {}) {
    return {FieldSpec{name, type, 0, label}, name, Fill::Number};
}
constexpr ImportColumn flt(std::string_view name, std::string_view label = {}) {
    return typed(name, FieldType::Float, label);
}
constexpr ImportColumn date(std::string_view name, std::string_view label = {}) {
    return typed(name, FieldType::DateTime, label);
}

// clang-format off
constexpr ImportColumn kColumns[] = {
    {FieldSpec{"NMARQLAYIMP", FieldType::String, 250, "Arquivo"}, "", Fill::FileName},
    {FieldSpec{"CDCLIENTE", FieldType::String, 21, "Código do Cliente"}, "", Fill::CustomerCode},
    str("IDTPIJURCLIE", 1, "Tipo de Inscrição", Fill::Trimmed),
    str("NRINSJURCLIE", 20, "Número Inscrição", Fill::Trimmed),
    str("NMRAZSOCCLIE", 50, "Razão Social"),
    str("NMFANTCLIE", 50, "Nome Fantasia"),
    str("NRINSESTCLIE", 20, "Inscr. Estadual"),
    str("NMAVALCLIE", 40),
    str("CDTPINDICE", 1, "Tipo de Índice"),
    code("CDINDICE", 4, "Código do Índice"),
    code("CDCONTCTBL", 20, "Conta Contábil"),
    code("CDPERFCLIE", 3, "Perfil do Cliente"),
    code("CDREFERENCIA", 3, "Referência"),
    code("CDMODDOCFISC", 2),
    code("CDFORMPGTO", 2, "Forma de Pgto"),
    code("CDSEGMER", 5, "Segmento Mercado"),
    code("CDATIVCLI", 5, "Atividade Cliente"),
    code("CDTPCTRECEB", 6, "Tipo de Conta Rec."),
    str("CDCSTDIG1CLI", 1),
    code("CDVENDEDOR", 4, "Vendedor"),
    code("CDCFOPCLIE", 4),
    code("CDMODODIVULG", 5, "Modo de divulgação"),
    str("CDESTACIVIL", 1, "Estado Civil"),
    code("CDPROSPECT", 21, "Prospect"),
    {FieldSpec{"CDESCOLARIDADE", FieldType::String, 1, "Escolaridade"}, "CDESCOLARIDA", Fill::Text},
    code("CDESCOLA", 10, "Escola"),
    code("CDFIAVALESTA", 4),
    code("CDAVALESTA", 3),
    code("CDPROFISSAO", 10, "Profissão"),
    code("CDGRUPOFISC", 3),
    code("CDEMPFCAPCLI", 2),
    code("CDFUNCCAPCLI", 10),
    code("CDEMPFAPLTES", 2),
    code("CDFUNCAPLTES", 10),
    code("CDFILORIGCLI", 4),
    code("CDFILESTAPTO", 4),
    code("CDESTAGIAPTO", 10),
    code("CDEXCLIENTE", 30),
    flag("IDFORMPGCLIE", "Id. Form. Pgto"),
    flag("IDPERVALOR"),
    flag("IDTPFORPGTCL", "Tipo da Forma pgto"),
    flag("IDUTDIAPGTCL"),
    flag("IDENDEMISCLI"),
    flag("IDENDCFOPCLI"),
    flag("IDUTLICEUSO", "Utiliza Licença Uso"),
    flag("IDTIPINFCOME"),
    flag("IDCONTRIBCLI"),
    flag("IDCLIECONTRI"),
    flag("IDCLIEATIV"),
    flag("IDSEXOCLIE", "Sexo"),
    flag("IDTRABCLIE"),
    flag("IDESTUDACLIE"),
    flag("IDTESTNIVCLI"),
    flag("IDTIPOCLIE", "Tipo de Cliente"),
    flag("IDSEGCLIP"),
    flag("IDTERCLIP"),
    flag("IDQUACLIP"),
    flag("IDQUICLIP"),
    flag("IDSEXCLIP"),
    flag("IDSABCLIP"),
    flag("IDDOMCLIP"),
    flag("IDRECINFMKT"),
    flag("IDPRIPUBCLIE"),
    flag("IDVERSALDCLI"),
    flag("IDUTSALDCLI"),
    flag("IDCALCDVCLIE"),
    flag("IDUTSUBCLIEN"),
    flag("IDLIBGERPER"),
    flag("IDZERSALDCON", "Zera Saldo"),
    str("DSHOMEPACLI", 50),
    str("DSCFOPCLIE", 50),
    str("NMMAECLIE", 50, "Nome Mãe"),
    str("NMPAICLIE", 50, "Nome Pai"),
    str("DSNATURCLIE", 40, "Naturalidade"),
    str("DSLOCTRCLIE", 50),
    str("NMRESPCLIE", 50),
    str("NRCPFCLIE", 11, "CPF"),
    str("NRRGCLIE", 15, "RG"),
    str("NRTURNO", 2),
    flt("VRPEMARGLUCR", "% Margem Lucro"),
    flt("VRPERPG1CLIE"),
    flt("VRPERPG2CLIE"),
    flt("VRPERPG3CLIE"),
    flt("VRPERPG4CLIE"),
    flt("VRPERPG5CLIE"),
    flt("VRPERPG6CLIE"),
    flt("VRPEMORBCLI"),
    flt("VRPEMULBCLI"),
    flt("VRCAPITALCLI", "Vr. Capital"),
    flt("VRPATLIQCLI", "Vr. Patrimônio Liq."),
    flt("VRLIMCREDCLI", "Vr. Limite de Cred."),
    flt("VRTESTNIVCLI"),
    flt("VRPEFORPRECO"),
    flt("VRPESUBCLIEN"),
    flt("NRMESVALPER"),
    typed("QTCNDPG1CLIE", FieldType::Integer),
    typed("QTCNDPG2CLIE", FieldType::Integer),
    typed("QTCNDPG3CLIE", FieldType::Integer),
    typed("QTCNDPG4CLIE", FieldType::Integer),
    typed("QTCNDPG5CLIE", FieldType::Integer),
    typed("QTCNDPG6CLIE", FieldType::Integer),
    typed("NRPARCPGTOCL", FieldType::SmallInt, "Nº de Parcelas"),
    typed("NRDIAPGFIXCL", FieldType::SmallInt, "Nº de Dias"),
    date("DTVALVALCLI"),
    date("DTVALLIMCLI", "Data Val. Limite"),
    date("DTULTATUCLIE"),
    date("DTICOINFCOME"),
    date("DTFCOINFCOME"),
    date("DTCADACLIE"),
    date("DTNASCCLIE", "Data Nasimento"),
    date("DTTESTNIVCLI"),
};
// clang-format on

static_assert(std::size(kColumns) == kImportColumnCount);

const std::array<FieldSpec, kImportColumnCount> kSpecs = [] {
    std::array<FieldSpec, kImportColumnCount> out{};
    for (std::size_t i = 0; i < kImportColumnCount; ++i)
        out[i] = kColumns[i].field;
    return out;
}();

[[noreturn]] void fail(const char* key, const SlotValue& slot, const std::string& fileName, long long line) {
    const std::string column = slot.column ? slot.column->name : std::string();
    throw ImportError(key, fileName, line, column, slot.text);
}

// Text of a slot: an empty "D" or "N" value reads "0", numbers and dates their pt-BR text.
std::string textOf(const Variant& v) {
    switch (v.kind()) {
    case VariantKind::Null:
        return {};
    case VariantKind::String:
        return v.asString();
    case VariantKind::Double:
        return formatNumber(v.toDouble());
    case VariantKind::DateTime: {
        const DateTime dt = v.toDateTime();
        return dt.days == std::floor(dt.days) ? formatDate(dt) : formatDateTime(dt);
    }
    default:
        return v.toString();
    }
}

// A value too long for its field loses its trailing blanks; still too long, it is refused.
std::string fitted(std::string text, const Field& field, const SlotValue& slot, const std::string& fileName,
                   long long line) {
    const auto size = static_cast<std::size_t>(field.Size());
    if (utf8Length(text) <= size)
        return text;
    text.erase(text.find_last_not_of(" \t") + 1);
    if (utf8Length(text) > size)
        fail("TAM_INV", slot, fileName, line);
    return text;
}

Variant numberOf(const Field& field, const SlotValue& slot, const std::string& fileName, long long line) {
    const Variant& v = slot.value;
    if (field.DataType() == FieldType::DateTime) {
        switch (v.kind()) {
        case VariantKind::Null:
            return Variant(DateTime{});
        case VariantKind::DateTime:
            return v;
        case VariantKind::String: {
            const auto date = parseDateTime(trimBlanks(v.asString()));
            if (!date && !trimBlanks(v.asString()).empty())
                fail("DATA_INV", slot, fileName, line);
            return Variant(date.value_or(DateTime{}));
        }
        default:
            return Variant(DateTime{v.toDouble()});
        }
    }
    double number = 0;
    switch (v.kind()) {
    case VariantKind::Null:
        break;
    case VariantKind::String: {
        const std::string_view text = trimBlanks(v.asString());
        const auto parsed = text.empty() ? std::optional<double>(0.0) : parseNumber(text);
        if (!parsed)
            fail("NUM_INV", slot, fileName, line);
        number = *parsed;
        break;
    }
    case VariantKind::DateTime:
        number = v.toDateTime().days;
        break;
    default:
        number = v.toDouble();
    }
    if (field.DataType() == FieldType::Float)
        return Variant(number);
    const double limit = field.DataType() == FieldType::SmallInt ? 32767.0 : 2147483647.0;
    if (number != std::floor(number) || number > limit || number < -limit - 1)
        fail("NUM_INV", slot, fileName, line);
    return Variant(static_cast<std::int64_t>(number));
}

} // namespace

std::span<const ImportColumn> importColumns() {
    return kColumns;
}

std::span<const FieldSpec> importFieldSpecs() {
    return kSpecs;
}

RowFiller::RowFiller(ClientDataSet& rows) : rows_(rows) {
    for (const ImportColumn& column : kColumns)
        targets_.push_back({&column, &rows.FieldByName(column.field.name),
                            column.slot.empty() ? -1 : findImportField(column.slot)});
    kindSlot_ = findImportField("IDTPIJURCLIE");
    numberSlot_ = findImportField("NRINSJURCLIE");
}

void RowFiller::fill(const LineConverter& converter, const std::string& fileName, long long lineNumber) {
    static const SlotValue kNone;
    for (const Target& t : targets_) {
        const SlotValue& slot = t.slot >= 0 ? converter.slot(static_cast<std::size_t>(t.slot)) : kNone;
        Variant value;
        switch (t.column->fill) {
        case Fill::FileName:
            value = Variant(fitted(fileName, *t.field, slot, fileName, lineNumber));
            break;
        case Fill::CustomerCode: {
            const SlotValue& kind = converter.slot(static_cast<std::size_t>(kindSlot_));
            const SlotValue& number = converter.slot(static_cast<std::size_t>(numberSlot_));
            const std::string text =
                std::string(trimBlanks(textOf(kind.value))) + std::string(trimBlanks(textOf(number.value)));
            value = Variant(fitted(text, *t.field, number, fileName, lineNumber));
            break;
        }
        case Fill::Trimmed:
            value = Variant(
                fitted(std::string(trimBlanks(textOf(slot.value))), *t.field, slot, fileName, lineNumber));
            break;
        case Fill::Text:
            value = Variant(fitted(textOf(slot.value), *t.field, slot, fileName, lineNumber));
            break;
        case Fill::Code:
            value = Variant(fitted(Consiste::Ajusta(textOf(slot.value), t.column->width), *t.field, slot,
                                   fileName, lineNumber));
            break;
        case Fill::Number:
            value = numberOf(*t.field, slot, fileName, lineNumber);
            break;
        }
        t.field->SetValue(value);
    }
}

} // namespace vq::import
