#include "server/seed/reference_data.h"

#include <algorithm>
#include <stdexcept>

namespace vq::seed {

std::string countryCode(std::string_view iso2, std::string_view isoNumeric) {
    if (iso2 == "BR")
        return std::string(kBrazil);
    return "0" + std::string(isoNumeric);
}

std::vector<std::vector<std::string>> parseTsv(std::string_view text) {
    std::vector<std::vector<std::string>> rows;
    std::size_t columns = 0;
    bool header = true;
    while (!text.empty()) {
        const auto eol = text.find('\n');
        std::string_view line = text.substr(0, eol);
        text = eol == std::string_view::npos ? std::string_view() : text.substr(eol + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty())
            continue;
        std::vector<std::string> cells;
        std::size_t start = 0;
        for (;;) {
            const auto tab = line.find('\t', start);
            cells.emplace_back(line.substr(start, tab - start));
            if (tab == std::string_view::npos)
                break;
            start = tab + 1;
        }
        if (header) {
            columns = cells.size();
            header = false;
            continue;
        }
        if (cells.size() != columns)
            throw std::runtime_error("reference table row with " + std::to_string(cells.size()) +
                                     " columns, expected " + std::to_string(columns));
        rows.push_back(std::move(cells));
    }
    return rows;
}

std::vector<StateRef> loadStates() {
    std::vector<StateRef> out;
    for (auto& r : parseTsv(embedded::estados))
        out.push_back({r[0], r[1], r[2], r[3]});
    return out;
}

std::vector<MunicipalityRef> loadMunicipalities() {
    std::vector<MunicipalityRef> out;
    for (auto& r : parseTsv(embedded::municipios))
        out.push_back({r[0], r[1], r[2], r[3]});
    return out;
}

std::vector<BankRef> loadBanks() {
    std::vector<BankRef> out;
    for (auto& r : parseTsv(embedded::bancos))
        out.push_back({r[0], r[1]});
    return out;
}

std::vector<CnaeRef> loadCnae() {
    std::vector<CnaeRef> out;
    for (auto& r : parseTsv(embedded::cnae))
        out.push_back({r[0], r[1], r[2]});
    return out;
}

std::vector<CountryRef> loadCountries() {
    std::vector<CountryRef> out;
    for (auto& r : parseTsv(embedded::paises))
        out.push_back({countryCode(r[0], r[2]), r[0], r[3]});
    std::sort(out.begin(), out.end(), [](const auto& a, const auto& b) { return a.code < b.code; });
    return out;
}

} // namespace vq::seed
