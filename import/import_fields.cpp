#include "import/import_fields.h"

#include <algorithm>
#include <cctype>

namespace vq::import {
namespace {

// Sorted without regard to case: the lookup is a binary search.
constexpr std::string_view kFields[] = {
    "CDATIVCLI",    "CDAVALESTA",   "CDCFOPCLIE",   "CDCLIENTE",    "CDCONTCTBL",   "CDCSTDIG1CLI",
    "CDEMPFAPLTES", "CDEMPFCAPCLI", "CDESCOLA",     "CDESCOLARIDA", "CDESTACIVIL",  "CDESTAGIAPTO",
    "CDEXCLIENTE",  "CDFIAVALESTA", "CDFILESTAPTO", "CDFILORIGCLI", "CDFORMPGTO",   "CDFUNCAPLTES",
    "CDFUNCCAPCLI", "CDGRUPOFISC",  "CDINDICE",     "CDMODDOCFISC", "CDMODODIVULG", "CDPERFCLIE",
    "CDPROFISSAO",  "CDPROSPECT",   "CDREFERENCIA", "CDSEGMER",     "CDTPCTRECEB",  "CDTPINDICE",
    "CDVENDEDOR",   "DSCFOPCLIE",   "DSHOMEPACLI",  "DSLOCTRCLIE",  "DSNATURCLIE",  "DTCADACLIE",
    "DTFCOINFCOME", "DTICOINFCOME", "DTNASCCLIE",   "DTTESTNIVCLI", "DTULTATUCLIE", "DTVALLIMCLI",
    "DTVALVALCLI",  "IDCALCDVCLIE", "IDCLIEATIV",   "IDCLIECONTRI", "IDCONTRIBCLI", "IDDOMCLIP",
    "IDENDCFOPCLI", "IDENDEMISCLI", "IDESTUDACLIE", "IDFORMPGCLIE", "IDLIBGERPER",  "IDPERVALOR",
    "IDPRIPUBCLIE", "IDQUACLIP",    "IDQUICLIP",    "IDRECINFMKT",  "IDSABCLIP",    "IDSEGCLIP",
    "IDSEXCLIP",    "IDSEXOCLIE",   "IDTERCLIP",    "IDTESTNIVCLI", "IDTIPINFCOME", "IDTIPOCLIE",
    "IDTPFORPGTCL", "IDTPIJURCLIE", "IDTRABCLIE",   "IDUTDIAPGTCL", "IDUTLICEUSO",  "IDUTSALDCLI",
    "IDUTSUBCLIEN", "IDVERSALDCLI", "IDZERSALDCON", "IDZERSALDOCO", "NMAVALCLIE",   "NMFANTCLIE",
    "NMMAECLIE",    "NMPAICLIE",    "NMRAZSOCCLIE", "NMRESPCLIE",   "NRCPFCLIE",    "NRDIAPGFIXCL",
    "NRINSESTCLIE", "NRINSJURCLIE", "NRMESVALPER",  "NRPARCPGTOCL", "NRRGCLIE",     "NRTURNO",
    "QTCNDPG1CLIE", "QTCNDPG2CLIE", "QTCNDPG3CLIE", "QTCNDPG4CLIE", "QTCNDPG5CLIE", "QTCNDPG6CLIE",
    "VRCAPITALCLI", "VRLIMCREDCLI", "VRPATLIQCLI",  "VRPEFORPRECO", "VRPEMARGLUCR", "VRPEMORBCLI",
    "VRPEMULBCLI",  "VRPERPG1CLIE", "VRPERPG2CLIE", "VRPERPG3CLIE", "VRPERPG4CLIE", "VRPERPG5CLIE",
    "VRPERPG6CLIE", "VRPESUBCLIEN", "VRTESTNIVCLI",
};

static_assert(std::size(kFields) == kImportFieldCount);

bool lessNoCase(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) < std::toupper(static_cast<unsigned char>(y));
    });
}

} // namespace

std::span<const std::string_view> arFields() {
    return kFields;
}

int findImportField(std::string_view name) {
    const auto* at = std::lower_bound(std::begin(kFields), std::end(kFields), name, lessNoCase);
    if (at == std::end(kFields) || lessNoCase(name, *at))
        return -1;
    return static_cast<int>(at - std::begin(kFields));
}

} // namespace vq::import
