#pragma once
// The form member a layout-table row fills: gui::bind<&TfrmCliente::sbtFiltro>() is a plain function
// pointer, so tables stay constant data, and the row names its member once instead of a second lookup
// by name. A row whose kind does not match the member's type fails when the form is built.

#include "platform/gui/form_base.h"

#include <QObject>

namespace vq::gui {

using Binder = void (*)(FormBase& form, QObject* component);

namespace detail {

template <class M> struct MemberOf;
template <class Form, class T> struct MemberOf<T * Form::*> {
    using FormType = Form;
    using Type = T;
};

// vq::Error naming the form and the component.
[[noreturn]] void bindMismatch(const FormBase& form, const QObject* component);

template <auto Member> void assign(FormBase& form, QObject* component) {
    using M = MemberOf<decltype(Member)>;
    auto* owner = dynamic_cast<typename M::FormType*>(&form);
    auto* typed = dynamic_cast<typename M::Type*>(component);
    if (!owner || !typed)
        bindMismatch(form, component);
    owner->*Member = typed;
}

} // namespace detail

template <auto Member> constexpr Binder bind() {
    return &detail::assign<Member>;
}

} // namespace vq::gui
