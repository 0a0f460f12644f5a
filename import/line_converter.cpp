#include "import/line_converter.h"

#include "import/import_error.h"
#include "import/import_fields.h"
#include "platform/data/text_ptbr.h"

#include <algorithm>

namespace vq::import {

namespace {

int intOf(const Field& f) {
    const Variant v = f.Value();
    if (v.isNull())
        return 0;
    return static_cast<int>(v.is(VariantKind::String) ? parseInteger(v.asString()).value_or(0) : v.toInt());
}

// "N" with d decimals and no comma: a comma before the last d digits; short values are padded with zeros
// first, so 5 with 2 decimals reads 0,05.
std::string withDecimals(std::string_view value, int decimals) {
    std::string_view digits = trimBlanks(value);
    std::string sign;
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
        sign = std::string(1, digits.front());
        digits.remove_prefix(1);
    }
    std::string out(digits);
    const auto d = static_cast<std::size_t>(decimals);
    if (out.size() <= d)
        out.insert(0, d + 1 - out.size(), '0');
    out.insert(out.size() - d, 1, ',');
    return sign + out;
}

} // namespace

std::string_view trimBlanks(std::string_view s) {
    const auto b = s.find_first_not_of(" \t");
    if (b == std::string_view::npos)
        return {};
    return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

std::vector<LayoutColumn> layoutColumns(ClientDataSet& descLayout) {
    std::vector<LayoutColumn> out;
    Field& position = descLayout.FieldByName("NRPOSICOLLAY");
    Field& length = descLayout.FieldByName("NRTAMCOLLAY");
    Field& decimals = descLayout.FieldByName("NRCASASDECIM");
    Field& defaultValue = descLayout.FieldByName("DSDEFACOLLAY");
    Field& type = descLayout.FieldByName("IDTDADCOLLAY");
    Field& name = descLayout.FieldByName("NMCOLUNAIMP");
    for (descLayout.First(); !descLayout.Eof(); descLayout.Next()) {
        LayoutColumn c;
        c.position = intOf(position);
        c.length = intOf(length);
        c.decimals = intOf(decimals);
        c.defaultValue = defaultValue.AsString();
        const std::string t = type.AsString();
        c.type = t.empty() ? ' ' : t[0];
        c.name = std::string(trimBlanks(name.AsString()));
        c.slot = findImportField(c.name);
        out.push_back(std::move(c));
    }
    return out;
}

LineConverter::LineConverter(std::vector<LayoutColumn> columns) : columns_(std::move(columns)) {}

std::string_view LineConverter::cut(std::string_view line, const LayoutColumn& column) const {
    if (column.position < 1 || column.length <= 0)
        return {};
    const auto start = static_cast<std::size_t>(column.position - 1);
    const auto count = static_cast<std::size_t>(column.length);
    if (ascii_)
        return start < line.size() ? line.substr(start, count) : std::string_view{};
    const std::size_t chars = offsets_.size() - 1;
    if (start >= chars)
        return {};
    const std::size_t end = std::min(chars, start + count);
    return line.substr(offsets_[start], offsets_[end] - offsets_[start]);
}

void LineConverter::convert(std::string_view line, const std::string& fileName, long long lineNumber) {
    ascii_ =
        std::none_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    if (!ascii_) {
        offsets_.clear();
        for (std::size_t i = 0; i < line.size(); ++i)
            if ((static_cast<unsigned char>(line[i]) & 0xC0) != 0x80)
                offsets_.push_back(i);
        offsets_.push_back(line.size());
    }
    for (const LayoutColumn& column : columns_) {
        if (column.slot < 0)
            continue;
        std::string_view raw = trimBlanks(column.defaultValue).empty()
                                   ? cut(line, column)
                                   : std::string_view(column.defaultValue);
        const std::string_view trimmed = trimBlanks(raw);
        SlotValue& slot = slots_[static_cast<std::size_t>(column.slot)];
        slot.column = &column;
        slot.text.assign(trimmed);
        if (column.type == 'D' || column.type == 'N') {
            if (trimmed.empty()) {
                slot.value = Variant(0);
                continue;
            }
            if (column.type == 'D') {
                const auto date = parseDateTime(trimmed);
                if (!date)
                    throw ImportError("DATA_INV", fileName, lineNumber, column.name, slot.text);
                slot.value = Variant(*date);
                continue;
            }
            const bool addComma = column.decimals > 0 && trimmed.find(',') == std::string_view::npos;
            const auto number =
                addComma ? parseNumber(withDecimals(trimmed, column.decimals)) : parseNumber(trimmed);
            if (!number)
                throw ImportError("NUMERO_INV", fileName, lineNumber, column.name, slot.text);
            slot.value = Variant(*number);
            continue;
        }
        // A value made only of blanks is empty; any other is kept as written, blanks included.
        slot.value = trimmed.empty() ? Variant() : Variant(raw);
    }
}

} // namespace vq::import
