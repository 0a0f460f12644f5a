#pragma once
// Host facts and services of the framework unit Vorlane: application server address, the logged-in
// operator, opening other ERP modules, the host's local cache, and coded-field pictures.

#include "framework/services/coded_picture.h"
#include "platform/data/variant.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace vq::Vorlane {

std::string WebURL(); // application server host
int WebPort();
std::string Operador();     // code of the operator logged in
std::string NomeOperador(); // the operator's name

// ---- Other ERP modules. The host registers what its installation has; a module opens with its
// parameter values (e.g. LoadBPL("VQM87100", {code, number, name, kind})).
using ModuleLauncher = std::function<void(const VariantArray& values)>;
void registerModule(std::string_view module, ModuleLauncher launcher); // names match in any case
void unregisterModule(std::string_view module);
bool hasModule(std::string_view module);

// Opens `module`; true when it was opened. A module the installation lacks shows an error naming it and
// answers false (nothing is thrown: the menu command that asked simply ends). A launcher's own
// exceptions reach the caller.
bool LoadBPL(std::string_view module, const VariantArray& values = {});

// ---- The host's local cache of tables. Each request is recorded (for the host and the automation
// driver) and handed to the host's handler when one is set.
using LocalCacheHandler = std::function<void(const std::vector<std::string>& tables)>;
void setLocalCacheHandler(LocalCacheHandler handler);
// `tables`: an array of table names (or one name).
void AtualizaLocalCache(const Variant& tables);
void AtualizaLocalCache(const std::vector<std::string>& tables);
void AtualizaLocalCache(std::initializer_list<std::string_view> tables); // AtualizaLocalCache({"INTECLIE"})
const std::vector<std::vector<std::string>>& localCacheRequests();
void clearLocalCacheRequests();

// ---- Coded-field pictures by kind (0 product tree, 2 ledger account, 16 activity branch...), from the
// framework settings. DBPict is the edit mask of the code fields ("" when the kind has none); DBPictObj
// the picture itself, with its number of levels.
std::string DBPict(int kind);
CodedPicture DBPictObj(int kind);

} // namespace vq::Vorlane
