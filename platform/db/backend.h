#pragma once
// Internal: the statement runner each driver implements on its native handle. SOCI opens and owns the
// sessions; statements run natively because SOCI's dynamic rows type every SQLite expression as text and
// read PostgreSQL timestamps without their milliseconds.

#include "platform/data/variant.h"
#include "platform/db/result_set.h"
#include "platform/db/sql_text.h"
#include "platform/db/statement_cache.h"

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace vq::db::detail {

struct Outcome {
    std::vector<DriverColumn> columns;
    std::vector<Row> rows;
    std::int64_t affected = 0;
};

class Backend {
public:
    virtual ~Backend() = default;
    // Runs one statement; values[i] binds placeholder i + 1. With readOnly the driver refuses a statement
    // that could write, where it can tell.
    virtual Outcome run(const BoundSql& sql, const std::vector<const Variant*>& values, bool readOnly) = 0;
    // Runs one query and hands each row to `visit` as it is read, untyped; the row's storage is reused.
    virtual void each(const BoundSql& sql, const std::vector<const Variant*>& values,
                      const std::function<void(std::span<Variant>)>& visit) {
        Outcome out = run(sql, values, false);
        for (Row& row : out.rows)
            visit(row);
    }
    virtual StatementStats statementStats() const { return {}; }
};

} // namespace vq::db::detail
