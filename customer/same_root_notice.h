#pragma once
// The notice beside a new company's number when companies are already registered under its CNPJ root
// (GetMesmaRaiz's rows): who they are, in one line the identity group can show.

#include "platform/data/packet.h"

#include <cstddef>
#include <string>

namespace vq::customer {

// How many companies the notice names; the rest are counted.
inline constexpr std::size_t kSameRootShown = 5;

// "code - name (municipality)" of the first `shown` rows, joined by "; "; a blank municipality leaves
// out its parentheses.
std::string sameRootList(const DataPacket& companies, std::size_t shown = kSameRootShown);

} // namespace vq::customer
