#include "platform/gui/db_navigator.h"

#include "platform/data/client_data_set.h"
#include "platform/gui/guard.h"
#include "platform/gui/qt_text.h"
#include "platform/gui/seams.h"

#include <QHBoxLayout>

namespace vq::gui {
namespace {

struct ButtonLook {
    const char* name;
    const char* glyph;
    const char* hint;
};
constexpr std::array<ButtonLook, kNavButtonCount> kLooks{{{"First", "|◀", "Primeiro"},
                                                          {"Prior", "◀", "Anterior"},
                                                          {"Next", "▶", "Próximo"},
                                                          {"Last", "▶|", "Último"},
                                                          {"Insert", "+", "Incluir"},
                                                          {"Delete", "−", "Excluir"},
                                                          {"Edit", "▲", "Alterar"},
                                                          {"Post", "✓", "Gravar"},
                                                          {"Cancel", "✗", "Cancelar"},
                                                          {"Refresh", "↻", "Atualizar"}}};

} // namespace

DbNavigator::DbNavigator(QWidget* parent) : ControlOf<QWidget>(parent) {
    setFocusPolicy(Qt::NoFocus);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        auto* b = new QToolButton(this);
        b->setObjectName(qs(kLooks[i].name));
        b->setText(QString::fromUtf8(kLooks[i].glyph));
        b->setToolTip(QString::fromUtf8(kLooks[i].hint));
        b->setFocusPolicy(Qt::NoFocus);
        const auto which = static_cast<NavButton>(i);
        connect(b, &QToolButton::clicked, this,
                [this, which] { guarded("navegador", [&] { BtnClick(which); }); });
        layout->addWidget(b);
        buttons_[i] = b;
    }
    layout->addStretch();
    updateButtons();
}

void DbNavigator::SetButtonVisible(NavButton which, bool visible) {
    button(which).setVisible(visible);
}

bool DbNavigator::ButtonEnabled(NavButton which) const {
    const ClientDataSet* ds = dataSet();
    if (!active() || !ds)
        return false;
    const bool modify = ds->CanModify();
    switch (which) {
    case NavButton::First:
    case NavButton::Prior:
        return !ds->Bof();
    case NavButton::Next:
    case NavButton::Last:
        return !ds->Eof();
    case NavButton::Insert:
        return modify;
    case NavButton::Delete:
        return modify && !ds->IsEmpty();
    case NavButton::Edit:
        return modify && !ds->editing();
    case NavButton::Post:
    case NavButton::Cancel:
        return modify && ds->editing();
    case NavButton::Refresh:
        return true;
    }
    return false;
}

void DbNavigator::updateButtons() {
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->setEnabled(ButtonEnabled(static_cast<NavButton>(i)));
}

void DbNavigator::BtnClick(NavButton which) {
    ClientDataSet* ds = dataSet();
    if (active() && ds) {
        if (BeforeAction)
            BeforeAction(which);
        switch (which) {
        case NavButton::First:
            ds->First();
            break;
        case NavButton::Prior:
            ds->Prior();
            break;
        case NavButton::Next:
            ds->Next();
            break;
        case NavButton::Last:
            ds->Last();
            break;
        case NavButton::Insert:
            ds->Insert();
            break;
        case NavButton::Delete:
            if (!ConfirmDelete || confirm("Excluir registro?"))
                ds->Delete();
            break;
        case NavButton::Edit:
            ds->Edit();
            break;
        case NavButton::Post:
            ds->Post();
            break;
        case NavButton::Cancel:
            ds->Cancel();
            break;
        case NavButton::Refresh:
            break;
        }
    }
    if (OnNavClick)
        OnNavClick(which);
}

} // namespace vq::gui
