#pragma once
// The public reference tables of the seed (states, municipalities, banks, CNAE, countries), embedded
// in the binary at build time from server/seed/data/*.tsv.

#include <string>
#include <string_view>
#include <vector>

namespace vq::seed {

namespace embedded {
extern const std::string_view estados;
extern const std::string_view municipios;
extern const std::string_view bancos;
extern const std::string_view cnae;
extern const std::string_view paises;
} // namespace embedded

struct StateRef {
    std::string sigla, name, ibge, region;
};
struct MunicipalityRef {
    std::string uf, code, ibge, name; // code: 4 digits, numbered within the state
};
struct BankRef {
    std::string code, name;
};
struct CnaeRef {
    std::string subclass, formatted, description; // "4711302", "4711-3/02"
};
struct CountryRef {
    std::string code, iso2, name; // code: our 4-character CDPAIS, see countryCode()
};

// Brazil is "0055", as the module writes it; every other country is "0" followed by its 3-digit
// ISO 3166-1 numeric code ("0032" Argentina, "0840" United States). ISO never assigned 055, so the
// two schemes cannot collide.
std::string countryCode(std::string_view iso2, std::string_view isoNumeric);
inline constexpr std::string_view kBrazil = "0055";

// Rows of a tab-separated text with one header line; throws std::runtime_error on a row whose
// column count differs from the header's.
std::vector<std::vector<std::string>> parseTsv(std::string_view text);

std::vector<StateRef> loadStates();
std::vector<MunicipalityRef> loadMunicipalities();
std::vector<BankRef> loadBanks();
std::vector<CnaeRef> loadCnae();
std::vector<CountryRef> loadCountries(); // sorted by code

} // namespace vq::seed
