#pragma once
// The client side of a remote module: calls methods by name on the application server, synchronously.
// Not thread-safe: one connection belongs to one thread (the forms' GUI thread).

#include "platform/data/variant.h"
#include "platform/net/net_error.h"
#include "platform/net/server_address.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vq::net {

class TNetConnection {
public:
    using CallObserver =
        std::function<void(std::string_view module, std::string_view method, const VariantArray& args)>;

    TNetConnection();
    ~TNetConnection();
    TNetConnection(const TNetConnection&) = delete;
    TNetConnection& operator=(const TNetConnection&) = delete;

    std::string ServerName; // remote module, e.g. "Vqm41200.rdmClientes"
    std::string Host = "127.0.0.1";
    int Port = 0;
    // Tried in order when Host:Port cannot be connected. The one that answers becomes Host:Port and the
    // ones passed over go to the end of this list. Only a failure to connect moves on: a call that failed
    // after it was sent is reported, never sent again to another server.
    std::vector<ServerAddress> Fallbacks;
    CallObserver OnCall; // told of every call before it is sent

    // Opens (or reopens) the connection to Host:Port, else to the first of Fallbacks that connects, saying
    // hello when a secret or an operator is set. Throws ConnectionError naming every server tried.
    void Open();
    void Close();
    bool Connected() const;

    // Limit for each call as a whole (connect, send, answer), in milliseconds; 0 waits forever.
    void SetTimeout(int ms);
    int Timeout() const;
    void SetSecret(std::string secret);
    // The operator and the ERP module named in the hello, for the server's history of changes. A change
    // closes an open connection, so that the next call says hello again.
    void SetOperator(std::string operatorCode);
    void SetErpModule(std::int64_t erpModule);
    const std::string& Secret() const;
    const std::string& Operator() const;
    std::int64_t ErpModule() const;
    // Runs before each call, ahead of opening: lets the owner bring secret, operator and module up to date
    // (the host's settings may have changed since the connection opened).
    std::function<void(TNetConnection&)> BeforeCall;

    // Calls `method` of ServerName, opening the connection when needed. On success the arguments are
    // replaced by their final values from the server and the result returned. A failure the server
    // reports comes back as a ServerError Variant, for the caller's result check to raise. A broken
    // connection, a timeout or a malformed answer throws ConnectionError and leaves the connection closed.
    Variant Call(std::string_view method, VariantArray& args);
    Variant Call(std::string_view method, std::initializer_list<Variant> args);
    // The same, asking the server for progress: `progress(done, total)` runs for each progress message
    // that arrives before the answer, and the time limit then counts from the last message received.
    using ProgressCallback = std::function<void(std::int64_t done, std::int64_t total)>;
    Variant Call(std::string_view method, VariantArray& args, const ProgressCallback& progress);

    // Process-wide observer of every call of every connection (the automation driver's call log); an
    // empty function removes it.
    static void setCallObserver(CallObserver observer);

private:
    // Connects to one server; false with the reason when it cannot be reached.
    bool openOne(const ServerAddress& server, std::string& failure);

    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace vq::net
