#pragma once
// Word lists the demo data are built from: Portuguese given names, surnames, company words, streets.

#include <span>
#include <string_view>

namespace vq::seed::names {

std::span<const std::string_view> givenNames();
std::span<const std::string_view> surnames();
std::span<const std::string_view> companyRoots();    // "Horizonte", "Aliança", ...
std::span<const std::string_view> companyTrades();   // "Comércio de Alimentos", "Transportes", ...
std::span<const std::string_view> companySuffixes(); // "Ltda", "S.A.", "ME", "EIRELI"
std::span<const std::string_view> streetKinds();     // "Rua", "Avenida", ...
std::span<const std::string_view> streetNames();
std::span<const std::string_view> districts();
std::span<const std::string_view> jobTitles();
std::span<const std::string_view> mailDomains();

} // namespace vq::seed::names
