#include "framework/forms/frm_padrao_grid.h"

#include "platform/gui/menus.h"
#include "platform/gui/page_control.h"

namespace vq {

TfrmPadraoGrid::TfrmPadraoGrid(std::string className, QWidget* parent)
    : TfrmPadrao(std::move(className), parent) {
    editsInGrid_ = true;
    tshFormulario->SetTabVisible(false);
    mnuFormulario->SetVisible(false);
}

} // namespace vq
