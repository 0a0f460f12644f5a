#include "customer/address_rules.h"

#include "platform/data/error.h"
#include "platform/data/utf8.h"

#include <string>
#include <vector>

namespace vq::customer {

namespace {

// Bell, backspace, return and escape; Tab and Delete never reach the filters as characters in the
// classic platform, so they keep moving the focus and deleting here too.
bool controlKey(char16_t key) {
    return key == 7 || key == 8 || key == 13 || key == 27 || key == 9 || key == 127;
}

bool digit(char16_t key) {
    return key >= u'0' && key <= u'9';
}

constexpr std::string_view kCopied[] = {
    "DSENDECLIE",   "DSCOMPENDCLI", "CDPAIS",       "NMPAIS",       "SGESTADO",
    "CDMUNICIPIO",  "NMMUNICIPIO",  "NRCEPCLIE",    "NRTELECLIE",   "NRTELECLIE1",
    "NRRAMALCLIE",  "NRRAMALCLIE1", "NRFAXCLIE",    "NMCONTCLIE",   "DSEMAILCLIE",
    "DSEMAILCLIE2", "NRCELULARCLI", "NRTELRESICLI", "DSPTOREFECLI", "NMBAIRCLIE",
};

constexpr FieldPair kContact[] = {
    {"DSENDEINCLIE", "DSENDECLIE"}, {"NMBAIRINCLIE", "NMBAIRCLIE"}, {"CDPAIS", "CDPAIS"},
    {"NMPAIS", "NMPAIS"},           {"SGESTADO", "SGESTADO"},       {"CDMUNICIPIO", "CDMUNICIPIO"},
    {"NMMUNICIPIO", "NMMUNICIPIO"}, {"NRCEPINCLIE", "NRCEPCLIE"},   {"DSEMAILICLIE", "DSEMAILCLIE"},
};

// The one message per target field the user can act on; others name the field.
std::string tooLong(const Field& target) {
    if (target.FieldName() == "NMBAIRINCLIE")
        return "Bairro com mais de 30 caracteres não cabe no endereço do interlocutor.";
    return target.DisplayLabel() + " com mais de " + std::to_string(target.Size()) +
           " caracteres não cabe no destino da cópia.";
}

} // namespace

bool phoneKeyAccepted(char16_t key) {
    return controlKey(key) || digit(key) || key == u' ' || key == u'(' || key == u')' || key == u'-';
}

bool extensionKeyAccepted(char16_t key) {
    return controlKey(key) || digit(key);
}

std::span<const std::string_view> copiedAddressFields() {
    return kCopied;
}

std::span<const FieldPair> contactAddressFields() {
    return kContact;
}

void checkCopyFits(const ClientDataSet& source, const ClientDataSet& target,
                   std::span<const FieldPair> pairs) {
    for (const FieldPair& p : pairs) {
        const Variant v = source.FieldByName(p.source).Value();
        const Field& to = target.FieldByName(p.target);
        if (to.DataType() == FieldType::String && v.is(VariantKind::String) &&
            static_cast<int>(utf8Length(v.asString())) > to.Size())
            throw Error(tooLong(to));
    }
}

void copyFields(const ClientDataSet& source, ClientDataSet& target, std::span<const FieldPair> pairs) {
    checkCopyFits(source, target, pairs);
    for (const FieldPair& p : pairs)
        target.FieldByName(p.target).SetValue(source.FieldByName(p.source).Value());
}

std::vector<FieldPair> sameFields(std::span<const std::string_view> names) {
    std::vector<FieldPair> pairs;
    pairs.reserve(names.size());
    for (std::string_view n : names)
        pairs.push_back({n, n});
    return pairs;
}

} // namespace vq::customer
