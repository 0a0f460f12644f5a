#pragma once
// Reassembles messages from the bytes a socket delivers, however they are cut: a read may bring part of
// a frame or several frames. Reads go into room the reader offers, which grows with the bytes actually
// received, so a declared length alone reserves nothing.

#include "platform/net/framing.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vq::net {

class FrameReader {
public:
    FrameReader(std::size_t frameLimit, std::size_t messageLimit);

    // Room for the next read; then commit() what was read into it.
    std::span<char> prepare();
    void commit(std::size_t n);

    // The next whole message, once all its frames are in, or nothing yet. The view lasts until the
    // next call of any member. Throws DecodeError when a frame or the message passes its limit.
    std::optional<std::string_view> take();

    bool hasPartial() const { return used_ > pos_ || !message_.empty(); }
    void clear();          // forgets everything received
    void releaseIfLarge(); // gives back memory a large message needed

private:
    std::size_t frameLimit_;
    std::size_t messageLimit_;
    std::vector<char> buf_; // received bytes: [pos_, used_) not yet taken
    std::size_t used_ = 0;
    std::size_t pos_ = 0;
    std::size_t pending_ = 0; // bytes still missing of the frame at pos_ (0: unknown or none)
    std::string message_;     // frames of a continued message so far
    bool messageTaken_ = false;
};

} // namespace vq::net
