#pragma once
// The confirm command of the customer form as an ordered table of steps, and the small decisions it takes
// on the master record. The form runs the steps in this order, each through its own member; a failing
// check raises and ends the command at its step.

#include "platform/data/client_data_set.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vq::customer {

enum class ConfirmStep : std::uint8_t {
    RememberCode,       // the customer code, for repositioning
    FreightCode,        // IDPGFRETTRANCLI from the freight combo
    MasterFirstPass,    // identity, names, classification: filled codes looked up
    Qualification,      // the qualification code, when filled
    AddressFirstPass,   // each address being edited: country, state, municipality, district
    ContactFirstPass,   // the contact being edited
    MasterLookups,      // ledger, index, receivable kinds, salesperson; modality and branch names
    MasterSecondPass,   // the mandatory identity fields
    AddressSecondPass,  // each address being edited, mandatory fields
    ContactSecondPass,  // the contact being edited, mandatory fields
    PaymentTerms,       // "Pela Forma de Pagamento": the terms and their percentages
    PaymentFormIndex,   // stIndex := the payment form item
    MasterValues,       // ledger, fine and interest, values, applied material
    AdjustmentMonth,    // when the group is shown
    ObservationText,    // an observation being edited needs its text
    HomePage,           // DSHOMEPACLI from its plain edit
    RestorePaymentForm, // the payment form item back from stIndex
    PostDataSets,       // posts in postOrder(), each saved after its post
    ProspectTransfer,   // what hangs off a converted prospect moves to the customer
    SendTermsAndMessages,
    PostLists, // contacts, observations, banks
    PaymentFormAndPartners,
    Commands,
    Reposition, // back on the remembered customer
};

struct ConfirmStepInfo {
    ConfirmStep step;
    std::string_view name;
};

// Every step, in the order the confirm runs them.
std::span<const ConfirmStepInfo> confirmSteps();

// The datasets the confirm posts (each only while it is being edited), in this order: the master record
// before its normal address, the payment terms and invoice messages last.
std::span<const std::string_view> postOrder();

// The stored freight code of the freight combo's item: items 0 to 4 give "0" to "4", any other "9".
std::string freightCode(int itemIndex);

// When exactly one of the fine (VRPEMULBCLI) and the interest (VRPEMORBCLI) is empty, the empty one
// becomes 0. The record must be in edit or insert.
void completeFineAndInterest(ClientDataSet& master);

} // namespace vq::customer
