// The field-level history of customer data: one row per changed field, written by the server in the same
// transaction as the change. No provider names it, so no client can write it.

#include "server/schema/columns.h"

namespace vq::schema::detail {

namespace {

// IDACAOHIST: "I" inserted, "A" changed, "E" deleted. CDMODHIST is the server module called,
// CDMODERPHIST the ERP module (16, 63...) the client worked in. A change is DTHIST (ms) plus NRTRANSHIST, a
// random number of its own, so two changes in one millisecond keep apart; NRSEQHIST orders its statements.
constexpr Column kHistCliente[] = {
    dtm("DTHIST", kKey),          integer("NRTRANSHIST", kKey),
    integer("NRSEQHIST", kKey),   str("DSCHAVEHIST", 200, kKey),
    str("NMCAMPOHIST", 30, kKey), str("NMTABHIST", 30, kNotNull),
    str("CDCLIENTE", 21),         blob("DSVALANTHIST"),
    blob("DSVALNOVHIST"),         str("IDACAOHIST", 1, kNotNull),
    str("CDOPERHIST", 12),        str("CDMODHIST", 40),
    integer("CDMODERPHIST"),      str("NMMETHIST", 40, kNotNull),
};

constexpr Table kTables[] = {{"HISTCLIENTE", kHistCliente}};

constexpr Index kIndexes[] = {{"IX_HISTCLIENTE_CLIENTE", "HISTCLIENTE", "CDCLIENTE,DTHIST"}};

} // namespace

Subject auditSubject() {
    return {kTables, kIndexes};
}

} // namespace vq::schema::detail
