#pragma once
// The imported rows (cdsCliente, and cdsInsCliente with the same fields): one table that gives each field
// its definition and how the row fill feeds it from the line's value slots.

#include "import/line_converter.h"
#include "platform/data/client_data_set.h"
#include "platform/data/field.h"
#include "platform/data/row_builder.h"

#include <span>
#include <string_view>
#include <vector>

namespace vq::import {

enum class Fill {
    FileName,     // the file name without directory
    CustomerCode, // IDTPIJURCLIE + NRINSJURCLIE, both trimmed
    Trimmed,      // text without blanks around: names, codes and registration, padded in fixed-width files
    Text,         // text as read (a text too long for its field still loses its trailing blanks)
    Code,         // Consiste::Ajusta to `width`
    Number        // the field's type: float, integer, small integer or date-time
};

struct ImportColumn {
    FieldSpec field;
    std::string_view slot; // arFields name; "" for the file name and the customer code
    Fill fill;
    int width = 0; // Code only
};

inline constexpr std::size_t kImportColumnCount = 111;

std::span<const ImportColumn> importColumns();
std::span<const FieldSpec> importFieldSpecs(); // the fields of cdsCliente and cdsInsCliente

// Packs the row of the converter's current line for ClientDataSet::appendPacked, with the values each
// field would hold after Field::SetValue (an empty text is null). Throws ImportError (value form): "TAM_INV"
// for a text that does not fit after dropping its trailing blanks, "NUM_INV" for a value that cannot feed
// a numeric field (integers refuse fractions and their range), "DATA_INV" for a text that is not a date.
class RowFiller {
public:
    explicit RowFiller(const ClientDataSet& rows); // fields of importFieldSpecs, in any order
    PackedRow fill(const LineConverter& converter, const std::string& fileName, long long lineNumber);

private:
    struct Target {
        const ImportColumn* column;
        std::size_t field;
        int slot; // -1: none
    };
    std::string_view textOf(const SlotValue& slot, std::string& scratch) const;
    void put(const Target& t, const SlotValue& slot, const std::string& fileName, long long lineNumber);
    void putText(const Target& t, std::string_view text, const SlotValue& slot, const std::string& fileName,
                 long long lineNumber);
    void putNumber(const Target& t, const SlotValue& slot, const std::string& fileName, long long lineNumber);

    std::vector<Target> targets_; // by field index: the builder takes values in field order
    RowBuilder builder_;
    int kindSlot_ = -1;
    int numberSlot_ = -1;
    const LineConverter* converter_ = nullptr; // during fill
    std::string scratch_, scratch2_, code_;
};

} // namespace vq::import
