#pragma once
// Gather buffers over a message's frames, so a large payload goes out without being copied behind
// its headers. The frames (and the payload they slice) must outlive the write.

#include "platform/net/framing.h"

#include <asio/buffer.hpp>
#include <vector>

namespace vq::net::detail {

inline std::vector<asio::const_buffer> frameBuffers(const std::vector<FrameSlice>& frames) {
    std::vector<asio::const_buffer> buffers;
    buffers.reserve(2 * frames.size());
    for (const auto& f : frames) {
        buffers.emplace_back(f.header.data(), f.header.size());
        if (!f.body.empty())
            buffers.emplace_back(f.body.data(), f.body.size());
    }
    return buffers;
}

// Drops the first `n` bytes, which have been sent.
inline void dropFront(std::vector<asio::const_buffer>& buffers, std::size_t n) {
    std::size_t whole = 0;
    while (whole < buffers.size() && n >= buffers[whole].size())
        n -= buffers[whole++].size();
    buffers.erase(buffers.begin(), buffers.begin() + static_cast<std::ptrdiff_t>(whole));
    if (!buffers.empty())
        buffers.front() += n;
}

} // namespace vq::net::detail
