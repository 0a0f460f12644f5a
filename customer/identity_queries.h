#pragma once
// The customer form's identity lookups on the host database, as stored, with the variants for the databases
// on which the stored text does not run (empty: the stored text runs there).

#include <span>
#include <string_view>

namespace vq::customer {

struct QueryText {
    std::string_view name;
    std::string_view sql; // as stored
    std::string_view sqlite = {};
    std::string_view postgresql = {};
    std::string_view oracle = {};
};

// qryPesqCdExterno, qryVerifiCdAtend, qryVerifCliente, qryInsJurClie, qryEmpresa, qryInscEstad,
// qryInscMunicip.
std::span<const QueryText> identityQueries();

} // namespace vq::customer
