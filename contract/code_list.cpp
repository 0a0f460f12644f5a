#include "contract/code_list.h"

namespace vq::contract {

namespace {

std::string_view trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

} // namespace

std::vector<std::string> listCodes(std::string_view list) {
    std::vector<std::string> codes;
    std::size_t pos = 0;
    while (pos < list.size()) {
        const std::size_t open = list.find('_', pos);
        if (open == std::string_view::npos)
            break;
        const std::size_t close = list.find('_', open + 1);
        if (close == std::string_view::npos)
            break;
        const std::string_view code = trimmed(list.substr(open + 1, close - open - 1));
        if (!code.empty())
            codes.emplace_back(code);
        pos = close + 1;
    }
    return codes;
}

} // namespace vq::contract
