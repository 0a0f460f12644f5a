#pragma once
// The form member a layout-table row fills: gui::bind<&TfrmCliente::sbtFiltro>() is a plain function
// pointer, so tables stay constant data, and the row names its member once instead of a second lookup
// by name. A row whose kind does not match the member's type fails when the form is built.
//
// A handle held in a group of the form names the path to it: a member of a member struct
// (bind<&TfrmCliente::form, &FormPage::dbeInscricao>()) or an element of a member array, by index or
// enumerator (bind<&TfrmCliente::tabs, Tab::EndeClie, &TabEntry::sheet>()).

#include "platform/gui/form_base.h"

#include <QObject>
#include <cstddef>
#include <type_traits>

namespace vq::gui {

using Binder = void (*)(FormBase& form, QObject* component);

namespace detail {

template <class M> struct ClassOf;
template <class C, class T> struct ClassOf<T C::*> { using type = C; };

// vq::Error naming the form and the component.
[[noreturn]] void bindMismatch(const FormBase& form, const QObject* component);

// The object one step below `from`: a member, or an array element.
template <auto Step, class From> constexpr auto& step(From& from) {
    if constexpr (std::is_member_object_pointer_v<decltype(Step)>)
        return from.*Step;
    else
        return from[static_cast<std::size_t>(Step)];
}

template <auto First, auto... Rest, class From> constexpr auto& walk(From& from) {
    auto& next = step<First>(from);
    if constexpr (sizeof...(Rest) == 0)
        return next;
    else
        return walk<Rest...>(next);
}

template <auto First, auto... Rest> void assign(FormBase& form, QObject* component) {
    static_assert(std::is_member_object_pointer_v<decltype(First)>, "a path starts at a form member");
    auto* owner = dynamic_cast<typename ClassOf<decltype(First)>::type*>(&form);
    if (!owner)
        bindMismatch(form, component);
    auto& slot = walk<First, Rest...>(*owner);
    using Slot = std::remove_reference_t<decltype(slot)>;
    static_assert(std::is_pointer_v<Slot>, "a path ends at a component pointer");
    auto* typed = dynamic_cast<Slot>(component);
    if (!typed)
        bindMismatch(form, component);
    slot = typed;
}

} // namespace detail

template <auto First, auto... Rest> constexpr Binder bind() {
    return &detail::assign<First, Rest...>;
}

} // namespace vq::gui
