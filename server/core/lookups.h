#pragma once
// The read-only lookups of the customer forms: each remote method reads one table's rows for the call's
// arguments (lookup_table.cpp). A lookup is declared like a provider but is no provider: Confirmar cannot
// write through it.
//
// Most follow the module's convention (code, switch): "T" in the switch lists every row, an empty switch
// with a code finds that code. The key condition is what "every row" leaves out; `where` always applies.

#include "server/core/provider.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace vq::server {

enum class AllRows : std::uint8_t {
    Never,   // the key condition always applies
    OnFlag,  // every row when the parameter reads "T"
    OnEmpty, // every row when the parameter is blank (a code that may be left out)
};

struct AllRowsWhen {
    std::string_view param;
    AllRows when = AllRows::Never;
};

struct LookupDef {
    ProviderDef read;             // read.name is the method; read.where applies to every call
    std::string_view params = {}; // the parameters the arguments bind to, in order: "P_CODIGO, P_TODOS"
    std::string_view key = {};    // condition left out when every row is asked for
    AllRowsWhen all = {};
};

class Lookup {
public:
    explicit Lookup(const LookupDef& def); // throws std::logic_error on a declaration the schema refutes

    std::string_view method() const { return def_.read.name; }
    const Provider& provider() const { return provider_; }

    // The rows for the call's arguments (Error when they are fewer than the parameters); `extraWhere`,
    // with its own parameters, is ANDed.
    DataPacket read(db::Connection& conn, const VariantArray& args, std::string_view extraWhere = {},
                    const db::Params& extra = {}) const;
    // Every row, with no arguments (the key condition left out).
    DataPacket readAll(db::Connection& conn) const;

private:
    LookupDef def_;
    Provider provider_;
};

std::span<const LookupDef> lookupDefs();
// Parsed and checked against the schema once, on first use.
std::span<const Lookup> lookups();
const Lookup* findLookup(std::string_view method); // case-insensitive; nullptr when unknown
const Lookup& requireLookup(std::string_view method);

} // namespace vq::server
