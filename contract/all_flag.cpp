#include "contract/all_flag.h"

namespace vq::contract {

bool isAllFlag(std::string_view flag) {
    const auto first = flag.find_first_not_of(' ');
    if (first == std::string_view::npos || flag.find_last_not_of(' ') != first)
        return false;
    return flag[first] == 'T' || flag[first] == 't';
}

} // namespace vq::contract
