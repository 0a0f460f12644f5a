#include "framework/services/showavi.h"

#include <QApplication>
#include <QLabel>
#include <gtest/gtest.h>
#include <stdexcept>

namespace vq {
namespace {

TEST(ShowaviTest, NestedLevelsShowTheInnermostAndUnwindInOrder) {
    QWidget form;
    form.resize(400, 300);
    Showavi::ActiveShowAvi(&form, Showavi::kUpdating);
    EXPECT_EQ(Showavi::current().text, "Atualizando dados...");
    Showavi::ActiveShowAvi(&form, Showavi::kSearching, "Verificando dados no servidor...");
    Showavi::State s = Showavi::current();
    EXPECT_TRUE(s.active);
    EXPECT_EQ(s.kind, 6);
    EXPECT_EQ(s.depth, 2);
    auto* box = qobject_cast<QLabel*>(Showavi::widget());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->parentWidget(), &form);
    EXPECT_EQ(box->text().toStdString(), "Verificando dados no servidor...");
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
    Showavi::SetText("Atualizando clientes: 1.200 de 5.000"); // the shown level only
    EXPECT_EQ(Showavi::current().text, "Atualizando clientes: 1.200 de 5.000");
    EXPECT_EQ(box->text().toStdString(), "Atualizando clientes: 1.200 de 5.000");

    Showavi::DeactiveShowAvi();
    s = Showavi::current();
    EXPECT_EQ(s.kind, 1);
    EXPECT_EQ(s.depth, 1);
    EXPECT_EQ(box->text().toStdString(), "Atualizando dados...");

    Showavi::DeactiveShowAvi();
    EXPECT_FALSE(Showavi::current().active);
    EXPECT_EQ(Showavi::widget(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    Showavi::DeactiveShowAvi(); // a second hide on a failure path does nothing
    EXPECT_EQ(Showavi::current().depth, 0);
    Showavi::SetText("sem nível"); // nothing shown: nothing to change
    EXPECT_EQ(Showavi::widget(), nullptr);
}

TEST(ShowaviTest, ScopeUnwindsOnExceptionsAndForgottenInnerLevels) {
    try {
        Showavi::Scope outer(nullptr, Showavi::kOpeningForm);
        EXPECT_EQ(Showavi::current().text, "Abrindo...");
        Showavi::ActiveShowAvi(nullptr, Showavi::kSearching); // never hidden by its caller
        throw std::runtime_error("falha no servidor");
    } catch (const std::runtime_error&) {
    }
    EXPECT_FALSE(Showavi::current().active);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(ShowaviTest, FormClosedWhileShownDoesNotLeaveADanglingBox) {
    {
        auto form = std::make_unique<QWidget>();
        Showavi::ActiveShowAvi(form.get(), Showavi::kUpdating);
        ASSERT_NE(Showavi::widget(), nullptr);
    } // the form and the box on it are gone
    EXPECT_EQ(Showavi::widget(), nullptr);
    Showavi::ActiveShowAvi(nullptr, Showavi::kSearching, "Pesquisando...");
    EXPECT_NE(Showavi::widget(), nullptr);
    Showavi::DeactiveShowAvi();
    Showavi::DeactiveShowAvi();
    EXPECT_FALSE(Showavi::current().active);
}

} // namespace
} // namespace vq
