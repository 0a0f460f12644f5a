#pragma once
// Line conversion: the layout's columns cut a line into values and store each under its recognised name
// (arFields). A value slot keeps its value until a layout column writes it again, across lines and files.

#include "platform/data/client_data_set.h"
#include "platform/data/variant.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vq::import {

inline constexpr std::size_t kSlotCount = 111;

// One row of cdsDescLayout as the conversion uses it.
struct LayoutColumn {
    int position = 0; // from 1, in characters
    int length = 0;   // characters
    int decimals = 0;
    std::string defaultValue; // replaces the line's text when not blank
    bool hasDefault = false;  // defaultValue is not blank (set by the converter)
    char type = ' ';          // 'D' date, 'N' number, anything else text
    std::string name;         // NMCOLUNAIMP
    int slot = -1;            // index in arFields; -1: not recognised, ignored
};

// Every row of the layout columns dataset (GetDescLayout's packet), in the order received.
std::vector<LayoutColumn> layoutColumns(ClientDataSet& descLayout);

// A slot's value: empty, text, the integer 0 (an empty "D" or "N" value), a number or a date-time; with
// the layout column that wrote it, for messages. Kept without Variants so that a line costs no allocation.
enum class SlotKind { Empty, Text, Zero, Number, Date };

struct SlotValue {
    SlotKind kind = SlotKind::Empty;
    std::string raw;   // Text: as read, blanks included; the other kinds: the trimmed text read
    double number = 0; // Number: the value; Date: days
    const LayoutColumn* column = nullptr;

    std::string_view text() const; // trimmed, for messages
    Variant value() const;
};

class LineConverter {
public:
    explicit LineConverter(std::vector<LayoutColumn> columns);
    LineConverter(const LineConverter&) = delete; // slots point into the columns
    LineConverter& operator=(const LineConverter&) = delete;

    // Throws ImportError "DATA_INV" / "NUMERO_INV" (value form) for a "D" / "N" text that does not read.
    void convert(std::string_view line, const std::string& fileName, long long lineNumber);

    const SlotValue& slot(std::size_t index) const { return slots_[index]; }
    const std::vector<LayoutColumn>& columns() const { return columns_; }

private:
    std::string_view cut(std::string_view line, const LayoutColumn& column) const;

    std::vector<LayoutColumn> columns_;
    std::array<SlotValue, kSlotCount> slots_;
    std::vector<std::uint32_t> offsets_; // byte offset of each character of a non-ASCII line
    bool ascii_ = true;
    std::string scratch_;
};

// Text with blanks around removed (space and tab).
std::string_view trimBlanks(std::string_view s);

} // namespace vq::import
