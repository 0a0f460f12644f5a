#include "framework/services/consiste_messages.h"
#include "framework/services/host_catalogue.h"
#include "framework/services/messages.h"
#include "platform/data/error.h"
#include "platform/data/log.h"
#include "platform/data/packet.h"
#include "platform/gui/form_base.h"
#include "platform/gui/guard.h"
#include "services_test_support.h"

#include <gtest/gtest.h>
#include <memory>

namespace vq {
namespace {

using gui::MessageKind;

class MessagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<gui::FormBase>("TfrmTeste");
        msgPadrao = new TMessages(form.get(), "msgPadrao");
        msgPadrao->SetItems({"Insc_cad|Cliente já cadastrado.", "INSC_CAD|segunda ocorrência",
                             "Vend_cad|Vendedor já cadastrado.", "Barra|texto com | barra", "SemTexto"});
        msgPadrao02 = new TMessages(form.get(), "msgPadrao02");
        msgPadrao02->Add("Serie_Cad", "Série não cadastrada.");
    }
    std::unique_ptr<gui::FormBase> form;
    TMessages* msgPadrao = nullptr;
    TMessages* msgPadrao02 = nullptr;
};

TEST_F(MessagesTest, FormComponentsThenHostCatalogueWithoutRegardToCase) {
    EXPECT_EQ(Msg(*form, "insc_CAD"), "Cliente já cadastrado.");     // the first item with the key wins
    EXPECT_EQ(msgPadrao->Msg("SERIE_CAD"), "Série não cadastrada."); // a sibling component of the form
    EXPECT_EQ(msgPadrao02->Msg("Barra"), "texto com | barra");       // only the first bar separates
    EXPECT_EQ(Msg(*form, "SemTexto"), "");
    EXPECT_EQ(Msg(*form, "ATUAL_OPER"), "Atualizando dados..."); // nobody on the form holds it
    EXPECT_EQ(msgPadrao->Msg("cpf_INV"), "CPF inválido.");
    EXPECT_EQ(Msg(*form, "FÍSICA"), "Física"); // accented keys fold too
    // A key the form holds in another meaning is still reachable in the host catalogue directly.
    EXPECT_EQ(Msg(*form, "Vend_Cad"), "Vendedor já cadastrado.");
    EXPECT_EQ(HostMsg("Vend_Cad"), "Vendedor não cadastrado.");
}

TEST_F(MessagesTest, UnknownKeyAnswersItselfAndWarns) {
    std::vector<std::string> lines;
    log::setSink([&](log::Level level, std::string_view line) {
        if (level == log::Level::Warn)
            lines.emplace_back(line);
    });
    EXPECT_EQ(Msg(*form, "Chave_Inexistente"), "Chave_Inexistente");
    log::setSink(nullptr);
    ASSERT_EQ(lines.size(), 1U);
    EXPECT_NE(lines[0].find("Chave_Inexistente"), std::string::npos);
}

TEST(HostCatalogueTest, HoldsEveryKeyFormsTakeFromTheHost) {
    for (const char* key :
         {"Atual_Oper",     "Verif_Server",    "TpAjRec_inf",      "TpAjRec_cad", "Cd_ja_cad",
          "Conta_Empty",    "prioridade",      "Divulg_nc",        "CGC_inv",     "CPF_inv",
          "Cont_cad",       "CODIGO_J_CAD",    "Vend_Cad",         "Física",      "Jurídica",
          "Insc. Jurídica", "Outros",          "NAO_HA_CLIENTE",   "NAO_HA_PAIS", "NAO_HA_ESTADO",
          "NAO_HA_RAMO",    "NAO_HA_SEGMENTO", "NAO_HA_QUALIFICA", "NAO_HA_ORI",  "Modulo_Indisp",
          "Codigo_Inv",     "SHOWAVI_1"}) {
        const auto text = HostCatalogue::instance().find(key);
        ASSERT_TRUE(text) << key;
        EXPECT_FALSE(text->empty()) << key;
    }
}

TEST(HostCatalogueTest, HostTextsReplaceBuiltInOnesUntilReset) {
    HostCatalogue& catalogue = HostCatalogue::instance();
    EXPECT_EQ(
        catalogue.addText("# comentário\r\n\r\nAtual_Oper|Gravando...\r\nNova|Texto novo\n|sem chave\n"), 2U);
    EXPECT_EQ(HostMsg("atual_oper"), "Gravando...");
    EXPECT_EQ(HostMsg("NOVA"), "Texto novo");
    catalogue.reset();
    EXPECT_EQ(HostMsg("Atual_Oper"), "Atualizando dados...");
    EXPECT_FALSE(catalogue.contains("Nova"));
    EXPECT_THROW(catalogue.addFile("/nonexistent/catalogue.txt"), Error);
    EXPECT_EQ(formatMsg("Módulo %1 em %2 (%3)", {"A", "B"}), "Módulo A em B (%3)");
    // The catalogues' %s takes the arguments in order.
    EXPECT_EQ(formatMsg("Não existe %s para %s (%s).", {"end. cobrança", "X"}),
              "Não existe end. cobrança para X (%s).");
}

TEST(MensErroTest, ShowsOnceAndEndsTheCommandSilently) {
    test::MessageRecorder messages;
    bool reachedAfter = false;
    const bool completed = gui::guarded("teste", [&] {
        Consiste::MensErro("Inscrição deve ser informada.");
        reachedAfter = true;
    });
    EXPECT_FALSE(completed);
    EXPECT_FALSE(reachedAfter);
    ASSERT_EQ(messages.shown.size(), 1U); // the guard adds nothing for the silent abort
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(messages.shown[0].text, "Inscrição deve ser informada.");

    EXPECT_NO_THROW(Consiste::MensErro("só mostra", false));
    EXPECT_EQ(messages.shown.size(), 2U);
}

TEST(ShowMsgTest, AnswersTheButtonChosen) {
    test::MessageRecorder messages;
    messages.answer = gui::MessageButton::No;
    EXPECT_EQ(ShowMsg("Confirma exclusão?", MessageKind::Confirmation,
                      gui::MessageButton::Yes | gui::MessageButton::No),
              gui::MessageButton::No);
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].buttons, gui::MessageButton::Yes | gui::MessageButton::No);
}

TEST(CheckResultServTest, ReturnsPayloadsAndNeverPassesAFailureOn) {
    test::MessageRecorder messages;
    auto packet =
        std::make_shared<const DataPacket>(std::vector<FieldDesc>{{"CDPAIS", FieldType::String, 4}});
    const Variant ok(packet);
    EXPECT_EQ(Consiste::CheckResultServ(ok, true, 0), ok);
    EXPECT_EQ(Consiste::CheckResultServ(Variant("texto"), true, 0), Variant("texto"));
    EXPECT_TRUE(messages.shown.empty());

    const Variant failure(ServerError{"Cliente já cadastrado."});
    EXPECT_THROW(Consiste::CheckResultServ(failure, true, 0), Abort);
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].text, "Cliente já cadastrado.");

    // Without raise nothing is shown here; the error carries the text to whoever shows it.
    try {
        Consiste::CheckResultServ(failure, false, 0);
        ADD_FAILURE() << "a failure came back as a payload";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Cliente já cadastrado.");
    }
    EXPECT_EQ(messages.shown.size(), 1U);

    EXPECT_THROW(Consiste::CheckResultServ(Variant(ServerError{"  "}), true), Abort);
    EXPECT_EQ(messages.shown.back().text, HostMsg("Erro_Servidor"));
}

TEST(CheckResultServTest, ClassicAnswerConventions) {
    using Consiste::ResultKind;
    EXPECT_EQ(Consiste::resultFailure(Variant("Falhou."), ResultKind::ErrorText), "Falhou.");
    EXPECT_EQ(Consiste::resultFailure(Variant(" "), ResultKind::ErrorText), HostMsg("Erro_Servidor"));
    EXPECT_EQ(Consiste::resultFailure(Variant(), ResultKind::ErrorText), HostMsg("Erro_Servidor"));
    EXPECT_EQ(Consiste::resultFailure(Variant(VariantArray{"S", 1, 2}), ResultKind::StatusArray), "");
    EXPECT_EQ(Consiste::resultFailure(Variant(VariantArray{"N", "Sem índice."}), ResultKind::StatusArray),
              "Sem índice.");
    EXPECT_EQ(Consiste::resultFailure(Variant("Erro de leitura."), ResultKind::StatusArray),
              "Erro de leitura.");
    EXPECT_FALSE(Consiste::resultFailure(Variant(VariantArray{}), ResultKind::StatusArray).empty());
    EXPECT_FALSE(Consiste::resultFailure(Variant(ServerError{"x"}), ResultKind::Payload).empty());
}

} // namespace
} // namespace vq
