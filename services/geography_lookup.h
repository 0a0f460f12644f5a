#pragma once
// The country -> state -> municipality chain of an address, as every form of the module edits it: three
// code edits with their search buttons, the two name edits and the dataset they write. The lookups read
// the geography queries (qryPais, qryEstado, qryMunicipio) on the host's shared connection.
//
// What it does by itself: the buttons' searches (parents from the parent edits, the choice written into
// the dataset, put in edit when browsing), the cascade that clears what a changed level invalidates, and
// upper-cased state keys. The checks (the forms' Vd_Pais, Vd_Estado, Vd_Municipio) show their message and
// throw vq::Abort; what a failure does to the form (page, focus, flags) stays with the form.

#include "platform/db/tadoib_query.h"

#include <functional>
#include <string>
#include <string_view>

class QWidget;

namespace vq {
class ClientDataSet;
class Field;
class TBtnPesquisa;
namespace gui {
class Edit;
}
} // namespace vq

namespace vq::services {

// The four lookups, one set per form (the form's qryPais, qryEstado, qryMunicipio, qryPesqBairro).
struct GeographyQueries {
    GeographyQueries();
    TADOIBQuery qryPais{nullptr, "qryPais"};
    TADOIBQuery qryEstado{nullptr, "qryEstado"};
    TADOIBQuery qryMunicipio{nullptr, "qryMunicipio"};
    TADOIBQuery qryPesqBairro{nullptr, "qryPesqBairro"};
};

// When a new country clears what depends on it.
enum class CountryCascade {
    WhenCleared, // only when the country becomes empty (a customer's normal address)
    OnChange,    // on every change
};

struct GeographyControls {
    gui::Edit* country = nullptr;
    gui::Edit* countryName = nullptr; // may be null
    gui::Edit* state = nullptr;
    gui::Edit* municipality = nullptr;
    gui::Edit* municipalityName = nullptr; // may be null
    TBtnPesquisa* btpCountry = nullptr;    // each may be null
    TBtnPesquisa* btpState = nullptr;
    TBtnPesquisa* btpMunicipality = nullptr;
};

// The dataset's field names; the contact's district is NMBAIRINCLIE.
struct GeographyFields {
    std::string_view country = "CDPAIS", countryName = "NMPAIS", state = "SGESTADO",
                     municipality = "CDMUNICIPIO", municipalityName = "NMMUNICIPIO", district = "NMBAIRCLIE";
};

// A lookup button placed in a container's grid cell, with the geography level's title and empty text.
enum class GeographyLevel { Country, State, Municipality, District };
TBtnPesquisa* placeGeographyButton(QWidget& container, std::string_view name, GeographyLevel level, int row,
                                   int column);

class GeographyLookup {
public:
    using MessageLookup = std::function<std::string(std::string_view key)>;

    // `msg` gives the texts of "Pais_inf", "Pais_cad", "Estado_inf", "Estado_cad", "Municipio_Inf" and
    // "Municipio_cad" from the form's catalogue. Wires the buttons, the state keys and the cascade.
    GeographyLookup(GeographyQueries& queries, ClientDataSet& dataSet, GeographyControls controls,
                    CountryCascade cascade, MessageLookup msg, GeographyFields fields = {});
    GeographyLookup(const GeographyLookup&) = delete;
    GeographyLookup& operator=(const GeographyLookup&) = delete;

    // The checks: with `requiredOnly` an empty code fails; without it a filled code is adjusted, written
    // and looked up, and the name found is written. Names change only after a lookup of the same call.
    void checkCountry(bool requiredOnly);
    void checkState(bool requiredOnly);
    void checkMunicipality(bool requiredOnly);

    ClientDataSet& dataSet() const { return dataSet_; }
    const GeographyControls& controls() const { return controls_; }

private:
    void wireButtons();
    void wireCascade();
    void clearFields(std::initializer_list<std::string_view> names);
    // Writes a field of the dataset when it is being edited (a browsing dataset is never changed here).
    void write(std::string_view field, const std::string& value);
    // Ajusta to the field's width; a code that still does not fit is refused with a message.
    std::string adjusted(std::string_view field, const std::string& text, std::string_view what);

    GeographyQueries& queries_;
    ClientDataSet& dataSet_;
    GeographyControls controls_;
    CountryCascade cascade_;
    MessageLookup msg_;
    GeographyFields fields_;
};

} // namespace vq::services
