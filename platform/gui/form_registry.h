#pragma once
// The live forms of the process and which one is active: the top modal form while one runs, else the
// last form activated. The automation driver waits on activeForm(); OnActivate/OnDeactivate follow it.

#include <string_view>
#include <vector>

namespace vq::gui {

class FormBase;

namespace forms {

FormBase* active();
std::vector<FormBase*> all();                 // in creation order
FormBase* find(std::string_view classOrName); // a live form by class name or Name; nullptr when none
std::vector<FormBase*> modalStack();          // innermost last

// Bookkeeping called by FormBase.
void added(FormBase& form);
void removed(FormBase& form);
void setActive(FormBase* form); // ignored for any form but the top modal one while modal forms run
void pushModal(FormBase& form);
void popModal(FormBase& form); // the form active before it becomes active again

} // namespace forms
} // namespace vq::gui
