#pragma once
// The application server as the module's forms use it: how a connection is set up, the read convention
// (call, result check, SetData) and the write convention (busy indicator, Confirmar with the delta and
// provider, result check, MergeChangeLog).

#include "customer/dataset_transfer.h"
#include "platform/data/client_data_set.h"
#include "platform/data/variant.h"
#include "platform/net/net_connection.h"

#include <string_view>

class QWidget;

namespace vq::services {

// Server-side module names of the module's connections.
inline constexpr std::string_view kRdmClientes = "Vqm41200.rdmClientes";
inline constexpr std::string_view kRdmImportCliente = "Vqm41204.rdmImportCliente";
inline constexpr std::string_view kRdmInfEmailClie = "VQM41203.rdmInfEmailClie";

// Names the server module and takes the framework's server address; failures come back as results
// (ThrowException false) so that the result check reports them.
void setupConnection(net::TNetConnection& net, std::string_view serverName);
// Host := Vorlane.WebURL, port := Vorlane.WebPort, then connects. Throws when the server cannot be
// reached.
void connectToServer(net::TNetConnection& net);

// The connection as a RemoteCall for the customer dataset helpers.
customer::RemoteCall remoteCall(net::TNetConnection& net);
// The framework's result check: Consiste.CheckResultServ(result, true, 0).
Variant checkResult(const Variant& result);

// Read convention. `args` are passed by reference: they hold the server's final values afterwards.
void readInto(net::TNetConnection& net, std::string_view method, VariantArray& args, ClientDataSet& dataSet);
void readInto(net::TNetConnection& net, std::string_view method, VariantArray&& args, ClientDataSet& dataSet);

// Write convention through Confirmar(delta, providerName), only when the dataset has changes; the busy
// indicator (kind 1, "Atual_Oper" of `form`'s catalogue) shows while it runs and is hidden however it
// ends. Returns whether anything was sent; a failure is re-raised with the change log kept.
bool applyUpdates(net::TNetConnection& net, ClientDataSet& dataSet, std::string_view providerName,
                  QWidget* form = nullptr);

} // namespace vq::services
