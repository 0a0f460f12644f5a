// erp-rpc: calls one method of the application server and prints the answer as JSON.

#include "platform/data/error.h"
#include "platform/net/net_connection.h"
#include "platform/net/server_address.h"
#include "server/erp_rpc/json_variant.h"

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    "uso: erp-rpc [--server HOST:PORTA[,HOST:PORTA...]] [--secret SEGREDO] [--operator OPERADOR]\n"
    "             [--timeout MS] [--show-args]\n"
    "             MODULO METODO [ARG ...]\n"
    "Cada ARG é um valor JSON (\"texto\", 12, 1.5, true, null, [..], {\"$datetime\": \"2026-12-07\"},\n"
    "{\"fields\": [..], \"rows\": [..]}, {\"$delta\": {..}}); um ARG que não é JSON válido é tomado como "
    "texto;\n"
    "@ARQUIVO lê o JSON do arquivo. Também lê --server/--secret de ERP_RPC_SERVER e ERP_RPC_SECRET.\n"
    "Com vários servidores, tenta o próximo só quando não consegue conectar; a chamada nunca é repetida.\n";

struct Options {
    std::vector<vq::net::ServerAddress> servers{{"127.0.0.1", 8090}};
    std::string secret;
    std::string operatorCode; // named in the hello, for the server's history of changes
    int timeoutMs = 120000;
    bool showArgs = false;
    std::string module, method;
    std::vector<std::string> args;
};

[[noreturn]] void usage(const std::string& why) {
    if (!why.empty())
        std::cerr << "erp-rpc: " << why << "\n";
    std::cerr << kUsage;
    std::exit(2);
}

void setServer(Options& o, const std::string& value) {
    try {
        o.servers = vq::net::parseServerList(value);
    } catch (const vq::Error& e) {
        usage(std::string("--server: ") + e.what());
    }
}

Options parse(int argc, char** argv) {
    Options o;
    if (const char* s = std::getenv("ERP_RPC_SERVER"))
        setServer(o, s);
    if (const char* s = std::getenv("ERP_RPC_SECRET"))
        o.secret = s;
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto next = [&]() -> std::string {
            if (i + 1 >= argc)
                usage(a + " espera um valor");
            return argv[++i];
        };
        if (positional.size() < 2 && a == "--server")
            setServer(o, next());
        else if (positional.size() < 2 && a == "--secret")
            o.secret = next();
        else if (positional.size() < 2 && a == "--operator")
            o.operatorCode = next();
        else if (positional.size() < 2 && a == "--timeout")
            o.timeoutMs = std::atoi(next().c_str());
        else if (positional.size() < 2 && a == "--show-args")
            o.showArgs = true;
        else if (positional.size() < 2 && (a == "--help" || a == "-h"))
            usage("");
        else
            positional.push_back(a);
    }
    if (positional.size() < 2)
        usage("informe o módulo e o método");
    o.module = positional[0];
    o.method = positional[1];
    o.args.assign(positional.begin() + 2, positional.end());
    return o;
}

vq::Variant argument(const std::string& text) {
    std::string source = text;
    if (!text.empty() && text[0] == '@') {
        std::ifstream in(text.substr(1), std::ios::binary);
        if (!in)
            throw vq::Error("Não foi possível ler o arquivo " + text.substr(1));
        std::ostringstream buf;
        buf << in.rdbuf();
        source = buf.str();
    }
    const auto parsed = nlohmann::json::parse(source, nullptr, false);
    if (parsed.is_discarded())
        return vq::Variant(text); // plain text, so `erp-rpc M GetCliente "" T` needs no JSON quotes
    return vq::rpc::fromJson(parsed);
}

} // namespace

int main(int argc, char** argv) {
    const Options o = parse(argc, argv);
    try {
        vq::VariantArray args;
        for (const auto& a : o.args)
            args.push_back(argument(a));
        vq::net::TNetConnection conn;
        conn.ServerName = o.module;
        conn.Host = o.servers.front().host;
        conn.Port = o.servers.front().port;
        conn.Fallbacks.assign(o.servers.begin() + 1, o.servers.end());
        conn.SetTimeout(o.timeoutMs);
        conn.SetSecret(o.secret);
        conn.SetOperator(o.operatorCode);
        const vq::Variant result = conn.Call(o.method, args);
        conn.Close();
        if (result.is(vq::VariantKind::ServerError)) {
            std::cerr << "erp-rpc: o servidor recusou " << o.module << "." << o.method << ": "
                      << result.asServerError().message << "\n";
            return 1;
        }
        nlohmann::ordered_json out = vq::rpc::toJson(result);
        if (o.showArgs)
            out = nlohmann::ordered_json{{"result", out}, {"args", vq::rpc::toJson(vq::Variant(args))}};
        std::cout << out.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "erp-rpc: " << e.what() << "\n";
        return 1;
    }
}
