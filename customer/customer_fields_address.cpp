// The address record (ENDECLIE rows) shared by the normal, billing, exterior, export and delivery address
// datasets. One definition; what differs between the kinds (edit masks, the electronic-document e-mail
// fields of the normal address) is data in the same table.

#include "customer/customer_field_tables.h"
#include "customer/field_builders.h"

#include <array>
#include <vector>

namespace vq::customer {

namespace {

struct AddressFieldDef {
    FieldSpec field;
    std::array<std::string_view, kAddressKindCount> masks; // normal, billing, exterior, export, delivery
    bool normalOnly = false;                               // e-mail settings of electronic documents
};

constexpr std::string_view kNone;
constexpr std::string_view kDigits4 = "9999;0; ";
constexpr std::string_view kState = ">ll;0; ";
constexpr std::string_view kCep = "99.999-999;0;_";
constexpr std::array<std::string_view, kAddressKindCount> kNoMask{};

// clang-format off
constexpr AddressFieldDef kAddressFields[] = {
    {str("CDCLIENTE", 21), kNoMask},
    {str("CDPAIS", 4, "País"), {kDigits4, kDigits4, kDigits4, kDigits4, kDigits4}},
    {str("SGESTADO", 2, "Estado"), {kNone, kState, kState, kState, kState}},
    {str("CDMUNICIPIO", 4, "Município"), {kNone, kDigits4, kDigits4, kDigits4, kDigits4}},
    {str("DSENDECLIE", 50, "Endereço"), kNoMask},
    {str("NMBAIRCLIE", 60, "Bairro"), kNoMask},
    {str("NRCEPCLIE", 15, "CEP"), {kCep, kCep, kNone, kCep, kCep}},
    {str("NRTELECLIE", 25, "Tel/Ramal(1)"), kNoMask},
    {str("NRRAMALCLIE", 4, "Tel/Ramal(1)"), {kNone, kDigits4, kDigits4, kDigits4, kDigits4}},
    {str("NRTELEXCLIE", 25), kNoMask},
    {str("NRFAXCLIE", 25, "Fax"), kNoMask},
    {str("NMCONTCLIE", 30, "Contato"), kNoMask},
    {str("IDTPENDECLIE", 1), kNoMask},
    {str("DSEMAILCLIE", 50, "E-Mail"), kNoMask},
    {str("NRTELECLIE1", 25, "Tel/Ramal(2)"), kNoMask},
    {str("NRRAMALCLIE1", 4, "Tel/Ramal(2)"), kNoMask},
    {str("DSEMAILCLIE2", 50, "E-Mail 2"), kNoMask},
    {str("NMPAIS", 30, "País"), kNoMask},
    {str("NMMUNICIPIO", 30, "Município"), kNoMask},
    {str("NRCELULARCLI", 25, "Celular"), kNoMask},
    {str("NRTELRESICLI", 25, "Residencial"), kNoMask},
    {str("DSPTOREFECLI", 2000, "Ponto de referência"), kNoMask},
    {str("DSCOMPENDCLI", 200, "Complemento"), kNoMask},
    {str("IDCOMPARQXMLCLI", 1, "Compactar Arquivo ao Enviar E-Mail do DF-e"), kNoMask, true},
    {str("DSEMAILCLIENFE", 120, "E-Mail XML NF-e"), kNoMask, true},
    {str("DSEMAILCLIECOP", 400, "Cópia p/ E-Mail"), kNoMask, true},
    {str("DSEMAILCLIECTE", 60, "E-Mail XML CT-e"), kNoMask, true},
    {str("DSEMAILCLIEMDFE", 60, "E-Mail XML MDF-e"), kNoMask, true},
};
// clang-format on

constexpr std::string_view kKindCodes[kAddressKindCount] = {"P", "C", "E", "X", "T"};

std::vector<FieldSpec> buildAddressFields(AddressKind kind) {
    const auto k = static_cast<std::size_t>(kind);
    std::vector<FieldSpec> fields;
    for (const AddressFieldDef& def : kAddressFields) {
        if (def.normalOnly && kind != AddressKind::Normal)
            continue;
        FieldSpec spec = def.field;
        spec.editMask = def.masks[k];
        fields.push_back(spec);
    }
    return fields;
}

} // namespace

std::string_view addressKindCode(AddressKind kind) {
    return kKindCodes[static_cast<std::size_t>(kind)];
}

std::span<const FieldSpec> addressFields(AddressKind kind) {
    // Built once; the specs point at the static strings of the table above.
    static const std::array<std::vector<FieldSpec>, kAddressKindCount> tables{
        buildAddressFields(AddressKind::Normal), buildAddressFields(AddressKind::Billing),
        buildAddressFields(AddressKind::Exterior), buildAddressFields(AddressKind::Export),
        buildAddressFields(AddressKind::Delivery)};
    return tables[static_cast<std::size_t>(kind)];
}

} // namespace vq::customer
