#pragma once
// Unit Vqm41200: the customer maintenance form TfrmCliente (caption "Cliente"), a TfrmPadrao whose
// dtsPadrao shows cdsCliente, with its connection netClientes to "Vqm41200.rdmClientes". The filter,
// the e-mail list, the batch forms and the carrier list reach the server through netClientes.
//
// Units: frm_cliente.cpp (components and wiring), layout_*.cpp (one table per tab),
// frm_cliente_lifecycle.cpp (creation, activation, close), frm_cliente_tabs.cpp (tab changes and
// loading), frm_cliente_scroll.cpp (record change), frm_cliente_state.cpp (data states and command
// states), frm_cliente_navigation.cpp (tab menu, moves, grid, print), frm_cliente_commands.cpp (the
// module's other forms; the record commands insert, edit, cancel and search), frm_cliente_confirm.cpp
// (the confirm's steps), frm_cliente_delete.cpp, frm_cliente_refresh.cpp, frm_cliente_save.cpp (the save
// primitive and the saves after post and delete), frm_cliente_record_events.cpp (the master's events),
// identity_*.cpp (customer code, registrations, names, dates, CNAE, billing company, the record's
// completion before a post), classification_*.cpp (the commercial classification lookups),
// contact_*.cpp, bank_*.cpp, price_table_*.cpp, financial_form.cpp, partner_grid.cpp, fiscal_*.cpp,
// prosp_*.cpp.

#include "customer/confirm_steps.h"
#include "customer/customer_datasets.h"
#include "customer/form/classification_lookup.h"
#include "customer/form/pages.h"
#include "customer/form/satellites.h"
#include "customer/form/unit_state.h"
#include "customer/module_codes.h"
#include "customer/prosp_conversion.h"
#include "framework/forms/frm_padrao.h"
#include "platform/db/tadoib_query.h"
#include "platform/net/net_connection.h"
#include "services/geography_lookup.h"

#include <QPainter>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

namespace vq::gui {
struct GridColumn;
}

namespace vq {

class TfrmCliente : public TfrmPadrao {
public:
    using Tab = customer::form::Tab;

    explicit TfrmCliente(QWidget* parent = nullptr);
    ~TfrmCliente() override;

    net::TNetConnection netClientes;
    // Lookups on the host's database; one text for every database.
    TADOIBQuery qrySegMercado{nullptr, "qrySegMercado"};
    TADOIBQuery qryCentCustoCli{nullptr, "qryCentCustoCli"};
    TADOIBQuery qryRegiao{nullptr, "qryRegiao"};
    // Names the confirm fills when their edits are empty.
    TADOIBQuery qryModPgto{nullptr, "qryModPgto"};
    TADOIBQuery qryFormPgto{nullptr, "qryFormPgto"};
    TADOIBQuery qryPesqModPgto{nullptr, "qryPesqModPgto"};
    TADOIBQuery qryFiliOrig{nullptr, "qryFiliOrig"};

    customer::CustomerDataSets& data() const { return *data_; }
    ClientDataSet& cdsCliente() const { return data_->cdsCliente(); }
    // The current customer's CDCLIENTE ("" when there is none).
    std::string currentCode() const;

    // Components, by tab.
    customer::form::Commands cmd;
    customer::form::FormPage form;
    std::array<customer::form::AddressPage, customer::kAddressKindCount> addresses;
    customer::form::AdditionalPages extra;
    customer::form::DetailPages detail;
    customer::form::Tabs tabs;
    gui::MenuItem *mnuInterloc = nullptr, *mnuDadosInter = nullptr, *mnuFormInter = nullptr,
                  *mnuEndeInter = nullptr, *mnuCorres = nullptr, *mnuSitFinac = nullptr,
                  *mnuSituFinaGeral = nullptr, *mnuSocios = nullptr, *mnuDadosPed = nullptr,
                  *mnuGeral = nullptr, *mnuPrcBase = nullptr;

    gui::TabSheet* sheet(Tab tab) const { return tabs[static_cast<std::size_t>(tab)].sheet; }
    bool onTab(Tab tab) const;
    // The active tab (FolhaDados when the page is none of the form's).
    Tab activeTab() const;
    customer::form::AddressPage& addressPage(customer::AddressKind kind) {
        return addresses[static_cast<std::size_t>(kind)];
    }
    // The address page that is active, if any.
    const customer::form::AddressPage* activeAddress() const;
    customer::form::AddressPage* activeAddress() {
        return const_cast<customer::form::AddressPage*>(std::as_const(*this).activeAddress());
    }
    // Asks the framework for the active module at each decision.
    static bool inModule(customer::ModuleRule rule);

    // Commands that open the module's other forms.
    void sbtFiltroClick();
    void sbtImportarClick();
    void sbtEmailClick();
    void mnuHistoricoClick(); // history_window.cpp
    void btpVendAdicClick();
    void ButtonFlat1Click(); // the carrier-list button btnPesqListaTransp
    void sbtCadAutClick();   // pops pmnCadAuto up below the button
    void mnuCadAutECFClick();
    void mnuCadAutTabPrecoCliClick();
    void mnuCadAutGrupClieClick();

    // Lifecycle.
    void FormCreate() override;
    void FormActivate() override;
    void FormClose(gui::CloseAction& action) override;
    bool changesAllowed() const override;
    void RefreshData() override;

    // Tabs.
    void pgcPadraoChanging(bool& allowChange) override;
    void pgcPadraoChange() override;
    void pgcGeralChange();
    void tshFormularioEnter();
    void Validate();

    // Record change and data states.
    void cdsClienteAfterScroll();
    void dtsPadraoStateChange() override;
    void ControlaBotoes(bool browsing);
    void updateCommands() override;
    // Shows the carrier search controls of the chosen kind ("Padrão" or "Lista").
    void HabilitaCampos();
    // Enables the edit groups and grids as changes are allowed (boHabAlt), then the commands.
    void HabilitaAlteracao();

    // Tab menu.
    void mnuEndeClieClick();
    void mnuEndeClieCobrClick();
    void mnuEndeExtClick();
    void mnuEndeExpClick();
    void mnuEndEntregClick();
    void mnuDadAdicClick();
    void mnuDadosFiscaisClick();
    void mnuFormPgtoClick();
    void mnuObservClick();
    void mnuBancoPrefClick();
    void mnuPersonalizaoClick();
    void mnuDadoProspClick();
    void mnuFolhaDadosClick() override;
    void mnuFormularioClick() override;
    void mnuDadosInterClick();
    void mnuFormInterClick();
    void mnuEndeInterClick();
    void mnuCorresClick();
    void mnuSituFinaGeralClick();
    void mnuSociosClick();
    void mnuGeralClick();
    void mnuPrcBaseClick();

    // Moves, navigator, grid, print, customer type.
    void Primeiro1Click() override;
    void Anterior1Click() override;
    void Proximo1Click() override;
    void Ultimo1Click() override;
    void dbnPadraoClick(gui::NavButton button) override;
    void dbgPadraoDrawColumnCell(QPainter& canvas, const QRect& rect, const std::string& fieldName);
    void dbgPadraoKeyDown(int& key, Qt::KeyboardModifiers modifiers);
    void sbtImprimirClick() override;
    void pmnClientesClick();
    void pmnIntCliClick();
    void rdgTipoClienteChange();

    // Field checks. boErroValida is set by every failing check; the confirm command clears and tests it.
    bool boErroValida = false;
    // The way out of a failing check, whose message is already shown: makes `page` active (running the
    // page change; `billing` also puts pgcGeral on tshGeral), focuses `control` when it can take the focus
    // and sets boErroValida. Checks catch, call this, and rethrow.
    void validationFailed(gui::TabSheet* page, gui::Control* control, bool billing = false);

    // Steps of other concerns this form's lifecycle runs; each does nothing until its concern fills it.
    void Vd_Qualifica();
    void pgcInterlocChange();
    void pgcSituFinancChange();
    void ControlaSituacaoFinanceira();
    void AjustaFormPgto();
    void getRetECF();
    void addressExitChecks(customer::form::AddressPage& page);
    void nameExitChecks();
    void nameEnter();
    void registrationExitCheck();
    void paymentExitChecks();
    void additionalDataExitChecks();
    void cbbEndCFOPChange();
    void cbbEndCFOPOPresChange();
    // The prospect conversion's hand-over of a posted address row (done by the prospect concern).
    void ImportaEnderecoProspectCliente(ClientDataSet& dataSet);

    // Addresses (address_geography.cpp, address_commands.cpp).
    services::GeographyQueries geography; // qryPais, qryEstado, qryMunicipio, qryPesqBairro
    // Closes the country, state and municipality queries on entering an address tab; the address
    // checks reopen them with that tab's parameters.
    void closeAddressLookups();
    // The contact address's chain, set by the contacts concern; the Vd_ routines find a chain by its
    // country edit.
    std::unique_ptr<services::GeographyLookup> contactGeography;
    void Vd_Pais(gui::TabSheet* tabSheet, gui::Edit* countryEdit, bool requiredOnly, bool isContact,
                 gui::Edit* countryNameEdit);
    void Vd_Estado(gui::TabSheet* tabSheet, gui::Edit* countryEdit, bool requiredOnly, bool isContact,
                   gui::Edit* stateEdit);
    void Vd_Municipio(gui::TabSheet* tabSheet, gui::Edit* countryEdit, bool requiredOnly, bool isContact,
                      gui::Edit* municipalityNameEdit, gui::Edit* municipalityEdit, gui::Edit* stateEdit);
    // The normal address's requirements when the fiscal parameter IDUTENDMODFISC is "S" (customer post).
    void Vd_Endereco();
    void CopiaEndereco(ClientDataSet& target);
    void sbtCopiarClick();
    void sbtExcluirEnderecoClick();
    void sbtLocEntrCliClick();
    // The state change of an address, contact, correspondence or observation data source: while it edits
    // and the customer is browsing, every page but `keep` (and its menu item) is disabled; back in browse
    // they are enabled again. Nothing while boScroll is set.
    void lockOtherPages(gui::TabSheet* keep, DataSetState state);

    // ---- Record commands and the save protocol.
    void sbtIncluirClick() override;
    void sbtAlterarClick() override;
    void sbtConfirmarClick() override;
    void sbtCancelarClick() override;
    void sbtExcluirClick() override;
    void sbtVerificarClick() override;
    void sbtProcurarClick() override;
    void FormCloseQuery(bool& canClose) override;
    // Deletes the current customer after asking "Excl".
    void Exclui_Cli();
    // The save primitive: sends the dataset's change log to the provider (nothing without changes). On a
    // failure the refresh command runs and the failure goes on to the caller.
    void Confirmar(ClientDataSet& dataSet, std::string_view provider);
    // A row is being edited, or posted rows wait to be sent, in any dataset the form saves.
    bool hasPendingChanges() const;
    void cdsClienteNewRecord();
    void cdsClienteAfterInsert();
    void cdsClienteBeforeEdit();
    void cdsClienteAfterPost();
    void cdsClienteAfterCancel();
    void cdsClienteBeforeDelete();
    void cdsClienteAfterDelete();

    // Checks and steps of other concerns the record commands run; each does nothing until its concern
    // fills it. `report`: an empty value is an error too.
    void cdsClienteBeforePost(); // identity_before_post.cpp
    void Vd_Inscricao(bool report);
    void Vd_InscEmissao(bool report);
    void Vd_DtNascFund();
    void Vd_ClienteDesde(bool report);
    void Vd_SegMerc(bool report);
    void Vd_ProspectDesde(bool report);
    void Vd_RazSoc(bool report);
    void Vd_Fantasia(bool report);
    void Vd_Sigla(bool report);
    void Vd_CdRamoAtividade();
    void Vd_SegMercado(bool report);
    void Vd_CentCusto();
    void Vd_Empresa(bool report);
    void Vd_InscEstadual(bool report);
    void Vd_InscMunicipal(bool report);
    void Vd_dbeCdSerie();
    // Vd_Pais, Vd_Estado and Vd_Municipio of an address page (isContact, requiredOnly: the codes must exist,
    // or must be filled), and its district, a free name with nothing to check.
    void addressConfirmChecks(customer::form::AddressPage& page, bool isContact, bool requiredOnly);
    void Vd_bairro(customer::form::AddressPage& page);
    void Vd_CodInterloc(bool report);
    void Vd_NmInterloc();
    // Vd_Pais, Vd_Estado and Vd_Municipio of the contact's address with their two flags.
    void contactAddressChecks(bool first, bool second);
    void Vd_CargoInterloc(bool report);
    void Vd_ContCtbl(bool report);
    void Vd_Indice(bool report);
    void Vd_TipContRec(bool report);
    void Vd_Vendedor(bool report);
    void Vd_TpBaixaRec(bool report);
    void Vd_FormaPgto(bool report);
    void Vd_VerifPrazo();
    void Vd_Prazo(bool report);
    void Vd_Percentual(bool report);
    void Vd_VerifSomaPerc();
    void Vd_VrMulta();
    void Vd_VrMora();
    // `field` is the value checked: "1" capital, "2" net worth, "3" credit limit.
    void Vd_ValorMenor(std::string_view field, std::string_view kind);
    void Vd_ProdMatAplic();
    void Vd_MesReaj();
    void ImportaProspect();
    void copyProspectAddress(); // the prospect's address of kind "P" into the new normal address
    void ApagaProspect(bool transfer);
    void sbtImpProspClick();

    // Payment form, terms and collection fields (payment_*.cpp); the confirm calls the checks declared
    // above.
    customer::form::PaymentControls pay;
    void drgFormPgtoClick();
    void speDiaFixoChange();
    void speParcelaChange();
    void dckProxMesClick();
    void btpFormPgtoBeforePesq(bool& allow);
    void btpFormPgtoAfterPesq();
    void dbeCdFormPgtoChange();
    void dbeCdFormPgtoExit();
    void dbgPrazoPgClieColExit();
    void dbgPrazoPgClieExit();
    void dbgPrazoPgClieKeyPress(char16_t& key);
    void dbgPrazoPgClieKeyDown(int& key, Qt::KeyboardModifiers modifiers); // deletes without asking
    void dtsPrazoPgtoClieStateChange();
    void cdsPrazoPgtoClieBeforeInsert();
    void cdsPrazoPgtoClieBeforeEdit();
    void cdsPrazoPgtoClieBeforePost();
    void cdsPrazoPgtoClieAfterDelete();
    void dbeVrMultaExit();
    void dbeVrMoraExit();
    void btpContReceBeforePesq(bool& allow);
    void btpContReceAfterPesq();
    void dbeCdContReceChange();
    void dbeCdContReceExit();
    void btnTipoBaixaBeforePesq(bool& allow);
    void btnTipoBaixaAfterPesq();
    void dbeCdTpBaixaChange();
    void dbeCdTpBaixaExit();
    void btpCdTpAjustBeforePesq(bool& allow);
    void btpCdTpAjustAfterPesq();
    void dbeCdTpAjustExit();
    void btpModPgtoBeforePesq(bool& allow);
    void btpModPgtoAfterPesq();
    void dbeCdModPgtoChange();
    void dbeCdModPgtoExit();
    void dbeCdModPgtoKeyPress(char16_t& key);
    void dbeMesesInadKeyPress(char16_t& key);
    void Vd_TpAjusteRec(bool report);
    void Vd_ModPagto();
    void dbeNrDiasExit();
    void dbdDtVencimentoExit();
    void Vd_NrDias();
    void Vd_DtVencimento(bool report);
    // Steps of the identity checks this concern calls.
    void Vd_Caracter(gui::Edit& edit, char16_t& key);
    void Vd_Data_Geral(DataSource& source, gui::DbDateEdit& edit, gui::TabSheet* page,
                       gui::PageControl* pages);

    // Identity and tax registration (identity_*.cpp; its Vd_ checks are declared with the record commands
    // above). Vd_Empresa, Vd_InscEstadual and Vd_InscMunicipal: the flag skips their lookup (the confirm
    // command only adjusts the company code).
    customer::form::IdentityControls ident;
    TADOIBQuery qryPesqCdExterno{nullptr, "qryPesqCdExterno"};
    TADOIBQuery qryVerifiCdAtend{nullptr, "qryVerifiCdAtend"};
    TADOIBQuery qryVerifCliente{nullptr, "qryVerifCliente"};
    TADOIBQuery qryInsJurClie{nullptr, "qryInsJurClie"};
    TADOIBQuery qryEmpresa{nullptr, "qryEmpresa"};
    TADOIBQuery qryInscEstad{nullptr, "qryInscEstad"};
    TADOIBQuery qryInscMunicip{nullptr, "qryInscMunicip"};
    bool boSaiInscEmis = false; // only while dbeNrInsJurClie is being left

    void Vd_CNAEFiscal(bool report);
    static std::string removeCaracteres(std::string_view text);

    void dbeInscricaoEnter();
    void dbeInscricaoChange(gui::DbEdit& sender);
    void dbeInscricaoExit();
    void dbeInscricaoKeyPress(char16_t& key);
    void dbeCdAtendiKeyPress(char16_t& key);
    void edtHomePageKeyPress(char16_t& key);
    void dbeNrInsJurClieKeyPress(char16_t& key);
    void dbeNrInsJurClieEnter();
    void dbeNrInsJurClieExit();
    // The notice of the companies registered under a new company's CNPJ root (identity_same_root.cpp).
    void showSameRoot(const std::string& number);
    void hideSameRoot();
    void dbeNmRazaoSocEnter();
    void dbeNmFantasiaEnter();
    void dbeNmFantasiaChange();
    void dbeNmFantasiaExit();
    void depClieDesdeExit();
    void depDtNascFundExit();
    void depProspDesdeExit();
    void dbeCdCNAEFiscalChange();
    void dbeCdCNAEFiscalExit();
    void btnCNAEFiscalClick();
    void dbeCDEmpresaChange();
    void dbeCDEmpresaExit();
    void dbeInscEstaChange();
    void dbeInscEstaExit();
    void dbeInscMuniChange();
    void dbeInscMuniExit();
    void sbtProcuraEmpresaClick();
    void btpInscEstClick();
    void btpInscMuniClick();

    // Fiscal attributes, invoice texts, ECF retentions, invoice series and permits (fiscal_*.cpp).
    customer::form::FiscalControls fiscalCtl;
    TADOIBQuery qryPesqMensagem{nullptr, "qryPesqMensagem"};
    TADOIBQuery qrySerieNF{nullptr, "qrySerieNF"};
    void cdsMensClienteBeforeInsert();
    void cdsMensClienteAfterChange(); // AfterInsert, AfterEdit and AfterDelete
    void Vd_DadosAdicNF();
    void cdsMensClienteDSMENSCLIENTEChange();
    void dbgMensClienteEditButtonClick();
    void dbgMensClienteKeyPress(char16_t& key);
    void dbgMensClienteExit();
    void grbMensClienteExit();
    void btpCodRecIRPJAfterPesq();
    void btpCodRecCSLLAfterPesq();
    void dbeCdRetIRPJExit();
    void dbeCdRetCSLLExit();
    void grbECFExit();
    void dbeCdSerieExit();
    void btpSerieNFBeforePesq(bool& allow);
    void btpSerieNFAfterPesq();
    void cbbLancExpChange();
    void dbcContribuinteICMSClick();
    void dbcConsFinalClick();
    void dbcDigiCSTKeyPress(char16_t& key);
    void dbcSituAtivKeyPress(char16_t& key);
    void dbcSituAtivChange();
    void sbtAlvaraClick();
    void mnuAlvaraClick();
    void mnuAlvaraPEdClick();
    void mnuAlvaraGerClick();
    // Algorithm of the record's before-post check: the address choices, the ordering mode, the situation
    // (an inactivation is told to the server) and the ICMS-contributor and final-consumer marks.
    void storeFiscalChoices();

    // Contacts, correspondence and observations (contact_*.cpp; Vd_CodInterloc, Vd_NmInterloc,
    // contactAddressChecks and Vd_CargoInterloc are declared with the record commands above).
    customer::form::ContactControls interloc;
    void Vd_Nivel();
    void Vd_Funcionario(bool focus);
    void Vd_Tipo(bool report);
    void Vd_Operador();
    void dtsInterlocStateChange();
    void dtsCorresStateChange();
    void dtsObservStateChange();
    // The current contact's correspondence into cdsCorres (GetCorres), unless a row is being edited.
    void loadCorrespondence();

    // Checks of other concerns run at their step of cdsClienteBeforePost.
    void vd_Divulg(gui::DbEdit& edit);
    void Vd_Idioma();
    void Vd_GrupClie();
    void Vd_Regiao();
    void Vd_FiliCad();

    // Preferred banks (bank_*.cpp): each row is sent when it is posted or deleted.
    gui::DbGrid* dbgBancoPref = nullptr;
    TADOIBQuery qryContCorr{nullptr, "qryContCorr"};
    TADOIBQuery qryPesqCCorrente{nullptr, "qryPesqCCorrente"};
    void dbgBancoPrefEditButtonClick();
    void dbgBancoPrefColEnter();
    void dbgBancoPrefColExit();
    void dbgBancoPrefKeyPress(char16_t& key);
    void dbgBancoPrefKeyDown(int& key, Qt::KeyboardModifiers modifiers);
    void dbgBancoPrefCellClick(gui::GridColumn& column);
    void dbgBancoPrefDrawColumnCell(QPainter& canvas, const QRect& rect, gui::GridColumn& column);
    void cdsBancoPrefNewRecord();
    void cdsBancoPrefBeforePost();
    void cdsBancoPrefAfterPost();
    void dtsBancoPrefStateChange();
    void Vd_ReduCont(bool report);
    void Vd_InstCobr(std::string_view field);
    void ControlaBPref_PriOper();

    // Base price tables (price_table_*.cpp).
    gui::DbGrid* dbgPrecoBase = nullptr;
    TADOIBQuery qryPrecoBase{nullptr, "qryPrecoBase"};
    void dbgPrecoBaseEditButtonClick();
    void dbgPrecoBaseColExit();
    void dbgPrecoBaseKeyDown(int& key, Qt::KeyboardModifiers modifiers);
    void cdsPrecoBaseCliAfterInsert();
    void cdsPrecoBaseCliAfterEdit();
    void cdsPrecoBaseCliAfterCancel();
    void cdsPrecoBaseCliBeforePost();
    void cdsPrecoBaseCliAfterPost();
    void dtsPrecoBaseCliStateChange();
    void Vd_PrecoBase(bool report);

    // Financial situation and partners (financial_*.cpp, partner_*.cpp).
    gui::DbGrid* dbgSocios = nullptr;
    void dbeValueExit(std::string_view field, std::string_view kind);
    void depValLimCreditoExit();
    void depValValoresExit();
    void chbIdSitFinCliClick();
    void dbcAprovPedChange();
    void nedDiasKeyPress(char16_t& key);
    void dbgSociosColExit();
    void cdsSociosAfterInsert();
    void cdsSociosAfterEdit();
    void cdsSociosBeforePost();
    void dtsSociosStateChange();
    void Vd_Socios();

    // ---- Commercial classification (classification_*.cpp; the checks are declared above).
    customer::form::ClassificationControls cls;
    TADOIBQuery qryPesqRegiao{nullptr, "qryPesqRegiao"};
    TADOIBQuery qryPesqFiliOrig{nullptr, "qryPesqFiliOrig"};
    TADOIBQuery qryMoeda{nullptr, "qryMoeda"};
    customer::form::ClassificationLookups& lookups() { return *lookups_; }
    void Vd_CdTipTrans(bool report);
    void Vd_Transport(bool report);
    void Clear_MatAplic();
    void dbeTransportadoraEnter();
    void dbePesqTranspChange();

private:
    // Bank and price-table concerns.
    void buildBanks();
    void wireBanks();
    void buildPriceTables();
    void wirePriceTables();
    // Refuses Delete and Backspace outside insert, and Ctrl+Delete always.
    static void dropDeleteKeys(int& key, Qt::KeyboardModifiers modifiers, const ClientDataSet& dataSet);
    bool clearingPrincipal_ = false; // the other principal rows are being posted
    void buildFinancial();
    void wireFinancial();
    void buildPartners();
    void wirePartners();
    void normalisePartnerNumber();
    friend struct ClienteLayout;
    void buildClassification();
    void wireSpecialLookups();
    void carrierMask();
    std::unique_ptr<customer::form::ClassificationLookups> lookups_;
    void buildLayout();
    void bindIdentity();
    void requiredMissing(std::string_view key, gui::Control& control);
    void uniqueCodeCheck(const char* field, std::string& stored, TADOIBQuery& query, const char* parameter,
                         gui::DbEdit* edit, const char* key);
    void checkDates();
    void wireIdentity();
    void wireCommands();
    void wireAddresses();
    void wireAddressCommands();
    services::GeographyLookup& geographyOf(const gui::Edit* countryEdit) const;
    void geographyFailed(gui::TabSheet* tabSheet, gui::Control* control, bool isContact);
    void addressCountryExit(customer::form::AddressPage& page);
    void startAutomaticRegistration();
    void buildFiscal();
    void wireFiscal();
    void wireInvoiceTexts();
    // The retention edit's exit check (IRPJ or CSLL).
    void retentionExit(gui::DbEdit& edit, const char* sequentialField, const char* descriptionField);
    void retentionChosen(TBtnPesquisa& button, const char* codeField, const char* sequentialField,
                         const char* descriptionField);
    void editMasterIfBrowsing();
    void showBatchForm(customer::BatchRoutine routine);

    // Reads a detail dataset from the server with the current code.
    void load(ClientDataSet& dataSet, std::string_view method);
    void loadIfNeeded(ClientDataSet& dataSet, std::string_view method);
    void InfoPaginaDadosAdicionais();
    void loadAddress(customer::form::AddressPage& page);
    void showClassification(bool reloadBranch);
    void showLanguage();
    void showRegion();
    void showFinancialPendency();
    void applyMasterMasks();
    void applyPlainControls();
    void enableTabs(DataSetState state);
    void enableTaxNumberEdits(bool on);
    void setDeleteAddressCommand();
    void markActiveTab();
    void selectTab(Tab tab, bool validateFirst);
    void selectInner(gui::PageControl& pages, gui::TabSheet& page);
    bool anyDetailEditing() const;
    bool browsingNow() const;
    DataSource* activeSource() const;

    // Record commands.
    // A remote method of this form's server whose answer passes the result check.
    Variant callChecked(std::string_view method, VariantArray args);
    void wireSaves();
    void saveAfterChange(ClientDataSet& dataSet);
    void onlyInsertEnabled();
    void noCustomerLeft();
    void newCustomer();
    void offerProspect();
    void reloadActiveTab(const std::string& code);
    void runConfirmSteps();
    void confirmStep(customer::ConfirmStep step);
    void confirmMasterFirstPass();
    void confirmMasterLookups();
    void confirmMasterValues();
    void confirmPosts();
    void sendTermsAndMessages();
    void confirmPostLists();
    void stampSavedCode(ClientDataSet& dataSet);
    void deleteContact();
    std::string confirmCode_; // the customer confirmed, for repositioning
    bool paymentIndexTaken_ = false;

    // Contacts concern (contact_*.cpp).
    void buildContacts();
    void wireContacts();
    void wireContactAddress();
    void wireCorrespondence();
    void wireObservations();
    void applyRoleLayout();
    void contactFailed(gui::TabSheet* inner, gui::Control* control);
    void contactSearched(TBtnPesquisa& button, std::initializer_list<const char*> fields);
    void observationBeforePost(ClientDataSet& observations);

    // Payment concern (payment_*.cpp).
    void buildPayment();
    void wirePayment();
    void clearFixedDay();
    void enableFixedDay(bool on);
    void enableFormCode(bool on);
    void closeTerms();
    void snapshotTerms(bool leaveCurrentOut);
    std::string termText(std::string_view field);
    void readLookup(ClientDataSet& list, std::string_view method, std::string code, std::string flag);
    ClientDataSet& lookupList(std::string_view name);
    bool adjustingPayment_ = false;

    // Prospect concern (prosp_*.cpp).
    void wireProspect();
    void forgetProspect(); // the chosen prospect and its flags, once the insert is confirmed or cancelled
    customer::ProspectChoice prospect_;

    std::unique_ptr<customer::CustomerDataSets> data_;
    std::array<std::unique_ptr<services::GeographyLookup>, customer::kAddressKindCount> addressGeography_;
    bool destroying_ = false;
};

// The live customer form; the satellites that use its connection or datasets run only while it exists
// (Error "O cadastro de clientes não está aberto." otherwise).
TfrmCliente& customerForm();

} // namespace vq
