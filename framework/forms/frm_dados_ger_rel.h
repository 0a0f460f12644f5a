#pragma once
// TfrmDadosGerRel, the base of report-parameter forms: print `sbtPrint`, preview `sbtPreview`, save as
// PDF `sbtSalvarComo`, report edit `sbtReportEdit` and close `sbtFechar`, the panel `pnlParametros` for
// the parameters, and the report component `rpddPadrao` (reports/report_engine.h).
//
// The derived form sets ReportCode ("Vqm412"); the definition is <code>.json in the report directory or
// the built-in one of that code, and a missing one is reported with "Arq_Rel_Err". Before the query runs
// the engine calls rpddPadraoBeforeGetQueryParams with the parameters the query declares.
//
// Each command's base handler is the engine's run: a derived form runs its checks, then calls it.
// Report edit asks for a new title ("NovoCaption" / "NovoPrompt"), refuses one that another saved
// report already has ("Rel_Ja_Cad") and saves the definition under its code in the report directory.

#include "framework/forms/toolbar_form.h"
#include "framework/reports/report_engine.h"

#include <string>

namespace vq {

class TfrmDadosGerRel : public ToolbarForm {
public:
    explicit TfrmDadosGerRel(std::string className = "TfrmDadosGerRel", QWidget* parent = nullptr);

    gui::ToolButton *sbtPrint = nullptr, *sbtPreview = nullptr, *sbtSalvarComo = nullptr,
                    *sbtReportEdit = nullptr, *sbtFechar = nullptr;
    gui::Panel* pnlParametros = nullptr;
    reports::ReportEngine rpddPadrao;
    std::string ReportCode;

    virtual void sbtPrintClick();
    virtual void sbtPreviewClick();
    virtual void sbtSalvarComoClick();
    virtual void sbtReportEditClick();
    virtual void sbtFecharClick();
    virtual void rpddPadraoBeforeGetQueryParams(reports::ReportParams& params);

    // Loads the definition of ReportCode into rpddPadrao (done by every command when none is loaded).
    void loadReport();
    // The directory definitions are read from and saved to (reports::reportDirectory() unless set).
    std::string ReportDirectory;
};

} // namespace vq
