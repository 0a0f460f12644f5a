#pragma once
// A dataset's field: its definition, its value in the current record and its events.

#include "platform/data/packet.h"
#include "platform/data/variant.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace vq {

class ClientDataSet;

// One row of a dataset's field table. Forms declare their datasets as static arrays of these:
//   static constexpr FieldSpec kFields[] = {
//       {"CDCLIENTE", FieldType::String, 21, "Código"},
//       FieldSpec{"VRPEDESCCLIE", FieldType::Float, 0, "Valor (%)"}.withFormat("#,##0.00"),
//       FieldSpec{"IDMARCADO", FieldType::String, 1}.asReadOnly().hidden(),
//   };
struct FieldSpec {
    std::string_view name;
    FieldType type = FieldType::String;
    int size = 0; // characters of a string field; 0 gives 20
    std::string_view displayLabel;
    std::string_view editMask;      // "pattern;save-literals;blank"
    std::string_view displayFormat; // numbers: "#,##0.00"
    bool required = false;
    bool readOnly = false;
    bool visible = true;
    int displayWidth = 0; // characters a grid column shows; 0: from the size
    int tag = 0;

    constexpr FieldSpec() = default;
    constexpr FieldSpec(std::string_view name_, FieldType type_ = FieldType::String, int size_ = 0,
                        std::string_view displayLabel_ = {}, std::string_view editMask_ = {},
                        std::string_view displayFormat_ = {})
        : name(name_), type(type_), size(size_), displayLabel(displayLabel_), editMask(editMask_),
          displayFormat(displayFormat_) {}

    constexpr FieldSpec withMask(std::string_view mask) const { return with(&FieldSpec::editMask, mask); }
    constexpr FieldSpec withFormat(std::string_view format) const {
        return with(&FieldSpec::displayFormat, format);
    }
    constexpr FieldSpec asRequired() const { return with(&FieldSpec::required, true); }
    constexpr FieldSpec asReadOnly() const { return with(&FieldSpec::readOnly, true); }
    constexpr FieldSpec hidden() const { return with(&FieldSpec::visible, false); }
    constexpr FieldSpec withWidth(int chars) const { return with(&FieldSpec::displayWidth, chars); }
    constexpr FieldSpec withTag(int value) const { return with(&FieldSpec::tag, value); }

private:
    template <class T, class V> constexpr FieldSpec with(T FieldSpec::*member, V value) const {
        FieldSpec copy = *this;
        copy.*member = value;
        return copy;
    }
};

inline constexpr int kDefaultStringSize = 20;

class Field {
public:
    using GetTextEvent = std::function<void(Field& sender, std::string& text, bool displayText)>;
    using SetTextEvent = std::function<void(Field& sender, const std::string& text)>;
    using FieldNotifyEvent = std::function<void(Field& sender)>;

    Field(ClientDataSet& dataSet, const FieldSpec& spec, int index);
    Field(const Field&) = delete;
    Field& operator=(const Field&) = delete;

    // Definition
    const std::string& FieldName() const { return desc_.name; }
    const std::string& Name() const { return desc_.name; }
    FieldType DataType() const { return desc_.type; }
    int Size() const { return desc_.size; }
    int Index() const { return index_; }
    ClientDataSet& DataSet() const { return *dataSet_; }
    const FieldDesc& desc() const { return desc_; }

    // The label shown for the field: DisplayLabel, or the field name when there is none.
    const std::string& DisplayLabel() const { return displayLabel_.empty() ? desc_.name : displayLabel_; }
    void SetDisplayLabel(std::string label) { displayLabel_ = std::move(label); }
    const std::string& EditMask() const { return editMask_; }
    void SetEditMask(std::string mask) { editMask_ = std::move(mask); }
    const std::string& DisplayFormat() const { return displayFormat_; }
    void SetDisplayFormat(std::string format) { displayFormat_ = std::move(format); }
    bool Required() const { return required_; }
    void SetRequired(bool on) { required_ = on; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool on) { readOnly_ = on; }
    bool Visible() const { return visible_; }
    void SetVisible(bool on) { visible_ = on; }
    int DisplayWidth() const {
        return displayWidth_ > 0 ? displayWidth_ : (desc_.size > 0 ? desc_.size : 10);
    }
    void SetDisplayWidth(int width) { displayWidth_ = width; }
    std::intptr_t Tag() const { return tag_; }
    void SetTag(std::intptr_t tag) { tag_ = tag; }

    // Value of the current record. Writes need the dataset in edit or insert state; a value that does not
    // fit (wrong kind, text longer than Size) is refused with a FieldError naming the field.
    Variant Value() const;
    void SetValue(const Variant& value);
    bool IsNull() const { return Value().isNull(); }
    void Clear() { SetValue(Variant{}); }
    Variant OldValue() const; // before the pending changes of the row (null for a new row)
    Variant NewValue() const { return Value(); }
    // The current record's value as stored: inside OnValidate, the value before the write being checked.
    Variant StoredValue() const;

    std::string AsString() const;
    void SetAsString(std::string_view text);
    std::int64_t AsInteger() const;
    void SetAsInteger(std::int64_t value);
    double AsFloat() const;
    void SetAsFloat(double value);
    DateTime AsDateTime() const;
    void SetAsDateTime(DateTime value);
    bool AsBoolean() const;
    void SetAsBoolean(bool value);

    // Text for editing: OnGetText(false) or the plain text. SetText runs OnSetText when assigned (the
    // handler stores the value) else reads the text the pt-BR way.
    std::string Text() const;
    void SetText(std::string_view text);
    // Text for showing: OnGetText(true), or the display format, or the edit mask applied.
    std::string DisplayText() const;

    GetTextEvent OnGetText;
    SetTextEvent OnSetText;
    FieldNotifyEvent OnChange;
    FieldNotifyEvent OnValidate;

private:
    friend class ClientDataSet;
    void store(Variant value); // fitted value -> validate -> dataset
    std::string handlerText(bool displayText) const;

    ClientDataSet* dataSet_;
    FieldDesc desc_;
    int index_;
    std::string displayLabel_;
    std::string editMask_;
    std::string displayFormat_;
    bool required_ = false;
    bool readOnly_ = false;
    bool visible_ = true;
    int displayWidth_ = 0;
    std::intptr_t tag_ = 0;
    const Variant* validating_ = nullptr; // the proposed value while OnValidate runs
};

} // namespace vq
