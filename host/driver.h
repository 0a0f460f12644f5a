#pragma once
// The automation driver: runs a script of commands (docs/automation.md) against the real module and an
// application server, with no window needed (Qt offscreen). The host session (server, lookup connection,
// module) starts at the first command that needs it, after any leading `settings` lines.
//
// Commands run as a sequence of queued steps on the event loop, so a command that opens a modal form
// returns only when the form closes and the commands after it run inside that form's modal loop.
// Needs a QApplication.

#include "host/script_parser.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vq::host {

class ModuleLibrary;

struct DriverOptions {
    std::string moduleDir;    // where libPKG_VQM41200.so is; empty: the usual places
    std::string settingsFile; // read before the overrides; empty: none
    std::map<std::string, std::string, std::less<>> settings; // as `settings` lines, applied first
    // Database of the embedded server when no database setting is given; "temporary": a fresh file.
    std::string defaultDatabaseUrl = "temporary";
    int seedCustomers = 50;                            // demo customers of a new embedded database
    int formTimeoutMs = 10000;                         // how long `form` waits for its form
    std::function<void(std::string_view line)> output; // each `print` line (also kept in the result)
};

struct DriverResult {
    int exitCode = 0; // 0 success, 1 a command failed
    int line = 0;     // the failing line
    std::string error;
    std::vector<std::string> output; // the `print` lines
};

class Driver {
public:
    explicit Driver(DriverOptions options = {});
    ~Driver(); // ends the host session: Finalize, unload, stop the embedded server
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;

    // Parses and runs a script; a parse error fails before anything runs. The session stays open
    // between runs (the module keeps its state), modal forms left open are ended at the end of a run.
    DriverResult run(std::string_view script);
    DriverResult run(const std::vector<ScriptLine>& lines);

    // The loaded module, once a command needed it (nullptr before).
    ModuleLibrary* module() const;
    // Ends the session now (as the destructor does).
    void shutdown();

    struct Impl;

private:
    std::unique_ptr<Impl> impl_;
};

} // namespace vq::host
