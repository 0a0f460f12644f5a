#include "customer/confirm_steps.h"

namespace vq::customer {

namespace {

using enum ConfirmStep;

constexpr ConfirmStepInfo kSteps[] = {
    {RememberCode, "RememberCode"},
    {FreightCode, "FreightCode"},
    {MasterFirstPass, "MasterFirstPass"},
    {Qualification, "Qualification"},
    {AddressFirstPass, "AddressFirstPass"},
    {ContactFirstPass, "ContactFirstPass"},
    {MasterLookups, "MasterLookups"},
    {MasterSecondPass, "MasterSecondPass"},
    {AddressSecondPass, "AddressSecondPass"},
    {ContactSecondPass, "ContactSecondPass"},
    {PaymentTerms, "PaymentTerms"},
    {PaymentFormIndex, "PaymentFormIndex"},
    {MasterValues, "MasterValues"},
    {AdjustmentMonth, "AdjustmentMonth"},
    {ObservationText, "ObservationText"},
    {HomePage, "HomePage"},
    {RestorePaymentForm, "RestorePaymentForm"},
    {PostDataSets, "PostDataSets"},
    {ProspectTransfer, "ProspectTransfer"},
    {SendTermsAndMessages, "SendTermsAndMessages"},
    {PostLists, "PostLists"},
    {PaymentFormAndPartners, "PaymentFormAndPartners"},
    {Commands, "Commands"},
    {Reposition, "Reposition"},
};

constexpr std::string_view kPostOrder[] = {
    "cdsPrecoBaseCli", "cdsCliente",      "cdsEndeClieNorm", "cdsCorres",        "cdsEndeExp",
    "cdsEndeExt",      "cdsEndeClieCobr", "cdsEndEntrega",   "cdsPrazoPgtoClie", "cdsMensCliente",
};

bool blank(const Field& f) {
    return f.IsNull() || f.AsString().find_first_not_of(' ') == std::string::npos;
}

} // namespace

std::span<const ConfirmStepInfo> confirmSteps() {
    return kSteps;
}

std::span<const std::string_view> postOrder() {
    return kPostOrder;
}

std::string freightCode(int itemIndex) {
    if (itemIndex >= 0 && itemIndex <= 4)
        return std::to_string(itemIndex);
    return "9";
}

void completeFineAndInterest(ClientDataSet& master) {
    Field& fine = master.FieldByName("VRPEMULBCLI");
    Field& interest = master.FieldByName("VRPEMORBCLI");
    const bool noFine = blank(fine);
    const bool noInterest = blank(interest);
    if (noFine && !noInterest)
        fine.SetAsFloat(0);
    else if (noInterest && !noFine)
        interest.SetAsFloat(0);
}

} // namespace vq::customer
