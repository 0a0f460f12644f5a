#pragma once
// The import form's message list, "key|text" per item.

#include <span>
#include <string_view>

namespace vq::import {

std::span<const std::string_view> importMessages();

} // namespace vq::import
