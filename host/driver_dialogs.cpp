// The driver's answers to dialogs: queued `answer` and `pick` values, messages recorded.

#include "host/driver_impl.h"
#include "platform/data/log.h"

#include <algorithm>
#include <charconv>

namespace vq::host {
namespace {

std::optional<std::size_t> rowNumber(const std::string& text) {
    std::size_t n = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (text.empty() || ec != std::errc() || ptr != text.data() + text.size())
        return std::nullopt;
    return n;
}

// A row by its key (a code) first, else by its number (from 0).
std::optional<std::size_t> rowOf(const gui::ChoiceRequest& request, const std::string& item) {
    const auto key = std::find(request.keys.begin(), request.keys.end(), item);
    if (key != request.keys.end())
        return static_cast<std::size_t>(key - request.keys.begin());
    if (const auto n = rowNumber(item); n && *n < request.rows.size())
        return n;
    return std::nullopt;
}

gui::MessageButton buttonOf(const std::string& answer) {
    if (answer == "yes")
        return gui::MessageButton::Yes;
    if (answer == "no")
        return gui::MessageButton::No;
    return gui::MessageButton::Ok;
}

} // namespace

gui::MessageButton Driver::Impl::onMessage(const gui::Message& message) {
    messages.push_back({message.kind, message.text});
    if (answers.empty() || finished) {
        log::info("script: message answered ok: " + message.text);
        return gui::MessageButton::Ok;
    }
    const Queued answer = answers.front();
    answers.pop_front();
    return buttonOf(answer.value);
}

gui::RowChoice Driver::Impl::onChoice(const gui::ChoiceRequest& request) {
    lastList = request;
    if (picks.empty() || finished)
        return std::nullopt; // nobody chose: as the user closing the lookup
    const Queued pick = picks.front();
    picks.pop_front();
    if (pick.value == "none")
        return std::nullopt;
    const auto row = rowOf(request, pick.value);
    if (!row && !deferredError)
        deferredError.emplace(pick.line,
                              ScriptError(pick.line, "pick " + pick.value + ": nenhuma linha com esse " +
                                                         "código ou número em \"" + request.caption + "\"")
                                  .what());
    return row;
}

gui::RowsChoice Driver::Impl::onListPicker(const gui::ChoiceRequest& request) {
    lastList = request;
    if (picks.empty() || finished)
        return std::nullopt;
    const Queued pick = picks.front();
    picks.pop_front();
    if (pick.value == "none")
        return std::nullopt;
    std::vector<std::size_t> rows;
    std::size_t start = 0;
    while (start <= pick.value.size()) {
        const std::size_t comma = std::min(pick.value.find(',', start), pick.value.size());
        const std::string item = pick.value.substr(start, comma - start);
        if (const auto row = rowOf(request, item)) {
            rows.push_back(*row);
        } else if (!deferredError) {
            deferredError.emplace(
                pick.line, ScriptError(pick.line, "pick " + item + ": nenhuma linha com esse " +
                                                      "código ou número em \"" + request.caption + "\"")
                               .what());
            return std::nullopt;
        }
        start = comma + 1;
    }
    return rows;
}

void Driver::Impl::cmdAnswer(const ScriptLine& line) {
    const std::string& value = line.words[1];
    if (line.words.size() == 3) {
        if (value != "file" && value != "text")
            throw DriverError("answer espera file CAMINHO ou text TEXTO");
        (value == "file" ? files : texts).push_back({line.words[2], line.line});
        return;
    }
    if (value != "yes" && value != "no" && value != "ok")
        throw DriverError("answer espera yes, no ou ok");
    answers.push_back({value, line.line});
}

void Driver::Impl::cmdPick(const ScriptLine& line) {
    picks.push_back({line.words[1], line.line});
}

} // namespace vq::host
