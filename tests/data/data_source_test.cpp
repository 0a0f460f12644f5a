// DataSource notifications, DisableControls, and the links data-aware controls build on.
#include "dataset_test_util.h"
#include "platform/data/record_store.h"

#include <gtest/gtest.h>
#include <limits>

using namespace vq;
using vq::testing::EventLog;
using vq::testing::openCustomers;
using Events = std::vector<std::string>;

namespace {

// A stand-in for an edit control: holds text, writes it back when asked.
struct FakeEdit {
    FieldDataLink link;
    std::string text;
    int reloads = 0;

    FakeEdit(DataSource& source, std::string field) {
        link.onDataChange = [this] {
            ++reloads;
            text = link.field() ? link.field()->Text() : std::string();
        };
        link.onUpdateData = [this] { link.field()->SetText(text); };
        link.setFieldName(std::move(field));
        link.setDataSource(&source);
    }
    void type(std::string t) {
        ASSERT_TRUE(link.edit());
        text = std::move(t);
        link.modified();
    }
};

} // namespace

TEST(DataSourceEvents, DisableControlsNestsAndCatchesUpOnce) {
    ClientDataSet cds("cds");
    openCustomers(cds, 5);
    DataSource dts("dts", &cds);
    EventLog log;
    log.watch(dts);

    cds.DisableControls();
    cds.DisableControls();
    cds.Next();
    cds.Edit();
    cds.FieldByName("CDPAIS").SetAsString("1");
    cds.EnableControls();
    EXPECT_TRUE(log.take().empty()); // still disabled once
    cds.EnableControls();
    EXPECT_EQ(log.take(), (Events{"StateChange:2", "DataChange"}));
    cds.EnableControls(); // unbalanced: ignored
    EXPECT_TRUE(log.take().empty());

    cds.DisableControls();
    cds.Post(); // edit -> browse ...
    cds.Edit(); // ... -> edit again: no net state change
    cds.EnableControls();
    EXPECT_EQ(log.take(), (Events{"DataChange"}));

    // Dataset events still fire while controls are disabled.
    int scrolls = 0;
    cds.AfterScroll = [&](ClientDataSet&) { ++scrolls; };
    cds.DisableControls();
    cds.First();
    cds.Last();
    cds.EnableControls();
    EXPECT_EQ(scrolls, 2);
}

TEST(DataSourceEvents, StateChangeOnlyOnRealChangesAndEnabledFlag) {
    ClientDataSet cds("cds");
    DataSource dts("dts");
    EventLog log;
    log.watch(dts);
    dts.SetDataSet(&cds);
    EXPECT_TRUE(log.take().empty()); // inactive to inactive
    openCustomers(cds, 2);
    EXPECT_EQ(log.take(), (Events{"StateChange:1", "DataChange"}));
    dts.SetEnabled(false);
    EXPECT_EQ(dts.State(), DataSetState::Inactive);
    cds.Edit();
    EXPECT_EQ(log.take(), (Events{"StateChange:0"}));
    dts.SetEnabled(true);
    EXPECT_EQ(log.take(), (Events{"StateChange:2"}));
    dts.SetDataSet(nullptr);
    EXPECT_EQ(log.take(), (Events{"StateChange:0"}));
}

TEST(DataSourceEvents, ImplicitPostFlushesPendingControlText) {
    ClientDataSet cds("cds");
    openCustomers(cds, 3);
    DataSource dts("dts", &cds);
    FakeEdit edit(dts, "NMRAZSOCCLIE");
    EXPECT_EQ(edit.text, "Cliente 1");

    edit.type("Digitado e não saído");
    EXPECT_EQ(cds.State(), DataSetState::Edit);
    cds.Next(); // the control's text reaches the field before the implicit post
    EXPECT_EQ(edit.text, "Cliente 2");
    cds.Prior();
    EXPECT_EQ(cds.FieldByName("NMRAZSOCCLIE").AsString(), "Digitado e não saído");
    EXPECT_EQ(cds.ChangeCount(), 1);

    // A control whose text was never touched writes nothing: the row is cancelled, not posted.
    cds.Edit();
    cds.Next();
    EXPECT_EQ(cds.ChangeCount(), 1);

    // Read-only fields and datasets keep controls out of edit.
    FakeEdit code(dts, "CDCLIENTE");
    cds.FieldByName("CDCLIENTE").SetReadOnly(true);
    EXPECT_FALSE(code.link.edit());
    cds.Close();
    EXPECT_EQ(code.link.field(), nullptr);
    EXPECT_EQ(code.text, "");
}

TEST(DataSourceEvents, DestructionInAnyOrder) {
    auto cds = std::make_unique<ClientDataSet>("cds");
    openCustomers(*cds, 1);
    auto dts = std::make_unique<DataSource>("dts", cds.get());
    auto edit = std::make_unique<FakeEdit>(*dts, "CDCLIENTE");
    cds.reset();
    EXPECT_EQ(dts->DataSet(), nullptr);
    EXPECT_EQ(edit->link.field(), nullptr);
    dts.reset();
    EXPECT_EQ(edit->link.dataSource(), nullptr);
}

TEST(RecordStore, PackedRowsKeepEveryValueExactly) {
    const Row values = {Variant{},
                        std::numeric_limits<std::int64_t>::min(),
                        std::numeric_limits<std::int64_t>::max(),
                        -1,
                        0,
                        -0.0,
                        1e308,
                        DateTime{45000.75},
                        true,
                        false,
                        std::string(""),
                        std::string(300, 'x'),
                        Bytes{std::string("\0\1\xff", 3)},
                        "Ação"};
    RecordStore store(values.size());
    const RowId id = store.newId();
    store.put(id, values);
    EXPECT_EQ(store.row(id), values);
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(store.value(id, i), values[i]) << i;

    RecordStore wide(200);
    const RowId sparse = wide.newId();
    Row row(200);
    row[7] = "SP";
    row[199] = 3.5;
    wide.put(sparse, row);
    EXPECT_EQ(wide.value(sparse, 199), Variant(3.5));
    EXPECT_LT(wide.packed(sparse).byteSize(), 50u); // 200 mostly-null fields stay small
    wide.erase(sparse);
    EXPECT_FALSE(wide.contains(sparse));
    EXPECT_NE(wide.newId(), sparse); // ids are never reused
}
