#include "platform/gui/form_registry.h"

#include "platform/gui/form_base.h"
#include "platform/gui/guard.h"

#include <QPointer>
#include <algorithm>
#include <utility>

namespace vq::gui::forms {
namespace {

struct ModalEntry {
    FormBase* form;
    QPointer<FormBase> previous; // active before the modal form came up
};

struct Registry {
    std::vector<FormBase*> forms;
    std::vector<ModalEntry> modal;
    QPointer<FormBase> active;
};

Registry& registry() {
    static Registry r;
    return r;
}

} // namespace

FormBase* active() {
    return registry().active.data();
}

std::vector<FormBase*> all() {
    return registry().forms;
}

FormBase* find(std::string_view classOrName) {
    for (FormBase* f : registry().forms)
        if (f->ClassName() == classOrName || f->Name() == classOrName)
            return f;
    return nullptr;
}

std::vector<FormBase*> modalStack() {
    std::vector<FormBase*> out;
    for (const auto& e : registry().modal)
        out.push_back(e.form);
    return out;
}

void added(FormBase& form) {
    registry().forms.push_back(&form);
}

void removed(FormBase& form) {
    Registry& r = registry();
    std::erase(r.forms, &form);
    std::erase_if(r.modal, [&](const ModalEntry& e) { return e.form == &form; });
    if (r.active == &form)
        r.active = nullptr;
}

void setActive(FormBase* form) {
    Registry& r = registry();
    if (!r.modal.empty() && form != r.modal.back().form)
        return;
    if (r.active == form)
        return;
    QPointer<FormBase> previous = r.active;
    QPointer<FormBase> next = form;
    r.active = form;
    if (previous)
        fire("OnDeactivate", previous->OnDeactivate);
    if (next && r.active == next)
        fire("OnActivate", next->OnActivate);
}

void pushModal(FormBase& form) {
    Registry& r = registry();
    r.modal.push_back({&form, r.active});
    setActive(&form);
}

void popModal(FormBase& form) {
    Registry& r = registry();
    const auto it =
        std::find_if(r.modal.begin(), r.modal.end(), [&](const ModalEntry& e) { return e.form == &form; });
    if (it == r.modal.end())
        return;
    QPointer<FormBase> previous = it->previous;
    r.modal.erase(it);
    if (!r.modal.empty())
        setActive(r.modal.back().form);
    else
        setActive(previous && !previous->isHidden() ? previous.data() : nullptr);
}

} // namespace vq::gui::forms
