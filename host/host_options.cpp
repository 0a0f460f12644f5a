#include "host/host_options.h"

#include "framework/services/framework_settings.h"
#include "platform/data/error.h"

#include <QStandardPaths>
#include <array>
#include <charconv>
#include <filesystem>
#include <string_view>

namespace vq::host {
namespace {

// Command-line options that override a framework setting of the same meaning.
struct SettingOption {
    std::string_view option;
    std::string_view setting;
};
constexpr std::array<SettingOption, 5> kSettingOptions{{{"--server", "server"},
                                                        {"--database", "database"},
                                                        {"--operator", "operator"},
                                                        {"--operator-name", "operator_name"},
                                                        {"--module", "module"}}};

int parseCount(const std::string& text) {
    int value = -1;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || ptr != text.data() + text.size() || value < 0)
        throw Error("--seed espera um número de clientes, recebeu \"" + text + "\".");
    return value;
}

} // namespace

const char* hostUsage() {
    return "uso: erp-host [opções]\n"
           "  --settings ARQUIVO       configuração (padrão: erp-host.ini no diretório de configuração)\n"
           "  --server HOST:PORTA      servidor de aplicação (sem ele, um servidor embutido é iniciado);\n"
           "                           HOST:PORTA,HOST:PORTA tenta o seguinte quando um não conecta\n"
           "  --database URL           sqlite:CAMINHO ou postgresql://... (consultas e servidor embutido)\n"
           "  --operator CÓDIGO        operador\n"
           "  --operator-name NOME     nome do operador\n"
           "  --module N               código do módulo ativo do ERP\n"
           "  --module-dir DIR         diretório de libPKG_VQM41200.so\n"
           "  --seed N                 clientes de demonstração de um banco embutido novo\n"
           "  --no-open                não abre o cadastro de clientes ao iniciar\n"
           "  --script ARQUIVO|-       executa um roteiro de automação sem janela\n";
}

HostOptions parseHostOptions(const std::vector<std::string>& args) {
    HostOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= args.size())
                throw Error("A opção " + arg + " espera um valor.");
            return args[++i];
        };
        bool matched = false;
        for (const SettingOption& s : kSettingOptions)
            if (arg == s.option) {
                options.overrides[std::string(s.setting)] = value();
                matched = true;
            }
        if (matched)
            continue;
        if (arg == "--settings")
            options.settingsFile = value();
        else if (arg == "--module-dir")
            options.moduleDir = value();
        else if (arg == "--script")
            options.script = value();
        else if (arg == "--seed")
            options.seedCustomers = parseCount(value());
        else if (arg == "--no-open")
            options.openModule = false;
        else if (arg == "--help" || arg == "-h")
            options.help = true;
        else
            throw Error("Opção desconhecida: " + arg);
    }
    return options;
}

std::string defaultSettingsFile() {
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return dir.isEmpty() ? std::string() : (dir + QStringLiteral("/erp-host.ini")).toStdString();
}

FrameworkSettings loadSettings(const HostOptions& options) {
    FrameworkSettings settings = FrameworkSettings::defaults();
    if (!options.settingsFile.empty()) {
        if (!settings.load(options.settingsFile))
            throw Error("Arquivo de configuração não encontrado: " + options.settingsFile);
    } else if (const std::string file = defaultSettingsFile();
               !file.empty() && std::filesystem::exists(file)) {
        settings.load(file);
    }
    settings.apply(options.overrides);
    return settings;
}

} // namespace vq::host
