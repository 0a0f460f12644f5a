#include "customer/prosp_conversion.h"

#include "contract/prosp_fields.h"
#include "customer/field_builders.h"

namespace vq::customer {

namespace {

namespace cp = contract::prospect;

constexpr FieldSpec kProspect[] = {
    str("CDPROSPECT", 21, "Código"),
    str("IDTPIJURPROS", 1),
    str("NRINSJURPROS", 20, "Código"),
    str("NMRAZSOCPROS", 50, "Razão Social"),
    str("NMFANTPROS", 50, "Nome Fantasia"),
    str("NRINSESTPROS", 20),
    str("CDATIVCLI", 10),
    str("CDSEGMER", 5),
    num("VRFATUPROS"),
    str("NRFUNCPROS", 5),
    str("NRUNOPPROS", 5),
    str("DSHOPAPROS", 50),
    date("DTCADAPROS"),
    str("IDSITUPROS", 1),
    str("CDMODODIVULG", 5),
    str("NMMODODIVULG", 30),
    str("NRINSJURINFO", 20),
    str("IDTPIJURINFO", 1),
    str("IDIDIOMA", 3, "Idioma"),
};

constexpr FieldSpec kEndeProsp[] = {
    str("CDPROSPECT", 21), str("IDTPENDEPROS", 1), str("CDPAIS", 4),        str("SGESTADO", 2),
    str("CDMUNICIPIO", 4), str("DSENDEPROS", 50),  str("NMBAIRPROS", 30),   str("NRCEPPROS", 15),
    str("NRTELEPROS", 25), str("NRRAMALPROS", 4),  str("NRTELEXPROS", 25),  str("NRFAXPROS", 25),
    str("NMCONTPROS", 30), str("DSEMAILPROS", 50), str("NRTELEPROS1", 25),  str("NRRAMALPROS1", 4),
    str("NMPAIS", 50),     str("NMMUNICIPIO", 50), str("NRTELRESIPRO", 25), str("NRCELULARPRO", 25),
};

constexpr FieldSpec kInsEndClie[] = {
    str("CDCLIENTE", 21),    str("CDPAIS", 4),       str("SGESTADO", 2),     str("CDMUNICIPIO", 4),
    str("DSENDECLIE", 50),   str("NMBAIRCLIE", 60),  str("NRCEPCLIE", 15),   str("NRTELECLIE", 25),
    str("NRRAMALCLIE", 4),   str("NRTELEXCLIE", 25), str("NRFAXCLIE", 25),   str("NMCONTCLIE", 30),
    str("IDTPENDECLIE", 1),  str("DSEMAILCLIE", 50), str("NRTELECLIE1", 25), str("NRRAMALCLIE1", 4),
    str("CDBAIRRO", 10),     str("NMPAIS", 50),      str("NMMUNICIPIO", 50), str("NRCELULARCLI", 25),
    str("NRTELRESICLI", 25),
};

constexpr FieldSpec kInterProsp[] = {
    str("CDPROSPECT", 21),     str("CDINTEPROS", 2),       str("CDPAIS", 4),        str("SGESTADO", 2),
    str("CDMUNICIPIO", 4),     str("IDTPINTEPROS", 1),     str("NMINTEPROS", 50),   str("DSCARGINPROS", 30),
    date("DTNASCINPROS"),      str("NRTEL1INPROS", 25),    str("NRRAM1INPROS", 4),  str("NRTEL2INPROS", 25),
    str("NRRAM2INPROS", 4),    str("NRFAXINPROS", 25),     str("IDENDEINPROS", 1),  str("DSENDEINPROS", 50),
    str("NMBAIRINPROS", 30),   str("NRCEPINPROS", 15),     str("DSEMAILIPROS", 50), str("IDSTINTEPROS", 1),
    str("NRCELULINPRO", 25),   str("NRTELREINPRO", 25),    str("NMPAIS", 50),       str("NMMUNICIPIO", 50),
    str("CDCARGOINTERLOC", 5), str("NMCARGOINTERLOC", 50),
};

constexpr FieldSpec kCorrProsp[] = {str("CDPROSPECT", 21), str("CDINTEPROS", 2), str("CDTIPOCORR", 3)};
constexpr FieldSpec kContPros[] = {str("CDFILIAL", 4), str("NRCONTATO", 10), str("CDCLIENTE", 21),
                                   str("CDPROSPECT", 21), str("IDTPCONTATO", 1)};
constexpr FieldSpec kEvolPros[] = {str("CDFILIAL", 4),    str("NRCONTATO", 10), date("DTHREVOLCONT"),
                                   str("CDPROSPECT", 21), str("CDCLIENTE", 21), str("CDINTECLIE", 2),
                                   str("CDINTEPROS", 2)};
constexpr FieldSpec kObsPros[] = {str("CDPROSPECT", 21), memo("DSOBSERVPROS")};

struct DataSetFields {
    std::string_view name;
    std::span<const FieldSpec> fields;
};
constexpr DataSetFields kDataSets[] = {
    {"cdsProspect", kProspect},     {"cdsEndeProsp", kEndeProsp}, {"cdsInsEndClie", kInsEndClie},
    {"cdsInterProsp", kInterProsp}, {"cdsCorrProsp", kCorrProsp}, {"cdsContPros", kContPros},
    {"cdsEvolPros", kEvolPros},     {"cdsObsPros", kObsPros},
};
constexpr std::string_view kNames[] = {"cdsProspect",  "cdsEndeProsp", "cdsInsEndClie", "cdsInterProsp",
                                       "cdsCorrProsp", "cdsContPros",  "cdsEvolPros",   "cdsObsPros"};

void copyPairs(const ClientDataSet& from, ClientDataSet& to, std::span<const cp::FieldPair> pairs) {
    for (const cp::FieldPair& p : pairs) {
        const Field* source = from.FindField(p.prospect);
        Field* target = to.FindField(p.customer);
        if (source && target)
            target->SetValue(source->Value());
    }
}

Variant pending(const ClientDataSet* ds) {
    return ds && ds->Active() && ds->ChangeCount() > 0 ? ds->Delta() : Variant();
}

} // namespace

std::span<const FieldSpec> prospectDataSetFields(std::string_view dataSet) {
    for (const DataSetFields& d : kDataSets)
        if (d.name == dataSet)
            return d.fields;
    return {};
}

std::span<const std::string_view> prospectDataSetNames() {
    return kNames;
}

void copyProspectIdentity(const ClientDataSet& prospect, ClientDataSet& customer) {
    copyPairs(prospect, customer, cp::kIdentity);
}

void copyProspectAddress(const ClientDataSet& prospectAddress, ClientDataSet& address) {
    if (Field* kind = address.FindField("IDTPENDECLIE"))
        kind->SetValue(prospectAddress.FieldByName("IDTPENDEPROS").Value());
    copyPairs(prospectAddress, address, cp::kAddressGeography);
    copyPairs(prospectAddress, address, cp::kAddress);
}

bool locateProspectAddress(ClientDataSet& prospectAddresses, std::string_view kind) {
    if (!prospectAddresses.Active())
        return false;
    for (prospectAddresses.First(); !prospectAddresses.Eof(); prospectAddresses.Next())
        if (prospectAddresses.FieldByName("IDTPENDEPROS").AsString() == kind)
            return true;
    return false;
}

VariantArray convertProspectArguments(const std::string& customerCode, const ProspectChoice& choice,
                                      const ClientDataSet& customer,
                                      const std::array<const ClientDataSet*, 5>& addresses,
                                      const std::string& operatorCode, DateTime now) {
    VariantArray deltas;
    for (const ClientDataSet* ds : addresses)
        deltas.push_back(pending(ds));
    return {
        Variant(customerCode),        Variant(choice.code),  pending(&customer), Variant(std::move(deltas)),
        Variant(choice.moveContacts), Variant(operatorCode), Variant(now)};
}

std::optional<ConversionResult> readConversionAnswer(const Variant& answer) {
    if (!answer.is(VariantKind::Array) || answer.asArray().size() != 2 ||
        !answer.asArray()[1].is(VariantKind::Array))
        return std::nullopt;
    ConversionResult out{answer.asArray()[0].toString(), {}};
    for (const Variant& pair : answer.asArray()[1].asArray()) {
        if (!pair.is(VariantKind::Array) || pair.asArray().size() != 2)
            return std::nullopt;
        out.contacts.emplace_back(pair.asArray()[0].toString(), pair.asArray()[1].toString());
    }
    return out;
}

} // namespace vq::customer
