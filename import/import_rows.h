#pragma once
// The imported rows (cdsCliente, and cdsInsCliente with the same fields): one table that gives each field
// its definition and how the row fill feeds it from the line's value slots.

#include "import/line_converter.h"
#include "platform/data/client_data_set.h"
#include "platform/data/field.h"

#include <span>
#include <string_view>
#include <vector>

namespace vq::import {

enum class Fill {
    FileName,     // the file name without directory
    CustomerCode, // IDTPIJURCLIE + NRINSJURCLIE, both trimmed
    Trimmed,      // text without blanks around
    Text,         // text as read
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

// Fills the record being inserted from the converter's slots. Throws ImportError (value form): "TAM_INV" for
// a text that does not fit after dropping its trailing blanks, "NUM_INV" for a value that cannot feed a
// numeric field (integers refuse fractions and their range), "DATA_INV" for a text that is not a date.
class RowFiller {
public:
    explicit RowFiller(ClientDataSet& rows);
    void fill(const LineConverter& converter, const std::string& fileName, long long lineNumber);

private:
    struct Target {
        const ImportColumn* column;
        Field* field;
        int slot; // -1: none
    };
    ClientDataSet& rows_;
    std::vector<Target> targets_;
    int kindSlot_ = -1;
    int numberSlot_ = -1;
};

} // namespace vq::import
