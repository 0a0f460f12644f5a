#include "customer/customer_datasets.h"

#include "customer/customer_dataset_rules.h"
#include "customer/customer_display_rules.h"
#include "platform/data/error.h"

#include <utility>

namespace vq::customer {

namespace {

constexpr std::string_view kAddressNames[kAddressKindCount] = {"cdsEndeClieNorm", "cdsEndeClieCobr",
                                                               "cdsEndeExt", "cdsEndeExp", "cdsEndEntrega"};

} // namespace

CustomerDataSets::CustomerDataSets(CustomerServices services) : services_(std::move(services)) {
    const auto descriptors = customerDataSetDescriptors();
    entries_.reserve(descriptors.size());
    for (const DataSetDescriptor& d : descriptors) {
        Entry entry{&d, std::make_unique<ClientDataSet>(std::string(d.name)), nullptr};
        const auto fields = d.fields();
        if (!fields.empty())
            entry.dataSet->CreateFields(fields);
        if (!d.dataSource.empty())
            entry.source = std::make_unique<DataSource>(std::string(d.dataSource), entry.dataSet.get());
        entries_.push_back(std::move(entry));
    }
    cliente_ = &dataSet("cdsCliente");
    for (int k = 0; k < kAddressKindCount; ++k)
        addresses_[k] = &dataSet(kAddressNames[k]);

    for (const FieldDisplayRule& r : customerDisplayRules())
        installDisplayRule(r.dataSet, r.rule);
    installDataSetRules(*this);
}

CustomerDataSets::~CustomerDataSets() = default;

const CustomerDataSets::Entry* CustomerDataSets::find(std::string_view name) const {
    for (const Entry& e : entries_)
        if (e.descriptor->name == name)
            return &e;
    return nullptr;
}

ClientDataSet* CustomerDataSets::findDataSet(std::string_view name) const {
    const Entry* e = find(name);
    return e ? e->dataSet.get() : nullptr;
}

ClientDataSet& CustomerDataSets::dataSet(std::string_view name) const {
    if (ClientDataSet* ds = findDataSet(name))
        return *ds;
    throw Error("Conjunto de dados desconhecido no cadastro de clientes: " + std::string(name) + ".");
}

DataSource* CustomerDataSets::dataSource(std::string_view sourceName) const {
    for (const Entry& e : entries_)
        if (e.source && e.descriptor->dataSource == sourceName)
            return e.source.get();
    return nullptr;
}

DataSource* CustomerDataSets::sourceOf(std::string_view dataSetName) const {
    const Entry* e = find(dataSetName);
    return e ? e->source.get() : nullptr;
}

const DataSetDescriptor& CustomerDataSets::descriptor(std::string_view dataSetName) const {
    if (const Entry* e = find(dataSetName))
        return *e->descriptor;
    throw Error("Conjunto de dados desconhecido no cadastro de clientes: " + std::string(dataSetName) + ".");
}

std::vector<std::string_view> CustomerDataSets::dataSetNames() const {
    std::vector<std::string_view> names;
    names.reserve(entries_.size());
    for (const Entry& e : entries_)
        names.push_back(e.descriptor->name);
    return names;
}

ClientDataSet& CustomerDataSets::address(AddressKind kind) const {
    return *addresses_[static_cast<int>(kind)];
}

std::string CustomerDataSets::customerCode() const {
    const ClientDataSet& ds = *cliente_;
    if (!ds.Active() || (ds.IsEmpty() && ds.State() != DataSetState::Insert))
        return {};
    std::string code = ds.FieldByName("CDCLIENTE").AsString();
    if (!code.empty())
        return code;
    const std::string kind = ds.FieldByName("IDTPIJURINFO").AsString();
    const std::string number = ds.FieldByName("NRINSJURINFO").AsString();
    if (kind.empty() || number.empty())
        return {};
    return kind + number;
}

void CustomerDataSets::installDisplayRule(std::string_view dataSetName, const CodedDisplayRule& rule) {
    applyCodedRule(dataSet(dataSetName).FieldByName(rule.field), rule, services_.msg);
}

} // namespace vq::customer
