#pragma once
// TfrmRotiGeral, the base of routine forms (batch assignments and the like): a tool bar with the
// confirm button `sbtConfirma` (F10) and the close button `sbtFechar` (Esc), and the panel `pnlRotina`
// that holds the routine's own controls (the derived layout table names it as parent).
//
// The base confirm does nothing: the routine's checks and work are the derived form's, which ends its
// constructor with DoCreate() (running FormCreate()).

#include "framework/forms/toolbar_form.h"

#include <string>

namespace vq {

class TfrmRotiGeral : public ToolbarForm {
public:
    explicit TfrmRotiGeral(std::string className = "TfrmRotiGeral", QWidget* parent = nullptr);

    gui::ToolButton* sbtConfirma = nullptr;
    gui::ToolButton* sbtFechar = nullptr;
    gui::Panel* pnlRotina = nullptr;

    virtual void sbtConfirmaClick();
    virtual void sbtFecharClick(); // Close()
};

} // namespace vq
