#pragma once
// The customer form's message catalogues as data: msgPadrao (the form's messages) and msgPadrao02 (the
// carrier search kinds). Each concern adds its keys to the table it uses.

#include "customer/customer_display_rules.h"

#include <span>
#include <string>
#include <vector>

namespace vq::customer {

std::span<const MessageText> msgPadrao();
std::span<const MessageText> msgPadrao02();
// "key|text" items of a catalogue component.
std::vector<std::string> catalogueItems(std::span<const MessageText> table);

} // namespace vq::customer
