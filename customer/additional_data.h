#pragma once
// The additional-data tab's two datasets, filled from one answer of GetInfoPaginaDadosAdicionais.

#include "platform/data/client_data_set.h"
#include "platform/data/variant.h"

namespace vq::customer {

// `answer` is the method's answer once the result check has passed it as a status array
// (Consiste::ResultKind::StatusArray): ["S", index packet, messages packet]. Both datasets are loaded or
// neither: a messages packet that does not fit leaves the index as it was. A shorter answer or one
// without the two packets raises Error.
void loadAdditionalData(ClientDataSet& cdsIndice, ClientDataSet& cdsMensCliente, const Variant& answer);

} // namespace vq::customer
