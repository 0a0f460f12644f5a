#include "services/geography_lookup.h"

#include "framework/services/btn_pesquisa.h"
#include "framework/services/consiste_messages.h"
#include "framework/services/db_geral.h"
#include "framework/validation/consiste.h"
#include "platform/data/client_data_set.h"
#include "platform/gui/containers.h"
#include "platform/gui/edit.h"
#include "services/geography_queries.h"

#include <memory>

namespace vq::services {

namespace geo = geography;

namespace {

const geo::ButtonText& buttonText(GeographyLevel level) {
    switch (level) {
    case GeographyLevel::Country:
        return geo::kPaisButton;
    case GeographyLevel::State:
        return geo::kEstadoButton;
    case GeographyLevel::Municipality:
        return geo::kMunicipioButton;
    case GeographyLevel::District:
        break;
    }
    return geo::kBairroButton;
}

std::string textOf(const gui::Edit* edit) {
    return edit ? edit->Text() : std::string();
}

// Opens a query with its parameters on the shared connection.
void open(TADOIBQuery& query, std::initializer_list<std::pair<const char*, std::string>> params) {
    useDBGeral(query);
    query.Close();
    for (const auto& [name, value] : params)
        query.ParamByName(name).setValue(Variant(value));
    query.Open();
}

} // namespace

GeographyQueries::GeographyQueries() {
    qryPais.setSql(std::string(geo::kPais.sql));
    qryEstado.setSql(std::string(geo::kEstado.sql));
    qryMunicipio.setSql(std::string(geo::kMunicipio.sql));
    qryPesqBairro.setSql(std::string(geo::kPesqBairro.sql));
}

TBtnPesquisa* placeGeographyButton(QWidget& container, std::string_view name, GeographyLevel level, int row,
                                   int column) {
    auto* button = new TBtnPesquisa(&container, name); // owned by its container
    const geo::ButtonText& t = buttonText(level);
    button->SetCaption("...");
    button->Title = t.title;
    button->EmptyText = t.emptyText;
    button->KeyField = t.keyField;
    button->Columns = {{std::string(t.keyField), std::string(t.keyTitle)},
                       {std::string(t.nameField), "Nome"}};
    gui::gridOf(container).addWidget(button, row, column);
    return button;
}

GeographyLookup::GeographyLookup(GeographyQueries& queries, ClientDataSet& dataSet,
                                 GeographyControls controls, CountryCascade cascade, MessageLookup msg,
                                 GeographyFields fields)
    : queries_(queries), dataSet_(dataSet), controls_(controls), cascade_(cascade), msg_(std::move(msg)),
      fields_(fields) {
    wireButtons();
    wireCascade();
    if (controls_.state)
        controls_.state->OnKeyPress = [](char16_t& key) {
            if (key >= u'a' && key <= u'z')
                key = static_cast<char16_t>(key - u'a' + u'A');
        };
}

// ---- Searches

void GeographyLookup::wireButtons() {
    // After a choice: the dataset in edit, the code (and the name for country and municipality) written.
    const auto chosen = [this](TBtnPesquisa* button, std::string_view codeField, std::string_view keyField,
                               std::string_view nameField, std::string_view listName) {
        button->OnAfterPesq = [this, button, codeField, keyField, nameField, listName] {
            if (dataSet_.State() == DataSetState::Browse)
                dataSet_.Edit();
            dataSet_.FieldByName(codeField).SetAsString(button->Text(keyField));
            if (!nameField.empty())
                dataSet_.FieldByName(nameField).SetAsString(button->Text(listName));
        };
    };
    if (TBtnPesquisa* b = controls_.btpCountry) {
        b->SetListSource(queries_.qryPais);
        b->OnBeforePesq = [this](bool&) { open(queries_.qryPais, {{"P_CDPAIS", ""}, {"P_TCDPAIS", "T"}}); };
        chosen(b, fields_.country, "CDPAIS", fields_.countryName, "NMPAIS");
    }
    if (TBtnPesquisa* b = controls_.btpState) {
        b->SetListSource(queries_.qryEstado);
        b->OnBeforePesq = [this](bool&) {
            open(queries_.qryEstado,
                 {{"P_CDPAIS", textOf(controls_.country)}, {"P_SGESTADO", ""}, {"P_TSGESTADO", "T"}});
        };
        chosen(b, fields_.state, "SGESTADO", {}, {});
    }
    if (TBtnPesquisa* b = controls_.btpMunicipality) {
        b->SetListSource(queries_.qryMunicipio);
        b->OnBeforePesq = [this](bool&) {
            open(queries_.qryMunicipio, {{"P_CDPAIS", textOf(controls_.country)},
                                         {"P_SGESTADO", textOf(controls_.state)},
                                         {"P_CDMUNICIPIO", ""},
                                         {"P_TCDMUNICIPIO", "T"}});
        };
        chosen(b, fields_.municipality, "CDMUNICIPIO", fields_.municipalityName, "NMMUNICIPIO");
    }
}

// ---- Cascade: a level that really changes clears what depended on it. It follows the stored value, so a
// text being retyped in the edit clears nothing until it is written.

void GeographyLookup::wireCascade() {
    struct Watch {
        bool changed = false;
    };
    const auto watch = [this](std::string_view fieldName, std::function<bool(const Variant&)> applies,
                              std::initializer_list<std::string_view> clears) {
        Field& field = dataSet_.FieldByName(fieldName);
        auto state = std::make_shared<Watch>();
        std::vector<std::string_view> targets(clears);
        field.OnValidate = [state, applies, previous = std::move(field.OnValidate)](Field& f) {
            if (previous)
                previous(f);
            const Variant proposed = f.Value();
            state->changed = proposed != f.StoredValue() && applies(proposed);
        };
        field.OnChange = [this, state, targets, previous = std::move(field.OnChange)](Field& f) {
            if (previous)
                previous(f);
            if (!state->changed)
                return;
            state->changed = false;
            for (std::string_view t : targets)
                if (!t.empty())
                    dataSet_.FieldByName(t).Clear();
        };
    };
    const bool everyChange = cascade_ == CountryCascade::OnChange;
    watch(fields_.country, [everyChange](const Variant& v) { return everyChange || v.toString().empty(); },
          {fields_.countryName, fields_.state, fields_.municipality, fields_.municipalityName,
           fields_.district});
    watch(fields_.state, [](const Variant&) { return true; },
          {fields_.municipality, fields_.municipalityName, fields_.district});
    watch(fields_.municipality, [](const Variant&) { return true; },
          {fields_.municipalityName, fields_.district});
}

// ---- Checks

void GeographyLookup::write(std::string_view field, const std::string& value) {
    if (dataSet_.editing())
        dataSet_.FieldByName(field).SetAsString(value);
}

std::string GeographyLookup::adjusted(std::string_view field, const std::string& text,
                                      std::string_view what) {
    const int width = dataSet_.FieldByName(field).Size();
    std::string code = Consiste::Ajusta(text, width);
    if (static_cast<int>(code.size()) > width)
        Consiste::MensErro("Código de " + std::string(what) + " \"" + code + "\" com mais de " +
                           std::to_string(width) + " caracteres.");
    return code;
}

void GeographyLookup::checkCountry(bool requiredOnly) {
    const std::string text = textOf(controls_.country);
    const bool empty = Consiste::EmptyString(text);
    if (requiredOnly) {
        if (empty)
            Consiste::MensErro(msg_("Pais_inf"));
        return;
    }
    if (empty) {
        if (controls_.countryName)
            write(fields_.countryName, "");
        return;
    }
    const std::string code = adjusted(fields_.country, text, "país");
    write(fields_.country, code);
    open(queries_.qryPais, {{"P_CDPAIS", code}, {"P_TCDPAIS", ""}});
    if (queries_.qryPais.IsEmpty())
        Consiste::MensErro(msg_("Pais_cad"));
    if (controls_.countryName)
        write(fields_.countryName, queries_.qryPais.FieldByName("NMPAIS").AsString());
}

void GeographyLookup::checkState(bool requiredOnly) {
    const std::string text = textOf(controls_.state);
    const bool empty = Consiste::EmptyString(text);
    if (requiredOnly) {
        if (empty)
            Consiste::MensErro(msg_("Estado_inf"));
        return;
    }
    if (empty)
        return;
    open(queries_.qryEstado,
         {{"P_CDPAIS", textOf(controls_.country)}, {"P_SGESTADO", text}, {"P_TSGESTADO", ""}});
    if (queries_.qryEstado.IsEmpty())
        Consiste::MensErro(msg_("Estado_cad"));
}

void GeographyLookup::checkMunicipality(bool requiredOnly) {
    const std::string text = textOf(controls_.municipality);
    const bool empty = Consiste::EmptyString(text);
    if (requiredOnly) {
        if (empty)
            Consiste::MensErro(msg_("Municipio_Inf"));
        return;
    }
    if (empty) {
        if (controls_.municipalityName)
            write(fields_.municipalityName, "");
        return;
    }
    const std::string code = adjusted(fields_.municipality, text, "município");
    write(fields_.municipality, code);
    open(queries_.qryMunicipio, {{"P_CDPAIS", textOf(controls_.country)},
                                 {"P_SGESTADO", textOf(controls_.state)},
                                 {"P_CDMUNICIPIO", code},
                                 {"P_TCDMUNICIPIO", ""}});
    if (queries_.qryMunicipio.IsEmpty())
        Consiste::MensErro(msg_("Municipio_cad"));
    if (controls_.municipalityName)
        write(fields_.municipalityName, queries_.qryMunicipio.FieldByName("NMMUNICIPIO").AsString());
}

} // namespace vq::services
