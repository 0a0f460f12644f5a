#pragma once
// The steps that turn a prospect into a customer. Each runs inside the caller's open transaction: the
// prospect conversion runs them all in one (ConvertProspect), the remote method of each step in one of
// its own. Every failure throws vq::Error with a message naming the prospect or contact.

#include "platform/data/packet.h"
#include "platform/db/connection.h"
#include "server/core/audit_trail.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vq::server::prospect {

// A moved contact: its prospect code and the code it received under the customer.
using MovedContact = std::pair<std::string, std::string>;

// Locks the prospect's row for the rest of the transaction (FOR UPDATE on PostgreSQL; SQLite's write
// transaction already excludes other writers). Throws when the prospect no longer exists.
void lockProspect(db::Connection& conn, const std::string& prospect);

// The customer's record as the form sends it (dspCliente) and one address (the provider of its kind).
std::size_t saveCustomer(db::Connection& conn, const Delta& delta, AuditTrail* trail = nullptr);
std::size_t saveAddress(db::Connection& conn, const Delta& delta, AuditTrail* trail = nullptr);
// Throws when the customer is not registered.
void requireCustomer(db::Connection& conn, const std::string& customer);

// 1. Addresses of kinds other than "P" the customer lacks are copied; then the prospect's addresses go.
void moveAddresses(db::Connection& conn, const std::string& customer, const std::string& prospect);
std::int64_t deleteProspectAddresses(db::Connection& conn, const std::string& prospect);

// The first contact code from the prospect contact's own that the customer does not use, two digits.
std::string freeContactCode(db::Connection& conn, const std::string& customer, const std::string& contact);
// 2. Every contact of the prospect, with its correspondence and mailing entries, then the commercial
// contacts and their history. Returns the codes given, in the prospect's order.
std::vector<MovedContact> moveContacts(db::Connection& conn, const std::string& customer,
                                       const std::string& prospect);
// Mailing entries of one prospect contact go to the customer's contact (SetUpMalaProsp).
std::int64_t moveMailing(db::Connection& conn, const std::string& contact, const std::string& prospect,
                         const std::string& customer, const std::string& newContact);
// Commercial contacts become the customer's; a history row takes the new code of the contact it names,
// else the first moved one's.
void moveCommercialContacts(db::Connection& conn, const std::string& customer, const std::string& prospect,
                            const std::vector<MovedContact>& moved);
// 3. The prospect's contacts and their correspondence.
std::int64_t deleteProspectContacts(db::Connection& conn, const std::string& prospect);
// 4. The prospect's observation, when the customer has none. True when one was written.
bool moveObservation(db::Connection& conn, const std::string& customer, const std::string& prospect,
                     const std::string& operatorCode, DateTime now);
// 5. Actions.
std::int64_t moveActions(db::Connection& conn, const std::string& customer, const std::string& prospect);
// 6. The rows of a packet read by GetTarefa, GetContato, GetMovocorr, GetAuditoria or GetPropostafas
// (`provider` names it) given to the customer, their prospect emptied.
std::int64_t repointRows(db::Connection& conn, std::string_view provider, const DataPacket& rows,
                         const std::string& customer);
// 7. SetDelEstinteresse ... SetDelProspect: one of the prospect's own lists, or the prospect itself.
std::int64_t deleteProspectPart(db::Connection& conn, std::string_view method, const std::string& prospect);
// The methods of step 7 in their order, and the packet providers of step 6.
std::vector<std::string_view> deletionMethods();
std::vector<std::string_view> repointedProviders();

} // namespace vq::server::prospect
