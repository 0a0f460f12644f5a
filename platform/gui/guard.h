#pragma once
// The one way in from Qt to form logic. Every slot, event override and timer that runs form code goes
// through guarded(): vq::Abort ends the action quietly, any other exception is logged and shown in an
// error dialog through the message seam. Nothing ever propagates into Qt.

#include <exception>
#include <functional>
#include <string>
#include <string_view>

namespace vq::gui {

// Shows (through the message seam) and logs an exception caught at a Qt entry point; silent for
// vq::Abort. Never throws.
void reportException(std::exception_ptr error, std::string_view context) noexcept;

// Runs `action`; returns true when it completed, false when it threw (the error is already reported).
template <class F> bool guarded(std::string_view context, F&& action) noexcept {
    try {
        std::invoke(std::forward<F>(action));
        return true;
    } catch (...) {
        reportException(std::current_exception(), context);
        return false;
    }
}

// Runs an optional event slot inside the guard; an empty slot counts as success.
template <class Fn, class... Args>
bool fire(std::string_view context, const Fn& slot, Args&&... args) noexcept {
    if (!slot)
        return true;
    return guarded(context, [&] { slot(std::forward<Args>(args)...); });
}

// Text of an exception for messages: what() of std::exception, a fixed text otherwise.
std::string exceptionText(std::exception_ptr error);

} // namespace vq::gui
