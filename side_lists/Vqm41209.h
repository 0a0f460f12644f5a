#pragma once
// Unit Vqm41209: the carrier list TfrmListaTransp (caption "Transportadoras"), a modal TfrmPadraoGrid
// over cdsPadrao (one row per allowed carrier of the customer form's customer), calling the server
// through the customer form's netClientes. Each posted or deleted row sends the list through
// ConfirmaListaTP. Its created mark is Vqm41200's boIdCriado, cleared by the exit command.

#include "framework/forms/frm_padrao_grid.h"
#include "platform/data/client_data_set.h"

#include <QPointer>
#include <string>

namespace vq {

namespace net {
class TNetConnection;
}

class TfrmListaTransp : public TfrmPadraoGrid {
public:
    explicit TfrmListaTransp(QWidget* parent = nullptr);
    ~TfrmListaTransp() override;

    ClientDataSet cdsPadrao{"cdsPadrao"};
    ClientDataSet cdsPesquisa{"cdsPesquisa"};
    DataSource dtsPesquisa{"dtsPesquisa"};
    net::TNetConnection& netClientes() const; // the customer form's

    // The registration check; `posting` checks a new or changed registration whichever column is
    // selected, leaving a column checks it only from NRINSJURTRAN.
    void ValidaDados(bool posting);

    void FormCreate() override;
    void RefreshData() override;
    void dtsPadraoStateChange() override;
    void updateCommands() override;
    void sbtFecharClick() override;
    void FormClose(gui::CloseAction& action) override;

private:
    std::string customerCode() const; // the customer form's, the future one while it is new
    void load();
    void refreshControls();
    void search();
    void saveList();
    void checkCarrier(Field& number);
    bool numberSelected() const;
};

namespace Vqm41209 {

struct UnitState {
    QPointer<TfrmListaTransp> frmListaTransp;
};

UnitState& unit();

} // namespace Vqm41209
} // namespace vq
