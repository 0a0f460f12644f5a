// erp-appserver: the application server of the customer module.

#include "platform/data/error.h"
#include "platform/data/log.h"
#include "server/core/app_server.h"

#include <cstdlib>
#include <iostream>
#include <string>

namespace {

constexpr const char* kUsage =
    "uso: erp-appserver [--listen ENDERECO:PORTA] [--db sqlite:CAMINHO|postgresql://...]\n"
    "                   [--seed demo[:N]] [--secret SEGREDO] [--threads N] [--log-level NIVEL]\n"
    "  --listen     onde escutar (padrão 127.0.0.1:8090)\n"
    "  --db         banco de dados (padrão sqlite:erp.sqlite no diretório atual)\n"
    "  --seed       carrega dados de demonstração (N clientes, padrão 1000) antes de servir;\n"
    "               recusa um banco que já tenha clientes\n"
    "  --secret     segredo compartilhado exigido dos clientes (ou ERP_APPSERVER_SECRET)\n"
    "  --threads    linhas de execução e conexões ao banco (padrão 4)\n"
    "  --log-level  debug | info | warn | error | off (padrão info)\n";

[[noreturn]] void usage(const std::string& why) {
    if (!why.empty())
        std::cerr << "erp-appserver: " << why << "\n";
    std::cerr << kUsage;
    std::exit(2);
}

unsigned parseCount(const std::string& text, const char* what) {
    try {
        std::size_t end = 0;
        const long v = std::stol(text, &end);
        if (end == text.size() && v > 0 && v <= 256)
            return static_cast<unsigned>(v);
    } catch (const std::exception&) {
    }
    usage(std::string("valor inválido para ") + what + ": " + text);
}

vq::server::ServerConfig parse(int argc, char** argv) {
    vq::server::ServerConfig config;
    config.databaseUrl = "sqlite:erp.sqlite";
    if (const char* s = std::getenv("ERP_APPSERVER_SECRET"))
        config.secret = s;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                usage(a + " espera um valor");
            return argv[++i];
        };
        if (a == "--listen") {
            const std::string v = value();
            const auto colon = v.rfind(':');
            if (colon == std::string::npos || colon == 0)
                usage("--listen espera ENDERECO:PORTA");
            config.host = v.substr(0, colon);
            const unsigned long port = std::strtoul(v.c_str() + colon + 1, nullptr, 10);
            if (port > 65535 || v.size() == colon + 1)
                usage("porta inválida em --listen: " + v);
            config.port = static_cast<std::uint16_t>(port);
        } else if (a == "--db") {
            config.databaseUrl = value();
        } else if (a == "--seed") {
            const std::string v = value();
            config.seed = vq::seed::parseSeedSpec(v);
            if (!config.seed)
                usage("--seed espera demo ou demo:N, recebeu " + v);
        } else if (a == "--secret") {
            config.secret = value();
        } else if (a == "--threads") {
            config.threads = parseCount(value(), "--threads");
        } else if (a == "--log-level") {
            const std::string v = value();
            const auto level = vq::log::parseLevel(v);
            if (!level)
                usage("nível de registro desconhecido: " + v);
            vq::log::setLevel(*level);
        } else if (a == "--help" || a == "-h") {
            usage("");
        } else {
            usage("opção desconhecida: " + a);
        }
    }
    return config;
}

} // namespace

int main(int argc, char** argv) {
    vq::log::setLevel(vq::log::Level::Info);
    const vq::server::ServerConfig config = parse(argc, argv);
    try {
        auto server = vq::server::startServer(config);
        const int signal = server->waitForSignal();
        vq::log::info("erp-appserver stopped" +
                      (signal ? " by signal " + std::to_string(signal) : std::string()));
        return 0;
    } catch (const std::exception& e) {
        vq::log::error(std::string("erp-appserver could not start: ") + e.what());
        return 1;
    }
}
