// `print`: unit-level state, dataset fields and state, component properties, the remote calls and the
// messages seen. One "name=value" line per item.

#include "host/driver_impl.h"
#include "platform/data/client_data_set.h"
#include "platform/gui/buttons.h"
#include "platform/gui/choices.h"
#include "platform/gui/containers.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/db_grid.h"
#include "platform/gui/edit.h"
#include "platform/gui/form_base.h"
#include "platform/gui/menus.h"
#include "platform/gui/page_control.h"
#include "platform/gui/progress.h"
#include "platform/gui/radio_button.h"
#include "platform/gui/text_controls.h"

#include <array>
#include <optional>

namespace vq::host {
namespace {

using Text = std::optional<std::string>;

std::string flag(bool on) {
    return on ? "true" : "false";
}

std::string variantText(const Variant& v) {
    switch (v.kind()) {
    case VariantKind::Null:
        return {};
    case VariantKind::Bool:
        return flag(v.toBool());
    case VariantKind::Int:
    case VariantKind::Double:
    case VariantKind::String:
        return v.toString();
    default:
        return v.describe();
    }
}

// The first of the listed types that `o` is, read with `read`.
template <class... Ts, class F> Text readAs(QObject& o, F read) {
    Text out;
    auto tryOne = [&]<class T>() {
        if (auto* c = dynamic_cast<T*>(&o); c && !out)
            out = read(*c);
    };
    (tryOne.template operator()<Ts>(), ...);
    return out;
}

Text caption(QObject& o) {
    if (auto* f = dynamic_cast<gui::FormBase*>(&o))
        return f->Caption();
    if (auto* m = dynamic_cast<gui::MenuItem*>(&o))
        return m->Caption();
    return readAs<gui::Button, gui::ToolButton, gui::CheckBox, gui::RadioButton, gui::Label, gui::GroupBox,
                  gui::Panel, gui::RadioGroup, gui::TabSheet>(o, [](auto& c) { return c.Caption(); });
}

Text text(QObject& o) {
    if (auto r =
            readAs<gui::Edit, gui::Memo, gui::RichMemo, gui::ComboBox>(o, [](auto& c) { return c.Text(); }))
        return r;
    if (auto* s = dynamic_cast<gui::SpinEdit*>(&o))
        return std::to_string(s->Value());
    return caption(o);
}

Text enabled(QObject& o) {
    if (auto* m = dynamic_cast<gui::MenuItem*>(&o))
        return flag(m->Enabled());
    if (auto* c = dynamic_cast<gui::Control*>(&o))
        return flag(c->Enabled());
    if (auto* w = dynamic_cast<QWidget*>(&o))
        return flag(w->isEnabled());
    return std::nullopt;
}

Text visible(QObject& o) {
    if (auto* m = dynamic_cast<gui::MenuItem*>(&o))
        return flag(m->Visible());
    if (auto* t = dynamic_cast<gui::TabSheet*>(&o))
        return flag(t->TabVisible());
    if (auto* c = dynamic_cast<gui::Control*>(&o))
        return flag(c->Visible());
    if (auto* w = dynamic_cast<QWidget*>(&o))
        return flag(w->isVisible());
    return std::nullopt;
}

Text color(QObject& o) {
    if (auto* c = dynamic_cast<gui::Control*>(&o))
        return gui::colors::name(c->Color());
    return std::nullopt;
}

Text checked(QObject& o) {
    if (auto* m = dynamic_cast<gui::MenuItem*>(&o))
        return flag(m->Checked());
    if (auto* c = dynamic_cast<gui::CheckBox*>(&o))
        return flag(c->Checked());
    if (auto* r = dynamic_cast<gui::RadioButton*>(&o))
        return flag(r->Checked());
    if (auto* t = dynamic_cast<gui::ToolButton*>(&o))
        return flag(t->Down());
    return std::nullopt;
}

Text itemIndex(QObject& o) {
    if (auto r =
            readAs<gui::ComboBox, gui::RadioGroup>(o, [](auto& c) { return std::to_string(c.ItemIndex()); }))
        return r;
    if (auto* p = dynamic_cast<gui::PageControl*>(&o))
        return std::to_string(p->ActivePageIndex());
    return std::nullopt;
}

Text activePage(QObject& o) {
    if (auto* p = dynamic_cast<gui::PageControl*>(&o))
        return p->ActivePage() ? p->ActivePage()->Name() : std::string();
    return std::nullopt;
}

Text focused(QObject& o) {
    if (auto* c = dynamic_cast<gui::Control*>(&o))
        return flag(c->Focused());
    return std::nullopt;
}

Text readOnly(QObject& o) {
    if (auto r = readAs<gui::Edit, gui::Memo, gui::RichMemo, gui::DbGrid>(
            o, [](auto& c) { return flag(c.ReadOnly()); }))
        return r;
    return readAs<gui::DbCheckBox, gui::DbRadioGroup>(o, [](auto& c) { return flag(c.ReadOnly); });
}

Text mask(QObject& o) {
    if (auto* e = dynamic_cast<gui::Edit*>(&o))
        return e->EditMask();
    return std::nullopt;
}

Text position(QObject& o) {
    if (auto* p = dynamic_cast<gui::ProgressBar*>(&o))
        return std::to_string(p->Position());
    return std::nullopt;
}

Text max(QObject& o) {
    if (auto* p = dynamic_cast<gui::ProgressBar*>(&o))
        return std::to_string(p->Max());
    return std::nullopt;
}

Text active(QObject& o) {
    if (auto* a = dynamic_cast<gui::Animation*>(&o))
        return flag(a->Active());
    return std::nullopt;
}

struct Property {
    std::string_view name;
    Text (*read)(QObject&);
};
constexpr std::array<Property, 14> kProperties{{{"enabled", enabled},
                                                {"visible", visible},
                                                {"color", color},
                                                {"text", text},
                                                {"checked", checked},
                                                {"itemIndex", itemIndex},
                                                {"activePage", activePage},
                                                {"caption", caption},
                                                {"focused", focused},
                                                {"readOnly", readOnly},
                                                {"mask", mask},
                                                {"position", position},
                                                {"max", max},
                                                {"active", active}}};

std::string joined(const std::vector<std::string>& cells) {
    std::string text;
    for (std::size_t i = 0; i < cells.size(); ++i)
        text += (i ? "|" : "") + cells[i];
    return text;
}

std::string messageKind(gui::MessageKind kind) {
    switch (kind) {
    case gui::MessageKind::Error:
        return "error";
    case gui::MessageKind::Warning:
        return "warning";
    case gui::MessageKind::Confirmation:
        return "confirm";
    default:
        return "info";
    }
}

} // namespace

std::string Driver::Impl::componentProperty(QObject& component, std::string_view name,
                                            std::string_view property) const {
    for (const Property& p : kProperties)
        if (p.name == property) {
            if (Text value = p.read(component))
                return *value;
            throw DriverError(std::string(name) + " não tem a propriedade " + std::string(property));
        }
    throw DriverError("propriedade desconhecida: " + std::string(property));
}

std::string Driver::Impl::printItem(const std::string& item) const {
    const std::size_t dot = item.find('.');
    if (dot == std::string::npos || dot == 0 || dot + 1 == item.size())
        throw DriverError("print espera NOME.PROPRIEDADE, recebeu " + item);
    const std::string owner = item.substr(0, dot);
    const std::string name = item.substr(dot + 1);

    Variant value;
    if (std::string text; owner == "report" && reportItem(name, text))
        return item + "=" + text;
    if (module->unitValue(owner, name, value))
        return item + "=" + variantText(value);
    if (ClientDataSet* ds = findDataSet(owner)) {
        if (name == "state")
            return item + "=" + std::to_string(static_cast<int>(ds->State()));
        if (name == "recordCount")
            return item + "=" + std::to_string(ds->RecordCount());
        if (Field* field = ds->FindField(name))
            return item + "=" + field->AsString();
        throw DriverError(owner + " não tem o campo " + name);
    }
    if (std::optional<std::string> text = formItem(owner, name))
        return item + "=" + *text;
    return item + "=" + componentProperty(*findComponent(owner), owner, name);
}

void Driver::Impl::cmdPrint(const ScriptLine& line) {
    std::vector<std::string> out;
    for (std::size_t i = 1; i < line.words.size(); ++i) {
        const std::string& item = line.words[i];
        if (item == "calls") {
            for (const std::string& call : calls)
                out.push_back("call=" + call);
            calls.clear();
        } else if (item == "messages") {
            for (std::size_t m = messagesPrinted; m < messages.size(); ++m)
                out.push_back("message=" + messageKind(messages[m].kind) + ": " + messages[m].text);
            messagesPrinted = messages.size();
        } else if (item == "lookup") {
            if (!lastList)
                throw DriverError("nenhuma lista de pesquisa foi mostrada");
            out.push_back("lookup.caption=" + lastList->caption);
            out.push_back("lookup.columns=" + joined(lastList->columns));
            for (const std::vector<std::string>& row : lastList->rows)
                out.push_back("lookup.row=" + joined(row));
        } else {
            out.push_back(printItem(item));
        }
    }
    for (const std::string& text : out)
        printLine(text);
}

} // namespace vq::host
