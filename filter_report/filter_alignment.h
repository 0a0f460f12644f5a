#pragma once
// How the filter brings the customer form's pages, menus and commands into line after it loaded
// cdsCliente (apply) or after the dialog was cancelled. Pages and menu items the form does not have
// (yet) are passed over.

namespace vq {
class TfrmCliente;
}

namespace vq::filter {

void alignAfterApply(TfrmCliente& form);
void alignAfterCancel(TfrmCliente& form);

} // namespace vq::filter
