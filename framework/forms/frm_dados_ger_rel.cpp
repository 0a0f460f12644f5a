#include "framework/forms/frm_dados_ger_rel.h"

#include "framework/forms/form_texts.h"
#include "framework/reports/report_seams.h"
#include "framework/services/consiste_messages.h"
#include "framework/services/host_catalogue.h"
#include "framework/validation/consiste.h"
#include "platform/db/sql_text.h"
#include "platform/gui/buttons.h"
#include "platform/gui/containers.h"

namespace vq {
namespace {

using enum gui::Kind;
using gui::bind;
using Self = TfrmDadosGerRel;

// clang-format off
constexpr gui::ControlSpec kLayout[] = {
    {ToolButton, "sbtPrint", "pnlFerramentas", "Imprimir", "", "", {0, 0}, {.hint = "Imprimir (F7)", .shortcut = "F7"}, bind<&Self::sbtPrint>()},
    {ToolButton, "sbtPreview", "pnlFerramentas", "Visualizar", "", "", {0, 1}, {.hint = "Visualizar (F8)", .shortcut = "F8"}, bind<&Self::sbtPreview>()},
    {ToolButton, "sbtSalvarComo", "pnlFerramentas", "Salvar Como", "", "", {0, 2}, {.hint = "Salvar como PDF"}, bind<&Self::sbtSalvarComo>()},
    {ToolButton, "sbtReportEdit", "pnlFerramentas", "Editar Relatório", "", "", {0, 3}, {.hint = "Alterar o título do relatório"}, bind<&Self::sbtReportEdit>()},
    {ToolButton, "sbtFechar", "pnlFerramentas", "Fechar", "", "", {0, 4}, {.hint = "Fechar (Esc)", .shortcut = "Esc"}, bind<&Self::sbtFechar>()},
    {Panel, "pnlParametros", "", "", "", "", {1, 0}, {}, bind<&Self::pnlParametros>()},
};
// clang-format on

} // namespace

TfrmDadosGerRel::TfrmDadosGerRel(std::string className, QWidget* parent)
    : ToolbarForm(std::move(className), parent) {
    buildToolbar(kLayout);
    sbtPrint->OnClick = [this] { sbtPrintClick(); };
    sbtPreview->OnClick = [this] { sbtPreviewClick(); };
    sbtSalvarComo->OnClick = [this] { sbtSalvarComoClick(); };
    sbtReportEdit->OnClick = [this] { sbtReportEditClick(); };
    sbtFechar->OnClick = [this] { sbtFecharClick(); };
    rpddPadrao.OnBeforeGetQueryParams = [this](reports::ReportParams& p) {
        rpddPadraoBeforeGetQueryParams(p);
    };
}

void TfrmDadosGerRel::loadReport() {
    const std::string dir = ReportDirectory.empty() ? reports::reportDirectory() : ReportDirectory;
    auto definition = reports::findReport(ReportCode, dir);
    if (!definition)
        Consiste::MensErro(forms::formText(*this, "Arq_Rel_Err", {ReportCode, dir}));
    rpddPadrao.SetDefinition(std::move(*definition));
}

void TfrmDadosGerRel::sbtPrintClick() {
    if (!rpddPadrao.HasDefinition())
        loadReport();
    rpddPadrao.Print();
}

void TfrmDadosGerRel::sbtPreviewClick() {
    if (!rpddPadrao.HasDefinition())
        loadReport();
    rpddPadrao.Preview();
}

void TfrmDadosGerRel::sbtSalvarComoClick() {
    if (!rpddPadrao.HasDefinition())
        loadReport();
    rpddPadrao.SaveAs();
}

void TfrmDadosGerRel::sbtReportEditClick() {
    if (!rpddPadrao.HasDefinition())
        loadReport();
    reports::ReportDefinition& definition = rpddPadrao.Definition();
    const auto title = reports::seams::inputText()(
        {forms::formText(*this, "NovoCaption"), forms::formText(*this, "NovoPrompt"), definition.title});
    if (!title || Consiste::EmptyString(*title))
        return;
    const std::string dir = ReportDirectory.empty() ? reports::reportDirectory() : ReportDirectory;
    for (const auto& [saved, code] : reports::savedTitles(dir))
        if (!db::equalsNoCase(code, definition.code) && messageKeyFold(saved) == messageKeyFold(*title))
            Consiste::MensErro(forms::formText(*this, "Rel_Ja_Cad", {*title}));
    reports::ReportDefinition edited = definition;
    edited.title = Consiste::AllTrim(*title);
    reports::saveReport(edited, dir);
    definition = std::move(edited);
}

void TfrmDadosGerRel::sbtFecharClick() {
    Close();
}
void TfrmDadosGerRel::rpddPadraoBeforeGetQueryParams(reports::ReportParams& params) {
    (void)params;
}

} // namespace vq
