#pragma once
// TfrmRotiGeral, the base of routine forms (batch assignments and the like): a tool bar with the
// confirm button `sbtConfirma` (F10) and the close button `sbtFechar` (Esc), and the panel `pnlRotina`
// that holds the routine's own controls (the derived layout table names it as parent).
//
// The base confirm does nothing: the routine's checks and work are the derived form's, which ends its
// constructor with DoCreate() (running FormCreate()).

#include "platform/gui/form_base.h"

#include <string>

namespace vq {
class TMessages;
}
namespace vq::gui {
class Panel;
class ToolButton;
} // namespace vq::gui

namespace vq {

class TfrmRotiGeral : public gui::FormBase {
public:
    explicit TfrmRotiGeral(std::string className = "TfrmRotiGeral", QWidget* parent = nullptr);

    TMessages* msgPadrao = nullptr;
    gui::Panel* pnlFerramentas = nullptr;
    gui::ToolButton* sbtConfirma = nullptr;
    gui::ToolButton* sbtFechar = nullptr;
    gui::Panel* pnlRotina = nullptr;

    virtual void sbtConfirmaClick();
    virtual void sbtFecharClick(); // Close()
    virtual void FormCreate();
    virtual void FormActivate();
    virtual void FormClose(gui::CloseAction& action);
};

} // namespace vq
