#include "platform/net/server_address.h"

#include "platform/data/error.h"

#include <charconv>

namespace vq::net {
namespace {

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

ServerAddress parseOne(std::string_view item) {
    const auto bad = [&](const char* why) {
        return Error("Servidor inválido \"" + std::string(item) + "\": " + why + "; use HOST:PORTA.");
    };
    const std::size_t colon = item.rfind(':');
    if (colon == std::string_view::npos)
        throw bad("falta a porta");
    const std::string_view portText = item.substr(colon + 1);
    int port = 0;
    const auto [ptr, ec] = std::from_chars(portText.data(), portText.data() + portText.size(), port);
    if (portText.empty() || ec != std::errc() || ptr != portText.data() + portText.size() || port < 1 ||
        port > 65535)
        throw bad("porta fora de 1 a 65535");
    std::string_view host = item.substr(0, colon);
    if (host.size() > 2 && host.front() == '[' && host.back() == ']')
        host = host.substr(1, host.size() - 2);
    if (host.empty())
        throw bad("servidor sem endereço");
    return {std::string(host), port};
}

} // namespace

std::string ServerAddress::text() const {
    const bool ipv6 = host.find(':') != std::string::npos;
    return (ipv6 ? "[" + host + "]" : host) + ":" + std::to_string(port);
}

std::vector<ServerAddress> parseServerList(std::string_view text) {
    std::vector<ServerAddress> servers;
    for (;;) {
        const std::size_t comma = text.find(',');
        servers.push_back(parseOne(trimmed(text.substr(0, comma))));
        if (comma == std::string_view::npos)
            return servers;
        text.remove_prefix(comma + 1);
    }
}

std::string formatServerList(const std::vector<ServerAddress>& servers) {
    std::string out;
    for (const auto& s : servers)
        out += (out.empty() ? "" : ",") + s.text();
    return out;
}

} // namespace vq::net
