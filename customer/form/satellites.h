#pragma once
// The forms the customer form opens live in folders above it (they use its connection and datasets), so
// it reaches them through these entries, which the module fills with its launchers when it loads.

#include <functional>
#include <string>

namespace vq::customer {

enum class BatchRoutine { RetECF, TabPrecoClie, GrupClie };

struct Satellites {
    std::function<void(const std::string& code)> CriaFilCliente;
    std::function<void()> CriaImpCliente;
    std::function<void(const std::string& code)> CriaInfEmailClie;
    // As the button btpVendAdic: also sets the e-mail unit's stCdCliente to the code.
    std::function<void(const std::string& code)> CriaVendAdicClie;
    std::function<void()> CriaListaTransp;
    std::function<void()> CriaDadosCliente;
    // The refresh command's reload of cdsCliente: the filter's last confirmed selection, applied unseen.
    std::function<void()> reapplyFilter;
    // Creates a new batch form of the routine and shows it modally.
    std::function<void(BatchRoutine routine)> showBatchForm;
};

Satellites& satellites();

} // namespace vq::customer
