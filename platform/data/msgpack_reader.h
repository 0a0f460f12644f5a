#pragma once
// Bounded MessagePack reader over untrusted bytes: every length is checked against what is left, so a
// hostile declared size fails at once instead of allocating.

#include <cstdint>
#include <string_view>

namespace vq {

enum class MsgType { Nil, Bool, Int, Float, Str, Bin, Array, Map, Ext };

struct MsgExt {
    std::int8_t type = 0;
    std::string_view payload;
};

class MsgReader {
public:
    explicit MsgReader(std::string_view data) : data_(data) {}

    MsgType peekType() const;
    void readNil();
    bool readBool();
    std::int64_t readInt();
    double readFloat(); // float32 or float64
    std::string_view readStr();
    std::string_view readBin();
    std::uint32_t readArrayHeader();
    std::uint32_t readMapHeader();
    MsgExt readExt();
    void skip(int maxDepth); // one whole value

    // Bytes not read yet, for readers that parse ahead on their own; consume() then moves past them.
    std::string_view unread() const { return data_.substr(pos_); }
    void consume(std::size_t n) { takeBytes(n); }

    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return data_.size() - pos_; }
    bool atEnd() const { return pos_ == data_.size(); }

private:
    std::uint8_t peekByte() const;
    std::uint8_t takeByte();
    std::uint64_t takeBe(int bytes);
    std::string_view takeBytes(std::uint64_t n);
    [[noreturn]] void fail(const char* what) const;

    std::string_view data_;
    std::size_t pos_ = 0;
};

} // namespace vq
