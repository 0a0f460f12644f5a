// Driver commands that act on the module as a whole: settings, call, form, click, focus, select, cell,
// close and expect.

#include "framework/services/framework_settings.h"
#include "host/driver_impl.h"
#include "platform/gui/buttons.h"
#include "platform/gui/choices.h"
#include "platform/gui/db_grid.h"
#include "platform/gui/form_base.h"
#include "platform/gui/menus.h"
#include "platform/gui/page_control.h"
#include "platform/gui/radio_button.h"
#include "server/erp_rpc/json_variant.h"

#include <algorithm>
#include <charconv>

namespace vq::host {
namespace {

std::optional<int> number(std::string_view text) {
    int n = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (text.empty() || ec != std::errc() || ptr != text.data() + text.size())
        return std::nullopt;
    return n;
}

// Settings that decide which server and database the session uses: fixed once it runs.
bool sessionSetting(std::string_view name) {
    return name == "server" || name == "database" || name == "seed";
}

// The arguments of `call`: JSON values separated by blanks; a bare word that is not JSON is a string.
VariantArray callArguments(std::string_view text) {
    VariantArray args;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
        if (i >= text.size())
            break;
        const std::size_t start = i;
        int depth = 0;
        bool quoted = false;
        for (; i < text.size(); ++i) {
            const char c = text[i];
            if (quoted) {
                if (c == '\\')
                    ++i;
                else if (c == '"')
                    quoted = false;
            } else if (c == '"') {
                quoted = true;
            } else if (c == '[' || c == '{') {
                ++depth;
            } else if (c == ']' || c == '}') {
                --depth;
            } else if ((c == ' ' || c == '\t') && depth <= 0) {
                break;
            }
        }
        const std::string word(text.substr(start, i - start));
        const nlohmann::json json = nlohmann::json::parse(word, nullptr, false);
        if (json.is_discarded()) {
            if (word.front() == '[' || word.front() == '{' || word.front() == '"')
                throw DriverError("argumento JSON inválido: " + word);
            args.emplace_back(word);
        } else {
            args.push_back(rpc::fromJson(json));
        }
    }
    return args;
}

// An item of a combo or radio group: its text first, else its index.
int itemIndex(const std::vector<std::string>& items, const std::string& item, std::string_view name) {
    const auto it = std::find(items.begin(), items.end(), item);
    if (it != items.end())
        return static_cast<int>(it - items.begin());
    if (const auto n = number(item); n && *n >= 0 && *n < static_cast<int>(items.size()))
        return *n;
    throw DriverError(std::string(name) + " não tem o item " + item);
}

} // namespace

void Driver::Impl::cmdSettings(const ScriptLine& line) {
    std::map<std::string, std::string, std::less<>> values;
    for (std::size_t i = 1; i < line.words.size(); ++i) {
        const std::string& word = line.words[i];
        const std::size_t eq = word.find('=');
        if (eq == std::string::npos || eq == 0)
            throw DriverError("settings espera NOME=VALOR, recebeu " + word);
        values[word.substr(0, eq)] = word.substr(eq + 1);
    }
    if (module) {
        for (const auto& [name, value] : values)
            if (sessionSetting(name))
                throw DriverError("settings " + name +
                                  "= só vale antes do primeiro comando que usa o módulo");
        frameworkSettings().apply(values);
        return;
    }
    if (const auto it = values.find("seed"); it != values.end()) {
        const auto n = number(it->second);
        if (!n || *n < 0)
            throw DriverError("settings seed= espera um número de clientes");
        seedCustomers = *n;
        values.erase(it);
    }
    FrameworkSettings check = FrameworkSettings::defaults();
    check.apply(values); // an unknown name or a bad value fails on its own line
    for (auto& [name, value] : values)
        pendingSettings[name] = value;
}

void Driver::Impl::cmdCall(const ScriptLine& line) {
    const std::string& routine = line.words[1];
    const std::size_t gap = line.rest.find_first_of(" \t");
    const VariantArray args = callArguments(
        gap == std::string::npos ? std::string_view() : std::string_view(line.rest).substr(gap));
    module->invoke(routine, args);
}

void Driver::Impl::cmdForm(const ScriptLine&) {
    // step() waits for the form before running this; nothing is left to do.
}

void Driver::Impl::cmdClick(const ScriptLine& line) {
    const std::string& name = line.words[1];
    if (line.words.size() == 4) {
        gui::DbGrid& grid = gridCell(line);
        const int column = grid.ColumnIndex(line.words[3]);
        userAction("click " + name, [&grid, r = *number(line.words[2]), column] {
            grid.MoveTo(r, column);
            grid.CellClick(column);
        });
        return;
    }
    if (line.words.size() == 3)
        throw DriverError("click de célula espera GRADE LINHA CAMPO");
    QObject* component = findComponent(name);
    if (auto* item = dynamic_cast<gui::MenuItem*>(component)) {
        if (!item->isEnabled())
            throw DriverError(name + " está desabilitado");
        userAction("click " + name, [item] { item->Click(); });
        return;
    }
    QWidget& widget = usableWidget(*component, name);
    if (auto* button = dynamic_cast<gui::Button*>(&widget)) {
        // A push button takes the focus first, so the exit check of the field being edited runs.
        userAction("click " + name, [button] {
            if (button->CanFocus())
                button->SetFocus();
            button->Click();
        });
    } else if (auto* tool = dynamic_cast<gui::ToolButton*>(&widget)) {
        userAction("click " + name, [tool] { tool->Click(); });
    } else if (auto* check = dynamic_cast<gui::CheckBox*>(&widget)) {
        userAction("click " + name, [check] { // a box takes the focus too, as a mouse click gives it
            if (check->CanFocus())
                check->SetFocus();
            check->Click();
        });
    } else if (auto* radio = dynamic_cast<gui::RadioButton*>(&widget)) {
        userAction("click " + name, [radio] {
            if (radio->CanFocus())
                radio->SetFocus();
            radio->Click();
        });
    } else if (auto* control = gui::asControl(&widget); control && control->OnClick) {
        userAction("click " + name, [control] { control->OnClick(); });
    } else {
        throw DriverError(name + " não é um botão nem item de menu");
    }
}

void Driver::Impl::cmdFocus(const ScriptLine& line) {
    const std::string& name = line.words[1];
    gui::Control* control = gui::asControl(&usableWidget(*findComponent(name), name));
    if (!control)
        throw DriverError(name + " não recebe o foco");
    userAction("focus " + name, [control] { control->SetFocus(); });
}

void Driver::Impl::cmdSelect(const ScriptLine& line) {
    const std::string& name = line.words[1];
    const std::string& item = line.words[2];
    QWidget& widget = usableWidget(*findComponent(name), name);
    if (auto* combo = dynamic_cast<gui::ComboBox*>(&widget)) {
        const int index = itemIndex(combo->Items(), item, name);
        userAction("select " + name, [combo, index] { combo->Choose(index); });
    } else if (auto* radio = dynamic_cast<gui::RadioGroup*>(&widget)) {
        const int index = itemIndex(radio->Items(), item, name);
        userAction("select " + name, [radio, index] { radio->Choose(index); });
    } else if (auto* pages = dynamic_cast<gui::PageControl*>(&widget)) {
        gui::TabSheet* page = pages->FindPage(item);
        if (const auto n = number(item); !page && n)
            page = pages->Pages(*n);
        if (!page)
            throw DriverError(name + " não tem a página " + item);
        userAction("select " + name, [pages, page] { pages->SelectPage(*page); });
    } else {
        throw DriverError(name + " não é uma caixa de seleção, grupo de opções nem controle de páginas");
    }
}

gui::DbGrid& Driver::Impl::gridCell(const ScriptLine& line) {
    const std::string& name = line.words[1];
    auto* grid = dynamic_cast<gui::DbGrid*>(&usableWidget(*findComponent(name), name));
    if (!grid)
        throw DriverError(name + " não é uma grade");
    const auto row = number(line.words[2]);
    if (!row || *row < 0)
        throw DriverError("linha de grade inválida: " + line.words[2]);
    if (grid->ColumnIndex(line.words[3]) < 0)
        throw DriverError(name + " não tem a coluna " + line.words[3]);
    return *grid;
}

void Driver::Impl::cmdCell(const ScriptLine& line) {
    gui::DbGrid* grid = &gridCell(line);
    const int row = *number(line.words[2]);
    const std::string field = line.words[3];
    if (line.words.size() == 4) { // no value: only moves there, as a click on the cell would
        const int column = grid->ColumnIndex(field);
        userAction("cell " + line.words[1], [grid, row, column] { grid->MoveTo(row, column); });
        return;
    }
    const std::string value = line.words[4];
    userAction("cell " + line.words[1], [grid, row, field, value] { grid->SetCellText(row, field, value); });
}

void Driver::Impl::cmdClose(const ScriptLine& line) {
    gui::FormBase* form = findForm(line.words[1]);
    userAction("close " + line.words[1], [form] { form->Close(); });
}

void Driver::Impl::cmdExpect(const ScriptLine& line) {
    const std::string& kind = line.words[1];
    const std::string& text = line.words[2];
    auto kindMatches = [&kind](gui::MessageKind k) {
        if (kind == "error")
            return k == gui::MessageKind::Error;
        if (kind == "info")
            return k == gui::MessageKind::Info || k == gui::MessageKind::Warning;
        if (kind == "warning")
            return k == gui::MessageKind::Warning;
        if (kind == "confirm")
            return k == gui::MessageKind::Confirmation;
        throw DriverError("expect espera error, info, warning ou confirm");
    };
    if (messages.empty()) {
        kindMatches(gui::MessageKind::Info); // rejects an unknown kind first
        throw DriverError("esperada a mensagem \"" + text + "\", nenhuma mensagem foi mostrada");
    }
    const Shown& last = messages.back();
    if (!kindMatches(last.kind) || last.text != text)
        throw DriverError("esperada a mensagem (" + kind + ") \"" + text + "\", a última foi \"" + last.text +
                          "\"");
}

} // namespace vq::host
