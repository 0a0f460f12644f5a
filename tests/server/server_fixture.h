#pragma once
// Test helpers: a migrated database of either kind, and deltas built by field name.

#include "platform/db/connection.h"
#include "server/core/provider.h"
#include "server/schema/migrations.h"
#include "server/schema/schema.h"
#include "tests/support/pg_fixture.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

namespace vq::test {

// A fresh, migrated database per test: SQLite in memory, or a new database on the private PostgreSQL.
class ServerDbTest : public ::testing::TestWithParam<db::Dialect> {
protected:
    void SetUp() override {
        if (GetParam() == db::Dialect::PostgreSQL && !sharedPgServer())
            GTEST_SKIP() << pgUnavailableReason();
        url_ = GetParam() == db::Dialect::SQLite ? "sqlite::memory:" : sharedPgServer()->createDatabase();
        conn_ = std::make_unique<db::Connection>(url_);
        conn_->setFieldResolver(schema::fieldResolver());
        schema::applyMigrations(*conn_);
    }

    db::Connection& conn() { return *conn_; }
    const std::string& url() const { return url_; }

    // Runs one statement with positional values bound as :P0, :P1, ...
    std::int64_t exec(const std::string& sql, std::initializer_list<Variant> values = {}) {
        db::Params params;
        int i = 0;
        for (const auto& v : values)
            params.emplace("P" + std::to_string(i++), v);
        return conn_->execute(sql, params);
    }
    Variant scalar(const std::string& sql, std::initializer_list<Variant> values = {}) {
        db::Params params;
        int i = 0;
        for (const auto& v : values)
            params.emplace("P" + std::to_string(i++), v);
        const auto rs = conn_->query(sql, params);
        return rs.empty() ? Variant() : rs.rows()[0][0];
    }

private:
    std::string url_;
    std::unique_ptr<db::Connection> conn_;
};

inline std::string dialectName(const ::testing::TestParamInfo<db::Dialect>& info) {
    return info.param == db::Dialect::SQLite ? "SQLite" : "PostgreSQL";
}

// Delta fields taken from a provider by name, so tests send what a client dataset would.
class DeltaBuilder {
public:
    DeltaBuilder(const server::Provider& provider, std::initializer_list<std::string_view> names) {
        for (auto n : names) {
            const auto* col = provider.column(n);
            fields_.push_back(col ? col->field : FieldDesc{std::string(n), FieldType::String, 20});
        }
        delta_ = std::make_shared<Delta>(fields_);
    }
    explicit DeltaBuilder(std::vector<FieldDesc> fields)
        : fields_(fields), delta_(std::make_shared<Delta>(fields)) {}

    DeltaBuilder& insert(Row values) {
        delta_->addRow({UpdateStatus::Inserted, {}, std::move(values), {}});
        return *this;
    }
    DeltaBuilder& modify(Row original, std::vector<std::pair<std::string_view, Variant>> changes) {
        DeltaRow row{UpdateStatus::Modified, std::move(original), {}, {}};
        for (auto& [name, value] : changes)
            row.changes.push_back({delta_->fieldIndex(name), std::move(value)});
        delta_->addRow(std::move(row));
        return *this;
    }
    DeltaBuilder& remove(Row original) {
        delta_->addRow({UpdateStatus::Deleted, std::move(original), {}, {}});
        return *this;
    }
    const Delta& delta() const { return *delta_; }
    Variant variant() const { return Variant(std::shared_ptr<const Delta>(delta_)); }

private:
    std::vector<FieldDesc> fields_;
    std::shared_ptr<Delta> delta_;
};

// A unique path in the temporary directory, removed (with SQLite's side files) on destruction.
class TempDbFile {
public:
    TempDbFile();
    ~TempDbFile();
    std::string url() const { return "sqlite:" + path_.string(); }

private:
    std::filesystem::path path_;
};

} // namespace vq::test
