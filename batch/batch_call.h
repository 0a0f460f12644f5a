#pragma once
// How the batch forms run their one server call: under the busy indicator of kind 1, whose text follows
// the server's progress ("Atualizando clientes: 1.200 de 5.000"), and how they read the answer.

#include "platform/data/variant.h"

#include <cstdint>
#include <string>
#include <string_view>

class QWidget;

namespace vq::net {
class TNetConnection;
}

namespace vq::batch {

// "Atualizando clientes: 1.200 de 5.000" (thousands with a dot, as the user reads numbers).
std::string progressText(std::int64_t done, std::int64_t total);

// Calls `method` with the indicator shown over the application's main form (hidden however it ends).
Variant callWithProgress(net::TNetConnection& net, std::string_view method, VariantArray& args);

// The assignment forms' answer: "NO_CLIENTES..." and "SUC..." show the form's text of that key as an
// information; anything else is a failure reported by the result check (a blank one included).
void showAssignmentAnswer(QWidget& form, const Variant& answer);

} // namespace vq::batch
