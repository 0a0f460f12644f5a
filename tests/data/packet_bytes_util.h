#pragma once
// Hand-made packet payloads for the decoder tests: the fields written normally, rows as raw bytes so
// that uncommon or broken encodings can be put exactly where wanted.

#include "platform/data/msgpack_writer.h"
#include "platform/data/variant_codec.h"

#include <string>
#include <vector>

namespace vq::testing {

inline std::string rowBytes(const std::vector<std::string>& values) {
    std::string out;
    MsgWriter(out).arrayHeader(static_cast<std::uint32_t>(values.size()));
    for (const auto& v : values)
        out += v;
    return out;
}

inline std::string payloadOf(const std::vector<FieldDesc>& fields, const std::vector<std::string>& rows) {
    std::string out;
    MsgWriter w(out);
    w.mapHeader(2);
    w.str("fields");
    w.arrayHeader(static_cast<std::uint32_t>(fields.size()));
    for (const auto& f : fields) {
        w.arrayHeader(3);
        w.str(f.name);
        w.str(fieldTypeName(f.type));
        w.integer(f.size);
    }
    w.str("rows");
    w.arrayHeader(static_cast<std::uint32_t>(rows.size()));
    for (const auto& r : rows)
        out += r;
    return out;
}

inline std::string bytes(std::initializer_list<int> b) {
    std::string out;
    for (int c : b)
        out.push_back(static_cast<char>(c));
    return out;
}

} // namespace vq::testing
