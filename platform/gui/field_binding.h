#pragma once
// The part every data-aware control shares: its DataSource + field name and the FieldDataLink that
// tells it when to reload, and asks for its pending text before a post.

#include "platform/data/data_source.h"

#include <string>
#include <string_view>

namespace vq::gui {

class FieldBinding {
public:
    FieldBinding() = default;
    virtual ~FieldBinding() = default;
    FieldBinding(const FieldBinding&) = delete;
    FieldBinding& operator=(const FieldBinding&) = delete;

    vq::DataSource* DataSource() const { return link_.dataSource(); }
    void SetDataSource(vq::DataSource* source) { link_.setDataSource(source); }
    const std::string& DataField() const { return link_.fieldName(); }
    void SetDataField(std::string_view name) { link_.setFieldName(std::string(name)); }
    vq::Field* Field() const { return link_.field(); }
    ClientDataSet* DataSet() const { return link_.dataSet(); }
    bool bound() const { return link_.dataSource() != nullptr; }

protected:
    FieldDataLink link_;
};

} // namespace vq::gui
