#include "customer/dataset_transfer.h"

#include "platform/data/error.h"

#include <string>

namespace vq::customer {

Variant checkServerResult(const Variant& result) {
    if (result.is(VariantKind::ServerError))
        throw Error(result.asServerError().message);
    return result;
}

void loadDataSet(ClientDataSet& dataSet, const Variant& result, const ResultCheck& check) {
    dataSet.SetData(check(result));
}

void fetchDataSet(ClientDataSet& dataSet, const RemoteCall& call, std::string_view method, VariantArray args,
                  const ResultCheck& check) {
    loadDataSet(dataSet, call(method, args), check);
}

bool saveDataSet(ClientDataSet& dataSet, std::string_view providerName, const RemoteCall& call,
                 const ResultCheck& check) {
    if (dataSet.ChangeCount() <= 0)
        return false;
    VariantArray args{dataSet.Delta(), Variant(providerName)};
    check(call("Confirmar", args));
    if (dataSet.LogChanges())
        dataSet.MergeChangeLog();
    return true;
}

void loadAdditionalData(ClientDataSet& cdsIndice, ClientDataSet& cdsMensCliente, const Variant& result,
                        const ResultCheck& check) {
    const Variant payload = check(result);
    if (payload.is(VariantKind::String))
        throw Error(payload.asString());
    if (!payload.is(VariantKind::Array) || payload.asArray().empty())
        throw Error("Resposta inválida do servidor para os dados adicionais: " + payload.describe() + ".");
    const VariantArray& parts = payload.asArray();
    if (parts[0].toString() != "S") {
        const std::string text = parts.size() > 1 ? parts[1].toString() : std::string();
        throw Error(text.empty() ? "Falha ao ler os dados adicionais do cliente." : text);
    }
    if (parts.size() < 3)
        throw Error("Resposta incompleta do servidor para os dados adicionais.");
    if (!parts[1].is(VariantKind::Packet) || !parts[2].is(VariantKind::Packet))
        throw Error("Resposta inválida do servidor para os dados adicionais: os dados não são pacotes.");
    // Both or neither: a messages packet that does not fit leaves the index as it was.
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
