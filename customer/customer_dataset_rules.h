#pragma once
// Row rules of the customer form's detail datasets: the kind and the customer code that every detail row
// is stored under, and the defaults of new rows. Concern units add their own checks to the same events
// with runBefore / runAfter, so that a check can run ahead of the key copy.

#include "platform/data/client_data_set.h"

#include <string>

namespace vq::customer {

class CustomerDataSets;

// Makes `handler` run before (or after) what the event already does.
void runBefore(ClientDataSet::NotifyEvent& event, ClientDataSet::NotifyEvent handler);
void runAfter(ClientDataSet::NotifyEvent& event, ClientDataSet::NotifyEvent handler);

// The code the customer's rows are stored under (customerCode(), the future code while it is new); a
// clear Error when none is known yet, since the row would be saved as nobody's.
std::string requiredCustomerCode(const CustomerDataSets& sets);

// Wires the rules into the datasets; called once by CustomerDataSets.
void installDataSetRules(CustomerDataSets& sets);

} // namespace vq::customer
