#include "batch/batch_call.h"

#include "framework/services/consiste_messages.h"
#include "framework/services/messages.h"
#include "framework/services/showavi.h"
#include "platform/gui/seams.h"
#include "platform/net/net_connection.h"

namespace vq::batch {

namespace {

std::string grouped(std::int64_t n) {
    std::string digits = std::to_string(n < 0 ? -n : n);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), ".");
    return (n < 0 ? "-" : "") + digits;
}

} // namespace

std::string progressText(std::int64_t done, std::int64_t total) {
    return "Atualizando clientes: " + grouped(done) + " de " + grouped(total);
}

Variant callWithProgress(net::TNetConnection& net, std::string_view method, VariantArray& args) {
    Showavi::Scope busy(nullptr, Showavi::kUpdating); // over the active window, the modal batch form
    return net.Call(method, args, [](std::int64_t done, std::int64_t total) {
        Showavi::SetText(progressText(done, total));
    });
}

void showAssignmentAnswer(QWidget& form, const Variant& answer) {
    const std::string text = answer.is(VariantKind::String) ? answer.asString() : std::string();
    for (std::string_view key : {std::string_view("NO_CLIENTES"), std::string_view("SUC")})
        if (text.starts_with(key)) {
            gui::showMessage(gui::MessageKind::Info, Msg(form, key));
            return;
        }
    Consiste::CheckResultServ(answer, true, Consiste::ResultKind::ErrorText);
}

} // namespace vq::batch
