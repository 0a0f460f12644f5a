#pragma once
// Line conversion: the layout's columns cut a line into values and store each under its recognised name
// (arFields). A value slot keeps its value until a layout column writes it again, across lines and files.

#include "platform/data/client_data_set.h"
#include "platform/data/variant.h"

#include <array>
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
    char type = ' ';          // 'D' date, 'N' number, anything else text
    std::string name;         // NMCOLUNAIMP
    int slot = -1;            // index in arFields; -1: not recognised, ignored
};

// Every row of the layout columns dataset (GetDescLayout's packet), in the order received.
std::vector<LayoutColumn> layoutColumns(ClientDataSet& descLayout);

// A slot's value: empty (null), text, a number (integer 0 for an empty "D" or "N" value, double
// otherwise) or a date-time; with the layout column that wrote it and its text, for messages.
struct SlotValue {
    Variant value;
    std::string text; // trimmed
    const LayoutColumn* column = nullptr;
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
    std::vector<std::size_t> offsets_; // byte offset of each character of a non-ASCII line
    bool ascii_ = true;
};

// Text with blanks around removed (space and tab).
std::string_view trimBlanks(std::string_view s);

} // namespace vq::import
