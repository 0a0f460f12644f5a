#pragma once
// Qt-free rules of the customer's addresses: the key filters of the telephone and extension edits, and
// what copying the normal address writes into another address or into a contact.

#include "platform/data/client_data_set.h"

#include <span>
#include <string_view>
#include <vector>

namespace vq::customer {

// Telephone, mobile, residential and fax edits: control codes, space, "(", ")", "-" and digits.
bool phoneKeyAccepted(char16_t key);
// Extension edits: control codes and digits.
bool extensionKeyAccepted(char16_t key);

// The twenty fields CopiaEndereco copies from the normal address into another address.
std::span<const std::string_view> copiedAddressFields();

struct FieldPair {
    std::string_view target, source;
};
// What a contact receives from the normal address (contact field := address field).
std::span<const FieldPair> contactAddressFields();

// Refuses (vq::Error) a copy with a value that does not fit its target field; check before touching the
// target, so that a refused copy changes nothing.
void checkCopyFits(const ClientDataSet& source, const ClientDataSet& target,
                   std::span<const FieldPair> pairs);
// Copies the values into `target` (already in edit or insert), all or nothing as above.
void copyFields(const ClientDataSet& source, ClientDataSet& target, std::span<const FieldPair> pairs);
// The same fields on both sides.
std::vector<FieldPair> sameFields(std::span<const std::string_view> names);

} // namespace vq::customer
