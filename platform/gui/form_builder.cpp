#include "platform/gui/form_builder.h"

#include "platform/data/error.h"
#include "platform/gui/buttons.h"
#include "platform/gui/choices.h"
#include "platform/gui/containers.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/db_grid.h"
#include "platform/gui/db_navigator.h"
#include "platform/gui/edit.h"
#include "platform/gui/form_base.h"
#include "platform/gui/menus.h"
#include "platform/gui/page_control.h"
#include "platform/gui/qt_text.h"
#include "platform/gui/control_options.h"
#include "platform/gui/text_controls.h"

#include <QVBoxLayout>
#include <map>

namespace vq::gui {
namespace {

constexpr std::string_view kColumnOptions[] = {"readOnly", "hidden", "ellipsis", "pick"};
constexpr std::string_view kOptions[] = {"items",  "values",  "hint",     "width",    "lines",    "maxLength",
                                         "min",    "max",     "decimals", "columns",  "style",    "shortcut",
                                         "label",  "popup",   "follow",   "color",    "readOnly", "disabled",
                                         "hidden", "checked", "noTab",    "required", "mask"};

bool labelled(Kind k) {
    switch (k) {
    case Kind::Edit:
    case Kind::MaskEdit:
    case Kind::DateEdit:
    case Kind::NumberEdit:
    case Kind::SpinEdit:
    case Kind::Memo:
    case Kind::RichMemo:
    case Kind::ComboBox:
    case Kind::DbEdit:
    case Kind::DbDateEdit:
    case Kind::DbMemo:
    case Kind::DbRichEdit:
    case Kind::DbComboBox:
    case Kind::DbGrid:
        return true;
    default:
        return false;
    }
}

QWidget* createWidget(Kind kind, QWidget* parent) {
    switch (kind) {
    case Kind::Label:
        return new Label(parent);
    case Kind::Edit:
        return new Edit(parent);
    case Kind::MaskEdit:
        return new MaskEdit(parent);
    case Kind::DateEdit:
        return new DateEdit(parent);
    case Kind::NumberEdit:
        return new NumberEdit(parent);
    case Kind::SpinEdit:
        return new SpinEdit(parent);
    case Kind::Memo:
        return new Memo(parent);
    case Kind::RichMemo:
        return new RichMemo(parent);
    case Kind::ComboBox:
        return new ComboBox(parent);
    case Kind::CheckBox:
        return new CheckBox(parent);
    case Kind::RadioGroup:
        return new RadioGroup(parent);
    case Kind::Button:
        return new Button(parent);
    case Kind::ToolButton:
        return new ToolButton(parent);
    case Kind::GroupBox:
        return new GroupBox(parent);
    case Kind::Panel:
        return new Panel(parent);
    case Kind::PageControl:
        return new PageControl(parent);
    case Kind::DbEdit:
        return new DbEdit(parent);
    case Kind::DbDateEdit:
        return new DbDateEdit(parent);
    case Kind::DbMemo:
        return new DbMemo(parent);
    case Kind::DbRichEdit:
        return new DbRichEdit(parent);
    case Kind::DbComboBox:
        return new DbComboBox(parent);
    case Kind::DbCheckBox:
        return new DbCheckBox(parent);
    case Kind::DbRadioGroup:
        return new DbRadioGroup(parent);
    case Kind::DbGrid:
        return new DbGrid(parent);
    case Kind::DbNavigator:
        return new DbNavigator(parent);
    default:
        return nullptr;
    }
}

class Builder {
public:
    explicit Builder(FormBase& form) : form_(form) {}
    void build(const ControlSpec& spec);

private:
    QObject* find(std::string_view name) const {
        const auto it = made_.find(name);
        return it != made_.end() ? it->second : form_.findComponent<QObject>(name);
    }
    [[noreturn]] void fail(const ControlSpec& spec, const std::string& what) const {
        throw Error("Formulário " + form_.Name() + ", " + spec.name + ": " + what);
    }
    QWidget& container(const ControlSpec& spec) const;
    void buildMenu(const ControlSpec& spec, const SpecOptions& opt);
    void caption(QWidget& w, const ControlSpec& spec) const;
    void configure(QWidget& w, const ControlSpec& spec, const SpecOptions& opt);
    void bind(QWidget& w, const ControlSpec& spec);

    FormBase& form_;
    std::map<std::string, QObject*, std::less<>> made_;
};

QWidget& Builder::container(const ControlSpec& spec) const {
    if (!spec.parent || !*spec.parent)
        return form_;
    auto* w = dynamic_cast<QWidget*>(find(spec.parent));
    if (!w || !(dynamic_cast<GroupBox*>(w) || dynamic_cast<Panel*>(w) || dynamic_cast<TabSheet*>(w) ||
                dynamic_cast<FormBase*>(w)))
        fail(spec, std::string("o pai ") + spec.parent + " não existe ou não é um contêiner.");
    return *w;
}

void Builder::buildMenu(const ControlSpec& spec, const SpecOptions& opt) {
    QObject* parent = find(spec.parent);
    auto* bar = dynamic_cast<MainMenu*>(parent);
    auto* popup = dynamic_cast<PopupMenu*>(parent);
    auto* owner = dynamic_cast<MenuItem*>(parent);
    if (!bar && !popup && !owner)
        fail(spec, std::string("o menu ") + spec.parent + " não existe.");
    auto* item = new MenuItem(parent);
    item->setObjectName(qs(spec.name));
    item->setSeparator(spec.kind == Kind::MenuSeparator);
    item->SetCaption(spec.caption);
    if (auto keys = opt.value("shortcut")) {
        item->SetShortCut(*keys);
        form_.addAction(item); // the shortcut works while the menu is closed, popup menus too
    }
    if (opt.flag("checked"))
        item->SetChecked(true);
    item->SetEnabled(!opt.flag("disabled"));
    item->SetVisible(!opt.flag("hidden"));
    item->setStatusTip(qs(opt.text("hint")));
    if (bar)
        bar->Add(*item);
    else if (popup)
        popup->Add(*item);
    else
        owner->Add(*item);
    if (*spec.name)
        made_[spec.name] = item;
}

void Builder::caption(QWidget& w, const ControlSpec& spec) const {
    const std::string_view text = spec.caption ? spec.caption : "";
    if (auto* l = dynamic_cast<Label*>(&w))
        l->SetCaption(text);
    else if (auto* g = dynamic_cast<RadioGroup*>(&w))
        g->SetCaption(text);
    else if (auto* gb = dynamic_cast<GroupBox*>(&w))
        gb->SetCaption(text);
    else if (auto* p = dynamic_cast<Panel*>(&w))
        p->SetCaption(text);
    else if (auto* b = dynamic_cast<Button*>(&w))
        b->SetCaption(text);
    else if (auto* t = dynamic_cast<ToolButton*>(&w))
        t->SetCaption(text);
    else if (auto* c = dynamic_cast<CheckBox*>(&w))
        c->SetCaption(text);
}

void Builder::configure(QWidget& w, const ControlSpec& spec, const SpecOptions& opt) {
    const auto items = opt.list("items");
    const auto values = opt.list("values");
    if (auto* combo = dynamic_cast<ComboBox*>(&w)) {
        combo->SetStyle(opt.text("style", "edit") == "list" ? ComboStyle::DropDownList
                                                            : ComboStyle::DropDown);
        combo->SetItems(items);
        combo->Values = values;
    } else if (auto* radio = dynamic_cast<RadioGroup*>(&w)) {
        radio->SetColumns(opt.number("columns").value_or(1));
        radio->SetItems(items);
        radio->Values = values;
    } else if (auto* dbc = dynamic_cast<DbCheckBox*>(&w); dbc && !values.empty()) {
        dbc->ValueChecked = values.front();
        dbc->ValueUnchecked = values.size() > 1 ? values[1] : "";
    }
    if (auto* edit = dynamic_cast<Edit*>(&w)) {
        if (auto mask = opt.value("mask"))
            edit->SetEditMask(*mask);
        if (auto n = opt.number("maxLength"))
            edit->SetMaxLength(*n);
        if (auto* number = dynamic_cast<NumberEdit*>(edit))
            number->Decimals = opt.number("decimals").value_or(2);
        edit->SetReadOnly(opt.flag("readOnly"));
    }
    if (auto* memo = dynamic_cast<Memo*>(&w)) {
        memo->MaxLength = opt.number("maxLength").value_or(0);
        memo->SetReadOnly(opt.flag("readOnly"));
    }
    if (auto* rich = dynamic_cast<RichMemo*>(&w))
        rich->SetReadOnly(opt.flag("readOnly"));
    if (auto* spin = dynamic_cast<SpinEdit*>(&w))
        spin->SetRange(opt.number("min").value_or(0), opt.number("max").value_or(999999));
    if (auto* grid = dynamic_cast<DbGrid*>(&w))
        grid->SetReadOnly(opt.flag("readOnly"));
    if (opt.flag("checked")) {
        if (auto* check = dynamic_cast<CheckBox*>(&w))
            check->SetChecked(true);
        else if (auto* tool = dynamic_cast<ToolButton*>(&w))
            tool->SetDown(true);
    }
    if (auto follow = opt.value("follow")) {
        auto* item = dynamic_cast<MenuItem*>(find(*follow));
        auto* tool = dynamic_cast<ToolButton*>(&w);
        if (!item || !tool)
            fail(spec, "follow= liga um botão de ferramenta a um item de menu já declarado.");
        tool->FollowEnabled(*item);
    }
    if (auto popupName = opt.value("popup")) {
        auto* menu = dynamic_cast<PopupMenu*>(find(*popupName));
        if (!menu)
            fail(spec, "o menu " + *popupName + " não existe.");
        w.setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(&w, &QWidget::customContextMenuRequested, menu, [&w, menu](const QPoint& at) {
            guarded("menu", [&] { menu->Popup(w.mapToGlobal(at)); });
        });
    }
    if (auto chars = opt.number("width"))
        w.setFixedWidth(w.fontMetrics().averageCharWidth() * *chars + 12);
    if (auto lines = opt.number("lines"))
        w.setFixedHeight(w.fontMetrics().lineSpacing() * *lines + 12);
    if (Control* c = asControl(&w)) {
        c->SetHint(opt.text("hint"));
        if (opt.flag("disabled"))
            c->SetEnabled(false);
        if (opt.flag("hidden"))
            c->SetVisible(false);
        if (opt.flag("noTab"))
            c->SetTabStop(false);
        const std::string color = opt.flag("required") ? "required" : opt.text("color");
        if (color == "required")
            c->SetColor(colors::Required);
        else if (color == "normal")
            c->SetColor(colors::Normal);
        else if (color == "disabled")
            c->SetColor(colors::Disabled);
        else if (!color.empty())
            fail(spec, "cor desconhecida " + color + ".");
    }
}

void Builder::bind(QWidget& w, const ControlSpec& spec) {
    if (!spec.source || !*spec.source)
        return;
    vq::DataSource* source = form_.dataSource(spec.source);
    if (!source)
        fail(spec, std::string("a fonte de dados ") + spec.source + " não foi registrada no formulário.");
    if (auto* bound = dynamic_cast<FieldBinding*>(&w)) {
        bound->SetDataSource(source);
        bound->SetDataField(spec.field ? spec.field : "");
    } else if (auto* grid = dynamic_cast<DbGrid*>(&w)) {
        grid->SetDataSource(source);
    } else if (auto* nav = dynamic_cast<DbNavigator*>(&w)) {
        nav->SetDataSource(source);
    } else {
        fail(spec, "este componente não se liga a dados.");
    }
}

void Builder::build(const ControlSpec& spec) {
    const SpecOptions opt(spec.options ? spec.options : "", form_.Name() + "." + spec.name);
    opt.check(kOptions);
    if (*spec.name && find(spec.name))
        fail(spec, "nome repetido.");
    switch (spec.kind) {
    case Kind::MainMenu: {
        auto* menu = new MainMenu(&form_);
        menu->setObjectName(qs(spec.name));
        gridOf(form_).setMenuBar(menu);
        made_[spec.name] = menu;
        return;
    }
    case Kind::PopupMenu: {
        auto* menu = new PopupMenu(&form_);
        menu->setObjectName(qs(spec.name));
        made_[spec.name] = menu;
        return;
    }
    case Kind::MenuItem:
    case Kind::MenuSeparator:
        buildMenu(spec, opt);
        return;
    case Kind::TabSheet: {
        auto* pages = dynamic_cast<PageControl*>(find(spec.parent));
        if (!pages)
            fail(spec, std::string("o controle de páginas ") + spec.parent + " não existe.");
        TabSheet& page = pages->AddPage(spec.name, spec.caption);
        configure(page, spec, opt);
        made_[spec.name] = &page;
        return;
    }
    default:
        break;
    }
    QWidget& parent = container(spec);
    const bool withLabel = labelled(spec.kind) && ((spec.caption && *spec.caption) || opt.value("label"));
    QWidget* host = &parent;
    QWidget* placed = nullptr;
    if (withLabel) {
        host = new QWidget(&parent);
        auto* column = new QVBoxLayout(host);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(1);
        auto* label = new Label(host);
        label->setObjectName(qs(opt.text("label")));
        label->SetCaption(spec.caption);
        column->addWidget(label);
        if (!label->objectName().isEmpty())
            made_[opt.text("label")] = label;
        placed = host;
    }
    QWidget* w = createWidget(spec.kind, host);
    if (!w)
        fail(spec, "tipo de componente que não é um controle.");
    w->setObjectName(qs(spec.name));
    if (withLabel)
        host->layout()->addWidget(w);
    else
        placed = w;
    made_[spec.name] = w;
    if (!withLabel)
        caption(*w, spec);
    configure(*w, spec, opt);
    bind(*w, spec);
    gridOf(parent).addWidget(placed, spec.cell.row, spec.cell.col, spec.cell.rowSpan, spec.cell.colSpan);
}

} // namespace

void buildForm(FormBase& form, std::span<const ControlSpec> specs) {
    Builder builder(form);
    for (const ControlSpec& spec : specs)
        builder.build(spec);
}

void buildColumns(FormBase& form, std::span<const ColumnSpec> columns) {
    std::vector<std::pair<DbGrid*, std::vector<GridColumn>>> grids;
    for (const ColumnSpec& spec : columns) {
        const SpecOptions opt(spec.options ? spec.options : "",
                              form.Name() + "." + spec.grid + "." + spec.field);
        opt.check(kColumnOptions);
        DbGrid* grid = form.component<DbGrid>(spec.grid);
        auto it = std::find_if(grids.begin(), grids.end(), [&](const auto& g) { return g.first == grid; });
        if (it == grids.end())
            it = grids.insert(grids.end(), {grid, {}});
        GridColumn c;
        c.FieldName = spec.field;
        c.Title = spec.title ? spec.title : "";
        c.Width = spec.width;
        c.ReadOnly = opt.flag("readOnly");
        c.Visible = !opt.flag("hidden");
        c.PickList = opt.list("pick");
        c.Button = opt.flag("ellipsis") ? GridColumn::ButtonStyle::Ellipsis : GridColumn::ButtonStyle::Auto;
        it->second.push_back(std::move(c));
    }
    for (auto& [grid, cols] : grids)
        grid->SetColumns(std::move(cols));
}

} // namespace vq::gui
