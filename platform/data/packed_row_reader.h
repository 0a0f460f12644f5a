#pragma once
// The quick way from a packet row on the wire ([v0, v1, ...]) to a packed row: each value is checked
// against its field as checkFits would (kind, UTF-8, characters, small-integer range) and written
// straight into the builder.

#include "platform/data/msgpack_reader.h"
#include "platform/data/packet.h"
#include "platform/data/row_builder.h"

#include <vector>

namespace vq {

// True with the row in out and the reader moved past it. False, with nothing consumed, on anything
// outside the common shapes or anything wrong: the caller then reads the row the general way, which
// gives the exact error. foreignKind[j] is set when field j took a value not of its own kind.
bool readPackedRowQuick(MsgReader& r, const std::vector<FieldDesc>& fields, RowBuilder& builder,
                        std::vector<bool>& foreignKind, PackedRow& out);

} // namespace vq
