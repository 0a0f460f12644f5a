// Demo rows about how customers pay and are served: observations, payment terms, preferred banks,
// price tables, partners, invoice texts, additional salespeople, carrier lists and branch e-mails.

#include "server/seed/check_digits.h"
#include "server/seed/fixed_tables.h"
#include "server/seed/names.h"
#include "server/seed/profiles.h"

namespace vq::seed {

namespace {

using Profiles = std::vector<Profile>;

constexpr std::string_view kNoteTexts[] = {
    "Cliente solicita envio do boleto por e-mail.",
    "Entregas somente em horário comercial, das 8h às 17h.",
    "Exige agendamento prévio para descarga.",
    "Renegociou prazo de pagamento em reunião com o financeiro.",
    "Preferência por contato via telefone celular.",
};

// Percentages of the instalments of 1 to 4 payment terms.
constexpr double kSplits[4][4] = {{100, 0, 0, 0}, {50, 50, 0, 0}, {40, 30, 30, 0}, {25, 25, 25, 25}};

void writeNotesAndTerms(RowSink& sink, const SeedOptions& o, const Profiles& profiles) {
    TableWriter notes(sink, "OBSERVCLIE", {"CDCLIENTE", "DTHROBSCLIE", "CDOPERADOR", "DSOBSERVCLIE"});
    for (std::size_t i = 0; i < profiles.size(); ++i) {
        Rng rng = passRng(o, i, kNotes);
        if (!rng.chance(20))
            continue;
        const int count = rng.between(1, 2);
        for (int n = 0; n < count; ++n)
            notes.set("CDCLIENTE", profiles[i].code)
                .set("DTHROBSCLIE", makeDateTime(CivilDate{2024 + n, rng.between(1, 12), rng.between(1, 28)},
                                                 CivilTime{rng.between(8, 18), rng.between(0, 59), 0, 0}))
                .set("CDOPERADOR", rng.chance(70) ? "OPER01" : "OPER03")
                .set("DSOBSERVCLIE", rng.pick(std::span<const std::string_view>(kNoteTexts)))
                .commitRow();
    }
    notes.finish();

    TableWriter terms(sink, "PRAZOPGTCLIE", {"CDCLIENTE", "NRDIASPGTOCL", "VRPERCPGTOCL"});
    for (std::size_t i = 0; i < profiles.size(); ++i) {
        Rng rng = passRng(o, i, kTerms);
        if (!rng.chance(50))
            continue;
        const int count = rng.between(1, 4);
        for (int t = 0; t < count; ++t)
            terms.set("CDCLIENTE", profiles[i].code)
                .set("NRDIASPGTOCL", 30.0 * (t + 1))
                .set("VRPERCPGTOCL", kSplits[count - 1][t])
                .commitRow();
    }
    terms.finish();
}

void writeBanksAndPrices(RowSink& sink, const SeedOptions& o, const Profiles& profiles) {
    const auto reduced = fixedColumn("CONTCORR", "CDREDUCONT");
    const auto banks = fixedColumn("CONTCORR", "CDBANCO");
    const auto agencies = fixedColumn("CONTCORR", "CDAGENCIA");
    const auto instBanks = fixedColumn("INSTCOBR", "CDBANCO");
    const auto instCodes = fixedColumn("INSTCOBR", "CDINSTCOBR");
    TableWriter w(sink, "BANCOPREF",
                  {"CDCLIENTE", "CDBANCO", "CDREDUCONT", "CDAGENCIA", "CDCONTCORR", "IDPRIORBPREF",
                   "CDINS1COBRCL", "CDINS2COBRCL"});
    for (std::size_t i = 0; i < profiles.size(); ++i) {
        Rng rng = passRng(o, i, kBanks);
        if (!rng.chance(30))
            continue;
        const std::size_t first = rng.below(reduced.size());
        const int count = rng.between(1, 2);
        for (int b = 0; b < count; ++b) {
            const std::size_t a = (first + static_cast<std::size_t>(b)) % reduced.size();
            w.set("CDCLIENTE", profiles[i].code).set("CDBANCO", banks[a]).set("CDREDUCONT", reduced[a]);
            w.set("CDAGENCIA", agencies[a])
                .set("CDCONTCORR", rng.digits(6))
                .set("IDPRIORBPREF", b == 0 ? "S" : "N"); // at most one priority row
            for (std::size_t k = 0; k < instBanks.size(); ++k)
                if (instBanks[k] == banks[a]) {
                    w.set("CDINS1COBRCL", instCodes[k]);
                    break;
                }
            w.commitRow();
        }
    }
    w.finish();

    const auto tables = fixedColumn("PRECOBASE", "CDPRECOBASE");
    TableWriter p(sink, "PRECOBASECLI", {"CDCLIENTE", "CDPRECOBASE", "IDPRBASEPRIN"});
    for (std::size_t i = 0; i < profiles.size(); ++i) {
        Rng rng = passRng(o, i, kPrices);
        if (!rng.chance(40))
            continue;
        const std::size_t first = rng.below(tables.size());
        for (int t = 0, n = rng.between(1, 2); t < n; ++t)
            p.set("CDCLIENTE", profiles[i].code)
                .set("CDPRECOBASE", tables[(first + static_cast<std::size_t>(t)) % tables.size()])
                .set("IDPRBASEPRIN", t == 0 ? "S" : "N")
                .commitRow();
    }
    p.finish();
}

void writePartnersAndTexts(RowSink& sink, const SeedOptions& o, const Profiles& profiles) {
    TableWriter w(sink, "SOCIOCLIE",
                  {"CDCLIENTE", "NRSEQSOCCLIE", "NRINSSOCCLIE", "IDTPINSSOCCL", "NMSOCIOCLIE"});
    for (std::size_t i = 0; i < profiles.size(); ++i) {
        Rng rng = passRng(o, i, kPartners);
        if (profiles[i].kind != 'J' || !rng.chance(30))
            continue;
        std::vector<std::string> used;
        for (int s = 1, n = rng.between(1, 3); s <= n; ++s)
            w.set("CDCLIENTE", profiles[i].code)
                .set("NRSEQSOCCLIE", twoDigits(s))
                .set("NRINSSOCCLIE", uniqueCpf(rng, used))
                .set("IDTPINSSOCCL", "F")
                .set("NMSOCIOCLIE", personName(rng))
                .commitRow();
    }
    w.finish();

    TableWriter m(sink, "MENSCLIENTE",
                  {"CDCLIENTE", "NRMENSCLIENTE", "CDMENSAGEM", "IDENTRSAIDMENS", "DSMENSCLIENTE"});
    for (std::size_t i = 0; i < profiles.size(); ++i) {
        Rng rng = passRng(o, i, kMessages);
        if (!rng.chance(10))
            continue;
        m.set("CDCLIENTE", profiles[i].code)
            .set("NRMENSCLIENTE", "00001")
            .set("CDMENSAGEM", "004")
            .set("IDENTRSAIDMENS", "S")
            .set("DSMENSCLIENTE", "Informar o número do pedido de compra na nota fiscal.")
            .commitRow();
    }
    m.finish();
}

void writeServiceLists(RowSink& sink, const SeedOptions& o, const Profiles& profiles) {
    const auto salespeople = fixedColumn("VENDEDOR", "CDVENDEDOR");
    TableWriter v(sink, "VENDADICCLIE", {"CDCLIENTE", "CDVENDEDOR", "VRPECOMVEN"});
    for (std::size_t i = 0; i < profiles.size(); ++i) {
        Rng rng = passRng(o, i, kSalespeople);
        if (!rng.chance(10))
            continue;
        const std::size_t first = rng.below(salespeople.size());
        for (int s = 0, n = rng.between(1, 2); s < n; ++s)
            v.set("CDCLIENTE", profiles[i].code)
                .set("CDVENDEDOR", salespeople[(first + static_cast<std::size_t>(s)) % salespeople.size()])
                .set("VRPECOMVEN", rng.between(1, 5) * 0.5)
                .commitRow();
    }
    v.finish();

    const auto carriers = fixedColumn("TRANSPORT", "NRINSJURTRAN");
    TableWriter t(sink, "TRANSCLIEPED", {"CDCLIENTE", "NRINSJURTRAN", "IDTPIJURTRAN"});
    for (std::size_t i = 0; i < profiles.size(); ++i) {
        Rng rng = passRng(o, i, kCarriers);
        if (!rng.chance(5))
            continue;
        const std::size_t first = rng.below(carriers.size());
        for (int c = 0, n = rng.between(1, 2); c < n; ++c)
            t.set("CDCLIENTE", profiles[i].code)
                .set("NRINSJURTRAN",
                     expandCell(carriers[(first + static_cast<std::size_t>(c)) % carriers.size()]))
                .set("IDTPIJURTRAN", "J")
                .commitRow();
    }
    t.finish();

    TableWriter e(sink, "EMAILCLIFIL", {"CDCLIENTE", "CDFILIAL", "DSEMAILDANFEBOL"});
    for (std::size_t i = 0; i < profiles.size(); ++i) {
        Rng rng = passRng(o, i, kMails);
        if (!rng.chance(10))
            continue;
        e.set("CDCLIENTE", profiles[i].code)
            .set("CDFILIAL", "0001")
            .set("DSEMAILDANFEBOL", mailAddress("financeiro " + profiles[i].fantasy, rng))
            .commitRow();
    }
    e.finish();
}

} // namespace

void writeMoneyDetails(RowSink& sink, const SeedOptions& o, const Profiles& profiles) {
    writeNotesAndTerms(sink, o, profiles);
    writeBanksAndPrices(sink, o, profiles);
    writePartnersAndTexts(sink, o, profiles);
    writeServiceLists(sink, o, profiles);
}

} // namespace vq::seed
