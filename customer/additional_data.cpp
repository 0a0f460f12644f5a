#include "customer/additional_data.h"

#include "platform/data/error.h"

namespace vq::customer {

void loadAdditionalData(ClientDataSet& cdsIndice, ClientDataSet& cdsMensCliente, const Variant& answer) {
    if (!answer.is(VariantKind::Array) || answer.asArray().size() < 3)
        throw Error("Resposta incompleta do servidor para os dados adicionais: " + answer.describe() + ".");
    const VariantArray& parts = answer.asArray();
    if (!parts[1].is(VariantKind::Packet) || !parts[2].is(VariantKind::Packet))
        throw Error("Resposta inválida do servidor para os dados adicionais: os dados não são pacotes.");
    const bool indexWasActive = cdsIndice.Active();
    const Variant previousIndex = cdsIndice.Data();
    cdsIndice.SetData(parts[1]);
    try {
        cdsMensCliente.SetData(parts[2]);
    } catch (...) {
        if (indexWasActive)
            cdsIndice.SetData(previousIndex);
        else
            cdsIndice.Close();
        throw;
    }
}

} // namespace vq::customer
