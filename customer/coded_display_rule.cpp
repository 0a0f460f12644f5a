#include "customer/coded_display_rule.h"

#include "platform/data/client_data_set.h"

#include <utility>

namespace vq::customer {

namespace {

std::string shownText(const CodedDisplayRule& rule, const CodedValue& value, const MessageLookup& msg) {
    if (rule.messageKeys && msg)
        return msg(value.shown);
    return std::string(value.shown);
}

const CodedValue* findCode(const CodedDisplayRule& rule, std::string_view code) {
    for (const CodedValue& v : rule.values)
        if (v.stored == code)
            return &v;
    return nullptr;
}

} // namespace

std::string codedText(const CodedDisplayRule& rule, const Variant& stored, const MessageLookup& msg) {
    const std::string code = stored.toString();
    if (code.empty())
        return std::string(rule.emptyShows);
    if (rule.mode == CodedTextMode::Codes)
        return code;
    const CodedValue* value = findCode(rule, code);
    return value ? shownText(rule, *value, msg) : std::string();
}

std::optional<std::string> codedValue(const CodedDisplayRule& rule, std::string_view text,
                                      const MessageLookup& msg) {
    for (const CodedValue& v : rule.values)
        if (shownText(rule, v, msg) == text)
            return std::string(v.stored);
    if (findCode(rule, text))
        return std::string(text);
    return std::nullopt;
}

std::vector<std::string> codedItemTexts(const CodedDisplayRule& rule, const MessageLookup& msg) {
    std::vector<std::string> texts;
    texts.reserve(rule.values.size());
    for (const CodedValue& v : rule.values)
        texts.push_back(shownText(rule, v, msg));
    return texts;
}

std::vector<std::string> codedItemValues(const CodedDisplayRule& rule) {
    std::vector<std::string> values;
    values.reserve(rule.values.size());
    for (const CodedValue& v : rule.values)
        values.emplace_back(v.stored);
    return values;
}

void applyCodedRule(Field& field, const CodedDisplayRule& rule, MessageLookup msg) {
    if (rule.mode == CodedTextMode::Codes && rule.emptyShows.empty())
        return;
    field.OnGetText = [rule, msg](Field& sender, std::string& text, bool) {
        if (rule.browseOnly && sender.DataSet().State() != DataSetState::Browse)
            return; // while editing the code itself is shown and typed
        text = codedText(rule, sender.Value(), msg);
    };
    if (rule.mode == CodedTextMode::Codes)
        return; // the control stores codes; plain text handling is right
    field.OnSetText = [rule, msg = std::move(msg)](Field& sender, const std::string& text) {
        if (text.empty()) {
            if (rule.emptyTextClears)
                sender.Clear();
            return;
        }
        // A text that is neither an item nor a code is not stored: the control shows the value again.
        if (auto code = codedValue(rule, text, msg))
            sender.SetValue(Variant(*code));
    };
}

} // namespace vq::customer
