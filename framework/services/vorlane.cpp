#include "framework/services/vorlane.h"

#include "framework/services/framework_settings.h"
#include "framework/services/host_catalogue.h"
#include "platform/data/log.h"
#include "platform/data/utf8_text.h"
#include "platform/gui/seams.h"

#include <map>

namespace vq::Vorlane {
namespace {

std::map<std::string, ModuleLauncher>& modules() {
    static std::map<std::string, ModuleLauncher> registry; // upper-cased name -> launcher
    return registry;
}

struct LocalCache {
    LocalCacheHandler handler;
    std::vector<std::vector<std::string>> requests;
};
LocalCache& localCache() {
    static LocalCache cache;
    return cache;
}

std::string moduleKey(std::string_view module) {
    return utf8::toUpper(module);
}

} // namespace

std::string WebURL() {
    return frameworkSettings().serverHost;
}
int WebPort() {
    return frameworkSettings().serverPort;
}
std::string Operador() {
    return frameworkSettings().operatorCode;
}
std::string NomeOperador() {
    return frameworkSettings().operatorName;
}

void registerModule(std::string_view module, ModuleLauncher launcher) {
    modules()[moduleKey(module)] = std::move(launcher);
}
void unregisterModule(std::string_view module) {
    modules().erase(moduleKey(module));
}
bool hasModule(std::string_view module) {
    return modules().contains(moduleKey(module));
}

bool LoadBPL(std::string_view module, const VariantArray& values) {
    const auto it = modules().find(moduleKey(module));
    if (it == modules().end() || !it->second) {
        log::warn("framework: módulo " + std::string(module) + " pedido e não instalado");
        gui::showMessage(gui::MessageKind::Error, formatMsg(HostMsg("Modulo_Indisp"), {module}));
        return false;
    }
    log::info("framework: abrindo o módulo " + std::string(module));
    it->second(values);
    return true;
}

void setLocalCacheHandler(LocalCacheHandler handler) {
    localCache().handler = std::move(handler);
}

void AtualizaLocalCache(const std::vector<std::string>& tables) {
    LocalCache& cache = localCache();
    cache.requests.push_back(tables);
    if (cache.handler)
        cache.handler(tables);
}

void AtualizaLocalCache(std::initializer_list<std::string_view> tables) {
    AtualizaLocalCache(std::vector<std::string>(tables.begin(), tables.end()));
}

void AtualizaLocalCache(const Variant& tables) {
    std::vector<std::string> names;
    if (tables.is(VariantKind::Array)) {
        for (const Variant& t : tables.asArray())
            names.push_back(t.toString());
    } else if (!tables.isNull()) {
        names.push_back(tables.toString());
    }
    AtualizaLocalCache(names);
}

const std::vector<std::vector<std::string>>& localCacheRequests() {
    return localCache().requests;
}
void clearLocalCacheRequests() {
    localCache().requests.clear();
}

std::string DBPict(int kind) {
    return frameworkSettings().picture(kind).editMask();
}
CodedPicture DBPictObj(int kind) {
    return frameworkSettings().picture(kind);
}

} // namespace vq::Vorlane
