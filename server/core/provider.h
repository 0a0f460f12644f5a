#pragma once
// Providers: how a client dataset is read from and written back to one table. Declared as data in
// provider_table.cpp; parsed and checked against the schema once, on first use.
//
// A declaration lists the packet's columns in order. A plain name is a column of the provider's table
// (read as T.NAME and written back); "NAME=expression" is a display column joined from a lookup table
// (read, never written, never compared). Keys are the columns that identify a row.
//
// Who may write through a provider is declared with it: the generic Confirmar writes only the datasets
// the customer form saves; lists are read-only, and the import's provider is written by the import alone.

#include "platform/data/packet.h"
#include "platform/db/connection.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vq::server {

enum class Writes : std::uint8_t {
    Confirmar, // the generic save of the customer form's datasets
    Import,    // only the customer import's own Confirmar
    Never,     // a list to read
};

struct ProviderDef {
    std::string_view name;    // "dspEndeClieNorm"
    std::string_view table;   // table written, read under the alias T
    std::string_view keys;    // comma-separated key columns
    std::string_view columns; // comma-separated packet columns, see above; "*": every column of the table
    std::string_view joins;   // "LEFT JOIN PAIS P ON P.CDPAIS = T.CDPAIS ..."
    std::string_view where;   // condition with named parameters, may be empty
    std::string_view orderBy; // may be empty
    Writes writes = Writes::Confirmar;
    // "COLUMN=FIELD, ...": table columns the packet lacks but the table requires, filled on insert from
    // another field of the row.
    std::string_view insertFrom = {};
};

// A table column an inserted row takes from one of its packet columns.
struct DerivedColumn {
    FieldDesc field;  // the table column
    std::string from; // the packet column
};

struct ProviderColumn {
    std::string name;
    std::string expression; // display columns only
    bool writable = false;  // a column of the table
    bool key = false;
    FieldDesc field; // as the packet carries it
};

class Provider {
public:
    explicit Provider(const ProviderDef& def); // throws std::logic_error on a declaration the schema refutes

    const std::string& name() const { return name_; }
    const std::string& table() const { return table_; }
    Writes writes() const { return writes_; }
    const std::vector<ProviderColumn>& columns() const { return columns_; }
    const ProviderColumn* column(std::string_view name) const; // case-insensitive
    std::vector<const ProviderColumn*> keyColumns() const;
    const std::vector<DerivedColumn>& derivedOnInsert() const { return derived_; }

    // The provider's SELECT; `extraWhere` (may be empty) is ANDed to the declared condition.
    std::string selectSql(std::string_view extraWhere) const;
    const std::string& selectSql() const { return select_; } // built once
    const std::vector<FieldDesc>& fields() const { return fields_; }

private:
    std::string name_;
    std::string table_;
    std::string joins_;
    std::string where_;
    std::string orderBy_;
    Writes writes_;
    std::vector<ProviderColumn> columns_;
    std::vector<DerivedColumn> derived_;
    std::vector<FieldDesc> fields_;
    std::string select_;
};

std::span<const ProviderDef> providerDefs();

// Case-insensitive; nullptr when unknown.
const Provider* findProvider(std::string_view name);
// Throws vq::Error "Provedor ... não existe no servidor." when unknown.
const Provider& requireProvider(std::string_view name);
// The provider a save names, when `writer` may write through it; otherwise throws vq::Error before
// anything is written.
const Provider& providerToSave(std::string_view name, Writes writer);
std::span<const Provider> providers();

// Runs the provider's SELECT (with `extraWhere` ANDed) and returns the rows under the provider's fields.
DataPacket readPacket(db::Connection& conn, const Provider& provider, std::string_view extraWhere = {},
                      const db::Params& params = {});

} // namespace vq::server
