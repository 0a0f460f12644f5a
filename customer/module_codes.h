#pragma once
// What the active ERP module's code switches on the customer form, as data. The form asks at each
// decision with the code the framework gives at that moment (Geral::ModuloAtiv), never a stored one.

#include <span>

namespace vq::customer {

enum class ModuleRule {
    RequiredSinceDates,  // "Cliente desde", segment and "Prospect desde" required; prospect import enabled
    ProspectTab,         // tab "Dados do Prospect" and its menu item visible
    ProspectImport,      // prospect import button and menu item visible
    Personalisation,     // tab "Personalização" visible and in the menu check and enable logic
    AdjustmentMonth,     // group "Mês de Reajuste" visible
    FileAbbreviation,    // SGARQESPECLIE label and edit visible, validated at confirm
    Permit,              // permit button and menu item visible
    DuplicateTaxRefused, // a duplicate tax number is refused; saving converts the prospect
    ShortContactPages,   // contact pages without position and level, shorter Tab path
    ProspectOnInsert,    // inserting a customer offers the registered prospects
};

// The module codes a rule applies in.
std::span<const int> moduleCodesOf(ModuleRule rule);
bool appliesIn(ModuleRule rule, int moduleCode);

} // namespace vq::customer
