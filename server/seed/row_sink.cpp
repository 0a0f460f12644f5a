#include "server/seed/row_sink.h"

#include <stdexcept>

namespace vq::seed {

TableWriter::TableWriter(RowSink& sink, std::string_view table, std::vector<std::string> columns)
    : sink_(sink), columns_(columns), current_(columns.size()) {
    sink_.beginTable(table, std::move(columns));
}

void TableWriter::finish() {
    sink_.endTable();
}

TableWriter& TableWriter::set(std::string_view column, Variant value) {
    // Generators set columns mostly in declaration order: start looking after the last one set.
    for (std::size_t n = 0; n < columns_.size(); ++n) {
        const std::size_t i = (hint_ + n) % columns_.size();
        if (columns_[i] == column) {
            current_[i] = std::move(value);
            hint_ = i + 1;
            return *this;
        }
    }
    throw std::logic_error("seed writes unknown column " + std::string(column));
}

void TableWriter::commitRow() {
    sink_.row(std::move(current_));
    current_.assign(columns_.size(), Variant());
}

} // namespace vq::seed
