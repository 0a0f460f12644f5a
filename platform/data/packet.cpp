#include "platform/data/packet.h"

#include "platform/data/error.h"
#include "platform/data/record_store.h"
#include "platform/data/utf8.h"

#include <algorithm>

namespace vq {

namespace {
constexpr std::string_view kTypeNames[] = {"string",   "integer", "smallint", "float",
                                           "datetime", "blob",    "boolean"};

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

std::string_view fieldTypeName(FieldType type) {
    return kTypeNames[static_cast<std::size_t>(type)];
}

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
        // A text no longer in bytes than the size cannot be longer in characters: counted only when wider.
        if (ok && field.size > 0 && value.asString().size() > static_cast<std::size_t>(field.size) &&
            utf8Length(value.asString()) > static_cast<std::size_t>(field.size))
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
                          ") não serve para um campo do tipo " + std::string(fieldTypeName(field.type)) +
                          ".");
}

void checkRow(const std::vector<FieldDesc>& fields, const Row& row) {
    checkRowWidth(fields, row);
    for (std::size_t i = 0; i < row.size(); ++i)
        checkFits(fields[i], row[i]);
}

DataPacket::DataPacket() = default;
DataPacket::DataPacket(std::vector<FieldDesc> fields) : fields_(std::move(fields)) {}

DataPacket::DataPacket(std::vector<FieldDesc> fields, std::shared_ptr<const PackedRows> rows)
    : fields_(std::move(fields)), packed_(std::move(rows)) {
    if (!packed_)
        return;
    if (packed_->codec.fieldCount() != fields_.size() || packed_->foreignKind.size() != fields_.size())
        throw FieldError("Linhas empacotadas com " + std::to_string(packed_->codec.fieldCount()) +
                         " valores para " + std::to_string(fields_.size()) + " campos.");
    unpacked_ = std::make_unique<std::once_flag>();
}

// A copy shares the immutable packed rows and makes its own Variant rows if it needs them; it never
// reads the other's lazily made rows, which another thread may be making.
DataPacket::DataPacket(const DataPacket& other) : fields_(other.fields_), packed_(other.packed_) {
    if (packed_)
        unpacked_ = std::make_unique<std::once_flag>();
    else
        rows_ = other.rows_;
}

DataPacket::DataPacket(DataPacket&& other) noexcept = default;

DataPacket& DataPacket::operator=(const DataPacket& other) {
    if (this != &other)
        *this = DataPacket(other);
    return *this;
}

DataPacket& DataPacket::operator=(DataPacket&& other) noexcept = default;
DataPacket::~DataPacket() = default;

int DataPacket::fieldIndex(std::string_view name) const {
    return indexOf(fields_, name);
}

std::size_t DataPacket::rowCount() const {
    return packed_ ? packed_->rows.size() : rows_.size();
}

const std::vector<Row>& DataPacket::rows() const {
    if (packed_)
        std::call_once(*unpacked_, [this] {
            std::vector<Row> rows; // built aside: a throw leaves nothing half made for the next try
            rows.reserve(packed_->rows.size());
            for (const PackedRow& row : packed_->rows)
                rows.push_back(packed_->codec.unpack(row));
            rows_ = std::move(rows);
        });
    return rows_;
}

std::vector<Row>& DataPacket::mutableRows() {
    if (packed_) {
        rows();
        packed_.reset();
        unpacked_.reset();
    }
    return rows_;
}

void DataPacket::forEachRow(const std::function<void(const Row&)>& visit) const {
    if (!packed_) {
        for (const Row& row : rows_)
            visit(row);
        return;
    }
    for (const PackedRow& packed : packed_->rows)
        visit(packed_->codec.unpack(packed));
}

void DataPacket::addRow(Row row) {
    checkRow(fields_, row);
    mutableRows().push_back(std::move(row));
}

bool DataPacket::operator==(const DataPacket& other) const {
    if (fields_ != other.fields_ || rowCount() != other.rowCount())
        return false;
    if (!packed_ && !other.packed_)
        return rows_ == other.rows_;
    std::size_t i = 0;
    bool same = true;
    forEachRow([&](const Row& row) {
        if (same)
            same =
                row == (other.packed_ ? other.packed_->codec.unpack(other.packed_->rows[i]) : other.rows_[i]);
        ++i;
    });
    return same;
}

int Delta::fieldIndex(std::string_view name) const {
    return indexOf(fields_, name);
}

void Delta::addRow(DeltaRow row) {
    auto checkFull = [&](const Row& r) { checkRow(fields_, r); };
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
                throw FieldError("Delta altera o campo de índice " + std::to_string(c.field) +
                                 ", inexistente.");
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
