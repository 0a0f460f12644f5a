#pragma once
// TfrmPadrao, the record-maintenance base form: a tool bar and a main menu with the record commands, a
// page control `pgcPadrao` with the grid page `tshFolhaDados` (grid `dbgPadrao`) and the form page
// `tshFormulario`, the navigator `dbnPadrao`, the data source `dtsPadrao` and the message catalogue
// `msgPadrao`.
//
// Derived forms bind `dtsPadrao` to their dataset, add their controls and pages (their own layout table
// may name the base's components as parents), wire their events and end their constructor with
// DoCreate(), which runs FormCreate().
//
// Commands: each has a tool button and a menu item with the same enabled state (the button follows the
// item) and a virtual handler. The base handlers do the default work on `dtsPadrao`'s dataset; an
// override that adds steps calls the base handler first, one that replaces the work does not call it
// (the customer form's confirm, cancel and delete, for example, run their own questions and posts).
//
//   command     button        menu item      key    base behaviour
//   insert      sbtIncluir    mnuIncluir     F2     form page, append, focus its first control
//   edit        sbtAlterar    mnuAlterar     F3     form page, edit, focus its first control
//   delete      sbtExcluir    mnuExcluir     F4     asks "Excl", deletes; "N_Excl" when empty
//   confirm     sbtConfirmar  mnuConfirmar   F10    posts (pending text of the controls included)
//   cancel      sbtCancelar   mnuCancelar    F11    asks "Canc", cancels
//   refresh     sbtVerificar  mnuVerificar   F5     RefreshData(), back on the same row
//   search      sbtProcurar   mnuProcurar    F6     in-dataset search (Procurar)
//   print       sbtImprimir   mnuImprimir    F7     previews a listing of the grid's columns
//   close       sbtFechar     mnuFechar      Ctrl+F4  Close()
//
// Enabling (updateCommands): browsing enables insert (changes allowed), edit and delete (changes
// allowed, rows present), refresh, search (rows present), print and the moves; editing enables only
// confirm and cancel (changes allowed) and disables the grid page and the navigator.

#include "platform/data/data_source.h"
#include "platform/gui/form_base.h"

#include <string>

namespace vq {
class TMessages;
class Field;
} // namespace vq

namespace vq::gui {
class DbGrid;
class DbNavigator;
class MainMenu;
class MenuItem;
class PageControl;
class Panel;
class TabSheet;
class ToolButton;
enum class NavButton;
} // namespace vq::gui

namespace vq {

class TfrmPadrao : public gui::FormBase {
public:
    enum class Command {
        Incluir,
        Alterar,
        Excluir,
        Confirmar,
        Cancelar,
        Verificar,
        Procurar,
        Imprimir,
        Fechar
    };

    explicit TfrmPadrao(std::string className = "TfrmPadrao", QWidget* parent = nullptr);
    ~TfrmPadrao() override;

    // Components, owned by the form.
    DataSource dtsPadrao{"dtsPadrao"};
    TMessages* msgPadrao = nullptr;
    gui::MainMenu* mnuPadrao = nullptr;
    gui::MenuItem *mnuExibir = nullptr, *mnuFolhaDados = nullptr, *mnuFormulario = nullptr;
    gui::MenuItem *mnuRegistro = nullptr, *mnuIncluir = nullptr, *mnuAlterar = nullptr, *mnuExcluir = nullptr,
                  *mnuConfirmar = nullptr, *mnuCancelar = nullptr, *mnuVerificar = nullptr,
                  *mnuProcurar = nullptr, *mnuImprimir = nullptr, *mnuFechar = nullptr;
    gui::MenuItem *mnuNavegar = nullptr, *Primeiro1 = nullptr, *Anterior1 = nullptr, *Proximo1 = nullptr,
                  *Ultimo1 = nullptr;
    gui::Panel* pnlFerramentas = nullptr;
    gui::ToolButton *sbtIncluir = nullptr, *sbtAlterar = nullptr, *sbtExcluir = nullptr,
                    *sbtConfirmar = nullptr, *sbtCancelar = nullptr, *sbtVerificar = nullptr,
                    *sbtProcurar = nullptr, *sbtImprimir = nullptr, *sbtFechar = nullptr;
    gui::DbNavigator* dbnPadrao = nullptr;
    gui::PageControl* pgcPadrao = nullptr;
    gui::TabSheet *tshFolhaDados = nullptr, *tshFormulario = nullptr;
    gui::DbGrid* dbgPadrao = nullptr;

    // Command handlers (the tool button and the menu item both run them).
    virtual void sbtIncluirClick();
    virtual void sbtAlterarClick();
    virtual void sbtExcluirClick();
    virtual void sbtConfirmarClick();
    virtual void sbtCancelarClick();
    virtual void sbtVerificarClick();
    virtual void sbtProcurarClick();
    virtual void sbtImprimirClick();
    virtual void sbtFecharClick();

    // Pages, moves and data events.
    virtual void pgcPadraoChanging(bool& allowChange);
    virtual void pgcPadraoChange();
    virtual void mnuFolhaDadosClick();
    virtual void mnuFormularioClick();
    virtual void Primeiro1Click();
    virtual void Anterior1Click();
    virtual void Proximo1Click();
    virtual void Ultimo1Click();
    virtual void dbnPadraoClick(gui::NavButton button);
    virtual void dbgPadraoDblClick();
    virtual void dtsPadraoStateChange();
    virtual void dtsPadraoDataChange(Field* field);

    // Form events.
    virtual void FormCreate();
    virtual void FormActivate();
    virtual void FormCloseQuery(bool& canClose);
    virtual void FormClose(gui::CloseAction& action);

    // What the refresh command reloads (nothing in the base).
    virtual void RefreshData();
    // Whether record changes are allowed at all (the base: always).
    virtual bool changesAllowed() const { return true; }

    // Recomputes the enabled state of the commands from `dtsPadrao` (see above). A derived form with its
    // own rules applies them over the base's here, so the base's events never undo them.
    virtual void updateCommands();
    gui::ToolButton& commandButton(Command command) const;
    gui::MenuItem& commandItem(Command command) const;
    // Shows or hides a command's button and menu item together.
    void setCommandVisible(Command command, bool visible);
    void setCommandEnabled(Command command, bool enabled);

    // The dataset of `dtsPadrao`; vq::Error when none is bound.
    ClientDataSet& padraoDataSet() const;

protected:
    // Grid-only forms (TfrmPadraoGrid) edit in the grid: no form page, the grid page stays enabled.
    bool editsInGrid_ = false;
    // Brings the page where records are edited to the front (false when a page check refused), and
    // focuses its first control (the grid on grid-only forms).
    bool showEditPage();
    void focusEditPage();
    void focusFirstIn(QWidget& container);

private:
    void wire();
    bool lastEmpty_ = true;
    bool lastActive_ = false;
};

} // namespace vq
