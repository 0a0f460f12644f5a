#include "framework/forms/frm_roti_geral.h"

#include "platform/gui/buttons.h"
#include "platform/gui/containers.h"

namespace vq {
namespace {

using enum gui::Kind;
using gui::bind;
using Self = TfrmRotiGeral;

// clang-format off
constexpr gui::ControlSpec kLayout[] = {
    {ToolButton, "sbtConfirma", "pnlFerramentas", "Confirmar", "", "", {0, 0}, {.hint = "Confirmar (F10)", .shortcut = "F10"}, bind<&Self::sbtConfirma>()},
    {ToolButton, "sbtFechar", "pnlFerramentas", "Fechar", "", "", {0, 1}, {.hint = "Fechar (Esc)", .shortcut = "Esc"}, bind<&Self::sbtFechar>()},
    {Panel, "pnlRotina", "", "", "", "", {1, 0}, {}, bind<&Self::pnlRotina>()},
};
// clang-format on

} // namespace

TfrmRotiGeral::TfrmRotiGeral(std::string className, QWidget* parent)
    : ToolbarForm(std::move(className), parent) {
    buildToolbar(kLayout);
    sbtConfirma->OnClick = [this] { sbtConfirmaClick(); };
    sbtFechar->OnClick = [this] { sbtFecharClick(); };
}

void TfrmRotiGeral::sbtConfirmaClick() {}
void TfrmRotiGeral::sbtFecharClick() {
    Close();
}

} // namespace vq
