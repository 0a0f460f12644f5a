#pragma once
// Who the demo customers are: kind, tax number, names and place. Built once from the seed; every table
// pass then draws its own details from a generator keyed by (seed, customer, table), so tables can be
// written one after the other and still agree.

#include "server/seed/generator.h"
#include "server/seed/reference_data.h"
#include "server/seed/rng.h"

#include <string>
#include <vector>

namespace vq::seed {

struct Profile {
    char kind = 'J';              // 'F' person (CPF), 'J' company (CNPJ)
    std::string taxId;            // digits only
    std::string code;             // CDCLIENTE: kind + number
    std::string name;             // NMRAZSOCCLIE
    std::string fantasy;          // NMFANTCLIE
    std::size_t municipality = 0; // index into Places::municipalities
};

struct StateInfo {
    std::string_view sigla, cepPrefix, ddd, region; // region: CDREGIAOPED
};

struct Places {
    std::vector<MunicipalityRef> municipalities;
    const StateInfo& state(std::string_view sigla) const;
};

Places loadPlaces();
std::vector<Profile> makeProfiles(const SeedOptions& options, const Places& places);

// The table passes of a customer, each drawing from a generator of its own. The numbers are part of the
// seed: changing one changes the demo rows of that pass.
enum Pass : std::uint64_t {
    kCustomer = 1,
    kAddress = 2,
    kContacts = 3, // how many contacts a customer has
    kCorrespondence = 4,
    kNotes = 20,
    kTerms,
    kBanks,
    kPrices,
    kPartners,
    kMessages,
    kSalespeople,
    kCarriers,
    kMails,
    kContactDetails = 103,
};

// A generator for one table pass of one customer.
Rng passRng(const SeedOptions& options, std::size_t customer, Pass pass);

// Helpers shared by the passes.
std::string personName(Rng& rng);
std::string mailAddress(std::string_view name, Rng& rng); // ASCII local part at a reserved domain
std::string phone(const StateInfo& state, Rng& rng, bool mobile = false);
std::string cep(const StateInfo& state, Rng& rng); // 8 digits, as stored (no literals)
std::string street(Rng& rng);
std::string districtName(std::size_t municipality, int index); // the seed's districts of a municipality
inline constexpr int kDistrictsPerMunicipality = 4;
std::string twoDigits(int n);
std::string uniqueCpf(Rng& rng, std::vector<std::string>& used);

} // namespace vq::seed
