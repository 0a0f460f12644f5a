#pragma once
// Module forms shown inside the main window: each non-modal form becomes a sub-window of the window's
// MDI area. The module keeps owning its forms; the sub-window follows the form (shown, hidden, gone).

#include <QMdiArea>

namespace vq::gui {
class FormBase;
}

namespace vq::host {

// Puts the form in a sub-window of `area` (once), shows it there and makes it the active form.
void embedForm(QMdiArea& area, gui::FormBase& form);

// Hands every embedded form back to its owner as a hidden window of its own, before the area goes.
void releaseEmbeddedForms(QMdiArea& area);

} // namespace vq::host
