#include "import/line_converter.h"

#include "import/import_error.h"
#include "import/import_fields.h"
#include "platform/data/text_ptbr.h"

#include <algorithm>
#include <cstring>

namespace vq::import {

namespace {

int intOf(const Field& f) {
    const Variant v = f.Value();
    if (v.isNull())
        return 0;
    return static_cast<int>(v.is(VariantKind::String) ? parseInteger(v.asString()).value_or(0) : v.toInt());
}

// "N" with d decimals and no comma: a comma before the last d digits; short values are padded with zeros
// first, so 5 with 2 decimals reads 0,05. Written into `out`, whose room is kept from line to line.
void withDecimals(std::string_view value, int decimals, std::string& out) {
    std::string_view digits = trimBlanks(value);
    out.clear();
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
        out.push_back(digits.front());
        digits.remove_prefix(1);
    }
    const auto d = static_cast<std::size_t>(decimals);
    if (digits.size() <= d)
        out.append(d + 1 - digits.size(), '0');
    out.append(digits);
    out.insert(out.size() - d, 1, ',');
}

bool isAscii(std::string_view s) {
    std::size_t i = 0;
    for (; i + 8 <= s.size(); i += 8) {
        std::uint64_t w;
        std::memcpy(&w, s.data() + i, 8);
        if (w & 0x8080808080808080ULL)
            return false;
    }
    for (; i < s.size(); ++i)
        if (static_cast<unsigned char>(s[i]) >= 0x80)
            return false;
    return true;
}

} // namespace

std::string_view trimBlanks(std::string_view s) {
    // A plain loop: find_first_not_of calls memchr for every character.
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    std::size_t b = 0, e = s.size();
    while (b < e && blank(s[b]))
        ++b;
    while (e > b && blank(s[e - 1]))
        --e;
    return s.substr(b, e - b);
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

LineConverter::LineConverter(std::vector<LayoutColumn> columns) : columns_(std::move(columns)) {
    for (LayoutColumn& c : columns_)
        c.hasDefault = !trimBlanks(c.defaultValue).empty();
}

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

std::string_view SlotValue::text() const {
    return trimBlanks(raw);
}

Variant SlotValue::value() const {
    switch (kind) {
    case SlotKind::Empty:
        return {};
    case SlotKind::Text:
        return Variant(raw);
    case SlotKind::Zero:
        return Variant(0);
    case SlotKind::Number:
        return Variant(number);
    case SlotKind::Date:
        return Variant(DateTime{number});
    }
    return {};
}

void LineConverter::convert(std::string_view line, const std::string& fileName, long long lineNumber) {
    ascii_ = isAscii(line);
    if (!ascii_) {
        offsets_.resize(line.size() + 1);
        std::size_t chars = 0;
        for (std::size_t i = 0; i < line.size(); ++i)
            if ((static_cast<unsigned char>(line[i]) & 0xC0) != 0x80)
                offsets_[chars++] = static_cast<std::uint32_t>(i);
        offsets_[chars] = static_cast<std::uint32_t>(line.size());
        offsets_.resize(chars + 1);
    }
    for (const LayoutColumn& column : columns_) {
        if (column.slot < 0)
            continue;
        const std::string_view raw =
            column.hasDefault ? std::string_view(column.defaultValue) : cut(line, column);
        const std::string_view trimmed = trimBlanks(raw);
        SlotValue& slot = slots_[static_cast<std::size_t>(column.slot)];
        slot.column = &column;
        if (column.type != 'D' && column.type != 'N') {
            // A value made only of blanks is empty; any other is kept as written, blanks included.
            slot.kind = trimmed.empty() ? SlotKind::Empty : SlotKind::Text;
            slot.raw.assign(trimmed.empty() ? trimmed : raw);
            continue;
        }
        slot.raw.assign(trimmed);
        if (trimmed.empty()) {
            slot.kind = SlotKind::Zero;
            continue;
        }
        if (column.type == 'D') {
            const auto date = parseDateTime(trimmed);
            if (!date)
                throw ImportError("DATA_INV", fileName, lineNumber, column.name, slot.raw);
            slot.kind = SlotKind::Date;
            slot.number = date->days;
            continue;
        }
        std::optional<double> number;
        if (column.decimals > 0 && trimmed.find(',') == std::string_view::npos) {
            withDecimals(trimmed, column.decimals, scratch_);
            number = parseNumber(scratch_);
        } else {
            number = parseNumber(trimmed);
        }
        if (!number)
            throw ImportError("NUMERO_INV", fileName, lineNumber, column.name, slot.raw);
        slot.kind = SlotKind::Number;
        slot.number = *number;
    }
}

} // namespace vq::import
