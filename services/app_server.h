#pragma once
// The application server as the module's forms use it: how a connection is set up, the read convention
// (call, result check, SetData) and the write convention (busy indicator, Confirmar with the delta and
// provider, result check, MergeChangeLog). The result check is always Consiste.CheckResultServ(result,
// true, 0): a failure is shown once and ends the command with vq::Abort.

#include "platform/data/client_data_set.h"
#include "platform/data/variant.h"
#include "platform/net/net_connection.h"

#include <functional>
#include <string_view>
#include <type_traits>
#include <utility>

class QWidget;

namespace vq::services {

// Server-side module names of the module's connections.
inline constexpr std::string_view kRdmClientes = "Vqm41200.rdmClientes";
inline constexpr std::string_view kRdmImportCliente = "Vqm41204.rdmImportCliente";
inline constexpr std::string_view kRdmInfEmailClie = "VQM41203.rdmInfEmailClie";

// Names the server module and takes the framework's server address.
void setupConnection(net::TNetConnection& net, std::string_view serverName);
// Host := Vorlane.WebURL, port := Vorlane.WebPort, then connects. Throws when the server cannot be
// reached.
void connectToServer(net::TNetConnection& net);

// A remote method called by name with positional arguments, by-reference ones updated in place: the
// form's connection, or in tests any function of that shape.
class RemoteCall {
public:
    RemoteCall(net::TNetConnection& net); // implicit: the forms pass their connection as it is
    template <class Call>
    requires std::is_invocable_r_v<Variant, Call&, std::string_view, VariantArray&> RemoteCall(Call call)
        : call_(std::move(call)) {}

    Variant operator()(std::string_view method, VariantArray& args) const { return call_(method, args); }

private:
    std::function<Variant(std::string_view, VariantArray&)> call_;
};

// Read convention: the answer is checked, then loaded whole (a packet that does not fit is refused whole
// and the rows stay as they were). `args` hold the server's final values afterwards.
void readInto(const RemoteCall& call, std::string_view method, VariantArray& args, ClientDataSet& dataSet);
void readInto(const RemoteCall& call, std::string_view method, VariantArray&& args, ClientDataSet& dataSet);

// Write convention through Confirmar(delta, providerName), only when the dataset has changes; the busy
// indicator (kind 1, "Atual_Oper" of `form`'s catalogue) shows while it runs and is hidden however it
// ends. The change log is merged (when changes are logged) only after a passed check, so a failure keeps
// it for another try. Returns whether anything was sent.
bool applyUpdates(const RemoteCall& call, ClientDataSet& dataSet, std::string_view providerName,
                  QWidget* form = nullptr);

// Write convention through a method of its own: `method(delta, extra...)`, only when the dataset has
// changes, under the busy indicator (kind 1, `busyText`). The answer is checked; the change log is merged
// only after a passed check, so a failure keeps it for the next send. Returns the checked answer (null
// when nothing was sent).
Variant sendChanges(const RemoteCall& call, ClientDataSet& dataSet, std::string_view method, QWidget* form,
                    std::string_view busyText, VariantArray extra = {});

} // namespace vq::services
