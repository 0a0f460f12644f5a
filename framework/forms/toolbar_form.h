#pragma once
// The base of the tool-bar forms (routines, filters, report parameters): the message catalogue
// `msgPadrao`, the tool bar `pnlFerramentas` on top, and the form events as virtual handlers that do
// nothing in the base.
//
// A derived base builds its own table with buildToolbar(): its tool buttons in `pnlFerramentas` and its
// working panel in row {1, 0}, which takes the form's remaining height. The buttons stay left, a
// stretch column follows the last one.

#include "platform/gui/form_base.h"
#include "platform/gui/form_builder.h"

#include <span>
#include <string>

namespace vq {
class TMessages;
}
namespace vq::gui {
class Panel;
class ToolButton; // the derived forms' buttons
} // namespace vq::gui

namespace vq {

class ToolbarForm : public gui::FormBase {
public:
    TMessages* msgPadrao = nullptr;
    gui::Panel* pnlFerramentas = nullptr;

    virtual void FormCreate();
    virtual void FormActivate();
    virtual void FormClose(gui::CloseAction& action);

protected:
    ToolbarForm(std::string className, QWidget* parent);
    // Run from the derived constructor, once its members exist to receive the components.
    void buildToolbar(std::span<const gui::ControlSpec> layout);
};

} // namespace vq
