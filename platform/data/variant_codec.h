#pragma once
// MessagePack encoding of Variants, data packets and deltas (see docs/protocol.md).

#include "platform/data/msgpack_reader.h"
#include "platform/data/msgpack_writer.h"
#include "platform/data/packet.h"
#include "platform/data/variant.h"

#include <string>
#include <string_view>

namespace vq {

enum ExtType : std::int8_t {
    kExtDateTime = 1,
    kExtPacket = 2,
    kExtDelta = 3,
    kExtServerError = 4,
    kExtBytes = 5,
};

struct DecodeLimits {
    int maxDepth = 32;
};

void encodeVariant(MsgWriter& w, const Variant& v);
Variant decodeVariant(MsgReader& r, const DecodeLimits& limits = {});

// Whole buffers: decoding demands exactly one value and nothing after it.
std::string encodeVariant(const Variant& v);
Variant decodeVariant(std::string_view bytes, const DecodeLimits& limits = {});

// The payloads of ext types 2 and 3, exposed for tests, tools and fuzzing.
std::string encodePacket(const DataPacket& p);
void encodePacket(MsgWriter& w, const DataPacket& p);
DataPacket decodePacket(std::string_view payload);
std::string encodeDelta(const Delta& d);
void encodeDelta(MsgWriter& w, const Delta& d);
Delta decodeDelta(std::string_view payload);

} // namespace vq
