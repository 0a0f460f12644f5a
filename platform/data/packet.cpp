#include "platform/data/packet.h"

#include "platform/data/error.h"
#include "platform/data/utf8.h"

#include <algorithm>

namespace vq {

namespace {
constexpr std::string_view kTypeNames[] = {"string", "integer", "smallint", "float", "datetime", "blob", "boolean"};

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lx = (x >= 'A' && x <= 'Z') ? char(x - 'A' + 'a') : x;
        const auto ly = (y >= 'A' && y <= 'Z') ? char(y - 'A' + 'a') : y;
        return lx == ly;
    });
}

int indexOf(const std::vector<FieldDesc>& fields, std::string_view name) {
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (equalsIgnoreCase(fields[i].name, name))
            return static_cast<int>(i);
    return -1;
}

[[noreturn]] void refuse(const FieldDesc& field, const std::string& why) {
    throw FieldError("Campo " + field.name + ": " + why);
}

void checkRowWidth(const std::vector<FieldDesc>& fields, const Row& row) {
    if (row.size() != fields.size())
        throw FieldError("Linha com " + std::to_string(row.size()) + " valores para " +
                         std::to_string(fields.size()) + " campos.");
}
} // namespace

std::string_view fieldTypeName(FieldType type) { return kTypeNames[static_cast<std::size_t>(type)]; }

std::optional<FieldType> fieldTypeFromName(std::string_view name) {
    for (std::size_t i = 0; i < std::size(kTypeNames); ++i)
        if (kTypeNames[i] == name)
            return static_cast<FieldType>(i);
    return std::nullopt;
}

void checkFits(const FieldDesc& field, const Variant& value) {
    const VariantKind k = value.kind();
    if (k == VariantKind::Null)
        return;
    bool ok = false;
    switch (field.type) {
    case FieldType::String:
        ok = k == VariantKind::String;
        if (ok && field.size > 0 && utf8Length(value.asString()) > static_cast<std::size_t>(field.size))
            refuse(field, "o valor " + value.describe() + " tem mais de " + std::to_string(field.size) +
                              " caracteres.");
        break;
    case FieldType::Integer:
        ok = k == VariantKind::Int;
        break;
    case FieldType::SmallInt:
        ok = k == VariantKind::Int;
        if (ok && (value.toInt() < -32768 || value.toInt() > 32767))
            refuse(field, "o valor " + value.describe() + " está fora da faixa de -32768 a 32767.");
        break;
    case FieldType::Float:
        ok = k == VariantKind::Double || k == VariantKind::Int;
        break;
    case FieldType::DateTime:
        ok = k == VariantKind::DateTime;
        break;
    case FieldType::Blob:
        ok = k == VariantKind::String || k == VariantKind::Bytes;
        break;
    case FieldType::Boolean:
        ok = k == VariantKind::Bool;
        break;
    }
    if (!ok)
        refuse(field, "o valor " + value.describe() + " (" + std::string(variantKindName(k)) +
                          ") não serve para um campo do tipo " + std::string(fieldTypeName(field.type)) + ".");
}

int DataPacket::fieldIndex(std::string_view name) const { return indexOf(fields_, name); }

void DataPacket::addRow(Row row) {
    checkRowWidth(fields_, row);
    for (std::size_t i = 0; i < row.size(); ++i)
        checkFits(fields_[i], row[i]);
    rows_.push_back(std::move(row));
}

int Delta::fieldIndex(std::string_view name) const { return indexOf(fields_, name); }

void Delta::addRow(DeltaRow row) {
    auto checkFull = [&](const Row& r) {
        checkRowWidth(fields_, r);
        for (std::size_t i = 0; i < r.size(); ++i)
            checkFits(fields_[i], r[i]);
    };
    switch (row.status) {
    case UpdateStatus::Inserted:
        checkFull(row.newValues);
        if (!row.oldValues.empty() || !row.changes.empty())
            throw FieldError("Linha incluída do delta com valores originais.");
        break;
    case UpdateStatus::Modified:
        checkFull(row.oldValues);
        for (const auto& c : row.changes) {
            if (c.field < 0 || static_cast<std::size_t>(c.field) >= fields_.size())
                throw FieldError("Delta altera o campo de índice " + std::to_string(c.field) + ", inexistente.");
            checkFits(fields_[static_cast<std::size_t>(c.field)], c.value);
        }
        if (!row.newValues.empty())
            throw FieldError("Linha alterada do delta com linha nova completa.");
        break;
    case UpdateStatus::Deleted:
        checkFull(row.oldValues);
        if (!row.newValues.empty() || !row.changes.empty())
            throw FieldError("Linha excluída do delta com valores novos.");
        break;
    case UpdateStatus::Unmodified:
        throw FieldError("Linha do delta sem alteração.");
    }
    rows_.push_back(std::move(row));
}

} // namespace vq
