#pragma once
// The remote methods of the server's modules, declared as a table (method_table.cpp) and registered
// with the RPC registry. A method is added by writing its handler and one row of the table.

#include "platform/net/method_registry.h"
#include "server/core/connection_pool.h"

#include <span>
#include <string_view>

namespace vq::server {

inline constexpr std::string_view kModuleClientes = "Vqm41200.rdmClientes";
inline constexpr std::string_view kModuleImport = "Vqm41204.rdmImportCliente";
inline constexpr std::string_view kModuleEmail = "VQM41203.rdmInfEmailClie";

// What handlers reach: the database. Shared by every worker thread.
struct Services {
    ConnectionPool& pool;
};

using Handler = Variant (*)(Services&, net::CallContext&, VariantArray&);

struct MethodDef {
    std::string_view module;
    std::string_view name;
    // One letter per argument: s string, i integer, b boolean, p data packet, d delta, a any value;
    // upper case when the argument is passed by reference (its final value goes back to the caller).
    std::string_view shape;
    Handler handler;
};

std::span<const MethodDef> methodTable();

// Throws std::logic_error on a malformed shape or a method registered twice.
std::vector<net::ArgSpec> argSpecs(std::string_view shape);
void registerMethods(net::MethodRegistry& registry, Services& services,
                     std::span<const MethodDef> methods = methodTable());

} // namespace vq::server
