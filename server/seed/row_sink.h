#pragma once
// Where generated rows go: one table at a time, columns named once, then rows in that order.

#include "platform/data/packet.h"

#include <string>
#include <string_view>
#include <vector>

namespace vq::seed {

class RowSink {
public:
    virtual ~RowSink() = default;
    virtual void beginTable(std::string_view table, std::vector<std::string> columns) = 0;
    virtual void row(Row values) = 0;
    virtual void endTable() = 0;
};

// Builds one table's rows by column name, so generators need not track positions.
class TableWriter {
public:
    TableWriter(RowSink& sink, std::string_view table, std::vector<std::string> columns);
    TableWriter(const TableWriter&) = delete;
    TableWriter& operator=(const TableWriter&) = delete;

    TableWriter& set(std::string_view column, Variant value); // throws std::logic_error on an unknown column
    void commitRow();                                         // emits the row, then starts a fresh one
    void finish();                                            // ends the table

private:
    RowSink& sink_;
    std::vector<std::string> columns_;
    Row current_;
    std::size_t hint_ = 0;
};

} // namespace vq::seed
