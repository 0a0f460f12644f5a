#include "platform/net/framing.h"

#include "platform/data/error.h"

#include <algorithm>

namespace vq::net {

namespace {

[[noreturn]] void tooLarge(std::size_t size, std::size_t limit) {
    throw DecodeError("Mensagem de " + std::to_string(size) + " bytes excede o limite de " +
                      std::to_string(limit) + " bytes.");
}

} // namespace

FrameHeader encodeFrameHeader(std::size_t payloadSize, bool continued) {
    if (payloadSize > kMaxFrameSize)
        tooLarge(payloadSize, kMaxFrameSize);
    const auto n = static_cast<std::uint32_t>(payloadSize) | (continued ? kContinuedBit : 0u);
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
        tooLarge(length, effective);
}

FrameInfo acceptFrame(const FrameHeader& header, std::size_t received, std::size_t frameLimit,
                      std::size_t messageLimit) {
    const auto word = decodeFrameHeader(header);
    const FrameInfo info{word & ~kContinuedBit, (word & kContinuedBit) != 0};
    checkFrameLength(info.length, frameLimit);
    const auto effective = std::min(messageLimit, kMaxMessageSize);
    if (received + info.length > effective)
        tooLarge(received + info.length, effective);
    // An empty continued frame would let a peer hold the connection without sending anything.
    if (info.continued && info.length == 0)
        throw DecodeError("Quadro de continuação vazio.");
    return info;
}

std::vector<FrameSlice> splitIntoFrames(std::string_view payload, std::size_t frameSize) {
    if (payload.size() > kMaxMessageSize)
        tooLarge(payload.size(), kMaxMessageSize);
    frameSize = std::clamp<std::size_t>(frameSize, 1, kMaxFrameSize);
    std::vector<FrameSlice> frames;
    frames.reserve(payload.size() / frameSize + 1);
    do {
        const auto body = payload.substr(0, frameSize);
        payload.remove_prefix(body.size());
        frames.push_back({encodeFrameHeader(body.size(), !payload.empty()), body});
    } while (!payload.empty());
    return frames;
}

std::string makeFrame(std::string_view payload) {
    const auto frames = splitIntoFrames(payload);
    std::string out;
    out.reserve(frames.size() * kFrameHeaderSize + payload.size());
    for (const auto& f : frames) {
        out.append(f.header.data(), f.header.size());
        out.append(f.body);
    }
    return out;
}

} // namespace vq::net
