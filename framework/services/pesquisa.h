#pragma once
// The framework's lookups: one choice (Pesquisa), several choices (Pesqlista) and the in-dataset search
// (Procurar). Each goes through its seam (platform/gui/seams.h), so tests and the automation driver
// answer without a dialog. An empty source shows its empty-list text as information and chooses nothing.

#include "framework/services/lookup_source.h"

#include <string>
#include <string_view>
#include <vector>

namespace vq {

namespace Pesquisa {

// One row of `source`. `caption` is "empty-list text|title" (a caption without a bar is the title). On a
// choice the source is positioned on the chosen row and true is answered. `columns` chooses what is
// shown (default: the visible fields); `keyField` names the codes a driver may answer with (default: the
// first column).
bool Pesquisar(const LookupSource& source, std::string_view caption,
               const std::vector<LookupColumn>& columns = {}, std::string_view keyField = {});

} // namespace Pesquisa

namespace Pesqlista {

// Several rows of `source`. `caption` is "title|empty-list text". `list` holds the chosen values of
// `keyField` in the list form, each code between underscores ("_a__b_"; one code c reads "_c_"), and
// its codes come pre-selected. `singleChoice` allows only one row. Answers true when the user confirmed
// (the list is rewritten, empty when every row was unticked); false when cancelled or the source is
// empty (the list is untouched).
bool PesquisaLista(const LookupSource& source, std::string_view keyField, std::string_view caption,
                   bool singleChoice, std::string& list);

// The list form of codes, and back. Codes are trimmed; blank codes are left out.
std::string makeList(const std::vector<std::string>& codes);
std::vector<std::string> listCodes(std::string_view list);
bool listContains(std::string_view list, std::string_view code);

} // namespace Pesqlista

namespace Procurar {

// Searches the rows of `source` (a client dataset) by a column's text and positions the dataset on the
// row found. True when a row was chosen.
bool Procura(const LookupSource& source, std::string_view caption = {});

} // namespace Procurar

// Splits a lookup caption at its first bar.
std::pair<std::string, std::string> splitCaption(std::string_view caption);

} // namespace vq
