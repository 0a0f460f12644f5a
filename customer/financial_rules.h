#pragma once
// Financial situation and partners: the coded guarantee and approval fields, the value check and the
// numbering of new partners.

#include "customer/coded_display_rule.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vq::customer {

// Guarantee kind (IDGARANTCLIE) and rank (IDGRAUGARANT), in the order of their combo boxes.
const CodedDisplayRule& guaranteeKindRule();
const CodedDisplayRule& guaranteeRankRule();
// The stored code of the combo item `index` ("" outside 0 to 4).
std::string codeOfItem(const CodedDisplayRule& rule, int index);

// The order-approval fields: a stored "1" to "3" decides, else the combo's chosen item 0 to 2; the answer
// is the message key of the text shown, "" for nothing. `keys` are the three keys in item order.
std::string approvalKey(std::string_view value, int comboIndex, std::span<const std::string_view, 3> keys);
inline constexpr std::string_view kPendencyKeys[] = {"Nao_VerP", "VerP_N_Liber", "VerP_S_Liber"};
inline constexpr std::string_view kSituationKeys[] = {"Nao_VerS", "VerS_N_Liber", "VerS_S_Liber"};
// The value a chosen approval item stores: "1" to "3" for items 0 to 2, "" for the empty fourth item.
std::string approvalValue(int itemIndex);
// The item an approval value selects: value n selects n - 1, anything else the empty fourth item (3).
int approvalItem(std::string_view value);

// The tolerance days are typed for the approval items 1 and 2, and only while changes are allowed (a key
// there would put a view-only record in edit).
bool approvalDaysEnabled(int itemIndex, bool changesAllowed);

// Vd_ValorMenor's test: a filled text that sorts below "0" byte-wise (a leading minus sign, for one).
bool valueBelowZero(std::string_view text);

// The sequence of a new partner: one above the highest two-digit sequence in use ("01" first); nullopt
// when "99" is taken.
std::optional<std::string> nextPartnerSequence(std::span<const std::string> used);

} // namespace vq::customer
