#pragma once
// Loading a dataset from a server answer and sending its change log, over an injected remote call so that
// the module can pass its connection and tests a fake. The busy indicator and the framework's own result
// check wrap these in the module: pass that check as `check` to use it instead of checkServerResult.

#include "platform/data/client_data_set.h"
#include "platform/data/variant.h"

#include <functional>
#include <string_view>

namespace vq::customer {

// A remote method called by name with positional arguments (by-reference ones are updated in place).
using RemoteCall = std::function<Variant(std::string_view method, VariantArray& args)>;
// Turns an answer into its payload, raising when the server reported a failure.
using ResultCheck = std::function<Variant(const Variant& result)>;

// A server-error answer raises Error with the server's text; any other answer is the payload.
Variant checkServerResult(const Variant& result);

// Result check, then the payload loaded whole (a packet that does not fit is refused whole).
void loadDataSet(ClientDataSet& dataSet, const Variant& result, const ResultCheck& check = checkServerResult);

// Calls `method` with `args` and loads the answer.
void fetchDataSet(ClientDataSet& dataSet, const RemoteCall& call, std::string_view method, VariantArray args,
                  const ResultCheck& check = checkServerResult);

// The save primitive's data path: when there are changes, Confirmar(delta, provider), the result check,
// then the change log merged when changes are logged. Nothing is merged when the call or the check
// fails. Returns whether anything was sent.
bool saveDataSet(ClientDataSet& dataSet, std::string_view providerName, const RemoteCall& call,
                 const ResultCheck& check = checkServerResult);

// GetInfoPaginaDadosAdicionais answers ["S", index packet, messages packet] on success; otherwise its
// second element (or the whole answer, when it is a text) is the failure text, raised as Error.
void loadAdditionalData(ClientDataSet& cdsIndice, ClientDataSet& cdsMensCliente, const Variant& result,
                        const ResultCheck& check = checkServerResult);

} // namespace vq::customer
