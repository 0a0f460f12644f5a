// The extern "C" surface of libPKG_VQM41200.so (module_api.h). Every entry runs inside the GUI guard:
// nothing is thrown across it.

#include "module/invoke.h"
#include "module/launchers.h"
#include "module/module_api.h"
#include "module/unit_values.h"
#include "module/units.h"
#include "platform/gui/guard.h"

#include <string>

namespace {

std::string text(const char* s) {
    return s ? std::string(s) : std::string();
}

const char* const* unitNameArray() {
    return vq::module::unitNames().data();
}

const VqPackageInfo kPackageInfo = {"PKG_VQM41200", static_cast<int>(vq::module::unitNames().size()),
                                    unitNameArray()};

} // namespace

extern "C" {

void VqSetHostServices(const VqHostServices* services) {
    // The framework's process-wide state is shared through its libraries; nothing else is needed yet.
    (void)services;
}

void Initialize() {
    vq::gui::guarded("Initialize", [] { vq::module::initializeUnits(); });
}

void Finalize() {
    vq::gui::guarded("Finalize", [] { vq::module::finalizeUnits(); });
}

const VqPackageInfo* GetPackageInfoTable() {
    return &kPackageInfo;
}

void IniProc(const vq::Variant* param) {
    vq::gui::guarded("IniProc", [param] { vq::module::IniProc(param ? *param : vq::Variant()); });
}

void CriaCliente() {
    vq::gui::guarded("CriaCliente", [] { vq::module::CriaCliente(); });
}

void CriaClienteModal(const char* ignored, const char* nrInsJurInfo, const char* nrInsJurClie,
                      const char* cdPais, const char* sgEstado, const char* cdMunicipio, bool showModal,
                      bool cadAut) {
    vq::gui::guarded("CriaClienteModal", [&] {
        vq::module::CriaClienteModal(text(ignored), text(nrInsJurInfo), text(nrInsJurClie), text(cdPais),
                                     text(sgEstado), text(cdMunicipio), showModal, cadAut);
    });
}

void CriaVisualizaCliente(bool allowChanges, const char* code) {
    vq::gui::guarded("CriaVisualizaCliente",
                     [&] { vq::module::CriaVisualizaCliente(allowChanges, text(code)); });
}

void CriaFilCliente(const char* code) {
    vq::gui::guarded("CriaFilCliente", [&] { vq::module::CriaFilCliente(text(code)); });
}

void CriaDadosCliente() {
    vq::gui::guarded("CriaDadosCliente", [] { vq::module::CriaDadosCliente(); });
}

void CriaInfEmailClie(const char* code) {
    vq::gui::guarded("CriaInfEmailClie", [&] { vq::module::CriaInfEmailClie(text(code)); });
}

void CriaVendAdicClie(const char* code) {
    vq::gui::guarded("CriaVendAdicClie", [&] { vq::module::CriaVendAdicClie(text(code)); });
}

void CriaListaTransp() {
    vq::gui::guarded("CriaListaTransp", [] { vq::module::CriaListaTransp(); });
}

void CriaImpCliente() {
    vq::gui::guarded("CriaImpCliente", [] { vq::module::CriaImpCliente(); });
}

bool VqInvoke(const char* routine, const vq::VariantArray* args, vq::Variant* result, char* error,
              std::size_t errorSize) {
    std::string failure;
    bool ok = false;
    vq::gui::guarded("VqInvoke", [&] {
        ok = vq::module::invoke(text(routine), args ? *args : vq::VariantArray{}, failure);
    });
    if (result)
        *result = vq::Variant();
    if (error && errorSize > 0) {
        const std::size_t n = std::min(failure.size(), errorSize - 1);
        failure.copy(error, n);
        error[n] = '\0';
    }
    return ok;
}

bool VqUnitValue(const char* unit, const char* name, vq::Variant* out) {
    bool found = false;
    vq::gui::guarded("VqUnitValue", [&] {
        if (auto value = vq::module::unitValue(text(unit), text(name))) {
            if (out)
                *out = std::move(*value);
            found = true;
        }
    });
    return found;
}

} // extern "C"
