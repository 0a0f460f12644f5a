#pragma once
// The customer form's components, grouped by the tab that holds them. The widgets belong to the form
// (Qt parents); these are the form's handles on them, filled when the layout is built.

#include "customer/customer_field_tables.h"

#include <array>
#include <string_view>

namespace vq {
class ClientDataSet;
class DataSource;
class TBtnPesquisa;
} // namespace vq

namespace vq::gui {
class CheckBox;
class ComboBox;
class DbCheckBox;
class DbComboBox;
class DbDateEdit;
class DbEdit;
class DbGrid;
class DbRadioGroup;
class Edit;
class GroupBox;
class Label;
class MaskEdit;
class MenuItem;
class DbNavigator;
class DbRichEdit;
class NumberEdit;
class Panel;
class PageControl;
class PopupMenu;
class RadioGroup;
class SpinEdit;
class TabSheet;
class ToolButton;
} // namespace vq::gui

namespace vq::customer::form {

// Menu items and tool buttons the form adds to the base's.
struct Commands {
    gui::MenuItem *mnuCopiaEndereo = nullptr, *mnuImportar = nullptr, *mnuExcluirEndereco = nullptr,
                  *mnuImpProsp = nullptr, *mnuFiltrar = nullptr, *mnuEmailCliente = nullptr,
                  *mnuAlvara = nullptr, *mnuCadAuto = nullptr;
    gui::MenuItem* mnuHistorico = nullptr;
    gui::ToolButton *sbtFiltro = nullptr, *sbtImportar = nullptr, *sbtEmail = nullptr, *sbtCadAut = nullptr,
                    *sbtCopiar = nullptr, *sbtExcluirEndereco = nullptr, *sbtImpProsp = nullptr,
                    *sbtAlvara = nullptr, *sbtLocEntrCli = nullptr;
    gui::PopupMenu *pmnCadAuto = nullptr, *pmnImpressora = nullptr;
    gui::MenuItem *pmnCadAutECF = nullptr, *pmnCadAutTabPrecoCli = nullptr, *pmnCadAutGrupClie = nullptr,
                  *mnuCadAutECF = nullptr, *mnuCadAutTabPrecoCli = nullptr, *pmnClientes = nullptr,
                  *pmnIntCli = nullptr;
};

// tshFormulario: identity, names, classification and the carrier search.
struct FormPage {
    gui::DbEdit *dbeInscricao = nullptr, *dbeNrInsJurClie = nullptr, *dbeNmRazaoSoc = nullptr,
                *dbeNmCompRzScli = nullptr, *dbeNmFantasia = nullptr, *dbeSegMerc = nullptr,
                *dbeOrigem = nullptr, *dbeCentCusto = nullptr, *dbeQualifica = nullptr, *dbeSigla = nullptr;
    gui::Label *lblInscricao = nullptr, *lblInscAux = nullptr, *lblNmRazaoSoc = nullptr, *lblComp = nullptr,
               *lblSigla = nullptr, *lblInadimplente = nullptr;
    gui::DbDateEdit *depClieDesde = nullptr, *depProspDesde = nullptr;
    gui::MaskEdit* medCdArvRamo = nullptr;
    gui::Edit *edtdsRamoAtiv = nullptr, *edtSegMerc = nullptr, *edtOrigem = nullptr, *edtCentCusto = nullptr,
              *edtQualifica = nullptr, *edtHomePage = nullptr;
    gui::ComboBox *dbcSituAtiv = nullptr, *dbePesqTransp = nullptr;
    gui::CheckBox* chbIdSitFinCli = nullptr;
    gui::RadioGroup* rdgTipoCliente = nullptr;
    gui::Label* lblTranspLista = nullptr;
    gui::ToolButton *btpVendAdic = nullptr, *btnPesqListaTransp = nullptr;
    gui::DbEdit *dbeCdInscEsta = nullptr, *dbeDsCNAEFiscal = nullptr;
};

// Identity rows of tshFormulario and the billing data ("Dados para Faturamento") on tshGeral.
struct IdentityControls {
    gui::DbEdit *dbeCodExterno = nullptr, *dbeCdAtendi = nullptr, *dbeCdCNAEFiscal = nullptr,
                *dbeCDEmpresa = nullptr, *dbeEmpresa = nullptr, *dbeInscEsta = nullptr,
                *dbeInscMuni = nullptr;
    gui::DbDateEdit* depDtNascFund = nullptr;
    gui::ToolButton *btnCNAEFiscal = nullptr, *sbtProcuraEmpresa = nullptr, *btpInscEst = nullptr,
                    *btpInscMuni = nullptr;
    gui::Label* lblMesmaRaiz = nullptr; // companies already registered under the CNPJ root
};

// One address tab: the same controls on each of the five, named per kind.
struct AddressPage {
    AddressKind kind = AddressKind::Normal;
    gui::TabSheet* sheet = nullptr;
    gui::MenuItem* item = nullptr;
    gui::DbEdit *country = nullptr, *state = nullptr, *municipality = nullptr, *postalCode = nullptr;
    // The geography chain's name edits and search buttons (btpPaisNorm, btpEstadoNorm, btpMuniNorm...).
    gui::DbEdit *countryName = nullptr, *municipalityName = nullptr;
    TBtnPesquisa *btpCountry = nullptr, *btpState = nullptr, *btpMunicipality = nullptr;
};

// tshDadosAdic, tshDadosFiscais and tshFormPgto.
struct AdditionalPages {
    gui::GroupBox* grbMesReaj = nullptr;
    gui::DbComboBox* dbcMesReaj = nullptr;
    gui::DbEdit *dbeVrMulta = nullptr, *dbeVrMora = nullptr, *dbeCdContCtbl = nullptr;
    gui::ComboBox *cbbEndCFOP = nullptr, *cbbEndCFOPOPres = nullptr;
    gui::DbRadioGroup* drgFormPgto = nullptr;
    gui::SpinEdit *speDiaFixo = nullptr, *speParcela = nullptr;
};

// The payment form, terms and collection fields on tshFormPgto, tshDadosAdic, tshDadosPed and
// tshPersonalizacao (the radio group, spin edits, fine, interest and month are in AdditionalPages).
struct PaymentControls {
    gui::Label *lblCom = nullptr, *lblParcelas = nullptr, *lblParenteses = nullptr;
    gui::DbCheckBox* dckProxMes = nullptr;
    gui::DbEdit *dbeCdFormPgto = nullptr, *dbeNmFormPgto = nullptr, *dbeVrDesc = nullptr,
                *dbeCdContRece = nullptr, *dbeNmContaRece = nullptr, *dbeCdTpBaixa = nullptr,
                *DBEdit2 = nullptr, *dbeCdTpAjust = nullptr, *dbePercDesc = nullptr, *dbeCdModPgto = nullptr,
                *dbeDsModPgto = nullptr, *dbeMesesInad = nullptr, *dbeNrDias = nullptr;
    gui::DbDateEdit* dbdDtVencimento = nullptr;
    gui::DbRadioGroup* drgTipoDesc = nullptr;
    gui::DbGrid* dbgPrazoPgClie = nullptr;
    TBtnPesquisa *btpFormPgto = nullptr, *btpContRece = nullptr, *btnTipoBaixa = nullptr,
                 *btpCdTpAjust = nullptr, *btpModPgto = nullptr;
};

// tshInterloc, tshSitFinanc, tshPersonalizacao and tshDadosPed with their inner pages.
struct DetailPages {
    gui::PageControl *pgcInterloc = nullptr, *pgcSituFinanc = nullptr, *pgcGeral = nullptr;
    gui::TabSheet *tshDadosInterloc = nullptr, *tshFormInter = nullptr, *tshEndeInter = nullptr,
                  *tshCorres = nullptr, *tshSituFinaGeral = nullptr, *tshSocios = nullptr,
                  *tshGeral = nullptr, *tshPrcBase = nullptr;
    gui::DbEdit *dbeCdIdioma = nullptr, *dbeCdRegiao = nullptr;
    gui::Edit *edtNmIdioma = nullptr, *edtNmTransportadora = nullptr, *edtNmTipoTransp = nullptr;
    gui::MaskEdit* medNmRegiao = nullptr;
    gui::ComboBox *cbbLancExp = nullptr, *dbcAprovPed = nullptr, *dbcSitFin = nullptr;
    gui::NumberEdit* nedDias = nullptr;
    gui::DbCheckBox* dcbIDUTGRFXVENDADIC = nullptr;
};

// Fiscal attributes on tshDadosFiscais, the invoice texts on tshDadosAdic, the invoice series on tshGeral,
// and the permit commands.
struct FiscalControls {
    gui::DbComboBox *dbcEndEmissao = nullptr, *dbcCPRB = nullptr, *cbbIdentClie = nullptr,
                    *dbcDigiCST = nullptr;
    gui::DbCheckBox *dbcContribuinteICMS = nullptr, *dbcConsFinal = nullptr;
    gui::GroupBox *grbECF = nullptr, *grbMensCliente = nullptr;
    gui::DbEdit *dbeCdRetIRPJ = nullptr, *dbeDsRetIRPJ = nullptr, *dbeCdRetCSLL = nullptr,
                *dbeDsRetCSLL = nullptr, *dbeCdSerie = nullptr;
    TBtnPesquisa *btpCodRecIRPJ = nullptr, *btpCodRecCSLL = nullptr, *btpSerieNF = nullptr;
    gui::DbGrid* dbgMensCliente = nullptr;
    gui::PopupMenu* pmnAlvara = nullptr;
    gui::MenuItem *mnuAlvaraPEd = nullptr, *mnuAlvaraGer = nullptr;
};

// Commercial classification controls the form's own handlers use (the lookups' code and name edits are
// rows of customer/classification_table.cpp).
struct ClassificationControls {
    gui::DbEdit *dbeVendedor = nullptr, *dbeCdGrupClie = nullptr, *dbeCdFiliOrig = nullptr,
                *dbeCdModoDivulg = nullptr, *dbeTipoTransp = nullptr, *dbeTransportadora = nullptr,
                *dbeSgIndice = nullptr, *dbeNmIndice = nullptr, *dbeNmContCtbl = nullptr,
                *dbeMatAplic = nullptr, *dbeProdMatAplic = nullptr, *dbeNmMatAplic = nullptr;
    gui::DbComboBox* dbcTipoPgto = nullptr;
    gui::DbCheckBox* dckMatAplic = nullptr;
};

// tshInterloc's contact form, address and correspondence, and tshObserv (contact_*.cpp).
struct ContactControls {
    gui::GroupBox *grbInterloc = nullptr, *grbEndeInter = nullptr;
    gui::DbEdit *dbeCdInterloc = nullptr, *dbeNmInter = nullptr, *dbeCargo = nullptr, *dbeCodCargo = nullptr,
                *dbeNmCargo = nullptr, *dbeCdFunc = nullptr, *dbeNmFunc = nullptr, *dbeCdPaisInter = nullptr,
                *dbeNmPaisInter = nullptr, *dbeEstadoInter = nullptr, *dbeCdMuniInter = nullptr,
                *dbeNmMuniInter = nullptr;
    gui::DbComboBox *dcbTipo = nullptr, *dbcSituacao = nullptr, *dcbTipoEnde = nullptr;
    gui::DbDateEdit* depDtNasc = nullptr;
    TBtnPesquisa *BtnCodCargo = nullptr, *btpFuncionario = nullptr, *btpPaisInter = nullptr,
                 *btpEstadoInter = nullptr, *btpMuniInter = nullptr;
    gui::DbNavigator* dbnInterloc = nullptr;
    gui::DbGrid *dbgInterloc = nullptr, *dbgCorres = nullptr, *dbgObserv = nullptr;
    gui::Panel* panObserv = nullptr;
    gui::DbRichEdit* dreObserv = nullptr;
};

// The tabs of pgcPadrao after the base's two pages, in order, with their menu items.
enum class Tab {
    FolhaDados,
    Formulario,
    EndeClie,
    EndeClieCobr,
    EndeExt,
    EndeExp,
    EndEntrega,
    DadosAdic,
    DadosFiscais,
    FormPgto,
    Interloc,
    Observ,
    SitFinanc,
    BancoPref,
    Personalizacao,
    DadoProsp,
    DadosPed,
};
inline constexpr std::size_t kTabCount = 17;

struct TabEntry {
    gui::TabSheet* sheet = nullptr;
    gui::MenuItem* item = nullptr;
};
using Tabs = std::array<TabEntry, kTabCount>;

} // namespace vq::customer::form
