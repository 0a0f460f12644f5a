#include "platform/db/tadoib_query.h"

#include "platform/data/error.h"
#include "platform/data/field_value.h"
#include "platform/db/connection.h"
#include "platform/db/params.h"
#include "platform/db/sql_text.h"

#include <algorithm>
#include <cctype>

namespace vq {

namespace {

// Column names are matched without regard to case, as FieldByName matches them.
std::string columnKey(std::string_view field) {
    std::string key(field);
    std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return std::toupper(c); });
    return key;
}

} // namespace

std::string TFieldValue::AsString() const {
    return value_.toString();
}
std::int64_t TFieldValue::AsInteger() const {
    return value_.isNull() ? 0 : value_.toInt();
}
double TFieldValue::AsFloat() const {
    return value_.isNull() ? 0.0 : value_.toDouble();
}
DateTime TFieldValue::AsDateTime() const {
    return value_.isNull() ? DateTime{} : value_.toDateTime();
}
bool TFieldValue::AsBoolean() const {
    return !value_.isNull() && value_.toBool();
}

TADOIBQuery::TADOIBQuery(db::Connection* connection, std::string name)
    : connection_(connection), name_(std::move(name)) {}

void TADOIBQuery::fail(const std::string& what) const {
    throw Error((name_.empty() ? std::string("Consulta") : "Consulta " + name_) + ": " + what);
}

void TADOIBQuery::setConnection(db::Connection* connection) {
    Close();
    connection_ = connection;
}

void TADOIBQuery::setSql(std::string text) {
    Close();
    sql_ = std::move(text);
    refreshParams();
}

void TADOIBQuery::setDialectSql(std::string_view dialectKey, std::string text) {
    const auto key = db::parseDialectKey(dialectKey);
    if (!key)
        fail("dialeto SQL desconhecido \"" + std::string(dialectKey) + "\".");
    Close();
    variants_[*key] = std::move(text);
    refreshParams();
}

void TADOIBQuery::setDialectSql(db::Dialect dialect, std::string text) {
    setDialectSql(db::dialectKeyName(db::dialectKeyOf(dialect)), std::move(text));
}

std::string TADOIBQuery::sqlFor(db::Dialect dialect) const {
    const auto own = variants_.find(db::dialectKeyOf(dialect));
    if (own != variants_.end() && !own->second.empty())
        return own->second;
    if (!sql_.empty())
        return sql_;
    const auto oracle = variants_.find(db::DialectKey::Oracle);
    return oracle != variants_.end() ? oracle->second : std::string();
}

void TADOIBQuery::refreshParams() {
    std::vector<std::string> names = db::parameterNames(sql_);
    for (const auto& [key, text] : variants_)
        for (std::string& n : db::parameterNames(text))
            if (std::find(names.begin(), names.end(), n) == names.end())
                names.push_back(std::move(n));
    std::vector<TParam> next;
    next.reserve(names.size());
    for (std::string& n : names) {
        const auto old = std::find_if(params_.begin(), params_.end(),
                                      [&](const TParam& p) { return db::equalsNoCase(p.name(), n); });
        next.push_back(old != params_.end() ? *old : TParam(std::move(n)));
    }
    params_ = std::move(next);
}

TParam& TADOIBQuery::ParamByName(std::string_view name) {
    for (TParam& p : params_)
        if (db::equalsNoCase(p.name(), name))
            return p;
    fail("parâmetro " + std::string(name) + " não encontrado.");
}

std::vector<std::string> TADOIBQuery::paramNames() const {
    std::vector<std::string> names;
    for (const TParam& p : params_)
        names.push_back(p.name());
    return names;
}

void TADOIBQuery::Open() {
    if (active_)
        return;
    if (!connection_)
        fail("sem conexão com o banco de dados.");
    const std::string text = sqlFor(connection_->dialect());
    if (text.empty())
        fail("sem texto SQL para " + std::string(db::dialectName(connection_->dialect())) + ".");
    db::Params values;
    for (const std::string& n : db::parameterNames(text)) {
        const auto p = std::find_if(params_.begin(), params_.end(),
                                    [&](const TParam& tp) { return db::equalsNoCase(tp.name(), n); });
        values.emplace(n, p != params_.end() ? p->value() : Variant());
    }
    result_ = connection_->queryReadOnly(text, values);
    active_ = true;
    current_ = 0;
    eof_ = bof_ = true;
    if (!result_.empty())
        eof_ = false;
}

void TADOIBQuery::Close() {
    active_ = false;
    result_ = db::ResultSet();
    current_ = 0;
    eof_ = bof_ = true;
}

bool TADOIBQuery::IsEmpty() const {
    return !active_ || result_.empty();
}

int TADOIBQuery::RecordCount() const {
    return active_ ? static_cast<int>(result_.rowCount()) : 0;
}

void TADOIBQuery::First() {
    if (!active_)
        fail("consulta fechada.");
    current_ = 0;
    bof_ = true;
    eof_ = result_.empty();
}

void TADOIBQuery::Next() {
    if (!active_)
        fail("consulta fechada.");
    if (eof_)
        return;
    bof_ = false;
    if (current_ + 1 < result_.rowCount())
        ++current_;
    else
        eof_ = true; // stays on the last row, as the classic component does
}

bool TADOIBQuery::Eof() const {
    return !active_ || eof_;
}

bool TADOIBQuery::Bof() const {
    return !active_ || bof_;
}

TFieldValue TADOIBQuery::FieldByName(std::string_view name) const {
    if (!active_)
        fail("consulta fechada.");
    const int col = result_.fieldIndex(name);
    if (col < 0)
        fail("campo " + std::string(name) + " não encontrado.");
    const FieldDesc& desc = result_.fields()[static_cast<std::size_t>(col)];
    if (result_.empty())
        return TFieldValue(desc, Variant());
    return TFieldValue(desc, result_.rows()[current_][static_cast<std::size_t>(col)]);
}

void TADOIBQuery::setOnGetText(std::string_view field, GetText hook) {
    if (hook)
        getText_[columnKey(field)] = std::move(hook);
    else
        getText_.erase(columnKey(field));
}

void TADOIBQuery::setDisplayLabel(std::string_view field, std::string label) {
    labels_[columnKey(field)] = std::move(label);
}

std::string TADOIBQuery::DisplayLabel(std::string_view field) const {
    const auto it = labels_.find(columnKey(field));
    return it == labels_.end() ? std::string(field) : it->second;
}

std::string TADOIBQuery::DisplayText(std::string_view field) const {
    const TFieldValue value = FieldByName(field);
    std::string text = formattedText(value.desc(), {}, {}, value.Value());
    if (const auto hook = getText_.find(columnKey(field)); hook != getText_.end())
        hook->second(value, text);
    return text;
}

void TADOIBQuery::withRowAt(std::size_t row, const std::function<void()>& visit) {
    if (!active_)
        fail("consulta fechada.");
    if (row >= result_.rowCount())
        fail("linha " + std::to_string(row) + " fora da consulta.");
    struct Restore {
        TADOIBQuery& q;
        std::size_t current;
        bool eof, bof;
        ~Restore() {
            q.current_ = current;
            q.eof_ = eof;
            q.bof_ = bof;
        }
    } restore{*this, current_, eof_, bof_};
    current_ = row;
    visit();
}

std::shared_ptr<const DataPacket> TADOIBQuery::Data() const {
    if (!active_)
        fail("consulta fechada.");
    return std::make_shared<const DataPacket>(result_.toPacket());
}

} // namespace vq
