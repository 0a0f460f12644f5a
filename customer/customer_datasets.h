#pragma once
// The customer form's client datasets and data sources, created from their record layouts, with the
// coded-field rules and the row rules (kind and customer code of detail rows) wired in.

#include "customer/coded_display_rule.h"
#include "customer/customer_field_tables.h"
#include "platform/data/client_data_set.h"
#include "platform/data/data_source.h"
#include "platform/data/date_time.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vq::customer {

// When a dataset's change log goes to the server.
enum class SaveTiming : std::uint8_t {
    None,               // read-only here
    AfterPostAndDelete, // every posted or deleted row is sent at once
    ByConfirm,          // the confirm command sends the log
};

struct DataSetDescriptor {
    std::string_view name;
    std::span<const FieldSpec> (*fields)();
    std::string_view
        dataSource; // empty: none of its own (cdsCliente is shown through the base form's dtsPadrao)
    std::string_view loadMethod; // remote method that fills it
    std::string_view provider;   // server-side provider its changes are sent to
    std::string_view keyFields;  // "A;B"
    SaveTiming save = SaveTiming::None;
};

std::span<const DataSetDescriptor> customerDataSetDescriptors();
const DataSetDescriptor* findDataSetDescriptor(std::string_view name);

struct OperatorInfo {
    std::string code;
    std::string name;
};

// What the datasets need from the host: message texts, the logged-in operator and the clock.
struct CustomerServices {
    MessageLookup msg;
    std::function<OperatorInfo()> currentOperator;
    std::function<DateTime()> now;
};

class CustomerDataSets {
public:
    explicit CustomerDataSets(CustomerServices services);
    ~CustomerDataSets();
    CustomerDataSets(const CustomerDataSets&) = delete;
    CustomerDataSets& operator=(const CustomerDataSets&) = delete;

    ClientDataSet& dataSet(std::string_view name) const; // Error when there is no such dataset
    ClientDataSet* findDataSet(std::string_view name) const;
    DataSource* dataSource(std::string_view sourceName) const; // null when there is none
    DataSource* sourceOf(std::string_view dataSetName) const;  // null when it has none
    const DataSetDescriptor& descriptor(std::string_view dataSetName) const;
    std::vector<std::string_view> dataSetNames() const;

    ClientDataSet& cdsCliente() const { return *cliente_; }
    ClientDataSet& address(AddressKind kind) const;
    ClientDataSet& cdsEndeClieNorm() const { return address(AddressKind::Normal); }
    ClientDataSet& cdsEndeClieCobr() const { return address(AddressKind::Billing); }
    ClientDataSet& cdsEndeExt() const { return address(AddressKind::Exterior); }
    ClientDataSet& cdsEndeExp() const { return address(AddressKind::Export); }
    ClientDataSet& cdsEndEntrega() const { return address(AddressKind::Delivery); }
    ClientDataSet& cdsInterloc() const { return dataSet("cdsInterloc"); }
    ClientDataSet& cdsCorres() const { return dataSet("cdsCorres"); }
    ClientDataSet& cdsObserv() const { return dataSet("cdsObserv"); }
    ClientDataSet& cdsPrazoPgtoClie() const { return dataSet("cdsPrazoPgtoClie"); }
    ClientDataSet& cdsBancoPref() const { return dataSet("cdsBancoPref"); }
    ClientDataSet& cdsPrecoBaseCli() const { return dataSet("cdsPrecoBaseCli"); }
    ClientDataSet& cdsSocios() const { return dataSet("cdsSocios"); }
    ClientDataSet& cdsIndice() const { return dataSet("cdsIndice"); }
    ClientDataSet& cdsMensCliente() const { return dataSet("cdsMensCliente"); }

    // The code detail rows are stored under: the current customer's CDCLIENTE or, while a new customer
    // has none yet, its registration kind and informing number (the code it will be saved with). Empty
    // when neither is known.
    std::string customerCode() const;

    // Installs a coded display rule on a dataset's field (concern units use it for the conversions they
    // own, see pendingConversions()).
    void installDisplayRule(std::string_view dataSetName, const CodedDisplayRule& rule);

    const CustomerServices& services() const { return services_; }

private:
    struct Entry {
        const DataSetDescriptor* descriptor;
        std::unique_ptr<ClientDataSet> dataSet;
        std::unique_ptr<DataSource> source; // destroyed before its dataset
    };
    const Entry* find(std::string_view name) const;

    CustomerServices services_;
    std::vector<Entry> entries_;
    ClientDataSet* cliente_ = nullptr;
    ClientDataSet* addresses_[kAddressKindCount] = {};
};

} // namespace vq::customer
