#include "framework/services/messages.h"

#include "framework/services/host_catalogue.h"
#include "platform/data/log.h"
#include "platform/gui/form_base.h"
#include "platform/gui/qt_text.h"

namespace vq {
namespace {

// The form a component belongs to: its nearest FormBase ancestor, else the top of its parent chain.
const QObject& ownerOf(const TMessages& messages) {
    const QObject* top = &messages;
    for (const QObject* p = messages.parent(); p; p = p->parent()) {
        top = p;
        if (dynamic_cast<const gui::FormBase*>(p))
            break;
    }
    return *top;
}

std::string missing(std::string_view key, const QObject& owner) {
    log::warn("framework: mensagem \"" + std::string(key) + "\" sem texto em " + gui::ss(owner.objectName()) +
              " nem no catálogo do host");
    return std::string(key);
}

} // namespace

TMessages::TMessages(QObject* parent, std::string_view name) : QObject(parent) {
    setObjectName(gui::qs(name));
}

std::string TMessages::Name() const {
    return gui::ss(objectName());
}

void TMessages::SetItems(std::vector<std::string> items) {
    items_ = std::move(items);
    byKey_.clear();
    for (std::size_t i = 0; i < items_.size(); ++i)
        index(i);
}

void TMessages::Add(std::string_view key, std::string_view text) {
    items_.push_back(std::string(key) + "|" + std::string(text));
    index(items_.size() - 1);
}

void TMessages::index(std::size_t item) {
    const auto key = splitMessageItem(items_[item]).first;
    byKey_.try_emplace(messageKeyFold(key), item); // the first item with a key wins
}

std::optional<std::string> TMessages::find(std::string_view key) const {
    const auto it = byKey_.find(messageKeyFold(key));
    if (it == byKey_.end())
        return std::nullopt;
    return std::string(splitMessageItem(items_[it->second]).second);
}

std::string TMessages::Msg(std::string_view key) const {
    if (auto text = find(key))
        return *text;
    const QObject& owner = ownerOf(*this);
    if (auto text = findMsg(owner, key))
        return *text;
    if (auto text = HostCatalogue::instance().find(key))
        return *text;
    return missing(key, owner);
}

std::optional<std::string> findMsg(const QObject& owner, std::string_view key) {
    if (auto* self = dynamic_cast<const TMessages*>(&owner))
        if (auto text = self->find(key))
            return text;
    for (const TMessages* messages : owner.findChildren<TMessages*>())
        if (auto text = messages->find(key))
            return text;
    return std::nullopt;
}

std::string Msg(const QObject& owner, std::string_view key) {
    if (auto text = findMsg(owner, key))
        return *text;
    if (auto text = HostCatalogue::instance().find(key))
        return *text;
    return missing(key, owner);
}

gui::MessageButton ShowMsg(std::string_view text, gui::MessageKind type, gui::MessageButtons buttons,
                           int help) {
    (void)help;
    return gui::showMessage(type, text, buttons);
}

} // namespace vq
