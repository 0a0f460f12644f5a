#include "customer/form/identity_support.h"

#include "framework/services/consiste_messages.h"
#include "framework/services/db_geral.h"
#include "framework/services/messages.h"
#include "platform/data/error.h"
#include "platform/gui/page_control.h"

namespace vq::customer::form {

void failWith(const QObject& form, std::string_view key) {
    Consiste::MensErro(Msg(form, key));
    throw Abort(); // MensErro raises; this only tells the compiler
}

void assign(ClientDataSet& dataSet, std::string_view field, const std::string& value) {
    Field& f = dataSet.FieldByName(field);
    if (f.IsNull() ? !value.empty() : f.AsString() != value)
        f.SetAsString(value);
}

bool found(TADOIBQuery& query, std::initializer_list<std::pair<const char*, Variant>> params) {
    useDBGeral(query);
    query.Close();
    for (const auto& [name, value] : params)
        query.ParamByName(name).setValue(value);
    query.Open();
    return !query.IsEmpty();
}

gui::TabSheet* pageOf(gui::Control& control, const gui::PageControl& pages) {
    for (QWidget* w = &control.widget(); w; w = w->parentWidget())
        if (auto* sheet = dynamic_cast<gui::TabSheet*>(w); sheet && &sheet->pageControl() == &pages)
            return sheet;
    return nullptr;
}

} // namespace vq::customer::form
