// The Variant, data packet and delta decoders over untrusted bytes. The first byte picks the decoder;
// whatever decodes must encode again to bytes that decode to the same encoding.
#include "platform/data/error.h"
#include "platform/data/variant_codec.h"

#include <cstdint>
#include <cstdlib>

using namespace vq;

namespace {

template <class Decode, class Encode> void roundTrip(std::string_view in, Decode decode, Encode encode) {
    std::string first;
    try {
        first = encode(decode(in));
    } catch (const Error&) {
        return; // refused input is fine; anything else escapes and is reported
    }
    if (encode(decode(first)) != first)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string_view in(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] % 3) {
    case 0:
        roundTrip(
            in, [](std::string_view b) { return decodeVariant(b, DecodeLimits{16}); },
            [](const Variant& v) { return encodeVariant(v); });
        break;
    case 1:
        roundTrip(
            in, [](std::string_view b) { return decodePacket(b); },
            [](const DataPacket& p) { return encodePacket(p); });
        break;
    default:
        roundTrip(
            in, [](std::string_view b) { return decodeDelta(b); },
            [](const Delta& d) { return encodeDelta(d); });
        break;
    }
    return 0;
}
