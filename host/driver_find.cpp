// How the driver finds forms, components and datasets by name: the active form first, then every form.

#include "host/driver_impl.h"
#include "platform/data/client_data_set.h"
#include "platform/data/error.h"
#include "platform/gui/control.h"
#include "platform/gui/form_base.h"
#include "platform/gui/form_registry.h"

#include <QAction>

namespace vq::host {
namespace {

// The live forms, the active one first.
std::vector<gui::FormBase*> searchOrder() {
    std::vector<gui::FormBase*> order;
    if (gui::FormBase* active = gui::forms::active())
        order.push_back(active);
    for (gui::FormBase* f : gui::forms::all())
        if (f != gui::forms::active())
            order.push_back(f);
    return order;
}

} // namespace

gui::FormBase* Driver::Impl::findForm(std::string_view name) const {
    if (gui::FormBase* form = gui::forms::find(name))
        return form;
    throw DriverError("formulário " + std::string(name) + " não está aberto");
}

QObject* Driver::Impl::findComponent(std::string_view name) const {
    for (gui::FormBase* form : searchOrder())
        if (QObject* found = form->findComponent<QObject>(name))
            return found;
    if (gui::FormBase* form = gui::forms::find(name))
        return form;
    throw DriverError("componente " + std::string(name) + " não encontrado nos formulários abertos");
}

ClientDataSet* Driver::Impl::findDataSet(std::string_view name) const {
    for (gui::FormBase* form : searchOrder())
        if (ClientDataSet* ds = form->dataSet(name))
            return ds;
    return nullptr;
}

std::optional<std::string> Driver::Impl::formItem(std::string_view owner, std::string_view item) const {
    try {
        for (gui::FormBase* form : searchOrder())
            if (std::optional<std::string> text = form->readItem(owner, item))
                return text;
    } catch (const Error& e) {
        throw DriverError(e.what());
    }
    return std::nullopt;
}

QWidget& Driver::Impl::usableWidget(QObject& component, std::string_view name) const {
    auto* widget = qobject_cast<QWidget*>(&component);
    if (!widget)
        throw DriverError(std::string(name) + " não é um controle");
    const gui::Control* control = gui::asControl(widget);
    if (!widget->isEnabled() || (control && !control->Enabled()))
        throw DriverError(std::string(name) + " está desabilitado");
    return *widget;
}

} // namespace vq::host
