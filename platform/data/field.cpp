#include "platform/data/field.h"

#include "platform/data/client_data_set.h"
#include "platform/data/field_value.h"

namespace vq {

Field::Field(ClientDataSet& dataSet, const FieldSpec& spec, int index)
    : dataSet_(&dataSet), desc_{std::string(spec.name), spec.type,
                                spec.type == FieldType::String
                                    ? (spec.size > 0 ? spec.size : kDefaultStringSize)
                                    : 0},
      index_(index), displayLabel_(spec.displayLabel), editMask_(spec.editMask),
      displayFormat_(spec.displayFormat), required_(spec.required), readOnly_(spec.readOnly),
      visible_(spec.visible), displayWidth_(spec.displayWidth), tag_(spec.tag) {}

Variant Field::Value() const {
    if (validating_)
        return *validating_;
    return dataSet_->fieldValue(index_);
}

Variant Field::StoredValue() const {
    return dataSet_->fieldValue(index_);
}

Variant Field::OldValue() const {
    return dataSet_->oldFieldValue(index_);
}

void Field::SetValue(const Variant& value) {
    store(fitValue(desc_, value));
}

void Field::store(Variant value) {
    // An empty text is no value: what makes a required field missing and a cleared edit null.
    if (desc_.type == FieldType::String && value.is(VariantKind::String) && value.asString().empty())
        value = Variant{};
    dataSet_->checkFieldWritable(*this);
    if (OnValidate) {
        validating_ = &value;
        try {
            OnValidate(*this);
        } catch (...) {
            validating_ = nullptr;
            throw;
        }
        validating_ = nullptr;
    }
    dataSet_->writeField(*this, std::move(value));
}

std::string Field::AsString() const {
    return valueText(Value());
}

void Field::SetAsString(std::string_view text) {
    store(parseFieldText(desc_, text));
}

std::int64_t Field::AsInteger() const {
    return valueAsInteger(desc_.name, Value());
}

void Field::SetAsInteger(std::int64_t value) {
    store(convertForField(desc_, value));
}

double Field::AsFloat() const {
    return valueAsFloat(desc_.name, Value());
}

void Field::SetAsFloat(double value) {
    store(convertForField(desc_, value));
}

DateTime Field::AsDateTime() const {
    return valueAsDateTime(desc_.name, Value());
}

void Field::SetAsDateTime(DateTime value) {
    store(convertForField(desc_, value));
}

bool Field::AsBoolean() const {
    return valueAsBoolean(desc_.name, Value());
}

void Field::SetAsBoolean(bool value) {
    store(convertForField(desc_, value));
}

std::string Field::handlerText(bool displayText) const {
    std::string text = displayText ? formattedText(desc_, editMask_, displayFormat_, Value()) : AsString();
    OnGetText(const_cast<Field&>(*this), text, displayText);
    return text;
}

std::string Field::Text() const {
    return OnGetText ? handlerText(false) : AsString();
}

std::string Field::DisplayText() const {
    return OnGetText ? handlerText(true) : formattedText(desc_, editMask_, displayFormat_, Value());
}

void Field::SetText(std::string_view text) {
    if (OnSetText) {
        dataSet_->checkFieldWritable(*this);
        OnSetText(*this, std::string(text));
        return;
    }
    SetAsString(text);
}

} // namespace vq
