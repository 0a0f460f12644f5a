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
    // An ext value whose payload `writePayload` appends through this writer, in place: large payloads
    // (packets) are not copied. The header takes the same form ext() gives it.
    template <class WritePayload> void extInPlace(std::int8_t type, WritePayload&& writePayload) {
        const std::size_t start = out_.size();
        out_.append(kExtHeaderMax, '\0');
        writePayload();
        fitExtHeader(start, type, out_.size() - start - kExtHeaderMax);
    }

private:
    static constexpr std::size_t kExtHeaderMax = 6; // 0xc9, 4-byte length, type
    void extHeader(std::int8_t type, std::size_t n);
    void fitExtHeader(std::size_t start, std::int8_t type, std::size_t n);
    void byte(std::uint8_t b) { out_.push_back(static_cast<char>(b)); }
    void be(std::uint64_t v, int bytes);
    void lengthPrefixed(std::uint8_t fix, std::uint32_t fixMax, std::uint8_t b8, std::uint8_t b16,
                        std::uint8_t b32, std::size_t n);

    std::string& out_;
};

} // namespace vq
