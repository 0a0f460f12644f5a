#pragma once
// Frames on the wire: a 4-byte big-endian word, then that many bytes. The word's low 31 bits are the
// frame's length (at most kMaxFrameSize); its top bit says the message goes on in the next frame. A
// message, one MessagePack value, is the bytes of its frames in order; most take a single frame.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vq::net {

inline constexpr std::size_t kFrameHeaderSize = 4;
inline constexpr std::size_t kMaxFrameSize = 64u * 1024u * 1024u;    // hard ceiling of one frame
inline constexpr std::size_t kMaxMessageSize = 512u * 1024u * 1024u; // hard ceiling of one message
inline constexpr std::uint32_t kContinuedBit = 0x80000000u;

using FrameHeader = std::array<char, kFrameHeaderSize>;

struct FrameInfo {
    std::uint32_t length = 0;
    bool continued = false; // more frames of the same message follow
};

// Throws DecodeError when the payload is above kMaxFrameSize.
FrameHeader encodeFrameHeader(std::size_t payloadSize, bool continued = false);
std::uint32_t decodeFrameHeader(const FrameHeader& header); // the whole word, continuation bit included

// Throws DecodeError when the announced length is above `limit` (itself capped at kMaxFrameSize).
void checkFrameLength(std::uint32_t length, std::size_t limit);

// Reads the header of the next frame of a message of which `received` bytes have arrived. Throws
// DecodeError when the frame is above `frameLimit`, the message would pass `messageLimit` (both capped
// at their hard ceilings), or a continued frame is empty.
FrameInfo acceptFrame(const FrameHeader& header, std::size_t received, std::size_t frameLimit,
                      std::size_t messageLimit);

struct FrameSlice {
    FrameHeader header;
    std::string_view body; // a slice of the payload
};

// The frames carrying `payload`, each at most `frameSize` bytes. Throws DecodeError when the payload is
// above kMaxMessageSize.
std::vector<FrameSlice> splitIntoFrames(std::string_view payload, std::size_t frameSize = kMaxFrameSize);

// Every frame of the payload, headers included, in one string.
std::string makeFrame(std::string_view payload);

} // namespace vq::net
