// The contact, correspondence and observation rules without widgets: the coded contact fields, when the
// correspondence type is looked up, and what an observation without text becomes when it is posted.

#include "customer/contact_rules.h"
#include "customer/customer_dataset_rules.h"
#include "customer_test_util.h"
#include "platform/data/error.h"

#include <gtest/gtest.h>

namespace vq::customer {
namespace {

using testing::fakeServices;

class ContactRules : public ::testing::Test {
protected:
    CustomerDataSets sets{fakeServices()};

    void SetUp() override { testing::openCustomer(sets.cdsCliente(), "J11222333000181"); }
    void open(ClientDataSet& ds) { ds.loadPacket(testing::emptyPacketOf(ds)); }
};

TEST_F(ContactRules, ContactCodesShowTheirWordsAndAChosenWordStoresItsLetter) {
    ClientDataSet& contacts = sets.cdsInterloc();
    open(contacts);
    contacts.Append();
    EXPECT_EQ(contacts.FieldByName("IDENDEINCLIE").AsString(), "R") << "a new contact lives at home";
    EXPECT_EQ(contacts.FieldByName("IDENDEINCLIE").Text(), "Residencial");
    EXPECT_EQ(contacts.FieldByName("IDSTINTECLIE").Text(), "Ativo") << "no status reads as active";

    Field& level = contacts.FieldByName("IDTPINTECLIE");
    const std::pair<const char*, const char*> kLevels[] = {
        {"Proprietário", "R"},    {"Presidente", "P"},  {"Diretor", "D"},
        {"Superintendente", "I"}, {"Gerente", "G"},     {"Coordenador", "N"},
        {"Supervisor", "S"},      {"Funcionário", "F"}, {"Colaborador Vorlane", "C"},
        {"Outros", "O"}};
    for (const auto& [word, letter] : kLevels) {
        level.SetText(word);
        EXPECT_EQ(level.AsString(), letter) << word;
        EXPECT_EQ(level.Text(), word);
    }
    contacts.FieldByName("IDSTINTECLIE").SetText("Inativo");
    EXPECT_EQ(contacts.FieldByName("IDSTINTECLIE").AsString(), "D");
    contacts.FieldByName("IDSTINTECLIE").SetText("Ativo");
    EXPECT_EQ(contacts.FieldByName("IDSTINTECLIE").AsString(), "A");
    contacts.FieldByName("IDENDEINCLIE").SetText("Comercial");
    EXPECT_EQ(contacts.FieldByName("IDENDEINCLIE").AsString(), "C");
}

TEST_F(ContactRules, TheTypeIsLookedUpUnlessAReportingCheckRunsFromAnotherColumn) {
    EXPECT_FALSE(typeLookupSkipped(false, "NMTIPOCORR"));
    EXPECT_FALSE(typeLookupSkipped(false, "CDTIPOCORR"));
    EXPECT_FALSE(typeLookupSkipped(true, "CDTIPOCORR"));
    EXPECT_TRUE(typeLookupSkipped(true, "NMTIPOCORR"));
    EXPECT_TRUE(typeLookupSkipped(true, ""));
}

TEST_F(ContactRules, AnObservationWithoutTextIsDiscardedInsteadOfSaved) {
    ClientDataSet& notes = sets.cdsObserv();
    open(notes);
    int deletes = 0;
    runAfter(notes.AfterDelete, [&deletes](ClientDataSet&) { ++deletes; });

    // A new one is only cancelled.
    notes.Append();
    EXPECT_THROW(discardIfEmpty(notes, "  \n"), Abort);
    EXPECT_EQ(notes.State(), DataSetState::Browse);
    EXPECT_TRUE(notes.IsEmpty());
    EXPECT_EQ(deletes, 0);

    // A kept one is left alone; edited down to nothing, it is deleted (and that deletion is saved).
    notes.Append();
    notes.FieldByName("DSOBSERVCLIE").SetAsString("Visita marcada");
    discardIfEmpty(notes, "Visita marcada");
    notes.Post();
    notes.Edit();
    EXPECT_THROW(discardIfEmpty(notes, ""), Abort);
    EXPECT_TRUE(notes.IsEmpty());
    EXPECT_EQ(deletes, 1);
}

} // namespace
} // namespace vq::customer
