#include "framework/services/framework_settings.h"

#include "platform/data/error.h"
#include "platform/data/text_ptbr.h"

#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <array>
#include <charconv>
#include <cstdio>

namespace vq {
namespace {

struct DefaultPicture {
    int kind;
    const char* pattern;
};
constexpr std::array<DefaultPicture, 3> kDefaultPictures{{
    {0, "99.99.999.999"}, // product tree (applied material)
    {2, "9.9.9.99.999"},  // ledger account
    {16, "99.99.999"},    // activity branch
}};

[[noreturn]] void bad(std::string_view name, std::string_view value, std::string_view why) {
    throw Error("Configuração inválida: " + std::string(name) + "=\"" + std::string(value) + "\" (" +
                std::string(why) + ").");
}

int parseInt(std::string_view name, std::string_view text, int min, int max) {
    int value = 0;
    const auto* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < min || value > max)
        bad(name, text, "esperado um número de " + std::to_string(min) + " a " + std::to_string(max));
    return value;
}

std::optional<CivilDate> parseWorkDate(std::string_view name, std::string_view text) {
    if (text.empty())
        return std::nullopt;
    if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
        const CivilDate d{parseInt(name, text.substr(0, 4), 1, 9999),
                          parseInt(name, text.substr(5, 2), 1, 12), parseInt(name, text.substr(8, 2), 1, 31)};
        if (isValidCivilDate(d))
            return d;
    } else if (auto dt = parseDate(text)) {
        return datePart(*dt);
    }
    bad(name, text, "data inexistente; use aaaa-mm-dd");
}

std::string formatWorkDate(const std::optional<CivilDate>& d) {
    if (!d)
        return {};
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d->year, d->month, d->day);
    return buf;
}

CodedPicture parsePicture(std::string_view name, std::string_view text) {
    try {
        return CodedPicture(text);
    } catch (const Error& e) {
        bad(name, text, e.what());
    }
}

// One INI key per override name, so the file and the overrides share their parsing.
struct KeyMap {
    const char* name;
    const char* iniKey;
};
constexpr std::array<KeyMap, 9> kKeys{{{"host", "server/host"},
                                       {"port", "server/port"},
                                       {"fallbacks", "server/fallbacks"},
                                       {"secret", "server/secret"},
                                       {"database", "database/url"},
                                       {"operator", "operator/code"},
                                       {"operator_name", "operator/name"},
                                       {"module", "module/active"},
                                       {"date", "session/date"}}};

std::string iniText(const QSettings& ini, const char* key) {
    const QVariant v = ini.value(QString::fromUtf8(key));
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(QStringLiteral(", ")).toStdString(); // a value with commas
    return v.toString().toStdString();
}

} // namespace

FrameworkSettings FrameworkSettings::defaults() {
    FrameworkSettings s;
    for (const auto& p : kDefaultPictures)
        s.codedPictures[p.kind] = CodedPicture(p.pattern);
    return s;
}

void FrameworkSettings::apply(std::string_view name, std::string_view value) {
    if (name == "server") {
        std::vector<net::ServerAddress> servers;
        try {
            servers = net::parseServerList(value);
        } catch (const Error& e) {
            bad(name, value, e.what());
        }
        serverHost = servers.front().host;
        serverPort = servers.front().port;
        fallbackServers.assign(servers.begin() + 1, servers.end());
    } else if (name == "host") {
        serverHost = std::string(value);
    } else if (name == "port") {
        serverPort = parseInt(name, value, 0, 65535);
    } else if (name == "fallbacks") {
        try {
            fallbackServers = value.empty() ? std::vector<net::ServerAddress>{} : net::parseServerList(value);
        } catch (const Error& e) {
            bad(name, value, e.what());
        }
    } else if (name == "secret") {
        serverSecret = std::string(value);
    } else if (name == "database") {
        databaseUrl = std::string(value);
    } else if (name == "operator") {
        operatorCode = std::string(value);
    } else if (name == "operator_name") {
        operatorName = std::string(value);
    } else if (name == "module") {
        activeModule = parseInt(name, value, 0, 999999);
    } else if (name == "date") {
        workDate = parseWorkDate(name, value);
    } else if (name.starts_with("mask.")) {
        const int kind = parseInt(name, name.substr(5), 0, 999);
        if (value.empty())
            codedPictures.erase(kind);
        else
            codedPictures[kind] = parsePicture(name, value);
    } else {
        throw Error("Configuração desconhecida: " + std::string(name) + ".");
    }
}

void FrameworkSettings::apply(const std::map<std::string, std::string, std::less<>>& overrides) {
    FrameworkSettings next = *this;
    for (const auto& [name, value] : overrides)
        next.apply(name, value);
    *this = std::move(next);
}

bool FrameworkSettings::load(const std::string& path) {
    if (!QFileInfo::exists(QString::fromStdString(path)))
        return false;
    QSettings ini(QString::fromStdString(path), QSettings::IniFormat);
    if (ini.status() != QSettings::NoError)
        throw Error("Arquivo de configuração ilegível: " + path + ".");
    FrameworkSettings next = *this;
    try {
        for (const auto& k : kKeys)
            if (ini.contains(QString::fromUtf8(k.iniKey)))
                next.apply(k.name, iniText(ini, k.iniKey));
        ini.beginGroup(QStringLiteral("masks"));
        for (const QString& kind : ini.childKeys())
            next.apply("mask." + kind.toStdString(), iniText(ini, kind.toUtf8().constData()));
        ini.endGroup();
    } catch (const Error& e) {
        throw Error(path + ": " + e.what());
    }
    *this = std::move(next);
    return true;
}

void FrameworkSettings::save(const std::string& path) const {
    QSettings ini(QString::fromStdString(path), QSettings::IniFormat);
    const std::array<std::string, 9> values{serverHost,
                                            std::to_string(serverPort),
                                            net::formatServerList(fallbackServers),
                                            serverSecret,
                                            databaseUrl,
                                            operatorCode,
                                            operatorName,
                                            std::to_string(activeModule),
                                            formatWorkDate(workDate)};
    for (std::size_t i = 0; i < kKeys.size(); ++i)
        ini.setValue(QString::fromUtf8(kKeys[i].iniKey), QString::fromStdString(values[i]));
    ini.remove(QStringLiteral("masks"));
    for (const auto& [kind, picture] : codedPictures)
        ini.setValue(QStringLiteral("masks/%1").arg(kind), QString::fromStdString(picture.pattern()));
    ini.sync();
    if (ini.status() != QSettings::NoError)
        throw Error("Não foi possível gravar a configuração em " + path + ".");
}

CodedPicture FrameworkSettings::picture(int kind) const {
    const auto it = codedPictures.find(kind);
    return it == codedPictures.end() ? CodedPicture{} : it->second;
}

FrameworkSettings& frameworkSettings() {
    static FrameworkSettings settings = FrameworkSettings::defaults();
    return settings;
}

} // namespace vq
