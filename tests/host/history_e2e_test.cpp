// The history window through the driver: a saved change shows up in it, newest first, with the host's
// operator and module, and its two combos narrow the rows to one field and one operator. The embedded server
// asks for a shared secret here, so every connection of the module must present it.

#include "host/driver.h"
#include "tests/host/e2e_support.h"

#include <gtest/gtest.h>

namespace vq::host {
namespace {

using namespace e2e;

TEST(HistoryWindow, ShowsTheSavedChangesFilteredByFieldAndOperator) {
    DriverOptions o;
    o.moduleDir = VQ_HOST_MODULE_DIR;
    o.seedCustomers = 3;
    o.settings = {{"module", "9"}, {"operator", "OPER01"}, {"secret", "segredo-local"}};
    Driver driver(std::move(o));
    const DriverResult r = driver.run(R"(call IniProc null
form TfrmFilCliente
click sbtConfirma
form TfrmCliente
click sbtAlterar
set dbeNmFantasia "Fantasia Nova"
click sbtConfirmar
print messages calls
click mnuHistorico
form TfrmHistCliente
print calls cdsHistCliente.recordCount cdsHistCliente.NMCAMPOHIST cdsHistCliente.DSVALNOVHIST
select cmbCampo NMFANTCLIE
print cdsHistCliente.recordCount cmbOperador.text
select cmbOperador 1
print cdsHistCliente.recordCount cmbOperador.itemIndex cmbOperador.text cdsHistCliente.CDOPERHIST
print cdsHistCliente.CDMODERPHIST
select cmbCampo 0
select cmbOperador 0
print cdsHistCliente.recordCount
close TfrmHistCliente
close TfrmCliente
)");
    ASSERT_EQ(r.exitCode, 0) << describe(r);
    const auto counts = printedAll(r, "cdsHistCliente.recordCount");
    ASSERT_EQ(counts.size(), 4u);
    EXPECT_GE(std::stoi(counts[0]), 1); // the seeded customer's first change
    EXPECT_FALSE(printed(r, "cdsHistCliente.DSVALNOVHIST").empty());
    EXPECT_EQ(counts[1], "1"); // the fantasy name alone
    EXPECT_EQ(printed(r, "cmbOperador.text"), "(Todos)");
    EXPECT_EQ(printed(r, "cmbOperador.itemIndex"), "1");
    // The host's operator, named in the connection's hello, reaches the change's rows.
    EXPECT_EQ(printedLast(r, "cmbOperador.text"), "OPER01");
    EXPECT_EQ(printed(r, "cdsHistCliente.CDOPERHIST"), "OPER01");
    EXPECT_EQ(printed(r, "cdsHistCliente.CDMODERPHIST"), "9"); // and the module the clerk works in
    EXPECT_EQ(counts[2], counts[1]); // the change's only operator: both filters together
    EXPECT_EQ(counts[3], counts[0]);
    const auto calls = linesStarting(r, "call=Vqm41200.rdmClientes.GetHistCliente(");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_TRUE(linesStarting(r, "call=Vqm41200.rdmClientes.Confirmar(").size() >= 1);
}

} // namespace
} // namespace vq::host
