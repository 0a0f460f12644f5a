#include "customer/customer_messages.h"

namespace vq::customer {
namespace {

constexpr MessageText kMsgPadrao[] = {
    // Tabs and record change.
    {"HINT_EXCLUIR_ENDE", "Excluir %s"},
    {"HINT_EXCLUIR_ENDE_PADR", "Excluir Endereço"},
};

constexpr MessageText kMsgPadrao02[] = {
    {"TP_PADRAO", "Padrão"},
    {"TP_LISTA", "Lista"},
};

} // namespace

std::span<const MessageText> msgPadrao() {
    return kMsgPadrao;
}

std::span<const MessageText> msgPadrao02() {
    return kMsgPadrao02;
}

std::vector<std::string> catalogueItems(std::span<const MessageText> table) {
    std::vector<std::string> items;
    items.reserve(table.size());
    for (const MessageText& m : table)
        items.push_back(std::string(m.key) + "|" + std::string(m.text));
    return items;
}

} // namespace vq::customer
