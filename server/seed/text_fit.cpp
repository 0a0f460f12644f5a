#include "server/seed/text_fit.h"

#include "platform/data/utf8_text.h"

#include <vector>

namespace vq::seed {

namespace {

struct Abbreviation {
    std::string_view word; // upper case, as it may be written (with or without accents)
    std::string_view shortForm;
};

// Tried in this order, each over the whole name, until the name fits.
constexpr Abbreviation kAbbreviations[] = {
    {"COOPERATIVA", "Coop."},
    {"COOPERATIVAS", "Coops."},
    {"CRÉDITO", "Créd."},
    {"CREDITO", "Créd."},
    {"SOCIEDADE", "Soc."},
    {"DISTRIBUIDORA", "Distr."},
    {"CORRETORA", "Corr."},
    {"TÍTULOS", "Tít."},
    {"TITULOS", "Tít."},
    {"VALORES", "Val."},
    {"MOBILIÁRIOS", "Mob."},
    {"MOBILIARIOS", "Mob."},
    {"INVESTIMENTO", "Invest."},
    {"INVESTIMENTOS", "Invest."},
    {"FINANCIAMENTO", "Financ."},
    {"INSTITUIÇÃO", "Inst."},
    {"PAGAMENTO", "Pgto."},
    {"PAGAMENTOS", "Pgtos."},
    {"CÂMBIO", "Câmb."},
    {"CAMBIO", "Câmb."},
    {"DESENVOLVIMENTO", "Desenv."},
    {"ECONÔMICO", "Econ."},
    {"ECONOMICO", "Econ."},
    {"ECONOMIA", "Econ."},
    {"NACIONAL", "Nac."},
    {"CENTRAL", "Centr."},
    {"MÚLTIPLO", "Múlt."},
    {"MULTIPLO", "Múlt."},
    {"BANCO", "Bco."},
    {"COMERCIAL", "Com."},
    {"EMPRESÁRIOS", "Empres."},
    {"EMPRESA", "Empr."},
    {"ADMINISTRADORA", "Adm."},
    {"PARTICIPAÇÕES", "Part."},
    {"FINANCEIRA", "Fin."},
    {"SERVIDORES", "Serv."},
    {"PROFISSIONAIS", "Profis."},
    {"LIVRE", "Liv."},
    {"ADMISSÃO", "Adm."},
    {"ASSOCIADOS", "Assoc."},
    {"MÚTUO", "Mút."},
    {"ILHAS", "Is."},
    {"TERRITÓRIO", "Terr."},
    {"BRITÂNICO", "Brit."},
    {"OCEANO", "Oc."},
    {"MENORES", "Men."},
    {"DISTANTES", "Dist."},
    {"SANTÍSSIMA", "Sant."},
    {"SEBASTIÃO", "Sebast."},
    {"FRANCISCO", "Fco."},
    {"ESTADO", "Est."},
};

// Connectors that should not end a name that was cut short.
constexpr std::string_view kDangling[] = {"DE", "DO", "DA", "DOS", "DAS", "E", "-", "À", "AO", "/"};

bool isBlank(char32_t c) {
    return c == U' ';
}

std::vector<std::u32string> splitWords(const std::u32string& text) {
    std::vector<std::u32string> words;
    std::u32string cur;
    for (char32_t c : text) {
        if (isBlank(c)) {
            if (!cur.empty())
                words.push_back(std::move(cur));
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.empty())
        words.push_back(std::move(cur));
    return words;
}

std::u32string join(const std::vector<std::u32string>& words) {
    std::u32string out;
    for (const auto& w : words) {
        if (!out.empty())
            out += U' ';
        out += w;
    }
    return out;
}

bool isPunct(char32_t c) {
    return c == U',' || c == U'.' || c == U';';
}

std::u32string upper(const std::u32string& s) {
    std::u32string out;
    out.reserve(s.size());
    for (char32_t c : s)
        out += utf8::toUpper(c);
    return out;
}

bool isAllUpper(const std::u32string& s) {
    for (char32_t c : s)
        if (utf8::isLetter(c) && utf8::toUpper(c) != c)
            return false;
    return true;
}

// Replaces every word equal to `abbr.word` (ignoring case and trailing punctuation).
void abbreviate(std::vector<std::u32string>& words, const Abbreviation& abbr) {
    const std::u32string target = utf8::decode(abbr.word);
    for (auto& w : words) {
        std::size_t end = w.size();
        while (end > 0 && isPunct(w[end - 1]))
            --end;
        const std::u32string core = w.substr(0, end);
        if (upper(core) != target)
            continue;
        std::u32string replacement = utf8::decode(abbr.shortForm);
        if (isAllUpper(core) && core.size() > 1)
            replacement = upper(replacement);
        std::u32string tail = w.substr(end);
        if (!replacement.empty() && replacement.back() == U'.' && !tail.empty() && tail.front() == U'.')
            tail.erase(0, 1);
        w = replacement + tail;
    }
}

bool dangling(const std::u32string& word) {
    const std::string u = utf8::encode(upper(word));
    for (auto d : kDangling)
        if (u == d)
            return true;
    return false;
}

std::u32string cutToWords(const std::vector<std::u32string>& words, std::size_t maxChars) {
    std::vector<std::u32string> kept;
    std::size_t length = 0;
    for (const auto& w : words) {
        const std::size_t next = length + (kept.empty() ? 0 : 1) + w.size();
        if (next > maxChars)
            break;
        kept.push_back(w);
        length = next;
    }
    while (kept.size() > 1 && dangling(kept.back()))
        kept.pop_back();
    if (!kept.empty()) {
        auto& last = kept.back();
        while (last.size() > 1 && (last.back() == U',' || last.back() == U'-'))
            last.pop_back();
        return join(kept);
    }
    // One word longer than the column: cut it at a character boundary.
    return words.empty() ? std::u32string() : words.front().substr(0, maxChars);
}

} // namespace

std::string fitName(std::string_view name, std::size_t maxChars) {
    std::u32string text = utf8::decode(name);
    if (text.size() <= maxChars)
        return std::string(name);
    std::vector<std::u32string> words = splitWords(text);
    for (const auto& abbr : kAbbreviations) {
        abbreviate(words, abbr);
        if (join(words).size() <= maxChars)
            return utf8::encode(join(words));
    }
    return utf8::encode(cutToWords(words, maxChars));
}

} // namespace vq::seed
