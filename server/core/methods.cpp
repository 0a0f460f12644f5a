#include "server/core/methods.h"

#include <stdexcept>

namespace vq::server {

std::vector<net::ArgSpec> argSpecs(std::string_view shape) {
    std::vector<net::ArgSpec> out;
    for (char c : shape) {
        const bool byRef = c >= 'A' && c <= 'Z';
        const char lower = byRef ? static_cast<char>(c - 'A' + 'a') : c;
        net::ArgKind kind;
        switch (lower) {
        case 's':
            kind = net::ArgKind::String;
            break;
        case 'i':
            kind = net::ArgKind::Int;
            break;
        case 'b':
            kind = net::ArgKind::Bool;
            break;
        case 'p':
            kind = net::ArgKind::Packet;
            break;
        case 'd':
            kind = net::ArgKind::Delta;
            break;
        case 'a':
            kind = net::ArgKind::Any;
            break;
        default:
            throw std::logic_error("unknown argument letter in method shape: " + std::string(shape));
        }
        out.emplace_back(kind, byRef);
    }
    return out;
}

void registerMethods(net::MethodRegistry& registry, Services& services, std::span<const MethodDef> methods) {
    for (const MethodDef& m : methods) {
        const Handler handler = m.handler;
        registry.add(std::string(m.module), std::string(m.name), argSpecs(m.shape),
                     [&services, handler](net::CallContext& ctx, VariantArray& args) {
                         return handler(services, ctx, args);
                     });
    }
}

} // namespace vq::server
