#pragma once
// What the host tells the framework: application server, database, operator, active module, coded-field
// pictures and an optional working date. Read from an INI file and overridable by name (command line,
// automation driver's `settings` line). Keys and file format: docs/framework.md.

#include "framework/services/coded_picture.h"
#include "platform/data/date_time.h"
#include "platform/net/server_address.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

struct FrameworkSettings {
    std::string serverHost; // empty: the host runs its own embedded server
    int serverPort = 0;     // 0 with an empty host: a free loopback port chosen by the host
    // Tried in order when serverHost:serverPort cannot be connected (server=A:P,B:P names them).
    std::vector<net::ServerAddress> fallbackServers;
    std::string serverSecret; // shared secret the server may require; empty: none
    std::string databaseUrl;  // sqlite:PATH or postgresql://...; empty: the host's default file
    std::string operatorCode;
    std::string operatorName;
    int activeModule = 0;
    std::map<int, CodedPicture> codedPictures; // kind -> picture
    std::optional<CivilDate> workDate;         // replaces today's date (tests, demos)

    // The built-in defaults: pictures for kinds 0 (product tree), 2 (ledger account) and 16 (activity
    // branch), everything else empty.
    static FrameworkSettings defaults();

    // Reads the INI file over the current values (keys it lacks keep theirs). Returns false when the file
    // does not exist; throws vq::Error naming the file and key for a value that does not parse.
    bool load(const std::string& path);
    // Writes every value to the INI file.
    void save(const std::string& path) const;

    // Applies "name=value" overrides: server=HOST:PORT[,HOST:PORT...] (the first, then the fallbacks),
    // host, port, fallbacks=HOST:PORT,... (empty: none), secret, database, operator,
    // operator_name, module, date=yyyy-mm-dd (empty clears), mask.N=PICTURE. Throws vq::Error naming an
    // unknown name or a bad value; nothing is applied then.
    void apply(const std::map<std::string, std::string, std::less<>>& overrides);
    void apply(std::string_view name, std::string_view value);

    // The picture of a kind (empty when none is set).
    CodedPicture picture(int kind) const;
};

// The settings the framework services read (Vorlane, Geral, Tabvalid). The host fills them at start.
FrameworkSettings& frameworkSettings();

} // namespace vq
