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
    net.Host = Vorlane::WebURL();
    net.Port = Vorlane::WebPort();
}

void connectToServer(net::TNetConnection& net) {
    // The address may have changed since the form was built (the host reconnects to another server).
    net.Host = Vorlane::WebURL();
    net.Port = Vorlane::WebPort();
    net.Open();
}

RemoteCall::RemoteCall(net::TNetConnection& net)
    : call_([&net](std::string_view method, VariantArray& args) { return net.Call(method, args); }) {}

void readInto(const RemoteCall& call, std::string_view method, VariantArray& args, ClientDataSet& dataSet) {
    dataSet.SetData(Consiste::CheckResultServ(call(method, args), true, Consiste::ResultKind::Payload));
}

void readInto(const RemoteCall& call, std::string_view method, VariantArray&& args, ClientDataSet& dataSet) {
    readInto(call, method, args, dataSet);
}

bool applyUpdates(const RemoteCall& call, ClientDataSet& dataSet, std::string_view providerName,
                  QWidget* form) {
    if (dataSet.ChangeCount() <= 0)
        return false;
    const std::string text = form ? Msg(*form, "Atual_Oper") : HostMsg("Atual_Oper");
    Showavi::Scope busy(form, Showavi::kUpdating, text);
    VariantArray args{dataSet.Delta(), Variant(providerName)};
    Consiste::CheckResultServ(call("Confirmar", args), true, Consiste::ResultKind::Payload);
    if (dataSet.LogChanges())
        dataSet.MergeChangeLog();
    return true;
}

Variant sendChanges(const RemoteCall& call, ClientDataSet& dataSet, std::string_view method, QWidget* form,
                    std::string_view busyText, VariantArray extra) {
    if (dataSet.ChangeCount() <= 0)
        return Variant();
    Showavi::Scope busy(form, Showavi::kUpdating, busyText);
    VariantArray args{dataSet.Delta()};
    for (Variant& value : extra)
        args.push_back(std::move(value));
    Variant answer = Consiste::CheckResultServ(call(method, args), true, Consiste::ResultKind::Payload);
    if (dataSet.LogChanges())
        dataSet.MergeChangeLog();
    return answer;
}

} // namespace vq::services
