// A few sales prospects, so the prospect conversion of the demo has something to find.

#include "server/seed/check_digits.h"
#include "server/seed/names.h"
#include "server/seed/profiles.h"

namespace vq::seed {

void writeProspects(RowSink& sink, const SeedOptions& options, const Places& places) {
    const int count = std::max(5, options.customers / 20);
    Rng rng(options.rngSeed ^ 0x9A05BEC7ULL);
    struct Prospect {
        std::string code, name;
        std::size_t municipality;
    };
    std::vector<Prospect> list;
    TableWriter w(sink, "PROSPECT",
                  {"CDPROSPECT", "IDTPIJURPROS", "NRINSJURPROS", "IDTPIJURINFO", "NRINSJURINFO",
                   "NMRAZSOCPROS", "NMFANTPROS", "CDSEGMER", "CDMODODIVULG", "IDIDIOMA", "DTCADAPROS",
                   "IDSITUPROS"});
    for (int i = 0; i < count; ++i) {
        // Branch 0002: a prospect is a branch of a company, never a head office the customers hold.
        const std::string cnpj = cnpjWithCheckDigits(rng.digits(8) + "0002");
        const std::string root(rng.pick(names::companyRoots()));
        const std::string trade(rng.pick(names::companyTrades()));
        Prospect p{"J" + cnpj, root + " " + trade + " Ltda", rng.below(places.municipalities.size())};
        w.set("CDPROSPECT", p.code)
            .set("IDTPIJURPROS", "J")
            .set("NRINSJURPROS", cnpj)
            .set("IDTPIJURINFO", "J");
        w.set("NRINSJURINFO", cnpj).set("NMRAZSOCPROS", p.name).set("NMFANTPROS", root);
        w.set("CDSEGMER", "0000" + std::to_string(rng.between(1, 9))).set("CDMODODIVULG", "00002");
        w.set("IDIDIOMA", "POR")
            .set("DTCADAPROS", makeDateTime(CivilDate{2025, rng.between(1, 12), rng.between(1, 28)}));
        w.set("IDSITUPROS", "A").commitRow();
        list.push_back(std::move(p));
    }
    w.finish();

    TableWriter a(sink, "ENDEPROSP",
                  {"CDPROSPECT", "IDTPENDEPROS", "CDPAIS", "SGESTADO", "CDMUNICIPIO", "DSENDEPROS",
                   "NMBAIRPROS", "NRCEPPROS", "NRTELEPROS", "DSEMAILPROS"});
    for (const auto& p : list) {
        const auto& muni = places.municipalities[p.municipality];
        const auto& st = places.state(muni.uf);
        a.set("CDPROSPECT", p.code).set("IDTPENDEPROS", "P").set("CDPAIS", kBrazil).set("SGESTADO", muni.uf);
        a.set("CDMUNICIPIO", muni.code)
            .set("DSENDEPROS", street(rng))
            .set("NMBAIRPROS", districtName(p.municipality, 1));
        a.set("NRCEPPROS", cep(st, rng))
            .set("NRTELEPROS", phone(st, rng))
            .set("DSEMAILPROS", mailAddress(p.name, rng));
        a.commitRow();
    }
    a.finish();
    TableWriter c(sink, "INTEPROSP",
                  {"CDPROSPECT", "CDINTEPROS", "NMINTEPROS", "IDTPINTEPROS", "IDSTINTEPROS", "NRTEL1INPROS",
                   "DSEMAILIPROS"});
    for (const auto& p : list) {
        const auto& st = places.state(places.municipalities[p.municipality].uf);
        const std::string name = personName(rng);
        c.set("CDPROSPECT", p.code).set("CDINTEPROS", "01").set("NMINTEPROS", name).set("IDTPINTEPROS", "G");
        c.set("IDSTINTEPROS", "A")
            .set("NRTEL1INPROS", phone(st, rng))
            .set("DSEMAILIPROS", mailAddress(name, rng));
        c.commitRow();
    }
    c.finish();
}

} // namespace vq::seed
