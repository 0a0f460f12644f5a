#pragma once
// erp-host's command line: where the settings come from, their overrides, where the module is, and
// whether a script drives the module instead of the user.

#include <map>
#include <string>
#include <vector>

namespace vq {
struct FrameworkSettings;
}

namespace vq::host {

struct HostOptions {
    std::string settingsFile; // --settings FILE; empty: the user's default file when it exists
    // Framework setting overrides by name (server, database, operator, operator_name, module).
    std::map<std::string, std::string, std::less<>> overrides;
    std::string moduleDir;  // --module-dir DIR
    std::string script;     // --script FILE, "-" for standard input; empty: interactive
    int seedCustomers = -1; // --seed N: customers of a new embedded database; -1: the default
    bool openModule = true; // --no-open: only the main window
    bool help = false;
};

// Throws vq::Error (Portuguese) for an unknown option or a missing value.
HostOptions parseHostOptions(const std::vector<std::string>& args);

// The usage text.
const char* hostUsage();

// The settings file used when none is given: erp-host.ini in the user's configuration directory.
std::string defaultSettingsFile();

// Defaults, then the settings file (an explicit file must exist), then the overrides. Throws vq::Error.
FrameworkSettings loadSettings(const HostOptions& options);

} // namespace vq::host
