#pragma once
// The customer module loaded at run time: finds libPKG_VQM41200.so, resolves its exports, initialises it
// and, on destruction, finalises and unloads it.

#include "module/module_api.h"

#include <string>
#include <vector>

namespace vq::host {

// The module's exports, resolved by name.
struct ModuleExports {
    void (*setHostServices)(const VqHostServices*) = nullptr;
    void (*initialize)() = nullptr;
    void (*finalize)() = nullptr;
    const VqPackageInfo* (*packageInfo)() = nullptr;
    void (*iniProc)(const vq::Variant*) = nullptr;
    bool (*invoke)(const char*, const vq::VariantArray*, vq::Variant*, char*, std::size_t) = nullptr;
    bool (*unitValue)(const char*, const char*, vq::Variant*) = nullptr;
};

inline constexpr const char* kModuleFileName = "libPKG_VQM41200.so";
// The name other modules open it by (Vorlane.LoadBPL); its values become IniProc's array.
inline constexpr const char* kPackageName = "PKG_VQM41200";

// Where the module is looked for, in order: `moduleDir` when given (only there), else the executable's
// directory, its ../lib, and the build tree's lib directory the host was built with.
std::vector<std::string> moduleSearchPaths(const std::string& moduleDir);

class ModuleLibrary {
public:
    // dlopen, resolve, VqSetHostServices, Initialize. Throws vq::Error with a Portuguese message naming
    // the paths tried and dlerror() when the module cannot be loaded.
    explicit ModuleLibrary(const std::string& moduleDir = {});
    ~ModuleLibrary(); // Finalize, dlclose
    ModuleLibrary(const ModuleLibrary&) = delete;
    ModuleLibrary& operator=(const ModuleLibrary&) = delete;

    const ModuleExports& exports() const { return exports_; }
    const std::string& path() const { return path_; }

    // A null param opens the customer form.
    void iniProc(const vq::Variant* param) const { exports_.iniProc(param); }
    // A routine by name; throws vq::Error with the module's text when it refuses the arguments.
    void invoke(const std::string& routine, const vq::VariantArray& args) const;
    // Unit-level state; false when the unit or name is unknown.
    bool unitValue(const std::string& unit, const std::string& name, vq::Variant& out) const;

private:
    void* handle_ = nullptr;
    std::string path_;
    ModuleExports exports_;
};

} // namespace vq::host
