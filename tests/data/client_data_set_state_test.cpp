// The dataset's state machine and the exact order of its events.
#include "dataset_test_util.h"
#include "platform/data/error.h"

#include <gtest/gtest.h>

using namespace vq;
using vq::testing::EventLog;
using vq::testing::openCustomers;
using Events = std::vector<std::string>;

namespace {

class DataSetEvents : public ::testing::Test {
protected:
    void SetUp() override {
        openCustomers(cds, 3);
        log.watch(cds);
        log.watch(dts);
    }
    ClientDataSet cds{"cdsCliente"};
    DataSource dts{"dtsCliente", &cds};
    EventLog log;
};

} // namespace

TEST_F(DataSetEvents, InsertPostInClassicOrder) {
    cds.Insert();
    EXPECT_EQ(log.take(), (Events{"BeforeInsert", "BeforeScroll", "StateChange:3", "OnNewRecord",
                                  "DataChange", "AfterInsert", "AfterScroll"}));
    EXPECT_EQ(cds.State(), DataSetState::Insert);
    EXPECT_EQ(cds.RecNo(), 1); // before the current row
    EXPECT_EQ(cds.RecordCount(), 3);
    cds.FieldByName("CDCLIENTE").SetAsString("NOVO");
    log.take();
    cds.Post();
    EXPECT_EQ(log.take(), (Events{"BeforePost", "StateChange:1", "DataChange", "AfterPost"}));
    EXPECT_EQ(cds.RecordCount(), 4);
    EXPECT_EQ(cds.FieldByName("CDCLIENTE").AsString(), "NOVO");
    cds.Next();
    EXPECT_EQ(cds.FieldByName("CDCLIENTE").AsString(), "C1");
}

TEST_F(DataSetEvents, EditCancelDeleteAndMoves) {
    cds.Edit();
    EXPECT_EQ(log.take(), (Events{"BeforeEdit", "StateChange:2", "DataChange", "AfterEdit"}));
    cds.Edit(); // already editing: nothing
    EXPECT_TRUE(log.take().empty());
    cds.FieldByName("NMRAZSOCCLIE").SetAsString("Outro");
    EXPECT_EQ(log.take(), (Events{"DataChange:NMRAZSOCCLIE"}));
    cds.Cancel();
    EXPECT_EQ(log.take(), (Events{"BeforeCancel", "StateChange:1", "DataChange", "AfterCancel"}));
    EXPECT_EQ(cds.FieldByName("NMRAZSOCCLIE").AsString(), "Cliente 1");

    cds.Next();
    EXPECT_EQ(log.take(), (Events{"BeforeScroll", "DataChange", "AfterScroll"}));
    cds.Delete();
    EXPECT_EQ(log.take(),
              (Events{"BeforeDelete", "BeforeScroll", "DataChange", "AfterDelete", "AfterScroll"}));
    EXPECT_EQ(cds.FieldByName("CDCLIENTE").AsString(), "C3"); // the next row
    cds.Delete();
    log.take();
    EXPECT_EQ(cds.FieldByName("CDCLIENTE").AsString(), "C1"); // the previous one after the last
    EXPECT_TRUE(cds.Eof());
}

TEST_F(DataSetEvents, NextAtEndAndFirstLast) {
    cds.Last();
    EXPECT_EQ(log.take(), (Events{"BeforeScroll", "DataChange", "AfterScroll"}));
    EXPECT_TRUE(cds.Eof());
    cds.Next();
    EXPECT_EQ(log.take(), (Events{"BeforeScroll"})); // no move, no AfterScroll
    cds.Last();
    EXPECT_EQ(log.take(), (Events{"BeforeScroll", "DataChange", "AfterScroll"})); // always fires
    EXPECT_EQ(cds.MoveBy(-5), -2);
    EXPECT_TRUE(cds.Bof());
    log.take();

    int visited = 0;
    for (cds.First(); !cds.Eof(); cds.Next())
        ++visited;
    EXPECT_EQ(visited, 3);
}

TEST_F(DataSetEvents, OpenAndCloseEvents) {
    cds.Close();
    EXPECT_EQ(log.take(), (Events{"BeforeClose", "StateChange:0", "AfterClose"}));
    cds.loadPacket(vq::testing::customerPacket(2));
    EXPECT_EQ(log.take(), (Events{"BeforeOpen", "StateChange:1", "DataChange", "AfterOpen", "AfterScroll"}));
    cds.Close();
    cds.CreateDataSet(); // empty: no AfterScroll
    EXPECT_EQ(log.take(), (Events{"BeforeClose", "StateChange:0", "AfterClose", "BeforeOpen", "StateChange:1",
                                  "DataChange", "AfterOpen"}));
    EXPECT_THROW(cds.Delete(), Error);
}

TEST_F(DataSetEvents, ImplicitPostWhenMovingOffAModifiedRow) {
    cds.Edit();
    cds.FieldByName("NMRAZSOCCLIE").SetAsString("Mudou");
    log.take();
    cds.Next();
    EXPECT_EQ(log.take(), (Events{"BeforePost", "StateChange:1", "DataChange", "AfterPost", "BeforeScroll",
                                  "DataChange", "AfterScroll"}));
    cds.Prior();
    EXPECT_EQ(cds.FieldByName("NMRAZSOCCLIE").AsString(), "Mudou");
    EXPECT_EQ(cds.ChangeCount(), 1);
}

TEST_F(DataSetEvents, UntouchedNewRowIsDroppedButExplicitPostKeepsIt) {
    cds.OnNewRecord = [](ClientDataSet& ds) { ds.FieldByName("IDCLIEATIV").SetAsString("A"); };
    cds.Append();
    EXPECT_FALSE(cds.Modified()); // defaults are not edits
    cds.First();                  // implicit cancel
    EXPECT_EQ(cds.RecordCount(), 3);
    EXPECT_EQ(cds.ChangeCount(), 0);

    cds.Append();
    cds.FieldByName("CDCLIENTE").SetAsString("X");
    cds.Post();
    EXPECT_EQ(cds.RecordCount(), 4);
    EXPECT_EQ(cds.FieldByName("IDCLIEATIV").AsString(), "A");
    cds.Last();
    EXPECT_EQ(cds.FieldByName("CDCLIENTE").AsString(), "X"); // appended at the end
}

TEST_F(DataSetEvents, FailingBeforePostKeepsStateAndTypedValues) {
    for (bool silent : {false, true}) {
        cds.BeforePost = [silent](ClientDataSet&) {
            if (silent)
                throw Abort();
            throw Error("Razão social deve ser informada.");
        };
        cds.Edit();
        cds.FieldByName("NMRAZSOCCLIE").SetAsString("Digitado");
        if (silent)
            EXPECT_THROW(cds.Next(), Abort); // the move is abandoned too
        else
            EXPECT_THROW(cds.Post(), Error);
        EXPECT_EQ(cds.State(), DataSetState::Edit);
        EXPECT_EQ(cds.RecNo(), 1);
        EXPECT_EQ(cds.FieldByName("NMRAZSOCCLIE").AsString(), "Digitado");
        EXPECT_EQ(cds.ChangeCount(), 0);
        cds.BeforePost = nullptr;
        cds.Cancel();
    }
}

TEST_F(DataSetEvents, RequiredFieldRefusesPostWithItsLabel) {
    cds.Insert();
    cds.FieldByName("NMRAZSOCCLIE").SetAsString("Sem código");
    try {
        cds.Post();
        FAIL() << "post accepted without the required code";
    } catch (const FieldError& e) {
        EXPECT_NE(std::string(e.what()).find("Código"), std::string::npos);
    }
    EXPECT_EQ(cds.State(), DataSetState::Insert);
    EXPECT_EQ(cds.FieldByName("NMRAZSOCCLIE").AsString(), "Sem código");
}

TEST_F(DataSetEvents, FailuresInInsertEvents) {
    cds.BeforeInsert = [](ClientDataSet&) { throw Abort(); };
    EXPECT_THROW(cds.Insert(), Abort);
    EXPECT_EQ(cds.State(), DataSetState::Browse);
    EXPECT_EQ(cds.RecordCount(), 3);
    cds.BeforeInsert = nullptr;

    cds.OnNewRecord = [](ClientDataSet&) { throw Error("falhou"); };
    log.take();
    EXPECT_THROW(cds.Insert(), Error);
    EXPECT_EQ(cds.State(), DataSetState::Browse); // the row is dropped
    EXPECT_EQ(cds.RecordCount(), 3);
    EXPECT_EQ(cds.FieldByName("CDCLIENTE").AsString(), "C1");
}

TEST_F(DataSetEvents, DeleteWhileInsertingOnlyCancels) {
    cds.Insert();
    log.take();
    cds.Delete();
    EXPECT_EQ(log.take(), (Events{"BeforeCancel", "StateChange:1", "DataChange", "AfterCancel"}));
    EXPECT_EQ(cds.RecordCount(), 3);
}

TEST(DataSetStates, WritesNeedEditAndReadOnlyRefusesChanges) {
    ClientDataSet cds("cds");
    openCustomers(cds, 2);
    EXPECT_THROW(cds.FieldByName("CDPAIS").SetAsString("1"), Error); // browse state
    EXPECT_EQ(cds.FieldByName("CDPAIS").AsString(), "1058");

    cds.FieldByName("CDPAIS").SetReadOnly(true);
    cds.Edit();
    EXPECT_THROW(cds.FieldByName("CDPAIS").SetAsString("1"), FieldError);
    cds.Cancel();

    cds.SetReadOnly(true);
    EXPECT_THROW(cds.Edit(), Error);
    EXPECT_THROW(cds.Insert(), Error);
    EXPECT_THROW(cds.Delete(), Error);
    EXPECT_THROW(cds.Post(), Error); // not editing

    ClientDataSet closed("fechado");
    closed.CreateFields(vq::testing::kCustomerFields);
    EXPECT_THROW(closed.FieldByName("CDPAIS").AsString(), Error);
    EXPECT_THROW(closed.Next(), Error);
}

TEST(DataSetStates, EditOnEmptyDataSetAppends) {
    ClientDataSet cds("cds");
    cds.CreateFields(vq::testing::kCustomerFields);
    cds.CreateDataSet();
    EXPECT_TRUE(cds.IsEmpty());
    EXPECT_TRUE(cds.Bof() && cds.Eof());
    cds.Edit();
    EXPECT_EQ(cds.State(), DataSetState::Insert);
}
