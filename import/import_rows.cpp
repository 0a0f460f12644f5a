#include "import/import_rows.h"

#include "framework/validation/consiste.h"
#include "import/import_error.h"
#include "import/import_fields.h"
#include "platform/data/text_ptbr.h"
#include "platform/data/utf8.h"

#include <algorithm>
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
    str("NMRAZSOCCLIE", 50, "Razão Social", Fill::Trimmed),
    str("NMFANTCLIE", 50, "Nome Fantasia", Fill::Trimmed),
    str("NRINSESTCLIE", 20, "Inscr. Estadual"),
    str("NMAVALCLIE", 40, {}, Fill::Trimmed),
    str("CDTPINDICE", 1, "Tipo de Índice", Fill::Trimmed),
    code("CDINDICE", 4, "Código do Índice"),
    code("CDCONTCTBL", 20, "Conta Contábil"),
    code("CDPERFCLIE", 3, "Perfil do Cliente"),
    code("CDREFERENCIA", 3, "Referência"),
    code("CDMODDOCFISC", 2),
    code("CDFORMPGTO", 2, "Forma de Pgto"),
    code("CDSEGMER", 5, "Segmento Mercado"),
    code("CDATIVCLI", 5, "Atividade Cliente"),
    code("CDTPCTRECEB", 6, "Tipo de Conta Rec."),
    str("CDCSTDIG1CLI", 1, {}, Fill::Trimmed),
    code("CDVENDEDOR", 4, "Vendedor"),
    code("CDCFOPCLIE", 4),
    code("CDMODODIVULG", 5, "Modo de divulgação"),
    str("CDESTACIVIL", 1, "Estado Civil", Fill::Trimmed),
    code("CDPROSPECT", 21, "Prospect"),
    {FieldSpec{"CDESCOLARIDADE", FieldType::String, 1, "Escolaridade"}, "CDESCOLARIDA", Fill::Trimmed},
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
    str("NMMAECLIE", 50, "Nome Mãe", Fill::Trimmed),
    str("NMPAICLIE", 50, "Nome Pai", Fill::Trimmed),
    str("DSNATURCLIE", 40, "Naturalidade"),
    str("DSLOCTRCLIE", 50),
    str("NMRESPCLIE", 50, {}, Fill::Trimmed),
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
    throw ImportError(key, fileName, line, column, std::string(slot.text()));
}

// A value too long for its field loses its trailing blanks; still too long, it is refused.
std::string_view fitted(std::string_view text, std::size_t size, const SlotValue& slot,
                        const std::string& fileName, long long line) {
    if (text.size() <= size || utf8Length(text) <= size)
        return text;
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    if (utf8Length(text) > size)
        fail("TAM_INV", slot, fileName, line);
    return text;
}

} // namespace

std::span<const ImportColumn> importColumns() {
    return kColumns;
}

std::span<const FieldSpec> importFieldSpecs() {
    return kSpecs;
}

RowFiller::RowFiller(const ClientDataSet& rows) : builder_(static_cast<std::size_t>(rows.FieldCount())) {
    for (const ImportColumn& column : kColumns)
        targets_.push_back({&column, static_cast<std::size_t>(rows.FieldByName(column.field.name).Index()),
                            column.slot.empty() ? -1 : findImportField(column.slot)});
    std::sort(targets_.begin(), targets_.end(),
              [](const Target& a, const Target& b) { return a.field < b.field; });
    kindSlot_ = findImportField("IDTPIJURCLIE");
    numberSlot_ = findImportField("NRINSJURCLIE");
}

// Text of a slot: an empty "D" or "N" value reads "0", numbers and dates their pt-BR text.
std::string_view RowFiller::textOf(const SlotValue& slot, std::string& scratch) const {
    switch (slot.kind) {
    case SlotKind::Empty:
        return {};
    case SlotKind::Text:
        return slot.raw;
    case SlotKind::Zero:
        return "0";
    case SlotKind::Number:
        scratch = formatNumber(slot.number);
        return scratch;
    case SlotKind::Date: {
        const DateTime dt{slot.number};
        scratch = dt.days == std::floor(dt.days) ? formatDate(dt) : formatDateTime(dt);
        return scratch;
    }
    }
    return {};
}

// An empty text is no value, as Field::SetValue stores it.
void RowFiller::putText(const Target& t, std::string_view text, const SlotValue& slot,
                        const std::string& fileName, long long lineNumber) {
    text = fitted(text, static_cast<std::size_t>(t.column->field.size), slot, fileName, lineNumber);
    if (!text.empty())
        builder_.putText(t.field, VariantKind::String, text);
}

void RowFiller::putNumber(const Target& t, const SlotValue& slot, const std::string& fileName,
                          long long lineNumber) {
    const FieldType type = t.column->field.type;
    double number = 0;
    switch (slot.kind) {
    case SlotKind::Empty:
    case SlotKind::Zero:
        break;
    case SlotKind::Number:
    case SlotKind::Date:
        number = slot.number;
        break;
    case SlotKind::Text: {
        const std::string_view text = slot.text();
        if (type == FieldType::DateTime) {
            const auto date = parseDateTime(text);
            if (!date)
                fail("DATA_INV", slot, fileName, lineNumber);
            number = date->days;
        } else {
            const auto parsed = parseNumber(text);
            if (!parsed)
                fail("NUM_INV", slot, fileName, lineNumber);
            number = *parsed;
        }
        break;
    }
    }
    if (type == FieldType::DateTime) {
        builder_.putDateTime(t.field, number);
        return;
    }
    if (type == FieldType::Float) {
        builder_.putDouble(t.field, number);
        return;
    }
    const double limit = type == FieldType::SmallInt ? 32767.0 : 2147483647.0;
    if (number != std::floor(number) || number > limit || number < -limit - 1)
        fail("NUM_INV", slot, fileName, lineNumber);
    builder_.putInt(t.field, static_cast<std::int64_t>(number));
}

void RowFiller::put(const Target& t, const SlotValue& slot, const std::string& fileName,
                    long long lineNumber) {
    switch (t.column->fill) {
    case Fill::FileName:
        putText(t, fileName, slot, fileName, lineNumber);
        break;
    case Fill::CustomerCode: {
        const SlotValue& kind = converter_->slot(static_cast<std::size_t>(kindSlot_));
        const SlotValue& number = converter_->slot(static_cast<std::size_t>(numberSlot_));
        code_.assign(trimBlanks(textOf(kind, scratch_)));
        code_.append(trimBlanks(textOf(number, scratch_)));
        putText(t, code_, number, fileName, lineNumber);
        break;
    }
    case Fill::Trimmed:
        putText(t, trimBlanks(textOf(slot, scratch_)), slot, fileName, lineNumber);
        break;
    case Fill::Text:
        putText(t, textOf(slot, scratch_), slot, fileName, lineNumber);
        break;
    case Fill::Code:
        scratch2_ = Consiste::Ajusta(textOf(slot, scratch_), t.column->width);
        putText(t, scratch2_, slot, fileName, lineNumber);
        break;
    case Fill::Number:
        putNumber(t, slot, fileName, lineNumber);
        break;
    }
}

PackedRow RowFiller::fill(const LineConverter& converter, const std::string& fileName, long long lineNumber) {
    static const SlotValue kNone;
    converter_ = &converter;
    builder_.clear();
    for (const Target& t : targets_)
        put(t, t.slot >= 0 ? converter.slot(static_cast<std::size_t>(t.slot)) : kNone, fileName, lineNumber);
    return builder_.finish();
}

} // namespace vq::import
