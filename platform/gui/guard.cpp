#include "platform/gui/guard.h"

#include "platform/data/error.h"
#include "platform/data/log.h"
#include "platform/gui/seams.h"

#include <string>

namespace vq::gui {

std::string exceptionText(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "Erro inesperado.";
    }
}

void reportException(std::exception_ptr error, std::string_view context) noexcept {
    try {
        try {
            std::rethrow_exception(error);
        } catch (const Abort&) {
            return; // the silent abort: the action simply ends
        } catch (...) {
        }
        const std::string text = exceptionText(error);
        log::error("gui: " + std::string(context) + ": " + text);
        showMessage(MessageKind::Error, text);
    } catch (...) {
        // The dialog itself failed (or the log did): there is nobody left to tell but the log.
        try {
            log::error("gui: failure while reporting an error in " + std::string(context));
        } catch (...) {
        }
    }
}

} // namespace vq::gui
