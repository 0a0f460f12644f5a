#pragma once
// The framework unit Tabvalid: checks of coded fields against their picture.

#include <string_view>

namespace vq::Tabvalid {

// Checks a tree code against the coded-field picture of `kind` (Vorlane::DBPictObj): valid when it
// fills one or more levels completely, from the first, with the picture's separators. A kind with no
// picture accepts any code that is not blank. An invalid code with `raise` shows the error (naming the
// code and the picture) and ends the command (vq::Abort); without `raise` the answer is only false.
bool ValidEx(std::string_view code, int kind, bool raise = true);

} // namespace vq::Tabvalid
