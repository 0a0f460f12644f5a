#include "framework/forms/toolbar_form.h"

#include "framework/services/messages.h"
#include "platform/gui/containers.h"

namespace vq {
namespace {

using enum gui::Kind;
using gui::bind;

// clang-format off
constexpr gui::ControlSpec kLayout[] = {
    {Panel, "pnlFerramentas", "", "", "", "", {0, 0}, {}, bind<&ToolbarForm::pnlFerramentas>()},
};
// clang-format on

} // namespace

ToolbarForm::ToolbarForm(std::string className, QWidget* parent)
    : gui::FormBase(std::move(className), parent) {
    msgPadrao = new TMessages(this, "msgPadrao");
    gui::buildForm(*this, kLayout);
    OnCreate = [this] { FormCreate(); };
    OnActivate = [this] { FormActivate(); };
    OnClose = [this](gui::CloseAction& action) { FormClose(action); };
}

void ToolbarForm::buildToolbar(std::span<const gui::ControlSpec> layout) {
    gui::buildForm(*this, layout);
    QGridLayout& bar = pnlFerramentas->grid();
    bar.setColumnStretch(bar.columnCount(), 1);
    gui::gridOf(*this).setRowStretch(1, 1);
}

void ToolbarForm::FormCreate() {}
void ToolbarForm::FormActivate() {}
void ToolbarForm::FormClose(gui::CloseAction& action) {
    (void)action;
}

} // namespace vq
