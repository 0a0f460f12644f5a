#pragma once
// Where application servers listen: one HOST:PORT or a comma-separated list of them, in the order a
// client tries them (docs/protocol.md, "Several servers").

#include <string>
#include <string_view>
#include <vector>

namespace vq::net {

struct ServerAddress {
    std::string host;
    int port = 0;

    std::string text() const; // HOST:PORT, [HOST]:PORT for an IPv6 address
    bool operator==(const ServerAddress&) const = default;
};

// Parses "HOST:PORT" or "HOST:PORT,HOST:PORT,..." ("[::1]:PORT" for IPv6; blanks around items are
// ignored). Throws vq::Error with the item at fault; an empty list is refused.
std::vector<ServerAddress> parseServerList(std::string_view text);
// The list back as text, items joined by commas.
std::string formatServerList(const std::vector<ServerAddress>& servers);

} // namespace vq::net
