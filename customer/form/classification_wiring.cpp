// TfrmCliente, commercial classification: the lookup component's build and the steps of the special
// lookups (lists with other arguments, choices that copy more, key handlers), freight and search mode.

#include "customer/Vqm41200.h"
#include "customer/classification_rules.h"
#include "customer/customer_dataset_rules.h"
#include "customer/form/form_support.h"
#include "framework/services/btn_pesquisa.h"
#include "framework/services/messages.h"
#include "framework/services/showavi.h"
#include "framework/services/vorlane.h"
#include "framework/validation/consiste.h"
#include "platform/gui/choices.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/edit.h"
#include "services/app_server.h"

namespace vq {

using customer::form::fieldText;
using customer::form::LookupInstance;

void TfrmCliente::buildClassification() {
    lookups_ = std::make_unique<customer::form::ClassificationLookups>(*this);
    lookups_->build();
    form.medCdArvRamo->SetEditMask(Vorlane::DBPict(16));

    // Freight: the six texts of the catalogue in item order; the field stores their codes.
    std::array<std::string, 6> texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = Msg(*this, customer::kFreightKinds[i].key);
    cls.dbcTipoPgto->SetItems(std::vector<std::string>(texts.begin(), texts.end()));
    Field& freight = cdsCliente().FieldByName("IDPGFRETTRANCLI");
    freight.OnGetText = [texts](Field& sender, std::string& text, bool) {
        const int item = customer::freightItem(sender.AsString());
        text = item < 0 ? std::string() : texts[static_cast<std::size_t>(item)];
    };
    freight.OnSetText = [texts](Field& sender, const std::string& text) {
        const std::string code = customer::freightCodeOfText(text, texts);
        if (!code.empty())
            sender.SetAsString(code);
    };
    cls.dbcTipoPgto->OnChange = [this] {
        const int item = cls.dbcTipoPgto->ItemIndex();
        if (cdsCliente().editing() && item >= 0 && item < static_cast<int>(customer::kFreightKinds.size()))
            cdsCliente()
                .FieldByName("IDPGFRETTRANCLI")
                .SetAsString(std::string(customer::kFreightKinds[item].code));
    };
    cls.dbcTipoPgto->OnKeyPress = [this](char16_t& key) {
        if (key == 13) {
            key = 0;
            SetFocus(*cls.dbeTransportadora);
        }
    };
    form.dbePesqTransp->OnChange = [this] { dbePesqTranspChange(); };

    // The local lists saved as they change; the host refreshes its cache of their tables.
    ClientDataSet& accounts = data_->dataSet("cdsContCtbl");
    customer::runAfter(accounts.AfterPost, [](ClientDataSet&) { Vorlane::AtualizaLocalCache({"CONTCTBL"}); });
    ClientDataSet& indexes = data_->dataSet("cdsIndice");
    customer::runAfter(indexes.AfterPost, [](ClientDataSet&) { Vorlane::AtualizaLocalCache({"INDICE"}); });
    indexes.SetFilter("IDPERVALOR = '2' AND CDTPINDICE = '1'");
    indexes.SetFiltered(true);

    cdsCliente().FieldByName("IDMATAPLICCLIE").OnChange = [this](Field&) { Clear_MatAplic(); };
    // Each customer shows its own applied-material state and carrier mask. The branch edit is not bound:
    // it may still show another customer's tree code, which only a change of this customer's may check.
    customer::runAfter(cdsCliente().AfterScroll, [this](ClientDataSet&) {
        Clear_MatAplic();
        carrierMask();
        Vqm41200::unit().boPesqAtiv = false;
    });
    cls.dckMatAplic->OnClick = [this] { Clear_MatAplic(); };
    wireSpecialLookups();
}

void TfrmCliente::wireSpecialLookups() {
    auto& lk = lookups();
    Vqm41200::UnitState& u = Vqm41200::unit();
    const auto toEdit = [this] {
        if (!cdsCliente().editing())
            cdsCliente().Edit();
    };
    const auto choice = [](LookupInstance& l, std::string_view field) { return l.button->Text(field); };

    // Salesperson, segment, group, region, branch, cost centre: the common rule.
    // Qualification: checked on leaving only with a code outside browse; a key edits the record.
    LookupInstance& qualif = lk["Qualifica"];
    qualif.exit = [this, &qualif] {
        if (!Consiste::AllTrim(qualif.code->Text()).empty() && cdsCliente().State() != DataSetState::Browse)
            Vd_Qualifica();
    };
    qualif.keyPress = [this, &u, toEdit](char16_t&) {
        u.boEnter = true;
        toEdit();
        form.edtQualifica->SetText("");
    };
    qualif.beforeSearch = [this, &lk, &qualif] {
        Showavi::Scope busy(this, Showavi::kSearching, Msg(*this, "Verif_Server"));
        lk.loadList(qualif);
    };

    // Origin and divulgation mode: both edit CDMODODIVULG.
    LookupInstance& origin = lk["Origem"];
    origin.change = nullptr;
    origin.exit = [this] { vd_Divulg(*form.dbeOrigem); };
    origin.keyPress = [this, &u](char16_t&) {
        u.boEnter = true;
        form.edtOrigem->SetText("");
    };
    lk["ModoDivulg"].exit = [this] { vd_Divulg(*cls.dbeCdModoDivulg); };
    LookupInstance& centre = lk["CentCusto"];
    centre.change = nullptr;
    centre.keyPress = [this, &u](char16_t&) {
        u.boEnter = true;
        form.edtCentCusto->SetText("");
    };
    lk["SegMercado"].keyPress = [&u](char16_t&) { u.boEnter = true; };
    lk["Vendedor"].exit = [this] { Vd_Vendedor(false); };
    lk["SegMercado"].exit = [this] { Vd_SegMercado(false); };
    lk["Regiao"].exit = [this] { Vd_Regiao(); };
    lk["CentCusto"].exit = [this] { Vd_CentCusto(); };

    // Activity branch: the tree code in a plain mask edit; the record keeps the branch's code.
    LookupInstance& branch = lk["CdRamoAtividade"];
    branch.beforeSearch = [this] {
        services::readInto(netClientes, "GetRamoAtiv",
                           VariantArray{Variant(std::string()), Variant("T"),
                                        Variant(std::to_string(Vorlane::DBPictObj(16).levels())),
                                        Variant(std::string())},
                           data_->dataSet("cdsRamoAtiv"));
    };
    branch.afterSearch = [this, &u, &branch, toEdit, choice] {
        toEdit();
        form.medCdArvRamo->SetText(choice(branch, "CDARVATIVCLI"));
        form.edtdsRamoAtiv->SetText(choice(branch, "DSATIVCLI"));
        cdsCliente().FieldByName("CDATIVCLI").SetAsString(choice(branch, "CDATIVCLI"));
        u.boPesqAtiv = false;
    };
    branch.change = [this, &u] {
        if (!cdsCliente().editing())
            return;
        form.edtdsRamoAtiv->SetText("");
        u.boPesqAtiv = true;
    };
    branch.exit = [this] { Vd_CdRamoAtividade(); };
    const auto branchKey = [&u, toEdit] {
        u.boEnter = true;
        toEdit();
    };
    branch.keyPress = [branchKey](char16_t&) { branchKey(); };
    form.medCdArvRamo->OnKeyDown = [branchKey](int& key, Qt::KeyboardModifiers) {
        if (key == Qt::Key_Delete || key == Qt::Key_Backspace)
            branchKey();
    };

    // Transport types and carriers: one call answers both lists.
    const auto transportLists = [this](std::size_t element, const char* dataSet) {
        const Variant lists = callChecked("GetTipoTransp", {});
        data_->dataSet(dataSet).SetData(lists.asArray().at(element));
    };
    lk["CdTipTrans"].beforeSearch = [transportLists] { transportLists(0, "cdsTipoTransport"); };
    lk["CdTipTrans"].exit = [this] { Vd_CdTipTrans(false); };
    LookupInstance& carrier = lk["Transport"];
    carrier.beforeSearch = [transportLists] { transportLists(1, "cdsTransport"); };
    carrier.afterSearch = [this, &lk, &carrier, toEdit, choice] {
        toEdit();
        ClientDataSet& master = cdsCliente();
        master.FieldByName("IDTPIJURTRAN").SetAsString(choice(carrier, "IDTPIJURTRAN"));
        master.FieldByName("NRINSJURTRAN").SetAsString(choice(carrier, "NRINSJURTRAN"));
        carrierMask();
        lk.showName(carrier, choice(carrier, "NMFANTTRAN"));
    };
    carrier.exit = [this] { Vd_Transport(false); };
    carrier.keyPress = [this](char16_t& key) {
        if (key == 13) {
            key = 0;
            SetFocus(*cls.dbeTipoTransp);
        }
    };
    cls.dbeTransportadora->OnEnter = [this] { dbeTransportadoraEnter(); };

    // Language: the list is asked with the current language.
    LookupInstance& language = lk["Idioma"];
    language.beforeSearch = [this] {
        services::readInto(netClientes, "GetIdioma",
                           VariantArray{Variant(fieldText(cdsCliente(), "IDIDIOMA")), Variant("T")},
                           data_->dataSet("cdsPesqIdioma"));
    };
    language.exit = [this] { Vd_Idioma(); };

    // Ledger account: levels of its picture.
    LookupInstance& ledger = lk["ContCtbl"];
    ledger.beforeSearch = [this] {
        services::readInto(
            netClientes, "GetContCtbl",
            VariantArray{Variant(std::string()), Variant("T"), Variant(Vorlane::DBPictObj(2).levels())},
            data_->dataSet("cdsContCtbl"));
    };
    ledger.exit = [this] { Vd_ContCtbl(false); };

    // Currency index: verified again after each change or search.
    LookupInstance& index = lk["Indice"];
    index.beforeSearch = [&lk, &index, &u] {
        u.boPesqIndice = true;
        lk.loadList(index);
    };
    index.afterSearch = [this, &index, &u, toEdit, choice] {
        toEdit();
        for (const char* f : {"SGINDICE", "NMINDICE", "CDINDICE", "CDTPINDICE", "IDPERVALOR"})
            cdsCliente().FieldByName(f).SetAsString(choice(index, f));
        u.boPesqIndice = false;
    };
    index.change = [&lk, &index, &u] {
        lk.clearName(index);
        u.boPesqIndice = true;
    };
    index.exit = [this] { Vd_Indice(false); };

    // Applied material: the product's code, name and tree code.
    LookupInstance& material = lk["ProdMatAplic"];
    material.beforeSearch = [this] {
        services::readInto(netClientes, "GetProdMatAplic", VariantArray{Variant("T")},
                           data_->dataSet("cdsProdMatAplic"));
    };
    material.afterSearch = [this, &material, toEdit, choice] {
        toEdit();
        ClientDataSet& master = cdsCliente();
        master.FieldByName("CDPRODMATAPLIC").SetAsString(choice(material, "CDPRODUTO"));
        master.FieldByName("NMPRODMATAPLIC").SetAsString(choice(material, "NMPRODUTO"));
        master.FieldByName("CDARVMATAPLIC").SetAsString(choice(material, "CDARVPROD"));
    };
    material.exit = [this] {
        if (cdsCliente().editing())
            Vd_ProdMatAplic();
    };
    lk["Sigla"].exit = nullptr;
    lk["Sigla"].change = nullptr;
    lk["Sigla"].keyPress = [](char16_t& key) { key = customer::abbreviationKey(key); };
}

} // namespace vq
