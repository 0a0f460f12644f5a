#pragma once
// Remote methods by module and name, with the shape of their arguments. Filled before the server
// starts and read-only afterwards, so lookups need no lock.

#include "platform/data/variant.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vq::net {

enum class ArgKind : std::uint8_t { String, Int, Bool, Packet, Delta, Any };

std::string_view argKindName(ArgKind kind); // Portuguese, for messages

struct ArgSpec {
    ArgKind kind = ArgKind::Any;
    bool byRef = false; // its final value goes back to the caller; other arguments go back unchanged

    ArgSpec(ArgKind k, bool ref = false) : kind(k), byRef(ref) {} // NOLINT: implicit on purpose
};

inline ArgSpec byRef(ArgKind kind) {
    return ArgSpec(kind, true);
}

// What a handler knows about the call it serves.
struct CallContext {
    std::string_view module;
    std::string_view method;
    std::uint32_t requestId = 0;
    std::uint64_t connectionId = 0;
    std::string_view peer;         // "address:port" of the client
    std::string_view operatorCode; // as the connection's hello named it; empty when it named none
    std::int64_t erpModule = 0;    // the client's ERP module (16, 63...) the hello named; 0: none
    // Set when the client asked for progress: sends (done, total) before the answer. Throws when the
    // client is gone, so that the work of the call is abandoned (and its transaction rolled back).
    std::function<void(std::int64_t done, std::int64_t total)> progress;
};

// Reports progress when the caller asked for it.
inline void reportProgress(const CallContext& ctx, std::int64_t done, std::int64_t total) {
    if (ctx.progress)
        ctx.progress(done, total);
}

// Returns the method's result. Throwing vq::Error reports its message to the caller; any other
// exception is reported as an internal failure.
using MethodHandler = std::function<Variant(CallContext&, VariantArray& args)>;

struct MethodEntry {
    std::string module; // as registered
    std::string name;
    std::vector<ArgSpec> args;
    MethodHandler handler;
};

// Names match without regard to ASCII case, as the callers' platform always did.
class MethodRegistry {
public:
    // Throws std::logic_error when the method is already registered.
    void add(std::string module, std::string method, std::vector<ArgSpec> args, MethodHandler handler);

    bool hasModule(std::string_view module) const;
    const MethodEntry* find(std::string_view module, std::string_view method) const;
    std::vector<const MethodEntry*> methods() const; // in registration order

    // Checks the module, the method and the arguments against the registered shape (throws vq::Error
    // with a message for the caller), runs the handler and restores the arguments not passed by
    // reference, so that `args` afterwards is what goes back to the caller.
    Variant invoke(CallContext& ctx, VariantArray& args) const;

private:
    static std::string key(std::string_view module, std::string_view method);

    std::unordered_map<std::string, std::size_t> index_;
    std::unordered_map<std::string, std::size_t> moduleCount_;
    std::vector<MethodEntry> entries_;
};

} // namespace vq::net
