#pragma once
// Minimal MessagePack writer appending to a byte string.

#include <cstdint>
#include <string>
#include <string_view>

namespace vq {

class MsgWriter {
public:
    explicit MsgWriter(std::string& out) : out_(out) {}

    void nil();
    void boolean(bool b);
    void integer(std::int64_t i);
    void float64(double d);
    void str(std::string_view s);
    void bin(std::string_view b);
    void arrayHeader(std::uint32_t n);
    void mapHeader(std::uint32_t n);
    void ext(std::int8_t type, std::string_view payload);

private:
    void byte(std::uint8_t b) { out_.push_back(static_cast<char>(b)); }
    void be(std::uint64_t v, int bytes);
    void lengthPrefixed(std::uint8_t fix, std::uint32_t fixMax, std::uint8_t b8, std::uint8_t b16,
                        std::uint8_t b32, std::size_t n);

    std::string& out_;
};

} // namespace vq
