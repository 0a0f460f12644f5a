// The CLIENTE rows of the demo data.

#include "server/seed/check_digits.h"
#include "server/seed/fixed_tables.h"
#include "server/seed/profiles.h"

#include <algorithm>

namespace vq::seed {

void writeCustomerDetails(RowSink& sink, const SeedOptions& options, const Places& places,
                          const std::vector<Profile>& profiles);                      // customer_details.cpp
void writeProspects(RowSink& sink, const SeedOptions& options, const Places& places); // sales_leads.cpp

namespace {

const std::vector<std::string> kColumns = {
    "CDCLIENTE",        "IDTPIJURINFO",     "NRINSJURINFO",     "IDTPIJURCLIE",    "NRINSJURCLIE",
    "NMRAZSOCCLIE",     "NMFANTCLIE",       "NRINSESTCLIE",     "IDPRIPUBCLIE",    "IDCLIEATIV",
    "IDCLINADIMPLENTE", "IDBLOQUEADO",      "IDCLIPRINCIPAL",   "DTCADACLIE",      "DTNASCCLIE",
    "CDOPERINCLUSAO",   "CDFILORIGCLI",     "CDCNAECLIE",       "DSHOMEPACLI",     "CDVENDEDOR",
    "CDSEGMER",         "CDATIVCLI",        "CDQUALIF",         "CDMODODIVULG",    "CDGRUPCLIE",
    "CDREGIAOPED",      "CDCENTCUSTCLI",    "IDIDIOMA",         "CDCONTCTBL",      "IDPESQTRANSP",
    "IDTPIJURTRAN",     "NRINSJURTRAN",     "CDTIPTRANS",       "IDPGFRETTRANCLI", "IDUTPERCFLUV",
    "IDTPFORPGTCL",     "CDFORMPGTO",       "NRDIAPGFIXCL",     "NRPARCPGTOCL",    "IDUTDIAPGTCL",
    "CDTPCTRECEB",      "CDTPBAIXAREC",     "CDAJUCTREC",       "IDTPDESCCLIE",    "VRPEDESCCLIE",
    "VRPEMAXDESCL",     "VRPEMULBCLI",      "VRPEMORBCLI",      "VRPEDESCBCLI",    "CDMODPGTO",
    "NRMESREAJCLIE",    "IDLIBATDCLIINAD",  "CDINDICE",         "CDTPINDICE",      "IDPERVALOR",
    "VRCAPITALCLI",     "VRLIMCREDCLI",     "DTVALLIMCLI",      "VRPATLIQCLI",     "DTVALVALCLI",
    "IDSITFINCLIE",     "IDUTCONSPEDI",     "IDPFINAPRPED",     "IDSFINAPRPED",    "IDGERANFPEDI",
    "IDGERNFCLIE",      "CDEMPRESA",        "CDINSCESTA",       "CDINSCMUNI",      "CDSERIE",
    "IDENDEMISCLI",     "IDENDCFOPCLI",     "IDENDCFOPCLIPRES", "IDENDENTOPPRES",  "IDUTGRFXVENDADIC",
    "IDGRAVOBSCLIPED",  "IDMATAPLICCLIE",   "IDINDCPRB",        "CDCSTDIG1CLI",    "IDCONTRIBICMS",
    "IDCONSFINAL",      "IDOPTANTESNCLIE",  "IDUTDESCICMS",     "IDUTLICEUSO",     "IDLIBGERPER",
    "IDLIGEXTCLIE",     "IDCONSISTEPERFOS", "NRFUNCCLIE",       "VRFATUCLIE",      "CDIDCLIENTE",
};

DateTime dateBetween(Rng& rng, int fromYear, int toYear) {
    return makeDateTime(CivilDate{rng.between(fromYear, toYear), rng.between(1, 12), rng.between(1, 28)});
}

template <class T> std::string_view pickCode(Rng& rng, const std::vector<T>& codes) {
    return codes[rng.below(codes.size())];
}

struct Codes {
    std::vector<std::string_view> salespeople = fixedColumn("VENDEDOR", "CDVENDEDOR");
    std::vector<std::string_view> segments = fixedColumn("SEGMERCADO", "CDSEGMER");
    std::vector<std::string_view> branches; // second-level branches of the activity tree
    std::vector<std::string_view> qualifications = fixedColumn("QUALIFICACAO", "CDQUALIF");
    std::vector<std::string_view> origins = fixedColumn("MODODIVULG", "CDMODODIVULG");
    std::vector<std::string_view> groups = fixedColumn("GRUPCLIE", "CDGRUPCLIE");
    std::vector<std::string_view> costCentres = fixedColumn("CENTCUST", "CDCENTCUST");
    std::vector<std::string_view> payForms = fixedColumn("FORMPGTO", "CDFORMPGTO");
    std::vector<std::string_view> payModes = fixedColumn("MODPGTO", "CDMODPGTO");
    std::vector<std::string_view> carriers = fixedColumn("TRANSPORT", "NRINSJURTRAN");
    std::vector<std::string_view> carrierKinds = fixedColumn("TRANSPORT", "CDTIPTRANS");
    std::vector<CnaeRef> cnae = loadCnae();

    Codes() {
        const auto codes = fixedColumn("ATIVCLIENTE", "CDATIVCLI");
        const auto levels = fixedColumn("ATIVCLIENTE", "CDNVATIVCLI");
        for (std::size_t i = 0; i < codes.size(); ++i)
            if (levels[i] == "2")
                branches.push_back(codes[i]);
    }
};

void writeCustomer(TableWriter& w, const Profile& p, const StateInfo& st, Rng& rng, const Codes& codes) {
    const bool company = p.kind == 'J';
    const bool inSaoPaulo = st.sigla == "SP";
    const std::string kind(1, p.kind);
    w.set("CDCLIENTE", p.code).set("IDTPIJURINFO", kind).set("NRINSJURINFO", p.taxId);
    w.set("IDTPIJURCLIE", kind).set("NRINSJURCLIE", p.taxId).set("NMRAZSOCCLIE", p.name);
    w.set("NMFANTCLIE", p.fantasy);
    if (company)
        w.set("NRINSESTCLIE",
              inSaoPaulo ? spStateRegistration(rng.digits(8), rng.digits(2)) : std::string("ISENTO"));
    const bool active = rng.chance(94);
    w.set("IDPRIPUBCLIE", company && rng.chance(5) ? "B" : "V").set("IDCLIEATIV", active ? "S" : "N");
    w.set("IDCLINADIMPLENTE", !active && rng.chance(50) ? "S" : "N")
        .set("IDBLOQUEADO", rng.chance(3) ? "S" : "N");
    w.set("IDCLIPRINCIPAL", "N").set("DTCADACLIE", dateBetween(rng, 2008, 2025));
    w.set("DTNASCCLIE", company ? dateBetween(rng, 1950, 2020) : dateBetween(rng, 1945, 2004));
    w.set("CDOPERINCLUSAO", rng.chance(70) ? "OPER01" : "OPER02")
        .set("CDFILORIGCLI", rng.chance(80) ? "0001" : "0002");
    if (company) {
        w.set("CDCNAECLIE", codes.cnae[rng.below(codes.cnae.size())].subclass);
        if (rng.chance(40))
            w.set("DSHOMEPACLI", "www." + p.fantasy.substr(0, p.fantasy.find(' ')) + ".example");
    }
    w.set("CDVENDEDOR", pickCode(rng, codes.salespeople)).set("CDSEGMER", pickCode(rng, codes.segments));
    w.set("CDATIVCLI", pickCode(rng, codes.branches)).set("CDQUALIF", pickCode(rng, codes.qualifications));
    w.set("CDMODODIVULG", pickCode(rng, codes.origins)).set("CDREGIAOPED", st.region);
    if (rng.chance(30))
        w.set("CDGRUPCLIE", pickCode(rng, codes.groups));
    w.set("CDCENTCUSTCLI", pickCode(rng, codes.costCentres)).set("IDIDIOMA", "POR");
    w.set("CDCONTCTBL", "1.1.2.01.001").set("IDPESQTRANSP", rng.chance(5) ? "L" : "P");
    if (rng.chance(35)) {
        const std::size_t c = rng.below(codes.carriers.size());
        w.set("IDTPIJURTRAN", "J").set("NRINSJURTRAN", expandCell(codes.carriers[c]));
        w.set("CDTIPTRANS", codes.carrierKinds[c]);
    }
    w.set("IDPGFRETTRANCLI", rng.chance(60) ? "0" : rng.chance(70) ? "1" : "9").set("IDUTPERCFLUV", "N");

    const auto payKind = rng.below(10);
    const std::string_view tp = payKind < 6 ? "V" : payKind < 9 ? "F" : "X";
    w.set("IDTPFORPGTCL", tp);
    if (tp != "X")
        w.set("CDFORMPGTO", pickCode(rng, codes.payForms));
    if (tp == "F")
        w.set("NRDIAPGFIXCL", static_cast<double>(rng.between(1, 28)))
            .set("NRPARCPGTOCL", rng.between(1, 6) * 1.0);
    w.set("IDUTDIAPGTCL", rng.chance(20) ? "E" : "I").set("CDTPCTRECEB", "000001").set("CDTPBAIXAREC", "01");
    w.set("IDTPDESCCLIE", rng.chance(70) ? "S" : rng.chance(50) ? "C" : "B");
    w.set("VRPEDESCCLIE", rng.between(0, 10) * 1.0).set("VRPEMAXDESCL", rng.between(0, 15) * 1.0);
    w.set("VRPEMULBCLI", 2.0).set("VRPEMORBCLI", 0.033).set("VRPEDESCBCLI", 0.0);
    w.set("CDMODPGTO", pickCode(rng, codes.payModes)).set("NRMESREAJCLIE", twoDigits(rng.between(1, 12)));
    w.set("IDLIBATDCLIINAD", "N").set("CDINDICE", "0001").set("CDTPINDICE", "1").set("IDPERVALOR", "2");
    if (company)
        w.set("VRCAPITALCLI", rng.money(100, 500000)).set("VRPATLIQCLI", rng.money(100, 900000));
    w.set("VRLIMCREDCLI", rng.money(10, company ? 20000 : 500))
        .set("DTVALLIMCLI", dateBetween(rng, 2026, 2028));
    if (company)
        w.set("DTVALVALCLI", dateBetween(rng, 2026, 2027));
    w.set("IDSITFINCLIE", rng.chance(8) ? "P" : "N").set("IDUTCONSPEDI", "S");
    w.set("IDPFINAPRPED", rng.chance(50) ? "1" : "2").set("IDSFINAPRPED", "1").set("IDGERANFPEDI", "1");
    w.set("IDGERNFCLIE", "1")
        .set("CDEMPRESA", "01")
        .set("CDINSCESTA", "SP01")
        .set("CDINSCMUNI", "SAOPAULO01");
    w.set("CDSERIE", rng.chance(80) ? "00001" : "*");
    w.set("IDENDEMISCLI", "P")
        .set("IDENDCFOPCLI", "P")
        .set("IDENDCFOPCLIPRES", "P")
        .set("IDENDENTOPPRES", "N");
    w.set("IDUTGRFXVENDADIC", "N")
        .set("IDGRAVOBSCLIPED", "N")
        .set("IDMATAPLICCLIE", "N")
        .set("IDINDCPRB", "0");
    w.set("CDCSTDIG1CLI", "0")
        .set("IDCONTRIBICMS", company ? "S" : "N")
        .set("IDCONSFINAL", company ? "N" : "S");
    w.set("IDOPTANTESNCLIE", company && rng.chance(40) ? "S" : "N").set("IDUTDESCICMS", "N");
    w.set("IDUTLICEUSO", "N").set("IDLIBGERPER", "N").set("IDLIGEXTCLIE", "N").set("IDCONSISTEPERFOS", "N");
    if (company)
        w.set("NRFUNCCLIE", std::to_string(rng.between(1, 900))).set("VRFATUCLIE", rng.money(1000, 900000));
    w.set("CDIDCLIENTE", "*");
    w.commitRow();
}

} // namespace

void generateCustomers(RowSink& sink, const SeedOptions& options) {
    const Places places = loadPlaces();
    const std::vector<Profile> profiles = makeProfiles(options, places);
    const Codes codes;
    TableWriter w(sink, "CLIENTE", kColumns);
    for (std::size_t i = 0; i < profiles.size(); ++i) {
        Rng rng = passRng(options, i, kCustomer);
        const auto& st = places.state(places.municipalities[profiles[i].municipality].uf);
        writeCustomer(w, profiles[i], st, rng, codes);
    }
    w.finish();
    writeCustomerDetails(sink, options, places, profiles);
    writeProspects(sink, options, places);
}

} // namespace vq::seed
