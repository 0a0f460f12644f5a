#include "server/core/all_flag.h"

namespace vq::server {

bool isAllFlag(std::string_view flag) {
    const auto b = flag.find_first_not_of(' ');
    const auto e = flag.find_last_not_of(' ');
    return b != std::string_view::npos && e == b && (flag[b] == 'T' || flag[b] == 't');
}

} // namespace vq::server
