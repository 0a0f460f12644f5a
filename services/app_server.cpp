#include "services/app_server.h"

#include "framework/services/consiste_messages.h"
#include "framework/services/host_catalogue.h"
#include "framework/services/messages.h"
#include "framework/services/showavi.h"
#include "framework/services/vorlane.h"

#include <QWidget>
#include <string>

namespace vq::services {

void setupConnection(net::TNetConnection& net, std::string_view serverName) {
    net.ServerName = std::string(serverName);
    net.ThrowException = false;
    net.Host = Vorlane::WebURL();
    net.Port = Vorlane::WebPort();
}

void connectToServer(net::TNetConnection& net) {
    // The address may have changed since the form was built (the host reconnects to another server).
    net.Host = Vorlane::WebURL();
    net.Port = Vorlane::WebPort();
    net.Open();
}

customer::RemoteCall remoteCall(net::TNetConnection& net) {
    return [&net](std::string_view method, VariantArray& args) { return net.Call(method, args); };
}

Variant checkResult(const Variant& result) {
    return Consiste::CheckResultServ(result, true, 0);
}

void readInto(net::TNetConnection& net, std::string_view method, VariantArray& args, ClientDataSet& dataSet) {
    customer::loadDataSet(dataSet, net.Call(method, args), checkResult);
}

void readInto(net::TNetConnection& net, std::string_view method, VariantArray&& args,
              ClientDataSet& dataSet) {
    readInto(net, method, args, dataSet);
}

bool applyUpdates(net::TNetConnection& net, ClientDataSet& dataSet, std::string_view providerName,
                  QWidget* form) {
    if (dataSet.ChangeCount() <= 0)
        return false;
    const std::string text = form ? Msg(*form, "Atual_Oper") : HostMsg("Atual_Oper");
    // The scope hides the indicator on every way out; saveDataSet merges only after a passed check.
    Showavi::Scope busy(form, Showavi::kUpdating, text);
    return customer::saveDataSet(dataSet, providerName, remoteCall(net), checkResult);
}

} // namespace vq::services
