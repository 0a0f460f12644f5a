#include "framework/forms/frm_roti_geral.h"

#include "framework/services/messages.h"
#include "platform/gui/buttons.h"
#include "platform/gui/containers.h"
#include "platform/gui/form_builder.h"

namespace vq {
namespace {

using enum gui::Kind;

constexpr gui::ControlSpec kLayout[] = {
    {Panel, "pnlFerramentas", "", "", "", "", {0, 0}},
    {ToolButton, "sbtConfirma", "pnlFerramentas", "Confirmar", "", "", {0, 0}, "hint=Confirmar (F10)"},
    {ToolButton, "sbtFechar", "pnlFerramentas", "Fechar", "", "", {0, 1}, "hint=Fechar (Esc)"},
    {Panel, "pnlRotina", "", "", "", "", {1, 0}},
};

} // namespace

TfrmRotiGeral::TfrmRotiGeral(std::string className, QWidget* parent)
    : gui::FormBase(std::move(className), parent) {
    msgPadrao = new TMessages(this, "msgPadrao");
    gui::buildForm(*this, kLayout);
    pnlFerramentas = component<gui::Panel>("pnlFerramentas");
    sbtConfirma = component<gui::ToolButton>("sbtConfirma");
    sbtFechar = component<gui::ToolButton>("sbtFechar");
    pnlRotina = component<gui::Panel>("pnlRotina");
    pnlFerramentas->grid().setColumnStretch(2, 1);
    gui::gridOf(*this).setRowStretch(1, 1);
    sbtConfirma->setShortcut(QKeySequence(Qt::Key_F10));
    sbtFechar->setShortcut(QKeySequence(Qt::Key_Escape));

    sbtConfirma->OnClick = [this] { sbtConfirmaClick(); };
    sbtFechar->OnClick = [this] { sbtFecharClick(); };
    OnCreate = [this] { FormCreate(); };
    OnActivate = [this] { FormActivate(); };
    OnClose = [this](gui::CloseAction& action) { FormClose(action); };
}

void TfrmRotiGeral::sbtConfirmaClick() {}
void TfrmRotiGeral::sbtFecharClick() {
    Close();
}
void TfrmRotiGeral::FormCreate() {}
void TfrmRotiGeral::FormActivate() {}
void TfrmRotiGeral::FormClose(gui::CloseAction& action) {
    (void)action;
}

} // namespace vq
