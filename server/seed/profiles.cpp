#include "server/seed/profiles.h"

#include "platform/data/utf8_text.h"
#include "server/seed/check_digits.h"
#include "server/seed/names.h"

#include <algorithm>
#include <stdexcept>
#include <unordered_set>

namespace vq::seed {

namespace {

// CEP prefix, area code and order region of each state.
constexpr StateInfo kStates[] = {
    {"AC", "69", "68", "001"}, {"AL", "57", "82", "002"}, {"AM", "69", "92", "001"},
    {"AP", "68", "96", "001"}, {"BA", "40", "71", "002"}, {"CE", "60", "85", "002"},
    {"DF", "70", "61", "003"}, {"ES", "29", "27", "004"}, {"GO", "74", "62", "003"},
    {"MA", "65", "98", "002"}, {"MG", "30", "31", "004"}, {"MS", "79", "67", "003"},
    {"MT", "78", "65", "003"}, {"PA", "66", "91", "001"}, {"PB", "58", "83", "002"},
    {"PE", "50", "81", "002"}, {"PI", "64", "86", "002"}, {"PR", "80", "41", "005"},
    {"RJ", "20", "21", "004"}, {"RN", "59", "84", "002"}, {"RO", "76", "69", "001"},
    {"RR", "69", "95", "001"}, {"RS", "90", "51", "005"}, {"SC", "88", "48", "005"},
    {"SE", "49", "79", "002"}, {"SP", "01", "11", "004"}, {"TO", "77", "63", "001"},
};

std::string pickName(Rng& rng, std::span<const std::string_view> list) {
    return std::string(rng.pick(list));
}

char asciiOf(char32_t c) {
    static constexpr std::u32string_view kFrom = U"áàâãäéèêëíìîïóòôõöúùûüçñ";
    static constexpr std::string_view kTo = "aaaaaeeeeiiiiooooouuuucn";
    c = utf8::toLower(c);
    if ((c >= U'a' && c <= U'z') || (c >= U'0' && c <= U'9'))
        return static_cast<char>(c);
    const auto at = kFrom.find(c);
    return at == std::u32string_view::npos ? '\0' : kTo[at];
}

bool repeatedDigit(const std::string& s) {
    return std::all_of(s.begin(), s.end(), [&](char c) { return c == s[0]; });
}

} // namespace

const StateInfo& Places::state(std::string_view sigla) const {
    for (const auto& s : kStates)
        if (s.sigla == sigla)
            return s;
    throw std::logic_error("seed has no data for state " + std::string(sigla));
}

Places loadPlaces() {
    return Places{loadMunicipalities()};
}

Rng passRng(const SeedOptions& options, std::size_t customer, Pass pass) {
    Rng mix(options.rngSeed ^ (static_cast<std::uint64_t>(customer) * 0x9E3779B97F4A7C15ULL) ^
            (static_cast<std::uint64_t>(pass) << 56));
    return Rng(mix.next());
}

std::string twoDigits(int n) {
    return std::string(1, static_cast<char>('0' + n / 10 % 10)) + static_cast<char>('0' + n % 10);
}

std::string personName(Rng& rng) {
    std::string first = pickName(rng, names::givenNames());
    std::string last = pickName(rng, names::surnames());
    std::string middle = pickName(rng, names::surnames());
    while (middle == last)
        middle = pickName(rng, names::surnames());
    return first + " " + middle + " " + last;
}

std::string mailAddress(std::string_view name, Rng& rng) {
    std::string local;
    for (char32_t c : utf8::decode(name)) {
        if (c == U' ') {
            if (!local.empty() && local.back() != '.')
                local += '.';
        } else if (const char a = asciiOf(c)) {
            local += a;
        }
    }
    while (!local.empty() && local.back() == '.')
        local.pop_back();
    if (local.size() > 30)
        local.resize(30);
    return local + "@" + std::string(rng.pick(names::mailDomains()));
}

std::string phone(const StateInfo& state, Rng& rng, bool mobile) {
    const std::string number = mobile
                                   ? "9" + rng.digits(4) + "-" + rng.digits(4)
                                   : std::to_string(rng.between(2, 5)) + rng.digits(3) + "-" + rng.digits(4);
    return "(" + std::string(state.ddd) + ") " + number;
}

std::string cep(const StateInfo& state, Rng& rng) {
    return std::string(state.cepPrefix) + rng.digits(6);
}

std::string street(Rng& rng) {
    return std::string(rng.pick(names::streetKinds())) + " " + std::string(rng.pick(names::streetNames())) +
           ", " + std::to_string(rng.between(1, 2999));
}

std::string districtName(std::size_t municipality, int index) {
    const auto list = names::districts();
    return std::string(list[(municipality * 5 + static_cast<std::size_t>(index) * 7) % list.size()]);
}

std::string uniqueCpf(Rng& rng, std::vector<std::string>& used) {
    for (;;) {
        std::string base = rng.digits(9);
        if (repeatedDigit(base))
            continue;
        std::string cpf = cpfWithCheckDigits(base);
        if (std::find(used.begin(), used.end(), cpf) == used.end()) {
            used.push_back(cpf);
            return cpf;
        }
    }
}

std::vector<Profile> makeProfiles(const SeedOptions& options, const Places& places) {
    Rng rng(options.rngSeed);
    std::unordered_set<std::string> taken;
    std::vector<Profile> out;
    out.reserve(static_cast<std::size_t>(options.customers));
    for (int i = 0; i < options.customers; ++i) {
        Profile p;
        p.kind = rng.chance(60) ? 'J' : 'F';
        do {
            const std::string base = p.kind == 'J' ? rng.digits(8) + "0001" : rng.digits(9);
            p.taxId = repeatedDigit(base) ? std::string()
                      : p.kind == 'J'     ? cnpjWithCheckDigits(base)
                                          : cpfWithCheckDigits(base);
        } while (p.taxId.empty() || !taken.insert(p.taxId).second);
        p.code = std::string(1, p.kind) + p.taxId;
        if (p.kind == 'F') {
            p.name = personName(rng);
            p.fantasy = p.name.substr(0, p.name.find(' ')) + p.name.substr(p.name.rfind(' '));
        } else {
            const std::string root = pickName(rng, names::companyRoots());
            const std::string trade = pickName(rng, names::companyTrades());
            const std::string suffix = pickName(rng, names::companySuffixes());
            switch (rng.below(3)) {
            case 0:
                p.name = root + " " + trade + " " + suffix;
                break;
            case 1:
                p.name = pickName(rng, names::surnames()) + " & " + pickName(rng, names::surnames()) + " " +
                         trade + " " + suffix;
                break;
            default:
                p.name = "Grupo " + root + " " + trade + " " + suffix;
                break;
            }
            p.fantasy = root + " " + trade.substr(0, trade.find(' '));
        }
        p.municipality = rng.below(places.municipalities.size());
        out.push_back(std::move(p));
    }
    return out;
}

} // namespace vq::seed
