#pragma once
// The module's launch routines (one per form that the host or the customer form opens) and the entry
// routine IniProc. Errors propagate as exceptions; the exported wrappers (exports.cpp) run them inside
// the GUI guard.

#include "customer/form/satellites.h"
#include "platform/data/variant.h"

#include <string>

namespace vq::module {

void CriaCliente();
void CriaClienteModal(const std::string& ignored, const std::string& nrInsJurInfo,
                      const std::string& nrInsJurClie, const std::string& cdPais, const std::string& sgEstado,
                      const std::string& cdMunicipio, bool showModal, bool cadAut);
void CriaVisualizaCliente(bool allowChanges, const std::string& code);
void CriaFilCliente(const std::string& code);
void CriaDadosCliente();
void CriaInfEmailClie(const std::string& code);
void CriaVendAdicClie(const std::string& code);
void CriaListaTransp();
void CriaImpCliente();

// A new batch form of the routine, shown modally (the customer form's automatic-registration commands).
void showBatchForm(customer::BatchRoutine routine);

// Null: CriaCliente; an array: the view launch or the modal automatic registration (module_api.h).
void IniProc(const Variant& param);

// The customer form's entries to the launchers above (filled by Vqm41200's initialisation).
customer::Satellites launcherEntries();

} // namespace vq::module
