#include "framework/services/pesquisa.h"

#include "contract/code_list.h"
#include "framework/services/host_catalogue.h"
#include "framework/validation/consiste.h"
#include "platform/data/error.h"
#include "platform/gui/seams.h"

#include <algorithm>
#include <set>

namespace vq {
namespace {

// The request every lookup shows; nullopt (after telling the user) when the source has no rows.
std::optional<gui::ChoiceRequest> buildRequest(const LookupSource& source, std::string title,
                                               std::string emptyText, const std::vector<LookupColumn>& wanted,
                                               std::string_view keyField) {
    source.open();
    if (emptyText.empty())
        emptyText = HostMsg("NAO_HA_REGISTRO");
    if (source.rowCount() == 0) {
        gui::showMessage(gui::MessageKind::Info, emptyText);
        return std::nullopt;
    }
    gui::ChoiceRequest request;
    request.caption = std::move(title);
    request.emptyText = std::move(emptyText);
    const std::vector<LookupColumn> columns = source.columns(wanted);
    if (columns.empty())
        throw Error("Pesquisa em " + source.name() + " sem colunas para mostrar.");
    for (const auto& c : columns) {
        request.columns.push_back(c.title);
        request.fields.push_back(c.field);
    }
    request.rows = source.rows(columns);
    request.keys = source.values(keyField.empty() ? std::string_view(columns.front().field) : keyField);
    return request;
}

bool choose(const LookupSource& source, const gui::RowChoice& row, std::size_t rowCount) {
    if (!row)
        return false;
    if (*row >= rowCount)
        throw Error("Pesquisa em " + source.name() + ": linha escolhida fora da lista.");
    source.positionOn(static_cast<int>(*row));
    return true;
}

} // namespace

std::pair<std::string, std::string> splitCaption(std::string_view caption) {
    const std::size_t bar = caption.find('|');
    if (bar == std::string_view::npos)
        return {std::string(caption), {}};
    return {std::string(caption.substr(0, bar)), std::string(caption.substr(bar + 1))};
}

namespace Pesquisa {

bool Pesquisar(const LookupSource& source, std::string_view caption, const std::vector<LookupColumn>& columns,
               std::string_view keyField) {
    // "empty-list text|title"; a caption without a bar is only the title.
    const bool hasBar = caption.find('|') != std::string_view::npos;
    auto [first, second] = splitCaption(caption);
    std::string title = hasBar ? std::move(second) : std::move(first);
    std::string emptyText = hasBar ? std::move(first) : std::string{};
    if (title.empty())
        title = HostMsg("Pesquisa");
    auto request = buildRequest(source, std::move(title), std::move(emptyText), columns, keyField);
    if (!request)
        return false;
    return choose(source, gui::seams::lookup()(*request), request->rows.size());
}

} // namespace Pesquisa

namespace Pesqlista {

std::string makeList(const std::vector<std::string>& codes) {
    std::string list;
    for (const auto& code : codes) {
        const std::string c = Consiste::AllTrim(code);
        if (!c.empty())
            list += "_" + c + "_";
    }
    return list;
}

std::vector<std::string> listCodes(std::string_view list) {
    return contract::listCodes(list);
}

bool listContains(std::string_view list, std::string_view code) {
    const std::vector<std::string> codes = listCodes(list);
    return std::find(codes.begin(), codes.end(), Consiste::AllTrim(code)) != codes.end();
}

bool PesquisaLista(const LookupSource& source, std::string_view keyField, std::string_view caption,
                   bool singleChoice, std::string& list) {
    auto [title, emptyText] = splitCaption(caption);
    if (title.empty())
        title = HostMsg("Pesquisa");
    auto request = buildRequest(source, std::move(title), std::move(emptyText), {}, keyField);
    if (!request)
        return false;
    const std::vector<std::string> held = listCodes(list);
    const std::set<std::string> heldSet(held.begin(), held.end());
    for (std::size_t r = 0; r < request->keys.size(); ++r)
        if (heldSet.contains(request->keys[r]))
            request->selected.push_back(r);
    if (singleChoice && request->selected.size() > 1)
        request->selected.resize(1);

    gui::RowsChoice chosen;
    if (!singleChoice)
        chosen = gui::seams::listPicker()(*request);
    else if (const gui::RowChoice row = gui::seams::lookup()(*request))
        chosen = std::vector<std::size_t>{*row};
    if (!chosen)
        return false;
    std::vector<std::size_t> rows = *chosen;
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::vector<std::string> codes;
    for (const std::size_t r : rows) {
        if (r >= request->keys.size())
            throw Error("Pesquisa em " + source.name() + ": linha escolhida fora da lista.");
        codes.push_back(request->keys[r]);
    }
    list = makeList(codes);
    return true;
}

} // namespace Pesqlista

namespace Procurar {

bool Procura(const LookupSource& source, std::string_view caption) {
    if (!source.dataSet())
        throw Error("Procurar: " + source.name() + " não é um conjunto de dados.");
    auto request =
        buildRequest(source, caption.empty() ? HostMsg("Procurar") : std::string(caption), {}, {}, {});
    if (!request)
        return false;
    const int current = source.currentRow();
    if (current >= 0)
        request->selected.push_back(static_cast<std::size_t>(current));
    return choose(source, gui::seams::search()(*request), request->rows.size());
}

} // namespace Procurar

} // namespace vq
