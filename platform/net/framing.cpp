#include "platform/net/framing.h"

#include "platform/data/error.h"

#include <algorithm>

namespace vq::net {

FrameHeader encodeFrameHeader(std::size_t payloadSize) {
    if (payloadSize > kMaxFrameSize)
        throw DecodeError("Mensagem de " + std::to_string(payloadSize) + " bytes excede o limite de " +
                          std::to_string(kMaxFrameSize) + " bytes.");
    const auto n = static_cast<std::uint32_t>(payloadSize);
    return {static_cast<char>(n >> 24), static_cast<char>(n >> 16), static_cast<char>(n >> 8),
            static_cast<char>(n)};
}

std::uint32_t decodeFrameHeader(const FrameHeader& header) {
    std::uint32_t n = 0;
    for (char c : header)
        n = (n << 8) | static_cast<std::uint8_t>(c);
    return n;
}

void checkFrameLength(std::uint32_t length, std::size_t limit) {
    const auto effective = std::min(limit, kMaxFrameSize);
    if (length > effective)
        throw DecodeError("Mensagem de " + std::to_string(length) + " bytes excede o limite de " +
                          std::to_string(effective) + " bytes.");
}

std::string makeFrame(std::string_view payload) {
    const auto header = encodeFrameHeader(payload.size());
    std::string frame;
    frame.reserve(header.size() + payload.size());
    frame.append(header.data(), header.size());
    frame.append(payload);
    return frame;
}

} // namespace vq::net
