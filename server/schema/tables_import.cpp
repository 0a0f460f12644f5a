// Customer import layouts kept on the server: the layout, the files it reads and, per field of a line, its
// position, length, conversion and the customer value it feeds.

#include "server/schema/columns.h"

namespace vq::schema::detail {

namespace {

constexpr Column kLayoutImp[] = {str("CDLAYOUTIMP", 10, kKey), str("NMLAYOUTIMP", 50, kNotNull)};

constexpr Column kArqLayoutImp[] = {str("CDLAYOUTIMP", 10, kKey), integer("NRSEQARQLAY", kKey),
                                    str("NMARQLAYIMP", 250, kNotNull)};

// IDTDADCOLLAY: "D" date, "N" number, anything else text; NMCOLUNAIMP names the customer value.
constexpr Column kColLayoutImp[] = {
    str("CDLAYOUTIMP", 10, kKey), str("NRSEQTABELAY", 10, kKey), str("NRSEQCOLULAY", 10, kKey),
    str("IDFUNARQLAY", 3),        integer("NRPOSICOLLAY"),       integer("NRTAMCOLLAY"),
    integer("NRCASASDECIM"),      str("DSDEFACOLLAY", 50),       str("IDGERSEQCOLU", 1),
    str("IDTDADCOLLAY", 1),       str("IDGERCODCOLU", 1),        str("CDFRMTCOLLAY", 3),
    str("NMTABELAIMP", 30),       str("NMCOLUNAIMP", 30),
};

constexpr Table kTables[] = {
    {"LAYOUTIMP", kLayoutImp},
    {"ARQLAYOUTIMP", kArqLayoutImp},
    {"COLLAYOUTIMP", kColLayoutImp},
};

} // namespace

Subject importSubject() {
    return {kTables, {}};
}

} // namespace vq::schema::detail
