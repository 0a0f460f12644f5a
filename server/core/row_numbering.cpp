#include "server/core/row_numbering.h"

#include "platform/data/error.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

namespace vq::server {

namespace {

struct NumberedTable {
    std::string_view provider;
    std::string_view numberColumn;
    std::string_view ownerColumn;
    int width;
};

// The invoice texts: NRMENSCLIENTE is half the key and nobody on the client assigns it.
constexpr NumberedTable kNumbered[] = {{"dspMensCliente", "NRMENSCLIENTE", "CDCLIENTE", 5}};

bool allDigits(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

int fieldIndex(const std::vector<const ProviderColumn*>& cols, std::string_view name) {
    for (std::size_t i = 0; i < cols.size(); ++i)
        if (cols[i]->name == name)
            return static_cast<int>(i);
    return -1;
}

const NumberedTable* numberedTable(const Provider& provider) {
    for (const NumberedTable& t : kNumbered)
        if (t.provider == provider.name())
            return &t;
    return nullptr;
}

} // namespace

bool numbersRows(const Provider& provider) {
    return numberedTable(provider) != nullptr;
}

std::string nextRowNumber(db::Connection& conn, std::string_view table, std::string_view numberColumn,
                          std::string_view ownerColumn, const Variant& owner, int width) {
    const std::string sql = "SELECT " + std::string(numberColumn) + " FROM " + std::string(table) +
                            " WHERE " + std::string(ownerColumn) + " = :P_OWNER";
    const db::ResultSet rows = conn.query(sql, {{"P_OWNER", owner}});
    std::int64_t highest = 0;
    for (std::size_t r = 0; r < rows.rowCount(); ++r) {
        const std::string text = rows.value(r, numberColumn).toString();
        if (allDigits(text) && text.size() <= 18)
            highest = std::max<std::int64_t>(highest, std::stoll(text));
    }
    std::string next = std::to_string(highest + 1);
    if (static_cast<int>(next.size()) > width)
        throw Error("Não há mais números livres em " + std::string(table) + " para " + owner.toString() +
                    ".");
    return std::string(static_cast<std::size_t>(width) - next.size(), '0') + next;
}

bool numberInsertedRow(db::Connection& conn, const Provider& provider,
                       const std::vector<const ProviderColumn*>& cols, std::vector<Variant>& values) {
    const NumberedTable* t = numberedTable(provider);
    if (!t)
        return false;
    const int number = fieldIndex(cols, t->numberColumn);
    const int owner = fieldIndex(cols, t->ownerColumn);
    if (number < 0 || owner < 0)
        return false;
    Variant& value = values.at(static_cast<std::size_t>(number));
    if (!value.isNull() && !value.toString().empty())
        return false;
    value = Variant(nextRowNumber(conn, provider.table(), t->numberColumn, t->ownerColumn,
                                  values.at(static_cast<std::size_t>(owner)), t->width));
    return true;
}

} // namespace vq::server
