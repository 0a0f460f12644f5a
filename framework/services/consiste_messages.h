#pragma once
// Consiste's message routines: the error dialog that ends a command, and the check of a server answer.
//
// MensErro(text, true) shows the error and then throws vq::Abort, the silent abort: the command ends and
// the GUI guard, seeing Abort, shows nothing more, so the user sees the message exactly once.

#include "platform/data/variant.h"

#include <string>
#include <string_view>

namespace vq::Consiste {

// Shows `text` as an error; with `raise`, then throws vq::Abort.
void MensErro(std::string_view text, bool raise = true);

// How CheckResultServ reads an answer besides the server-error Variant, which is always a failure.
enum class ResultKind : int {
    Payload = 0,     // anything else is the payload
    ErrorText = 1,   // a non-blank string is an error text; anything else is the payload
    StatusArray = 2, // ["S", payload...] succeeds (the array is returned); otherwise element 1, or the
                     // whole answer when it is a string, is the error text
};

// Returns the payload of a remote method's answer. A failure is never returned as a payload: with
// `raise` its message is shown (MensErro) and vq::Abort thrown; without, vq::Error is thrown with the
// message and nothing is shown here (the caller or the GUI guard shows it).
Variant CheckResultServ(const Variant& result, bool raise = true, ResultKind kind = ResultKind::Payload);
inline Variant CheckResultServ(const Variant& result, bool raise, int kind) {
    return CheckResultServ(result, raise, static_cast<ResultKind>(kind));
}

// The failure text of an answer under `kind`, or "" when the answer is a success.
std::string resultFailure(const Variant& result, ResultKind kind = ResultKind::Payload);

} // namespace vq::Consiste
