#pragma once
// What a prospect hands to the customer it becomes, field by field, for the form's copy and the server's
// conversion alike; and the shape of ConvertProspect's call.

#include <array>
#include <string_view>

namespace vq::contract::prospect {

// {customer field, prospect field}.
struct FieldPair {
    std::string_view customer;
    std::string_view prospect;
};

// Identity (cdsProspect -> cdsCliente); existing customer values are overwritten.
inline constexpr FieldPair kIdentity[] = {
    {"IDTPIJURCLIE", "IDTPIJURPROS"}, {"NRINSJURCLIE", "NRINSJURPROS"}, {"NMRAZSOCCLIE", "NMRAZSOCPROS"},
    {"NMFANTCLIE", "NMFANTPROS"},     {"NRINSESTCLIE", "NRINSESTPROS"}, {"DTCADACLPROS", "DTCADAPROS"},
    {"VRFATUCLIE", "VRFATUPROS"},     {"NRFUNCCLIE", "NRFUNCPROS"},     {"NRUNOPCLIE", "NRUNOPPROS"},
    {"CDMODODIVULG", "CDMODODIVULG"}, {"CDATIVCLI", "CDATIVCLI"},       {"CDSEGMER", "CDSEGMER"},
    {"DSHOMEPACLI", "DSHOPAPROS"},    {"IDIDIOMA", "IDIDIOMA"},
};

// Geography of an address (ENDEPROSP -> ENDECLIE), copied before the rest so that the cascade a new
// country, state or municipality runs cannot clear what follows.
inline constexpr FieldPair kAddressGeography[] = {
    {"CDPAIS", "CDPAIS"}, {"SGESTADO", "SGESTADO"}, {"CDMUNICIPIO", "CDMUNICIPIO"}};

// The rest of an address; district and telex included, which the prospect keeps too.
inline constexpr FieldPair kAddress[] = {
    {"DSEMAILCLIE", "DSEMAILPROS"},   {"DSENDECLIE", "DSENDEPROS"},     {"NMCONTCLIE", "NMCONTPROS"},
    {"NRCEPCLIE", "NRCEPPROS"},       {"NRFAXCLIE", "NRFAXPROS"},       {"NRRAMALCLIE", "NRRAMALPROS"},
    {"NRRAMALCLIE1", "NRRAMALPROS1"}, {"NRTELECLIE", "NRTELEPROS"},     {"NRTELECLIE1", "NRTELEPROS1"},
    {"NRTELRESICLI", "NRTELRESIPRO"}, {"NRCELULARCLI", "NRCELULARPRO"}, {"NMBAIRCLIE", "NMBAIRPROS"},
    {"NRTELEXCLIE", "NRTELEXPROS"},
};

// A contact person (INTEPROSP -> INTECLIE), without its code and owner.
inline constexpr FieldPair kContact[] = {
    {"NMINTECLIE", "NMINTEPROS"},
    {"DSCARGINCLIE", "DSCARGINPROS"},
    {"IDTPINTECLIE", "IDTPINTEPROS"},
    {"CDPAIS", "CDPAIS"},
    {"SGESTADO", "SGESTADO"},
    {"CDMUNICIPIO", "CDMUNICIPIO"},
    {"DTNASCINCLIE", "DTNASCINPROS"},
    {"NRTEL1INCLIE", "NRTEL1INPROS"},
    {"NRRAM1INCLIE", "NRRAM1INPROS"},
    {"NRTEL2INCLIE", "NRTEL2INPROS"},
    {"NRRAM2INCLIE", "NRRAM2INPROS"},
    {"NRFAXINCLIE", "NRFAXINPROS"},
    {"IDENDEINCLIE", "IDENDEINPROS"},
    {"DSENDEINCLIE", "DSENDEINPROS"},
    {"NMBAIRINCLIE", "NMBAIRINPROS"},
    {"NRCEPINCLIE", "NRCEPINPROS"},
    {"DSEMAILICLIE", "DSEMAILIPROS"},
    {"IDSTINTECLIE", "IDSTINTEPROS"},
    {"NRCELULINCLI", "NRCELULINPRO"},
    {"NRTELREINCLI", "NRTELREINPRO"},
    {"CDCARGOINTERLOC", "CDCARGOINTERLOC"},
};

// ConvertProspect(CDCLIENTE, CDPROSPECT, customer delta or null, address deltas or null in this order of
// kinds, move contacts, operator, now) -> [CDCLIENTE, [[CDINTEPROS, new CDINTECLIE], ...]].
inline constexpr std::string_view kConvertProspect = "ConvertProspect";
inline constexpr std::array<char, 5> kAddressKinds = {'P', 'C', 'E', 'X', 'T'};

} // namespace vq::contract::prospect
