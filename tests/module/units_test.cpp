// Package load and unload: unit order, reference counts, the unit table, unit values and the generic
// invocation's argument checks.

#include "customer/form/unit_state.h"
#include "module/module_api.h"
#include "module/units.h"
#include "tests/module/module_test_support.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vq {
namespace {

const std::vector<std::string> kOrder = {"Vqm41201", "Vqm41202", "Vqm41203", "Vqm41205", "Vqm41206",
                                         "Vqm41207", "Vqm41208", "Vqm41209", "Vqm41200", "Vqm41204"};

std::vector<std::string> eventsSince(std::size_t from) {
    const auto& all = module::unitEvents();
    return {all.begin() + static_cast<std::ptrdiff_t>(from), all.end()};
}

std::vector<std::string> prefixed(const char* prefix, std::vector<std::string> units) {
    for (auto& u : units)
        u = prefix + u;
    return units;
}

TEST(ModuleUnits, InitialiseOnceInOrderAndFinaliseInReverseWithTheLastReference) {
    const std::size_t start = module::unitEvents().size();
    Initialize();
    Initialize();
    EXPECT_EQ(eventsSince(start), prefixed("init ", kOrder));
    EXPECT_EQ(module::unitReferenceCount("Vqm41200"), 2);

    Finalize();
    EXPECT_EQ(eventsSince(start).size(), kOrder.size()) << "the first Finalize only drops a reference";
    Finalize();
    std::vector<std::string> reversed(kOrder.rbegin(), kOrder.rend());
    const auto events = eventsSince(start + kOrder.size());
    EXPECT_EQ(events, prefixed("fini ", reversed));

    Finalize(); // unbalanced: nothing to undo, the counts never go below zero
    EXPECT_EQ(eventsSince(start).size(), 2 * kOrder.size());
    EXPECT_EQ(module::unitReferenceCount("Vqm41204"), 0);
}

TEST(ModuleUnits, PackageInfoListsTheUnitsInInitialisationOrder) {
    const VqPackageInfo* info = GetPackageInfoTable();
    ASSERT_NE(info, nullptr);
    EXPECT_STREQ(info->packageName, "PKG_VQM41200");
    ASSERT_EQ(info->unitCount, 10);
    for (int i = 0; i < info->unitCount; ++i)
        EXPECT_EQ(info->unitNames[i], kOrder[static_cast<std::size_t>(i)]);
}

TEST(ModuleUnits, InitialValuesAndTheirRestorationOnReload) {
    Initialize();
    EXPECT_EQ(test::unitValue("Vqm41200", "boHabAlt"), Variant(true));
    EXPECT_EQ(test::unitValue("Vqm41200", "stCliente"), Variant("J"));
    EXPECT_EQ(test::unitValue("Vqm41200", "stVendedor"), Variant("J"));
    EXPECT_EQ(test::unitValue("Vqm41200", "boPesqAtiv"), Variant(true));
    EXPECT_EQ(test::unitValue("Vqm41200", "boPesqIndice"), Variant(true));
    EXPECT_EQ(test::unitValue("Vqm41200", "stIndex"), Variant(0));
    EXPECT_EQ(test::unitValue("vqm41200", "BOSTCRIADO"), Variant(false)) << "names match in any case";
    EXPECT_TRUE(test::unitValue("Vqm41200", "frmCliente").isNull());
    EXPECT_EQ(test::unitValue("Vqm41202", "Filtro.TORIGEM.all"), Variant(true));
    EXPECT_EQ(test::unitValue("Vqm41204", "arFields"), Variant(111));

    // Values changed while loaded are back to their initial ones after an unload and a new load.
    Vqm41200::unit().boHabAlt = false;
    Vqm41200::unit().stFiltroCdCliente = "J1";
    Finalize();
    Initialize();
    EXPECT_EQ(test::unitValue("Vqm41200", "boHabAlt"), Variant(true));
    EXPECT_EQ(test::unitValue("Vqm41200", "stFiltroCdCliente"), Variant(""));
    Finalize();

    Variant out("kept");
    EXPECT_FALSE(VqUnitValue("Vqm41200", "noSuchName", &out));
    EXPECT_FALSE(VqUnitValue("Vqm49999", "boStCriado", &out));
    EXPECT_EQ(out, Variant("kept"));
}

TEST(ModuleUnits, InvokeRefusesUnknownRoutinesAndArgumentsOfTheWrongCountOrKind) {
    char error[64];
    Variant result;
    EXPECT_FALSE(VqInvoke("CriaNada", nullptr, &result, error, sizeof error));
    EXPECT_STREQ(error, "Rotina desconhecida: CriaNada.");

    VariantArray tooMany{Variant("a"), Variant("b")};
    EXPECT_FALSE(VqInvoke("CriaFilCliente", &tooMany, &result, error, sizeof error));
    EXPECT_NE(std::string(error).find("espera 1 argumento"), std::string::npos) << error;

    VariantArray wrongKind{Variant("sim"), Variant("J1")};
    EXPECT_FALSE(VqInvoke("CriaVisualizaCliente", &wrongKind, &result, error, sizeof error));
    EXPECT_NE(std::string(error).find("Argumento 1"), std::string::npos) << error;

    char tiny[8];
    EXPECT_FALSE(VqInvoke("CriaNada", nullptr, nullptr, tiny, sizeof tiny));
    EXPECT_EQ(std::string(tiny), "Rotina ") << "cut to the buffer and terminated";
}

TEST(ModuleUnits, TheHostFindsEveryExportByName) {
    void* library = dlopen(VQ_MODULE_PATH, RTLD_NOW);
    ASSERT_NE(library, nullptr) << dlerror();
    for (const char* name : {"Initialize", "Finalize", "GetPackageInfoTable", "IniProc", "CriaCliente",
                             "CriaClienteModal", "CriaVisualizaCliente", "CriaFilCliente", "CriaDadosCliente",
                             "CriaInfEmailClie", "CriaVendAdicClie", "CriaListaTransp", "CriaImpCliente",
                             "VqInvoke", "VqUnitValue", "VqSetHostServices"})
        EXPECT_NE(dlsym(library, name), nullptr) << name;
    using InfoFn = const VqPackageInfo* (*)();
    auto info = reinterpret_cast<InfoFn>(dlsym(library, "GetPackageInfoTable"));
    ASSERT_NE(info, nullptr);
    EXPECT_STREQ(info()->packageName, "PKG_VQM41200");
    dlclose(library);
}

} // namespace
} // namespace vq
