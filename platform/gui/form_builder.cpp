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
#include "platform/gui/progress.h"
#include "platform/gui/qt_text.h"
#include "platform/gui/radio_button.h"
#include "platform/gui/text_controls.h"

#include <QKeySequence>
#include <QVBoxLayout>
#include <map>

namespace vq::gui {
namespace {

static_assert(ComboStyle{} == ComboStyle::DropDown, "Opt::style defaults to the first style");

// "A|B|C"; "" is no items.
std::vector<std::string> splitList(std::string_view text) {
    std::vector<std::string> out;
    if (text.empty())
        return out;
    for (;;) {
        const std::size_t bar = text.find('|');
        out.emplace_back(text.substr(0, bar));
        if (bar == std::string_view::npos)
            return out;
        text.remove_prefix(bar + 1);
    }
}

bool given(const char* text) {
    return text && *text;
}

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
    case Kind::RadioButton:
        return new RadioButton(parent);
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
    case Kind::ProgressBar:
        return new ProgressBar(parent);
    case Kind::Animation:
        return new Animation(parent);
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
    void buildMenu(const ControlSpec& spec, const Opt& opt);
    void caption(QWidget& w, const ControlSpec& spec) const;
    void configure(QWidget& w, const ControlSpec& spec, const Opt& opt);
    void bind(QWidget& w, const ControlSpec& spec);
    void made(const ControlSpec& spec, QObject* component);

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

void Builder::buildMenu(const ControlSpec& spec, const Opt& opt) {
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
    if (given(opt.shortcut)) {
        item->SetShortCut(opt.shortcut);
        form_.addAction(item); // the shortcut works while the menu is closed, popup menus too
    }
    if (opt.checked)
        item->SetChecked(true);
    item->SetEnabled(!opt.disabled);
    item->SetVisible(!opt.hidden);
    item->setStatusTip(qs(opt.hint));
    if (bar)
        bar->Add(*item);
    else if (popup)
        popup->Add(*item);
    else
        owner->Add(*item);
    made(spec, item);
}

void Builder::made(const ControlSpec& spec, QObject* component) {
    if (*spec.name)
        made_[spec.name] = component;
    if (spec.member)
        spec.member(form_, component);
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
    else if (auto* r = dynamic_cast<RadioButton*>(&w))
        r->SetCaption(text);
}

void Builder::configure(QWidget& w, const ControlSpec& spec, const Opt& opt) {
    const auto items = splitList(opt.items);
    const auto values = splitList(opt.values);
    if (auto* combo = dynamic_cast<ComboBox*>(&w)) {
        combo->SetStyle(opt.style);
        combo->SetItems(items);
        combo->Values = values;
    } else if (auto* radio = dynamic_cast<RadioGroup*>(&w)) {
        radio->SetColumns(opt.columns);
        radio->SetItems(items);
        radio->Values = values;
    } else if (auto* dbc = dynamic_cast<DbCheckBox*>(&w); dbc && !values.empty()) {
        dbc->ValueChecked = values.front();
        dbc->ValueUnchecked = values.size() > 1 ? values[1] : "";
    }
    if (auto* edit = dynamic_cast<Edit*>(&w)) {
        if (given(opt.mask))
            edit->SetEditMask(opt.mask);
        if (opt.maxLength > 0)
            edit->SetMaxLength(opt.maxLength);
        if (auto* number = dynamic_cast<NumberEdit*>(edit))
            number->Decimals = opt.decimals;
        edit->SetReadOnly(opt.readOnly);
        edit->UpperCase = opt.upperCase;
    }
    if (auto* memo = dynamic_cast<Memo*>(&w)) {
        memo->MaxLength = opt.maxLength;
        memo->SetReadOnly(opt.readOnly);
    }
    if (auto* rich = dynamic_cast<RichMemo*>(&w))
        rich->SetReadOnly(opt.readOnly);
    if (auto* spin = dynamic_cast<SpinEdit*>(&w))
        spin->SetRange(opt.min, opt.max);
    if (auto* grid = dynamic_cast<DbGrid*>(&w))
        grid->SetReadOnly(opt.readOnly);
    auto* tool = dynamic_cast<ToolButton*>(&w);
    if (opt.checked) {
        if (auto* check = dynamic_cast<CheckBox*>(&w))
            check->SetChecked(true);
        else if (auto* radio = dynamic_cast<RadioButton*>(&w))
            radio->SetChecked(true);
        else if (tool)
            tool->SetDown(true);
    }
    if (given(opt.shortcut)) {
        if (!tool)
            fail(spec, "só itens de menu e botões de ferramenta têm tecla de atalho.");
        tool->setShortcut(QKeySequence(qs(opt.shortcut), QKeySequence::PortableText));
    }
    if (given(opt.follow)) {
        auto* item = dynamic_cast<MenuItem*>(find(opt.follow));
        if (!item || !tool)
            fail(spec, "follow liga um botão de ferramenta a um item de menu já declarado.");
        tool->FollowEnabled(*item);
    }
    if (given(opt.popup)) {
        auto* menu = dynamic_cast<PopupMenu*>(find(opt.popup));
        if (!menu)
            fail(spec, std::string("o menu ") + opt.popup + " não existe.");
        w.setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(&w, &QWidget::customContextMenuRequested, menu, [&w, menu](const QPoint& at) {
            guarded("menu", [&] { menu->Popup(w.mapToGlobal(at)); });
        });
    }
    if (opt.width > 0)
        w.setFixedWidth(w.fontMetrics().averageCharWidth() * opt.width + 12);
    if (opt.lines > 0)
        w.setFixedHeight(w.fontMetrics().lineSpacing() * opt.lines + 12);
    if (Control* c = asControl(&w)) {
        c->SetHint(opt.hint);
        if (opt.disabled)
            c->SetEnabled(false);
        if (opt.hidden)
            c->SetVisible(false);
        if (opt.noTab)
            c->SetTabStop(false);
        switch (opt.required ? ColorRole::Required : opt.color) {
        case ColorRole::Required:
            c->SetColor(colors::Required);
            break;
        case ColorRole::Normal:
            c->SetColor(colors::Normal);
            break;
        case ColorRole::Disabled:
            c->SetColor(colors::Disabled);
            break;
        case ColorRole::Default:
            break;
        }
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
    const Opt& opt = spec.options;
    if (*spec.name && find(spec.name))
        fail(spec, "nome repetido.");
    switch (spec.kind) {
    case Kind::MainMenu: {
        auto* menu = new MainMenu(&form_);
        menu->setObjectName(qs(spec.name));
        gridOf(form_).setMenuBar(menu);
        made(spec, menu);
        return;
    }
    case Kind::PopupMenu: {
        auto* menu = new PopupMenu(&form_);
        menu->setObjectName(qs(spec.name));
        made(spec, menu);
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
        made(spec, &page);
        return;
    }
    default:
        break;
    }
    QWidget& parent = container(spec);
    const bool withLabel = labelled(spec.kind) && (given(spec.caption) || given(opt.label));
    QWidget* host = &parent;
    QWidget* placed = nullptr;
    if (withLabel) {
        host = new QWidget(&parent);
        auto* column = new QVBoxLayout(host);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(1);
        auto* label = new Label(host);
        label->setObjectName(qs(opt.label));
        label->SetCaption(spec.caption);
        column->addWidget(label);
        if (given(opt.label))
            made_[opt.label] = label;
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
    made(spec, w);
    if (!withLabel)
        caption(*w, spec);
    configure(*w, spec, opt);
    bind(*w, spec);
    gridOf(parent).addWidget(placed, spec.cell.row, spec.cell.col, spec.cell.rowSpan, spec.cell.colSpan);
}

} // namespace

namespace detail {
void bindMismatch(const FormBase& form, const QObject* component) {
    throw Error("Formulário " + form.Name() + ", " + ss(component->objectName()) +
                ": o componente não é do tipo do membro que o recebe.");
}
} // namespace detail

void buildForm(FormBase& form, std::span<const ControlSpec> specs) {
    Builder builder(form);
    for (const ControlSpec& spec : specs)
        builder.build(spec);
}

void buildColumns(FormBase& form, std::span<const ColumnSpec> columns) {
    std::vector<std::pair<DbGrid*, std::vector<GridColumn>>> grids;
    for (const ColumnSpec& spec : columns) {
        const ColumnOpt& opt = spec.options;
        DbGrid* grid = form.component<DbGrid>(spec.grid);
        auto it = std::find_if(grids.begin(), grids.end(), [&](const auto& g) { return g.first == grid; });
        if (it == grids.end())
            it = grids.insert(grids.end(), {grid, {}});
        GridColumn c;
        c.FieldName = spec.field;
        c.Title = spec.title ? spec.title : "";
        c.Width = spec.width;
        c.ReadOnly = opt.readOnly;
        c.Visible = !opt.hidden;
        c.PickList = splitList(opt.pick);
        c.Button = opt.ellipsis ? GridColumn::ButtonStyle::Ellipsis : GridColumn::ButtonStyle::Auto;
        it->second.push_back(std::move(c));
    }
    for (auto& [grid, cols] : grids)
        grid->SetColumns(std::move(cols));
}

} // namespace vq::gui
