#include "platform/net/method_registry.h"

#include "platform/data/error.h"

#include <optional>
#include <stdexcept>

namespace vq::net {

namespace {

std::string lower(std::string_view s) {
    std::string out(s);
    for (auto& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool accepts(ArgKind kind, const Variant& v) {
    switch (kind) {
    case ArgKind::String:
        return v.is(VariantKind::String);
    case ArgKind::Int:
        return v.is(VariantKind::Int);
    case ArgKind::Bool:
        return v.is(VariantKind::Bool);
    case ArgKind::Packet:
        return v.is(VariantKind::Packet);
    case ArgKind::Delta:
        return v.is(VariantKind::Delta);
    case ArgKind::Any:
        return true;
    }
    return false;
}

std::string quoted(std::string_view s) {
    return "\"" + std::string(s) + "\"";
}

} // namespace

std::string_view argKindName(ArgKind kind) {
    switch (kind) {
    case ArgKind::String:
        return "texto";
    case ArgKind::Int:
        return "inteiro";
    case ArgKind::Bool:
        return "lógico";
    case ArgKind::Packet:
        return "pacote de dados";
    case ArgKind::Delta:
        return "delta";
    case ArgKind::Any:
        break;
    }
    return "qualquer valor";
}

std::string MethodRegistry::key(std::string_view module, std::string_view method) {
    return lower(module) + '\n' + lower(method);
}

void MethodRegistry::add(std::string module, std::string method, std::vector<ArgSpec> args,
                         MethodHandler handler) {
    if (module.empty() || method.empty() || !handler)
        throw std::logic_error("remote method needs a module, a name and a handler");
    auto k = key(module, method);
    if (index_.contains(k))
        throw std::logic_error("remote method registered twice: " + module + "." + method);
    index_.emplace(std::move(k), entries_.size());
    ++moduleCount_[lower(module)];
    entries_.push_back({std::move(module), std::move(method), std::move(args), std::move(handler)});
}

bool MethodRegistry::hasModule(std::string_view module) const {
    return moduleCount_.contains(lower(module));
}

const MethodEntry* MethodRegistry::find(std::string_view module, std::string_view method) const {
    const auto it = index_.find(key(module, method));
    return it == index_.end() ? nullptr : &entries_[it->second];
}

std::vector<const MethodEntry*> MethodRegistry::methods() const {
    std::vector<const MethodEntry*> out;
    out.reserve(entries_.size());
    for (const auto& e : entries_)
        out.push_back(&e);
    return out;
}

Variant MethodRegistry::invoke(CallContext& ctx, VariantArray& args) const {
    const MethodEntry* entry = find(ctx.module, ctx.method);
    if (!entry) {
        if (!hasModule(ctx.module))
            throw Error("Módulo " + quoted(ctx.module) + " não existe no servidor.");
        throw Error("Método " + quoted(ctx.method) + " não existe no módulo " + quoted(ctx.module) + ".");
    }
    const auto& specs = entry->args;
    if (args.size() != specs.size())
        throw Error("Método " + quoted(entry->name) + " espera " + std::to_string(specs.size()) +
                    " argumento(s) e recebeu " + std::to_string(args.size()) + ".");
    for (std::size_t i = 0; i < specs.size(); ++i)
        if (!accepts(specs[i].kind, args[i]))
            throw Error("Argumento " + std::to_string(i + 1) + " do método " + quoted(entry->name) +
                        " deve ser " + std::string(argKindName(specs[i].kind)) + " e recebeu " +
                        std::string(variantKindName(args[i].kind())) + ".");

    // Arguments passed by value go back as they came, whatever the handler did to its copy.
    std::vector<std::optional<Variant>> byValue(specs.size());
    for (std::size_t i = 0; i < specs.size(); ++i)
        if (!specs[i].byRef)
            byValue[i] = args[i];
    ctx.module = entry->module;
    ctx.method = entry->name;
    Variant result = entry->handler(ctx, args);
    if (args.size() != specs.size())
        throw std::logic_error("handler changed the number of arguments");
    for (std::size_t i = 0; i < specs.size(); ++i)
        if (byValue[i])
            args[i] = std::move(*byValue[i]);
    return result;
}

} // namespace vq::net
