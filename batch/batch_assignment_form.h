#pragma once
// TfrmCadAutClie, the common base of the price table (Vqm41206) and customer group (Vqm41207) batch
// assignments: the customer choice (all or a picked list), the country / state / municipality narrowing
// with its tab-stop rules, the address kind `rdgTpEnde`, the customer list `cdsCliente` (getClientesEnd)
// and the confirm flow. The derived form adds its code group, its code check and its set call.

#include "framework/forms/frm_roti_geral.h"
#include "platform/data/client_data_set.h"
#include "platform/db/tadoib_query.h"

#include <memory>
#include <string>

namespace vq {

namespace net {
class TNetConnection;
}
namespace gui {
class RadioButton;
class RadioGroup;
class ToolButton;
} // namespace gui

class TfrmCadAutClie : public TfrmRotiGeral {
public:
    // The unit-level selection strings of the derived form's unit.
    struct Selection {
        std::string* stCodPais;
        std::string* stCodEstado;
        std::string* stCodMun;
        std::string* stListaCliente;
    };

    ~TfrmCadAutClie() override;
    net::TNetConnection& netClientes() const; // the customer form's

    void FormCreate() override;
    void FormClose(gui::CloseAction& action) override;
    void sbtConfirmaClick() override;

    ClientDataSet cdsCliente{"cdsCliente"};

    gui::RadioButton *rbtTodos = nullptr, *rbtLista = nullptr;
    gui::ToolButton* btpCliente = nullptr;
    gui::RadioButton *rbtTPais = nullptr, *rbtPais = nullptr;
    gui::RadioButton *rbtTEstado = nullptr, *rbtEstado = nullptr;
    gui::RadioButton *rbtTMun = nullptr, *rbtLMun = nullptr;
    gui::ToolButton *btnPais = nullptr, *btnEstado = nullptr, *btnMun = nullptr;
    gui::RadioGroup* rdgTpEnde = nullptr;

    void btpClienteClick();
    void btnPaisClick();
    void btnEstadoClick();
    void btnMunClick();
    std::string addressKind() const; // "" when no item is chosen

protected:
    TfrmCadAutClie(std::string className, Selection selection, QWidget* parent);

    // Vd_PrecoBase / vd_GrupoClie: with `report` a blank code is an error too.
    virtual void checkCode(bool report) = 0;
    // The set call for the chosen address kind: method name and arguments.
    virtual std::string assignmentMethod() const = 0;
    virtual VariantArray assignmentArgs(const std::string& kind) const = 0;

    const Selection& selection() const { return sel_; }
    // Focuses `control` (when it can take the focus) and reports the form's text of `key`.
    [[noreturn]] void fail(QWidget* control, std::string_view key);

private:
    struct Level; // one geography criterion: its buttons, string, query and list
    Level level(int i) const;
    void allClick(int i);
    void listClick(int i);
    void requireGeographyLists();
    void fillRegion(int i);
    void pickRegion(int i);

    Selection sel_;
    std::unique_ptr<TADOIBQuery> queries_[3];
    ClientDataSet regionLists_[3]{ClientDataSet{"qryPais"}, ClientDataSet{"qryEstado"},
                                  ClientDataSet{"qryMunicipio"}};
};

} // namespace vq
