#pragma once
// The customer form's lookup component: the rows of customer/classification_table.cpp resolved on the
// form, and the common rule they follow (list, choice, change, check, failure). The form's special
// lookups replace single steps through the hooks and call the rule's pieces from their own checks.

#include "customer/classification_table.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vq {
class TfrmCliente;
class TADOIBQuery;
class TBtnPesquisa;
class ClientDataSet;
namespace gui {
class Edit;
class TabSheet;
} // namespace gui
} // namespace vq

namespace vq::customer::form {

struct LookupInstance {
    const ClassificationLookup* row = nullptr;
    gui::Edit* code = nullptr;
    gui::Edit* name = nullptr; // nullptr when the lookup shows no name
    bool nameIsPlain = false;  // a plain edit the form fills itself
    TBtnPesquisa* button = nullptr;
    gui::TabSheet* page = nullptr;
    TADOIBQuery* listQuery = nullptr;
    TADOIBQuery* checkQuery = nullptr;
    // Steps the form may replace; they start as the common rule's.
    std::function<void()> beforeSearch, afterSearch, change, exit;
    std::function<void(char16_t&)> keyPress;
};

class ClassificationLookups {
public:
    explicit ClassificationLookups(TfrmCliente& form);
    ~ClassificationLookups();
    ClassificationLookups(const ClassificationLookups&) = delete;
    ClassificationLookups& operator=(const ClassificationLookups&) = delete;

    // Resolves every row's controls and queries, makes the lookup buttons and wires the common steps.
    void build();
    LookupInstance& operator[](std::string_view id);

    // The record is in edit or insert state (the form's data source or cdsCliente, as the row says).
    bool editing(const LookupInstance& l) const;
    // 1: loads the list source.
    void loadList(LookupInstance& l);
    // 2: the chosen row's code and name go to the record (which goes to edit when browsing).
    void copyChoice(LookupInstance& l);
    // 3: clears the name.
    void clearName(LookupInstance& l);
    // 5 and 6: the check routine with the failure path.
    void check(LookupInstance& l, bool report);
    // Looks the stored code up in the check source; true when found, with its name.
    bool find(LookupInstance& l, const std::string& code, std::string& name);
    void showName(LookupInstance& l, const std::string& name);
    // 6: the page, the focus and boErroValida as the row says; the caller rethrows.
    void failed(LookupInstance& l);
    ClientDataSet& dataSet(std::string_view name);

private:
    void wire(LookupInstance& l);
    TADOIBQuery* query(std::string_view name);

    TfrmCliente& form_;
    std::vector<LookupInstance> instances_;
};

} // namespace vq::customer::form
