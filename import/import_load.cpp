// TfrmImportCliente: loading the layout's files into cdsCliente, with progress, cancel and the events of
// the application served meanwhile.

#include "framework/services/consiste_messages.h"
#include "framework/services/messages.h"
#include "import/Vqm41204.h"
#include "import/import_error.h"
#include "import/import_file_reader.h"
#include "import/import_rows.h"
#include "import/line_converter.h"
#include "platform/data/log.h"
#include "platform/gui/buttons.h"
#include "platform/gui/containers.h"
#include "platform/gui/db_grid.h"
#include "platform/gui/edit.h"
#include "platform/gui/progress.h"
#include "services/app_server.h"

#include <QCoreApplication>
#include <QTimer>
#include <chrono>

namespace vq {

namespace {

constexpr auto kYieldEvery = std::chrono::milliseconds(50);
constexpr std::size_t kBatchRows = 4096;

// Thrown by the load loop when the user cancels; shown as "IMP_CANCEL".
struct Cancelled {};

} // namespace

void TfrmImportCliente::btnCancelarClick() {
    cancelRequested_ = true;
}

void TfrmImportCliente::setLoading(bool on) {
    loading_ = on;
    for (gui::Control* c : std::initializer_list<gui::Control*>{Panel5, btfCarregar, dbgTabela, dbgDados,
                                                                sbtConfirma, sbtFechar})
        c->SetEnabled(!on);
    btnCancelar->SetEnabled(on);
    btnCancelar->SetVisible(on);
}

void TfrmImportCliente::showProgressPanel(bool loading) {
    lblArquivo->SetVisible(loading);
    pgbImport->SetVisible(loading);
    anmImport->SetVisible(loading);
    anmImport->SetActive(loading);
    lblVerifica->SetVisible(!loading);
    anmVerifica->SetVisible(!loading);
    anmVerifica->SetActive(!loading);
    panAnimacao->SetVisible(true);
}

void TfrmImportCliente::hideProgressPanel() {
    anmImport->SetActive(false);
    anmVerifica->SetActive(false);
    panAnimacao->SetVisible(false);
}

bool TfrmImportCliente::yieldDue() {
    const auto now = std::chrono::steady_clock::now();
    if (now - lastYield_ < kYieldEvery)
        return false;
    lastYield_ = now;
    return true;
}

void TfrmImportCliente::yieldToEvents() {
    QCoreApplication::processEvents();
    if (cancelRequested_)
        throw Cancelled{};
}

void TfrmImportCliente::btfCarregarClick() {
    if (loading_)
        return;
    Vd_Layout(true);
    // The code may have changed inside the panel since its file list was read.
    loadFileList();
    const std::string layout = cdsLayout.FieldByName("CDLAYOUTIMP").AsString();
    services::readInto(netImportCliente, "GetDescLayout", VariantArray{Variant(layout)}, cdsDescLayout);
    import::LineConverter converter(import::layoutColumns(cdsDescLayout));

    loaded_ = false;
    cdsCliente.Close();
    cdsCliente.CreateDataSet();
    rowLines_.clear();
    cancelRequested_ = false;

    struct Restore {
        TfrmImportCliente& f;
        ~Restore() {
            f.cdsCliente.EnableControls();
            f.hideProgressPanel();
            f.setLoading(false);
            f.sbtConfirma->SetEnabled(f.loaded_);
            if (f.closeRequested_)
                QTimer::singleShot(0, &f, [form = &f] { form->Close(); });
        }
    };
    showProgressPanel(true);
    setLoading(true);
    cdsCliente.DisableControls();
    Restore restore{*this};

    import::RowFiller filler(cdsCliente);
    // Rows go to cdsCliente in batches; the rows read before a failure or a cancel stay.
    std::vector<PackedRow> batch;
    batch.reserve(kBatchRows);
    const auto flush = [&] { cdsCliente.appendPacked(batch); };
    try {
        for (cdsArquivo.First(); !cdsArquivo.Eof(); cdsArquivo.Next()) {
            const std::string path = cdsArquivo.FieldByName("NMARQLAYIMP").AsString();
            import::ImportFileReader reader(path);
            lblArquivo->SetCaption(Msg(*this, "LendoArq") + " " + reader.fileName());
            pgbImport->SetMax(static_cast<std::int64_t>(reader.size()));
            pgbImport->SetPosition(0);
            std::string_view line;
            while (reader.readLine(line)) {
                converter.convert(line, reader.fileName(), reader.lineNumber());
                batch.push_back(filler.fill(converter, reader.fileName(), reader.lineNumber()));
                rowLines_.push_back(reader.lineNumber());
                if (batch.size() == kBatchRows)
                    flush();
                if (yieldDue()) {
                    flush();
                    pgbImport->SetPosition(static_cast<std::int64_t>(reader.consumed()));
                    yieldToEvents();
                }
            }
            flush();
            pgbImport->SetPosition(static_cast<std::int64_t>(reader.consumed()));
            log::info("import: " + std::to_string(reader.lineNumber()) + " linhas lidas de " + path);
        }
        loaded_ = true;
    } catch (const Cancelled&) {
        flush();
        log::info("import: carga do layout " + layout + " cancelada");
        Consiste::MensErro(Msg(*this, "IMP_CANCEL"));
    } catch (const import::ImportError& e) {
        flush();
        log::warn("import: layout " + layout + ": " + e.what());
        Consiste::MensErro(e.describe(Msg(*this, e.key())));
    }
}

} // namespace vq
