#pragma once
// The module's exported interface, as the host (erp-host and its automation driver) sees it after
// dlopen("libPKG_VQM41200.so"). Everything here is extern "C" with UTF-8 strings; no exception ever
// crosses these functions: each runs inside the GUI guard (vq::Abort ends quietly, any other error is
// shown through the message seam and logged).
//
// Order of use: dlopen, VqSetHostServices (optional), Initialize, then IniProc or any launcher, and
// Finalize before dlclose. Everything runs on the GUI thread.

#include "platform/data/variant.h"

#include <cstddef>
#include <cstdint>

extern "C" {

// The package's unit table for the host's loader.
struct VqPackageInfo {
    const char* packageName;      // "PKG_VQM41200"
    int unitCount;                // 10
    const char* const* unitNames; // in initialisation order: Vqm41201 ... Vqm41200, Vqm41204
};

// Anything extra the host hands the module. The framework state (settings, seams, forms, the host
// catalogue) is already shared through libvqframework.so / libvqgui.so, so nothing is required here.
struct VqHostServices {
    std::uint32_t version; // kVqHostServicesVersion
};
inline constexpr std::uint32_t kVqHostServicesVersion = 1;

// Called right after dlopen and before Initialize; a null pointer is accepted. The module keeps no
// copy of the structure beyond the call.
void VqSetHostServices(const VqHostServices* services);

// Package load and unload: the ten unit initialisations in their fixed order, the finalisations in
// reverse. Each unit counts references: the second Initialize initialises nothing, and only the
// Finalize that balances the first Initialize finalises. Finalize also frees the module's live forms
// (their code goes away with the library).
void Initialize();
void Finalize();

const VqPackageInfo* GetPackageInfoTable();

// Opens the module: a null pointer or a null Variant runs CriaCliente; otherwise `param` must be a
// one-dimensional array: ["VISUALIZA_CLIENTE", allowChanges (bool), customerCode] runs
// CriaVisualizaCliente; [taxNumber, country, state, municipality] runs a modal automatic registration
// (CriaClienteModal("DFS", taxNumber, taxNumber, country, state, municipality, true, true)).
// Anything else is reported as an error.
void IniProc(const vq::Variant* param);

// Launchers. Strings may be null (read as empty).
void CriaCliente();
void CriaClienteModal(const char* ignored, const char* nrInsJurInfo, const char* nrInsJurClie,
                      const char* cdPais, const char* sgEstado, const char* cdMunicipio, bool showModal,
                      bool cadAut);
void CriaVisualizaCliente(bool allowChanges, const char* code);
void CriaFilCliente(const char* code);
void CriaDadosCliente();
void CriaInfEmailClie(const char* code);
void CriaVendAdicClie(const char* code);
void CriaListaTransp();
void CriaImpCliente();

// Calls an exported routine by name (the launchers above, IniProc, Initialize, Finalize) with Variant
// arguments: strings take a string or null, booleans a bool, IniProc one Variant of any kind (or none).
// Returns false, with a Portuguese text in `error` (cut to errorSize, always terminated), when the
// routine is unknown or the arguments do not fit its signature. Returns true once the routine has run,
// whether or not it ended in an error: such errors are shown through the message seam, as for the
// direct calls. `result` (may be null) is set to null: the routines return nothing.
bool VqInvoke(const char* routine, const vq::VariantArray* args, vq::Variant* result, char* error,
              std::size_t errorSize);

// Unit-level state by unit and name ("Vqm41200", "boStCriado"): flags as bool, strings as string,
// integers as int; a form reference gives the live form's Name, or null when there is none. The
// filter record reads as "Filtro.TCLIENTE.all" / "Filtro.TCLIENTE.list" (and TPAIS, TESTADO,
// TMUNICIPIO, TRAMO, TSEGMENTO, TQUALIFICACAO, TORIGEM); Vqm41204's arFields gives its size.
// Returns false (and leaves `out` alone) for an unknown unit or name.
bool VqUnitValue(const char* unit, const char* name, vq::Variant* out);

} // extern "C"
