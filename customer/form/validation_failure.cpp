// TfrmCliente: what every failing field check does on its way out.

#include "customer/Vqm41200.h"
#include "platform/gui/control.h"
#include "platform/gui/page_control.h"

namespace vq {

void TfrmCliente::validationFailed(gui::TabSheet* page, gui::Control* control, bool billing) {
    boErroValida = true;
    if (page && pgcPadrao->ActivePage() != page) {
        pgcPadrao->SetActivePage(page);
        pgcPadraoChange();
    }
    if (billing && detail.pgcGeral && detail.tshGeral) {
        detail.pgcGeral->SetActivePage(detail.tshGeral);
        pgcGeralChange();
    }
    if (control && control->CanFocus()) {
        try {
            SetFocus(*control);
        } catch (...) {
            // The check already reported its fault; a second one from the control being left is not shown.
        }
    }
}

} // namespace vq
