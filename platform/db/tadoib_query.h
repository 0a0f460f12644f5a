#pragma once
// The framework's read-only query component, as the module's forms use it:
//
//   qryPais.setSql("SELECT CDPAIS, NMPAIS FROM PAIS WHERE (CDPAIS = :P_CDPAIS OR :P_TCDPAIS = 'T')");
//   qryPais.Close();
//   qryPais.ParamByName("P_CDPAIS") = code;
//   qryPais.ParamByName("P_TCDPAIS") = "";
//   qryPais.Open();
//   if (!qryPais.IsEmpty()) name = qryPais.FieldByName("NMPAIS").AsString();
//
// The text that runs is chosen by the connected database: its own variant ("SQL_SQLITE",
// "SQL_POSTGRESQL") when one is set, else the default text, else the Oracle variant. The other legacy
// variants ("SQL_MSSQL", "SQL_IB") are kept with the query but never run. Parameters are always bound;
// one the text names but nobody assigned is bound as null. Only SELECT/WITH statements are accepted.

#include "platform/data/packet.h"
#include "platform/db/dialect.h"
#include "platform/db/result_set.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

namespace db {
class Connection;
}

class TParam {
public:
    explicit TParam(std::string name) : name_(std::move(name)) {}

    const std::string& name() const { return name_; }
    void setValue(Variant value) {
        value_ = std::move(value);
        assigned_ = true;
    }
    TParam& operator=(Variant value) {
        setValue(std::move(value));
        return *this;
    }
    void clear() { setValue(Variant()); } // null, and counts as assigned
    const Variant& value() const { return value_; }
    bool assigned() const { return assigned_; }

private:
    std::string name_;
    Variant value_;
    bool assigned_ = false;
};

// A field of the current row. Null reads as "", 0, the zero date or false.
class TFieldValue {
public:
    TFieldValue(FieldDesc desc, Variant value) : desc_(std::move(desc)), value_(std::move(value)) {}

    const std::string& name() const { return desc_.name; }
    const FieldDesc& desc() const { return desc_; }
    const Variant& Value() const { return value_; }
    bool IsNull() const { return value_.isNull(); }
    std::string AsString() const;
    std::int64_t AsInteger() const;
    double AsFloat() const;
    DateTime AsDateTime() const;
    bool AsBoolean() const;

private:
    FieldDesc desc_;
    Variant value_;
};

class TADOIBQuery {
public:
    explicit TADOIBQuery(db::Connection* connection = nullptr, std::string name = {});

    const std::string& name() const { return name_; }
    db::Connection* connection() const { return connection_; }
    void setConnection(db::Connection* connection);

    // Changing a text closes the query; values of parameters the new texts still name are kept.
    void setSql(std::string text);
    void setDialectSql(std::string_view dialectKey, std::string text); // "SQL_ORACLE", "SQL_POSTGRESQL"...
    void setDialectSql(db::Dialect dialect, std::string text);
    const std::string& sql() const { return sql_; }
    std::string sqlFor(db::Dialect dialect) const; // the text that runs on that database ("" when none)

    void Open(); // no effect while open
    void Close();
    bool Active() const { return active_; }

    TParam& ParamByName(std::string_view name); // throws vq::Error when no text names it
    std::vector<std::string> paramNames() const;

    bool IsEmpty() const;
    int RecordCount() const;
    void First();
    void Next();
    bool Eof() const; // true when closed, empty, or moved past the last row
    bool Bof() const;
    TFieldValue FieldByName(std::string_view name) const; // throws vq::Error when closed or unknown

    // A column's text as lookup lists show it ("on get text"): called with the query on the row shown, so
    // FieldByName reads that row's other columns; `text` comes in as the column's plain text. Kept across
    // Open, Close and new texts.
    using GetText = std::function<void(const TFieldValue& field, std::string& text)>;
    void setOnGetText(std::string_view field, GetText hook); // an empty hook removes it
    bool hasGetText() const { return !getText_.empty(); }
    std::string DisplayText(std::string_view field) const; // current row, through the column's hook
    // A column's title in lookup lists (a persistent field's DisplayLabel); the column name when none is set.
    // Kept across Open, Close and new texts.
    void setDisplayLabel(std::string_view field, std::string label);
    std::string DisplayLabel(std::string_view field) const;
    // Runs `visit` with the query on `row` (from 0), then back on the row it was on.
    void withRowAt(std::size_t row, const std::function<void()>& visit);

    const std::vector<FieldDesc>& Fields() const { return result_.fields(); }
    const db::ResultSet& result() const { return result_; }
    std::shared_ptr<const DataPacket> Data() const; // every row read, for datasets and lookup lists

private:
    void refreshParams();
    [[noreturn]] void fail(const std::string& what) const;

    db::Connection* connection_;
    std::string name_;
    std::string sql_;
    std::map<db::DialectKey, std::string> variants_;
    std::vector<TParam> params_;
    std::map<std::string, GetText, std::less<>> getText_;    // by column name, upper case
    std::map<std::string, std::string, std::less<>> labels_; // by column name, upper case
    db::ResultSet result_;
    bool active_ = false;
    std::size_t current_ = 0;
    bool eof_ = true;
    bool bof_ = true;
};

} // namespace vq
