#pragma once
// Row rules of the customer form's detail datasets: the kind and the customer code that every detail row
// is stored under, and the defaults of new rows. Concern units add their own checks to the same events
// with runBefore / runAfter, so that a check can run ahead of the key copy.

#include "platform/data/client_data_set.h"

namespace vq::customer {

class CustomerDataSets;

// Makes `handler` run before (or after) what the event already does.
void runBefore(ClientDataSet::NotifyEvent& event, ClientDataSet::NotifyEvent handler);
void runAfter(ClientDataSet::NotifyEvent& event, ClientDataSet::NotifyEvent handler);

// Wires the rules into the datasets; called once by CustomerDataSets.
void installDataSetRules(CustomerDataSets& sets);

} // namespace vq::customer
