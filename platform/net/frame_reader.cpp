#include "platform/net/frame_reader.h"

#include <algorithm>
#include <cstring>

namespace vq::net {

namespace {

constexpr std::size_t kMinRead = 16u * 1024u;          // small calls arrive whole in one read
constexpr std::size_t kMaxGrowth = 1u * 1024u * 1024u; // the buffer grows at most this much a read
constexpr std::size_t kKeepBytes = 1u * 1024u * 1024u; // larger buffers are released when idle

} // namespace

FrameReader::FrameReader(std::size_t frameLimit, std::size_t messageLimit)
    : frameLimit_(frameLimit), messageLimit_(messageLimit) {}

std::span<char> FrameReader::prepare() {
    if (messageTaken_) {
        message_.clear();
        messageTaken_ = false;
    }
    if (pos_ > 0) { // drop what was taken before growing
        std::memmove(buf_.data(), buf_.data() + pos_, used_ - pos_);
        used_ -= pos_;
        pos_ = 0;
    }
    const std::size_t want = std::clamp(pending_, kMinRead, kMaxGrowth);
    if (buf_.size() - used_ < want)
        buf_.resize(used_ + want);
    return {buf_.data() + used_, buf_.size() - used_};
}

void FrameReader::commit(std::size_t n) {
    used_ += std::min(n, buf_.size() - used_);
}

std::optional<std::string_view> FrameReader::take() {
    if (messageTaken_) {
        message_.clear();
        messageTaken_ = false;
    }
    for (;;) {
        const std::size_t avail = used_ - pos_;
        if (avail < kFrameHeaderSize) {
            pending_ = kFrameHeaderSize - avail;
            return std::nullopt;
        }
        FrameHeader header;
        std::memcpy(header.data(), buf_.data() + pos_, header.size());
        const FrameInfo frame = acceptFrame(header, message_.size(), frameLimit_, messageLimit_);
        const std::size_t total = kFrameHeaderSize + frame.length;
        if (avail < total) {
            pending_ = total - avail;
            return std::nullopt;
        }
        pending_ = 0;
        const std::string_view body(buf_.data() + pos_ + kFrameHeaderSize, frame.length);
        pos_ += total;
        if (!frame.continued && message_.empty())
            return body; // the usual case: one frame, no copy
        message_.append(body);
        if (!frame.continued) {
            messageTaken_ = true;
            return std::string_view(message_);
        }
    }
}

void FrameReader::clear() {
    used_ = pos_ = pending_ = 0;
    message_.clear();
    messageTaken_ = false;
}

void FrameReader::releaseIfLarge() {
    if (buf_.size() > kKeepBytes && used_ == pos_) {
        std::vector<char>().swap(buf_);
        used_ = pos_ = 0;
    }
    if (message_.capacity() > kKeepBytes && (message_.empty() || messageTaken_)) {
        std::string().swap(message_);
        messageTaken_ = false;
    }
}

} // namespace vq::net
