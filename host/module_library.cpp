#include "host/module_library.h"

#include "framework/services/vorlane.h"
#include "platform/data/error.h"
#include "platform/data/log.h"

#include <QCoreApplication>
#include <QEvent>
#include <algorithm>
#include <array>
#include <dlfcn.h>
#include <filesystem>
#include <system_error>

namespace vq::host {
namespace {

namespace fs = std::filesystem;

std::string executableDir() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

template <class Fn> void resolve(void* handle, const char* name, Fn& target, std::string& missing) {
    // dlsym hands back an object pointer; POSIX guarantees it converts to the function's type.
    void* symbol = ::dlsym(handle, name);
    if (!symbol) {
        missing += missing.empty() ? name : std::string(", ") + name;
        return;
    }
    target = reinterpret_cast<Fn>(symbol);
}

} // namespace

std::vector<std::string> moduleSearchPaths(const std::string& moduleDir) {
    if (!moduleDir.empty())
        return {(fs::path(moduleDir) / kModuleFileName).string()};
    std::vector<std::string> paths;
    const std::string exeDir = executableDir();
    if (!exeDir.empty()) {
        paths.push_back((fs::path(exeDir) / kModuleFileName).string());
        paths.push_back((fs::path(exeDir) / ".." / "lib" / kModuleFileName).lexically_normal().string());
    }
#ifdef VQ_BUILD_LIB_DIR
    const std::string built = (fs::path(VQ_BUILD_LIB_DIR) / kModuleFileName).string();
    if (std::find(paths.begin(), paths.end(), built) == paths.end())
        paths.push_back(built);
#endif
    return paths;
}

ModuleLibrary::ModuleLibrary(const std::string& moduleDir) {
    const std::vector<std::string> candidates = moduleSearchPaths(moduleDir);
    std::string tried;
    for (const std::string& candidate : candidates) {
        if (!fs::exists(candidate)) {
            tried += "\n  " + candidate + " (não existe)";
            continue;
        }
        handle_ = ::dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle_) {
            path_ = candidate;
            break;
        }
        const char* why = ::dlerror();
        tried += "\n  " + candidate + ": " + (why ? why : "erro desconhecido");
    }
    if (!handle_)
        throw Error("Não foi possível carregar o módulo de clientes (" + std::string(kModuleFileName) +
                    "). Caminhos tentados:" + tried);

    std::string missing;
    resolve(handle_, "VqSetHostServices", exports_.setHostServices, missing);
    resolve(handle_, "Initialize", exports_.initialize, missing);
    resolve(handle_, "Finalize", exports_.finalize, missing);
    resolve(handle_, "GetPackageInfoTable", exports_.packageInfo, missing);
    resolve(handle_, "IniProc", exports_.iniProc, missing);
    resolve(handle_, "VqInvoke", exports_.invoke, missing);
    resolve(handle_, "VqUnitValue", exports_.unitValue, missing);
    if (!missing.empty()) {
        ::dlclose(handle_);
        throw Error("O módulo " + path_ + " não exporta: " + missing + ".");
    }
    log::info("module loaded: " + path_);
    const VqHostServices services{kVqHostServicesVersion};
    exports_.setHostServices(&services);
    exports_.initialize();
    // The only ERP module this host has: others asked for through LoadBPL get the framework's message.
    Vorlane::registerModule(kPackageName, [this](const VariantArray& values) {
        const Variant param = values.empty() ? Variant() : Variant(values);
        exports_.iniProc(&param);
    });
}

ModuleLibrary::~ModuleLibrary() {
    Vorlane::unregisterModule(kPackageName);
    exports_.finalize();
    // Forms released with a deferred delete run the module's code when deleted: before the unload.
    if (QCoreApplication::instance())
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ::dlclose(handle_);
    log::info("module unloaded: " + path_);
}

void ModuleLibrary::invoke(const std::string& routine, const VariantArray& args) const {
    std::array<char, 512> error{};
    Variant result;
    if (!exports_.invoke(routine.c_str(), &args, &result, error.data(), error.size()))
        throw Error(error.data());
}

bool ModuleLibrary::unitValue(const std::string& unit, const std::string& name, Variant& out) const {
    return exports_.unitValue(unit.c_str(), name.c_str(), &out);
}

} // namespace vq::host
