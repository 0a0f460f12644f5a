#include "services/app_server.h"

#include "framework/services/consiste_messages.h"
#include "framework/services/framework_settings.h"
#include "framework/services/geral.h"
#include "framework/services/host_catalogue.h"
#include "framework/services/messages.h"
#include "framework/services/showavi.h"
#include "framework/services/vorlane.h"

#include <QWidget>
#include <algorithm>
#include <string>

namespace vq::services {

namespace {

std::vector<net::ServerAddress> sorted(net::ServerAddress first, std::vector<net::ServerAddress> rest) {
    rest.push_back(std::move(first));
    std::sort(rest.begin(), rest.end(), [](const auto& a, const auto& b) { return a.text() < b.text(); });
    return rest;
}

// What the hello presents, as the host's settings stand now; a change makes the next call say it again.
void takeIdentity(net::TNetConnection& net) {
    net.SetSecret(frameworkSettings().serverSecret);
    net.SetOperator(Vorlane::Operador());
    net.SetErpModule(Geral::ModuloAtiv());
}

void takeServers(net::TNetConnection& net) {
    takeIdentity(net);
    net::ServerAddress first{Vorlane::WebURL(), Vorlane::WebPort()};
    const auto& fallbacks = frameworkSettings().fallbackServers;
    if (sorted(first, fallbacks) == sorted({net.Host, net.Port}, net.Fallbacks))
        return; // same servers: keep the order the connection learned by moving on
    net.Host = std::move(first.host);
    net.Port = first.port;
    net.Fallbacks = fallbacks;
}

} // namespace

void setupConnection(net::TNetConnection& net, std::string_view serverName) {
    net.ServerName = std::string(serverName);
    net.BeforeCall = takeIdentity;
    takeServers(net);
}

void connectToServer(net::TNetConnection& net) {
    // The address may have changed since the form was built (the host reconnects to another server).
    takeServers(net);
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
