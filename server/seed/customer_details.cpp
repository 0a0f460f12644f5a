// Rows that belong to the demo customers: addresses of every kind, districts, contacts and their
// correspondence, observations, payment terms, preferred banks, price tables, partners, invoice texts,
// additional salespeople, carrier lists and branch e-mails.

#include "server/seed/fixed_tables.h"
#include "server/seed/names.h"
#include "server/seed/profiles.h"
#include "server/seed/text_fit.h"

#include <set>

namespace vq::seed {

namespace {

using Profiles = std::vector<Profile>;

// Number of contacts of a customer; the contact and correspondence passes must agree on it.
int contactCount(const SeedOptions& o, std::size_t i, const Profile& p) {
    Rng rng = passRng(o, i, kContacts);
    return p.kind == 'J' ? rng.between(1, 3) : rng.between(0, 1);
}

void writeDistricts(RowSink& sink, const Places& places, const Profiles& profiles) {
    std::set<std::size_t> used;
    for (const auto& p : profiles)
        used.insert(p.municipality);
    TableWriter w(sink, "BAIRRO", {"CDPAIS", "SGESTADO", "CDMUNICIPIO", "CDBAIRRO", "NMBAIRRO"});
    for (std::size_t m : used) {
        const auto& muni = places.municipalities[m];
        for (int d = 1; d <= kDistrictsPerMunicipality; ++d)
            w.set("CDPAIS", kBrazil)
                .set("SGESTADO", muni.uf)
                .set("CDMUNICIPIO", muni.code)
                .set("CDBAIRRO", "00000000" + twoDigits(d))
                .set("NMBAIRRO", districtName(m, d))
                .commitRow();
    }
    w.finish();
}

void writeAddresses(RowSink& sink, const SeedOptions& o, const Places& places, const Profiles& profiles) {
    const auto countries = loadCountries();
    TableWriter w(sink, "ENDECLIE",
                  {"CDCLIENTE", "IDTPENDECLIE", "CDPAIS", "SGESTADO", "CDMUNICIPIO", "CDBAIRRO", "DSENDECLIE",
                   "DSCOMPENDCLI", "NMBAIRCLIE", "NRCEPCLIE", "NRTELECLIE", "NRCELULARCLI", "NMCONTCLIE",
                   "DSEMAILCLIE", "DSEMAILCLIENFE", "IDCOMPARQXMLCLI", "DSPTOREFECLI"});
    for (std::size_t i = 0; i < profiles.size(); ++i) {
        const Profile& p = profiles[i];
        Rng rng = passRng(o, i, kAddress);
        const auto& muni = places.municipalities[p.municipality];
        const auto& st = places.state(muni.uf);
        const std::string mail = mailAddress(p.fantasy, rng);
        auto national = [&](std::string_view kind) {
            const int d = rng.between(1, kDistrictsPerMunicipality);
            w.set("CDCLIENTE", p.code)
                .set("IDTPENDECLIE", kind)
                .set("CDPAIS", kBrazil)
                .set("SGESTADO", muni.uf);
            w.set("CDMUNICIPIO", muni.code)
                .set("CDBAIRRO", "00000000" + twoDigits(d))
                .set("DSENDECLIE", street(rng));
            if (rng.chance(30))
                w.set("DSCOMPENDCLI", rng.chance(50) ? "Sala " + std::to_string(rng.between(1, 99))
                                                     : "Galpão " + std::to_string(rng.between(1, 9)));
            w.set("NMBAIRCLIE", districtName(p.municipality, d)).set("NRCEPCLIE", cep(st, rng));
            w.set("NRTELECLIE", phone(st, rng)).set("NRCELULARCLI", phone(st, rng, true));
            w.set("NMCONTCLIE", fitName(personName(rng), 30)).set("DSEMAILCLIE", mail);
        };
        national("P");
        w.set("DSEMAILCLIENFE", "nfe." + mail).set("IDCOMPARQXMLCLI", rng.chance(30) ? "S" : "N");
        if (rng.chance(10))
            w.set("DSPTOREFECLI", "Próximo ao " + std::string(rng.pick(names::streetNames())));
        w.commitRow();
        if (p.kind == 'J' && rng.chance(30)) {
            national("C");
            w.commitRow();
        }
        if (rng.chance(20)) {
            national("T");
            w.commitRow();
        }
        for (std::string_view kind : {"E", "X"}) {
            if (!rng.chance(p.kind == 'J' ? 4 : 1))
                continue;
            const auto& c = countries[rng.below(countries.size())];
            w.set("CDCLIENTE", p.code).set("IDTPENDECLIE", kind).set("CDPAIS", c.code);
            w.set("DSENDECLIE", std::to_string(rng.between(10, 9999)) + " Main Street")
                .set("NMBAIRCLIE", "Downtown");
            w.set("NRCEPCLIE", rng.digits(5)).set("NRTELECLIE", "+" + rng.digits(2) + " " + rng.digits(8));
            w.set("DSEMAILCLIE", mail).commitRow();
        }
    }
    w.finish();
}

void writeContacts(RowSink& sink, const SeedOptions& o, const Places& places, const Profiles& profiles) {
    const auto roles = fixedColumn("CARGOINTER", "CDCARGOINTERLOC");
    static constexpr std::string_view kLevels[] = {"R", "P", "D", "G", "N", "S", "F", "O"};
    TableWriter w(sink, "INTECLIE",
                  {"CDCLIENTE", "CDINTECLIE", "NMINTECLIE", "IDTPINTECLIE", "DSCARGINCLIE", "CDCARGOINTERLOC",
                   "IDSTINTECLIE", "DTNASCINCLIE", "NRTEL1INCLIE", "NRRAM1INCLIE", "NRCELULINCLI",
                   "IDENDEINCLIE", "DSENDEINCLIE", "NMBAIRINCLIE", "CDPAIS", "SGESTADO", "CDMUNICIPIO",
                   "NRCEPINCLIE", "DSEMAILICLIE"});
    for (std::size_t i = 0; i < profiles.size(); ++i) {
        const Profile& p = profiles[i];
        const int count = contactCount(o, i, p);
        Rng rng = passRng(o, i, kContactDetails);
        const auto& muni = places.municipalities[p.municipality];
        const auto& st = places.state(muni.uf);
        for (int c = 1; c <= count; ++c) {
            const std::string name = personName(rng);
            const std::size_t role = rng.below(roles.size());
            w.set("CDCLIENTE", p.code).set("CDINTECLIE", twoDigits(c)).set("NMINTECLIE", name);
            w.set("IDTPINTECLIE", rng.pick(std::span<const std::string_view>(kLevels)));
            w.set("DSCARGINCLIE", names::jobTitles()[role % names::jobTitles().size()]);
            w.set("CDCARGOINTERLOC", roles[role]).set("IDSTINTECLIE", rng.chance(90) ? "A" : "D");
            w.set("DTNASCINCLIE",
                  makeDateTime(CivilDate{rng.between(1950, 2002), rng.between(1, 12), rng.between(1, 28)}));
            w.set("NRTEL1INCLIE", phone(st, rng)).set("NRCELULINCLI", phone(st, rng, true));
            if (rng.chance(40))
                w.set("NRRAM1INCLIE", rng.digits(3));
            const bool home = rng.chance(50);
            w.set("IDENDEINCLIE", home ? "R" : "C").set("DSENDEINCLIE", street(rng));
            w.set("NMBAIRINCLIE", districtName(p.municipality, 1))
                .set("CDPAIS", kBrazil)
                .set("SGESTADO", muni.uf);
            w.set("CDMUNICIPIO", muni.code)
                .set("NRCEPINCLIE", cep(st, rng))
                .set("DSEMAILICLIE", mailAddress(name, rng));
            w.commitRow();
        }
    }
    w.finish();

    const auto kinds = fixedColumn("TIPOCORR", "CDTIPOCORR");
    TableWriter cw(sink, "CORINTECLI", {"CDCLIENTE", "CDINTECLIE", "CDTIPOCORR"});
    for (std::size_t i = 0; i < profiles.size(); ++i) {
        Rng rng = passRng(o, i, kCorrespondence);
        for (int c = 1, n = contactCount(o, i, profiles[i]); c <= n; ++c) {
            const std::size_t first = rng.below(kinds.size());
            const int take = rng.between(0, 2);
            for (int k = 0; k < take; ++k)
                cw.set("CDCLIENTE", profiles[i].code)
                    .set("CDINTECLIE", twoDigits(c))
                    .set("CDTIPOCORR", kinds[(first + static_cast<std::size_t>(k)) % kinds.size()])
                    .commitRow();
        }
    }
    cw.finish();
}

} // namespace

void writeMoneyDetails(RowSink& sink, const SeedOptions& o, const Profiles& profiles); // customer_money.cpp

void writeCustomerDetails(RowSink& sink, const SeedOptions& o, const Places& places,
                          const Profiles& profiles) {
    writeDistricts(sink, places, profiles);
    writeAddresses(sink, o, places, profiles);
    writeContacts(sink, o, places, profiles);
    writeMoneyDetails(sink, o, profiles);
}

} // namespace vq::seed
