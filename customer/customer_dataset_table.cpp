// Which datasets the customer form holds, where each is filled from and where its changes go.

#include "customer/customer_datasets.h"

namespace vq::customer {

namespace {

std::span<const FieldSpec> normalAddress() {
    return addressFields(AddressKind::Normal);
}
std::span<const FieldSpec> billingAddress() {
    return addressFields(AddressKind::Billing);
}
std::span<const FieldSpec> exteriorAddress() {
    return addressFields(AddressKind::Exterior);
}
std::span<const FieldSpec> exportAddress() {
    return addressFields(AddressKind::Export);
}
std::span<const FieldSpec> deliveryAddress() {
    return addressFields(AddressKind::Delivery);
}

using enum SaveTiming;

// A lookup or work dataset: fields, loading and saving are its unit's business.
constexpr DataSetDescriptor work(std::string_view name, std::string_view dataSource = {}) {
    return DataSetDescriptor{name, noFields, dataSource, {}, {}, {}, None};
}

constexpr std::string_view kAddressKey = "CDCLIENTE;IDTPENDECLIE";

constexpr DataSetDescriptor kDataSets[] = {
    {"cdsCliente", masterFields, "", "GetCliente", "dspCliente", "CDCLIENTE", AfterPostAndDelete},
    {"cdsEndeClieNorm", normalAddress, "dtsEndeClieNorm", "GetEndeClieNorm", "dspEndeClieNorm", kAddressKey,
     AfterPostAndDelete},
    {"cdsEndeClieCobr", billingAddress, "dtsEndeClieCobr", "GetEndeClieCobr", "dspEndeClieCobr", kAddressKey,
     AfterPostAndDelete},
    {"cdsEndeExt", exteriorAddress, "dtsEndeExt", "GetEndeExt", "dspEndeExt", kAddressKey,
     AfterPostAndDelete},
    {"cdsEndeExp", exportAddress, "dtsEndeExp", "GetEndeExp", "dspEndeExp", kAddressKey, AfterPostAndDelete},
    {"cdsEndEntrega", deliveryAddress, "dtsEndEntrega", "GetEndEntrega", "dspEndEntrega", kAddressKey,
     AfterPostAndDelete},
    {"cdsInterloc", contactFields, "dtsInterloc", "GetInterloc", "dspInterloc", "CDCLIENTE;CDINTECLIE",
     AfterPostAndDelete},
    {"cdsCorres", correspondenceFields, "dtsCorres", "GetCorres", "dspCorres",
     "CDCLIENTE;CDINTECLIE;CDTIPOCORR", AfterPostAndDelete},
    {"cdsObserv", observationFields, "dtsObserv", "GetObserv", "dspObserv", "CDCLIENTE;DTHROBSCLIE",
     AfterPostAndDelete},
    {"cdsPrazoPgtoClie", paymentTermFields, "dtsPrazoPgtoClie", "GetPrazoPgtoClie", "dspPrazoPgtoClie",
     "CDCLIENTE;NRDIASPGTOCL", ByConfirm},
    {"cdsBancoPref", preferredBankFields, "dtsBancoPref", "GetBancoPref", "dspBancoPref", "CDCLIENTE;CDBANCO",
     AfterPostAndDelete},
    {"cdsPrecoBaseCli", priceTableFields, "dtsPrecoBaseCli", "GetPrecoBaseCli", "dspPrecoBaseCli",
     "CDCLIENTE;CDPRECOBASE", AfterPostAndDelete},
    {"cdsSocios", partnerFields, "dtsSocios", "GetSocios", "dspSocios", "CDCLIENTE;NRSEQSOCCLIE",
     AfterPostAndDelete},
    {"cdsIndice", currencyIndexFields, "dtsIndice", "GetInfoPaginaDadosAdicionais", "dspIndice", "CDINDICE",
     AfterPostAndDelete},
    {"cdsMensCliente", invoiceMessageFields, "dtsMensCliente", "GetInfoPaginaDadosAdicionais",
     "dspMensCliente", "CDCLIENTE;NRMENSCLIENTE", ByConfirm},
    {"cdsContCtbl", ledgerAccountFields, "dtsContCtbl", "GetContCtbl", "dspContCtbl", "CDCONTCTBL",
     AfterPostAndDelete},
    {"cdsRetECF", ecfRetentionFields, "dtsRetECF", "getRetECF", "", "CDRETECF", None},
    {"cdsVendAdicClie", extraSalesmanFields, "", "GetVendAdicClie", "", "CDCLIENTE;CDVENDEDOR", None},
    // Lookup and work datasets: their units declare fields and loading.
    work("cdsParamFiscal"),
    work("cdsTipoCorr"),
    work("cdsAuxCorres"),
    work("cdsTipContRec"),
    work("cdsPesqInstCobr", "dtsPesqInstCobr"),
    work("cdsVendedor"),
    {"cdsRamoAtiv", activityBranchFields, "", "GetRamoAtiv", "", "CDATIVCLI", None},
    work("cdsBancoPrio"),
    work("cdsVerifiBanco"),
    work("cdsPesqAgencia", "dtsPesqAgencia"),
    work("cdsPesqDivulg"),
    work("cdsQualifica"),
    work("cdsGrupClie"),
    work("cdsOperador"),
    work("cdsAuxPrazoPgtoClie"),
    work("cdsPesqTpBaixa"),
    work("cdsTipoTransport"),
    work("cdsTransport"),
    work("cdsFuncionario"),
    work("cdsCargoInterloc"),
    work("cdsVd_CargoInterloc"),
    work("cdsVd_Func"),
    work("cdsPesqIdioma"),
    work("cdsProdMatAplic"),
    work("cdsCNAEFiscal"),
    work("cdsTpAjusteRec"),
    work("cdsValidaCliente"),
    work("cdsProspect", "dtsProspect"),
    work("cdsEndeProsp"),
    work("cdsInterProsp"),
    work("cdsCorrProsp"),
    work("cdsContPros"),
    work("cdsEvolPros"),
    work("cdsObsPros"),
    work("cdsInsEndClie"),
    // Classification checks.
    work("cdsVd_TipoTransp"),
    work("cdsVd_Transportadora"),
    work("cdsVdSigla"),
};

} // namespace

std::span<const DataSetDescriptor> customerDataSetDescriptors() {
    return kDataSets;
}

const DataSetDescriptor* findDataSetDescriptor(std::string_view name) {
    for (const DataSetDescriptor& d : kDataSets)
        if (d.name == name)
            return &d;
    return nullptr;
}

} // namespace vq::customer
