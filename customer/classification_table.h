#pragma once
// The commercial classification lookups of the customer form as data: one row per lookup, read by the
// form's lookup component (customer/form/classification_lookup.h), which runs the common rule for each.

#include <span>
#include <string_view>

namespace vq::customer {

enum class LookupSource {
    Method,      // a remote method (code, switch) into a client dataset
    Query,       // a query of the host's database with the parameters of its row
    ClosedQuery, // the list: the query is closed and the lookup reopens it
    None,
};

// What differs between the instances of the common rule.
enum LookupFlag : unsigned {
    RunsInBrowse = 1u << 0,    // the check also runs while the record is browsing
    ChangesPage = 1u << 1,     // a failure shows the lookup's page
    SetsErrorFlag = 1u << 2,   // a failure sets boErroValida
    FormSource = 1u << 3,      // states are read from the form's data source, else from cdsCliente
    UnlessInsert = 1u << 4,    // the choice puts the record in edit only when it is not inserting
    DigitsOnly = 1u << 5,      // while cdsCliente edits, keys other than backspace and digits are dropped
    AlwaysClearName = 1u << 6, // the name is cleared on every change, also while browsing
    CodeOnly = 1u << 7         // the check method takes the code alone
};

struct ClassificationLookup {
    std::string_view id = {};       // the routine's name without "Vd_"
    std::string_view page = {};     // tab sheet shown on a failure
    std::string_view codeEdit = {}; // the code edit, bound to `field`
    std::string_view field = {};
    int width = 0; // stored form Consiste::Ajusta(code, width); 0: as typed
    // The lookup button and where it sits.
    std::string_view button = {}, group = {};
    int row = 0, col = 0;
    std::string_view title = {}, emptyText = {};
    // The list: a method (called with "" and "T") into `listSet`, or a query.
    LookupSource list = LookupSource::None;
    std::string_view listName = {}, listSet = {};
    // The check: a method (called with the stored code and `checkFlag`) into `checkSet`, or a query whose
    // parameter `checkParam` takes the stored code (and `allParam` "" when it has one).
    LookupSource check = LookupSource::None;
    std::string_view checkName = {}, checkSet = {}, checkFlag = {}, checkParam = {}, allParam = {};
    std::string_view codeColumn = {}, nameColumn = {}; // in the list and the check's answer
    std::string_view nameEdit = {};                    // the control that shows the name
    std::string_view nameField = {};                   // the record's name field ("" for a plain edit)
    std::string_view requiredKey = {}, notFoundKey = {};
    unsigned flags = 0;

    bool has(LookupFlag flag) const { return (flags & flag) != 0; }
};

std::span<const ClassificationLookup> classificationLookups();
// The row of `id`; throws vq::Error for an unknown one.
const ClassificationLookup& classificationLookup(std::string_view id);

} // namespace vq::customer
