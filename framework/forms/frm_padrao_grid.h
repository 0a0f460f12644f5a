#pragma once
// TfrmPadraoGrid: record maintenance in the grid alone. The form page and its menu item are hidden;
// insert and edit stay on the grid and give it the focus; the grid page stays enabled while editing.
// Commands, menus, shortcuts and handlers are TfrmPadrao's.

#include "framework/forms/frm_padrao.h"

namespace vq {

class TfrmPadraoGrid : public TfrmPadrao {
public:
    explicit TfrmPadraoGrid(std::string className = "TfrmPadraoGrid", QWidget* parent = nullptr);
};

} // namespace vq
