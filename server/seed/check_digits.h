#pragma once
// Check digits for generated tax numbers. The server may not link the host framework's validation
// helpers (layering), so the seed computes its own; the tests cross-check them against those helpers.

#include <string>
#include <string_view>

namespace vq::seed {

// `base` holds the first 9 (CPF) or 12 (CNPJ) digits; returns the full number, digits only.
std::string cpfWithCheckDigits(std::string_view base);
std::string cnpjWithCheckDigits(std::string_view base);

// São Paulo state registration (12 digits) from its first 8 digits and the 2-digit tail (positions 10-11).
std::string spStateRegistration(std::string_view base8, std::string_view tail2);

} // namespace vq::seed
