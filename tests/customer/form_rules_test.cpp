// The customer form's Qt-free decisions: record commands, module codes and the detail reload rule.

#include "customer/command_rules.h"
#include "customer/module_codes.h"
#include "customer/reload_rule.h"

#include <gtest/gtest.h>

namespace vq::customer {
namespace {

using enum DataSetState;

CommandInputs onTab(bool secondaryAddress, DataSetState source, bool empty, bool allowed = true) {
    CommandInputs in;
    in.secondaryAddressTab = secondaryAddress;
    in.source = source;
    in.sourceEmpty = empty;
    in.changesAllowed = allowed;
    in.browsing = source == Browse;
    return in;
}

TEST(Commands, BrowsingARowfulSourceEnablesTheRecordCommandsButNotCancelOrConfirm) {
    const CommandStates s = decideCommands(onTab(false, Browse, false));
    EXPECT_TRUE(s.insert && s.edit && s.remove && s.search && s.refresh && s.navigator && s.print &&
                s.filter);
    EXPECT_FALSE(s.cancel || s.confirm);
}

TEST(Commands, AnEmptySourceOffersOnlyInsert) {
    const CommandStates s = decideCommands(onTab(false, Browse, true));
    EXPECT_TRUE(s.insert);
    EXPECT_FALSE(s.edit || s.remove || s.search || s.refresh);
}

TEST(Commands, EditingTheSourceOffersOnlyCancelAndConfirmAndLocksTheFilter) {
    for (DataSetState state : {Edit, Insert}) {
        const CommandStates s = decideCommands(onTab(false, state, false));
        EXPECT_TRUE(s.cancel && s.confirm) << static_cast<int>(state);
        EXPECT_FALSE(s.insert || s.edit || s.remove || s.search || s.refresh || s.filter || s.navigator ||
                     s.print);
    }
}

TEST(Commands, SecondaryAddressTabsOnlyEdit) {
    CommandStates s = decideCommands(onTab(true, Browse, false));
    EXPECT_TRUE(s.edit);
    EXPECT_FALSE(s.insert || s.remove || s.search || s.refresh);
    s = decideCommands(onTab(true, Browse, true));
    EXPECT_TRUE(s.edit) << "an empty address is entered with edit";
    s = decideCommands(onTab(true, Edit, false));
    EXPECT_FALSE(s.edit);
    EXPECT_TRUE(s.confirm);
}

TEST(Commands, ViewingOnlyEnablesNoRecordCommandInAnyState) {
    for (bool secondary : {false, true})
        for (DataSetState state : {Browse, Edit, Insert})
            for (bool empty : {false, true}) {
                const CommandStates s = decideCommands(onTab(secondary, state, empty, false));
                EXPECT_FALSE(s.insert || s.edit || s.remove || s.search || s.refresh || s.cancel || s.confirm)
                    << secondary << static_cast<int>(state) << empty;
            }
}

TEST(Commands, TheCallersBrowsingDecidesNavigatorPrintAndTheCloseItemOnly) {
    CommandInputs in = onTab(false, Browse, false);
    in.browsing = false;
    CommandStates s = decideCommands(in);
    EXPECT_FALSE(s.navigator || s.print || s.closeItem);
    EXPECT_TRUE(s.insert && s.edit && s.closeButton);
    in.browsing = true;
    EXPECT_TRUE(decideCommands(in).closeItem);
    in.changesAllowed = false;
    s = decideCommands(in);
    EXPECT_FALSE(s.closeItem || s.closeButton);
}

TEST(Commands, ProspectImportNeedsTheMasterPagesAndABrowsedCustomer) {
    CommandInputs in = onTab(false, Browse, false);
    in.masterEmpty = false;
    EXPECT_FALSE(decideCommands(in).importProspect);
    in.gridOrFormPage = true;
    EXPECT_TRUE(decideCommands(in).importProspect);
    in.master = Edit;
    EXPECT_FALSE(decideCommands(in).importProspect);
    in.master = Browse;
    in.masterEmpty = true;
    EXPECT_FALSE(decideCommands(in).importProspect);
}

TEST(ModuleCodes, RulesFollowTheirTable) {
    struct Case {
        ModuleRule rule;
        int in, out;
    };
    const Case cases[] = {
        {ModuleRule::RequiredSinceDates, 63, 33},
        {ModuleRule::ProspectTab, 33, 16},
        {ModuleRule::ProspectImport, 63, 16},
        {ModuleRule::Personalisation, 16, 63},
        {ModuleRule::AdjustmentMonth, 16, 64},
        {ModuleRule::FileAbbreviation, 69, 33},
        {ModuleRule::Permit, 75, 16},
        {ModuleRule::DuplicateTaxRefused, 64, 9},
        {ModuleRule::ProspectOnInsert, 33, 9},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(appliesIn(c.rule, c.in)) << static_cast<int>(c.rule);
        EXPECT_FALSE(appliesIn(c.rule, c.out)) << static_cast<int>(c.rule);
    }
    for (ModuleRule rule : {ModuleRule::RequiredSinceDates, ModuleRule::ProspectTab, ModuleRule::Permit})
        EXPECT_FALSE(appliesIn(rule, 0));
}

class Reload : public ::testing::Test {
protected:
    void SetUp() override {
        ds.AddField(FieldSpec("CDCLIENTE", FieldType::String, 21));
        ds.AddField(FieldSpec("DSOBS"));
        ds.CreateDataSet();
    }
    void addRow(const char* code) {
        ds.Append();
        ds.FieldByName("CDCLIENTE").SetAsString(code);
        ds.Post();
    }
    ClientDataSet ds{"cdsTeste"};
};

TEST_F(Reload, EmptyOrAnotherCustomersRowsReload) {
    EXPECT_TRUE(needsReload(ds, "J1")) << "empty";
    addRow("J1");
    ds.MergeChangeLog();
    EXPECT_FALSE(needsReload(ds, "J1"));
    EXPECT_TRUE(needsReload(ds, "J2"));
    ClientDataSet closed{"cdsFechado"};
    EXPECT_TRUE(needsReload(closed, "J1"));
}

TEST_F(Reload, RowsBeingEditedOrNotYetSentAreKept) {
    addRow("J1");
    EXPECT_FALSE(needsReload(ds, "J2")) << "an appended row not sent";
    EXPECT_FALSE(mayReplaceRows(ds));
    ds.MergeChangeLog();
    ds.Edit();
    EXPECT_FALSE(needsReload(ds, "J2"));
    ds.Cancel();
    EXPECT_TRUE(mayReplaceRows(ds));
}

TEST(PostalCode, OnlyBrazilHasAMask) {
    EXPECT_EQ(postalCodeMask("0055"), "99.999-999;0;_");
    EXPECT_EQ(postalCodeMask("0076"), "");
    EXPECT_EQ(postalCodeMask(""), "");
}

} // namespace
} // namespace vq::customer
