#include "framework/services/consiste_messages.h"

#include "framework/services/host_catalogue.h"
#include "framework/validation/consiste.h"
#include "platform/data/error.h"
#include "platform/gui/seams.h"

namespace vq::Consiste {
namespace {

// A failure whose text is blank still has to say something.
std::string failureText(std::string text) {
    if (EmptyString(text))
        return HostMsg("Erro_Servidor");
    return text;
}

std::string textOf(const Variant& v) {
    if (v.is(VariantKind::String))
        return v.asString();
    if (v.is(VariantKind::ServerError))
        return failureText(v.asServerError().message);
    return failureText(v.isNull() ? std::string{} : v.describe());
}

} // namespace

void MensErro(std::string_view text, bool raise) {
    gui::showMessage(gui::MessageKind::Error, text);
    if (raise)
        throw Abort();
}

std::string resultFailure(const Variant& result, ResultKind kind) {
    if (result.is(VariantKind::ServerError))
        return failureText(result.asServerError().message);
    switch (kind) {
    case ResultKind::Payload:
        return {};
    case ResultKind::ErrorText:
        // The callers recognised their success texts first: whatever is left, blank included, failed.
        return textOf(result.is(VariantKind::String) ? Variant(failureText(result.asString())) : result);
    case ResultKind::StatusArray:
        if (result.is(VariantKind::String))
            return failureText(result.asString());
        if (result.is(VariantKind::Array)) {
            const VariantArray& items = result.asArray();
            if (!items.empty() && items[0].is(VariantKind::String) && items[0].asString() == "S")
                return {};
            return items.size() > 1 ? textOf(items[1]) : failureText({});
        }
        return failureText({}); // neither the status array nor a text: not a success either
    }
    return {};
}

Variant CheckResultServ(const Variant& result, bool raise, ResultKind kind) {
    const std::string failure = resultFailure(result, kind);
    if (failure.empty())
        return result;
    if (raise)
        MensErro(failure, true);
    throw Error(failure);
}

} // namespace vq::Consiste
