#pragma once
// Frames on the wire: a 4-byte big-endian length, then that many bytes holding one MessagePack value.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vq::net {

inline constexpr std::size_t kFrameHeaderSize = 4;
inline constexpr std::size_t kMaxFrameSize = 64u * 1024u * 1024u; // hard ceiling for both sides

using FrameHeader = std::array<char, kFrameHeaderSize>;

// Throws DecodeError when the payload is above kMaxFrameSize.
FrameHeader encodeFrameHeader(std::size_t payloadSize);
std::uint32_t decodeFrameHeader(const FrameHeader& header);

// Throws DecodeError when the announced length is above `limit` (itself capped at kMaxFrameSize).
void checkFrameLength(std::uint32_t length, std::size_t limit);

// Header plus payload, ready to send.
std::string makeFrame(std::string_view payload);

} // namespace vq::net
