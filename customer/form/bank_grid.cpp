// TfrmCliente, preferred banks: the grid's columns, queries and lookup lists, the account number's display
// rule, and the grid's events (lookups, columns, keys, drawing).

#include "customer/Vqm41200.h"
#include "customer/bank_queries.h"
#include "customer/bank_rules.h"
#include "customer/customer_dataset_rules.h"
#include "customer/field_builders.h"
#include "customer/form/form_support.h"
#include "framework/services/consiste_controls.h"
#include "framework/services/consiste_messages.h"
#include "framework/services/db_geral.h"
#include "framework/services/messages.h"
#include "framework/services/pesquisa.h"
#include "framework/validation/consiste.h"
#include "platform/data/data_source.h"
#include "platform/gui/db_grid.h"
#include "platform/gui/form_builder.h"
#include "platform/gui/page_control.h"
#include "services/app_server.h"

#include <QPixmap>

namespace vq {

using customer::form::fieldText;

namespace {

// clang-format off
constexpr gui::ColumnSpec kBankColumns[] = {
    {"dbgBancoPref", "CDREDUCONT", "Cód. Reduzido", 8},
    {"dbgBancoPref", "NMBANCO", "Banco", 30},
    {"dbgBancoPref", "CDAGENCIA", "Agência", 8},
    {"dbgBancoPref", "CDCONTCORR", "Conta Corrente", 14},
    {"dbgBancoPref", "CDINS1COBRCL", "1º Instrução", 30, {.ellipsis = true}},
    {"dbgBancoPref", "CDINS2COBRCL", "2º Instrução", 30, {.ellipsis = true}},
    {"dbgBancoPref", "IDPRIORBPREF", "Prioridade", 8},
};
// clang-format on

using customer::str;
constexpr FieldSpec kVerifiBancoFields[] = {str("CDBANCO", 3), str("CDCLIENTE", 21)};
constexpr FieldSpec kBancoPrioFields[] = {str("CDBANCO", 3), str("CDCLIENTE", 21), str("IDPRIORBPREF", 1)};
constexpr FieldSpec kPesqAgenciaFields[] = {str("CDAGENCIA", 5, "Código", "9999-9;0; "),
                                            str("NMAGENCIA", 40, "Nome")};
constexpr FieldSpec kPesqInstCobrFields[] = {str("CDINSTCOBR", 2, "Código"), str("NMINSTCOBR", 100, "Nome")};

// The account number shown through the mask of the row's bank.
void installAccountRule(Field& number, std::function<std::string()> picture) {
    number.OnGetText = [picture = std::move(picture)](Field& sender, std::string& text, bool) {
        text = customer::accountNumberText(picture(), sender.AsString(), sender.IsNull());
    };
}

QPixmap markImage(bool checked) {
    QPixmap image(13, 13);
    image.fill(Qt::white);
    QPainter p(&image);
    p.drawRect(0, 0, 12, 12);
    if (checked) {
        p.drawLine(3, 6, 5, 9);
        p.drawLine(5, 9, 10, 3);
    }
    return image;
}

bool isBankColumn(const Field* field, std::string_view name) {
    return field && field->FieldName() == name;
}

// Titles of the account queries' columns in their lookup lists; the others show their names.
struct QueryLabel {
    const char* field;
    const char* label;
};
constexpr QueryLabel kContCorrLabels[] = {{"CDREDUCONT", "Cód. Reduzido"},
                                          {"CDBANCO", "Banco"},
                                          {"CDAGENCIA", "Agência"},
                                          {"CDCONTCORR", "Conta Corrente"}};
constexpr QueryLabel kPesqCCorrenteLabels[] = {{"CDCONTCORR", "Conta Corrente"}};

template <std::size_t N> void label(TADOIBQuery& query, const QueryLabel (&labels)[N]) {
    for (const QueryLabel& l : labels)
        query.setDisplayLabel(l.field, l.label);
}

} // namespace

void TfrmCliente::buildBanks() {
    dbgBancoPref = component<gui::DbGrid>("dbgBancoPref");
    gui::buildColumns(*this, kBankColumns);
    qryContCorr.setSql(std::string(customer::kSqlContCorr));
    customer::form::setDialectQuery(qryPesqCCorrente, customer::kPesqCCorrente);
    label(qryContCorr, kContCorrLabels);
    label(qryPesqCCorrente, kPesqCCorrenteLabels);
    lookupList("cdsVerifiBanco").CreateFields(kVerifiBancoFields);
    lookupList("cdsBancoPrio").CreateFields(kBancoPrioFields);
    lookupList("cdsPesqAgencia").CreateFields(kPesqAgenciaFields);
    lookupList("cdsPesqInstCobr").CreateFields(kPesqInstCobrFields);

    ClientDataSet& banks = data_->cdsBancoPref();
    installAccountRule(banks.FieldByName("CDCONTCORR"), [&banks] { return fieldText(banks, "CDPICTCONT"); });
    // The account lookup lists each number through its own row's bank mask, as the grid shows it.
    qryPesqCCorrente.setOnGetText("CDCONTCORR", [this](const TFieldValue& number, std::string& text) {
        text = customer::accountNumberText(qryPesqCCorrente.FieldByName("CDPICTCONT").AsString(),
                                           number.AsString(), number.IsNull());
    });
}

void TfrmCliente::wireBanks() {
    gui::DbGrid& grid = *dbgBancoPref;
    grid.OnEditButtonClick = [this] { dbgBancoPrefEditButtonClick(); };
    grid.OnColEnter = [this] { dbgBancoPrefColEnter(); };
    grid.OnColExit = [this] { dbgBancoPrefColExit(); };
    grid.OnKeyPress = [this](char16_t& key) { dbgBancoPrefKeyPress(key); };
    grid.OnKeyDown = [this](int& key, Qt::KeyboardModifiers mods) { dbgBancoPrefKeyDown(key, mods); };
    grid.OnCellClick = [this](gui::GridColumn& column) { dbgBancoPrefCellClick(column); };
    grid.OnDblClick = [this] { dbgBancoPrefCellClick(dbgBancoPref->Column(dbgBancoPref->SelectedIndex())); };
    grid.OnDrawColumnCell = [this](QPainter& canvas, const QRect& rect, int, gui::GridColumn& column, bool) {
        dbgBancoPrefDrawColumnCell(canvas, rect, column);
    };
    grid.DefaultDrawing = false;
    data_->sourceOf("cdsBancoPref")->OnStateChange = [this](DataSource&) { dtsBancoPrefStateChange(); };
    ClientDataSet& banks = data_->cdsBancoPref();
    customer::runAfter(banks.OnNewRecord, [this](ClientDataSet&) { cdsBancoPrefNewRecord(); });
    customer::runBefore(banks.BeforePost, [this](ClientDataSet&) { cdsBancoPrefBeforePost(); });
    // After the save wired with the dataset (frm_cliente_save.cpp).
    customer::runAfter(banks.AfterPost, [this](ClientDataSet&) { cdsBancoPrefAfterPost(); });
}

// ---- Lookups

void TfrmCliente::dbgBancoPrefEditButtonClick() {
    if (!changesAllowed())
        return;
    ClientDataSet& banks = data_->cdsBancoPref();
    const Field* column = dbgBancoPref->SelectedField();
    if (!column || !banks.Active())
        return;
    const std::string name = column->FieldName();
    const auto text = [this](std::string_view key) { return Msg(*this, key); };
    const auto toEdit = [&banks] {
        if (!banks.editing())
            banks.Edit();
    };

    useDBGeral(qryContCorr);

    qryContCorr.Close();
    qryContCorr.ParamByName("P_CDREDUCONT").clear();
    qryContCorr.ParamByName("P_TCDREDUCONT") = Variant("T");
    qryContCorr.Open();
    if (qryContCorr.IsEmpty())
        Consiste::MensErro(text("N_codigo"));

    if (name == "CDREDUCONT") {
        if (!Pesquisa::Pesquisar(qryContCorr, text("Conta_Empty") + "|" + text("CONTA")))
            return;
        const std::string reduced = qryContCorr.FieldByName("CDREDUCONT").AsString();
        toEdit();
        services::readInto(netClientes, "GetVerifiBanco",
                           VariantArray{Variant(currentCode()), Variant(reduced)},
                           lookupList("cdsVerifiBanco"));
        if (!lookupList("cdsVerifiBanco").IsEmpty()) {
            dbgBancoPref->SetSelectedField("CDREDUCONT");
            Consiste::MensErro(text("Cd_ja_cad"));
        }
        banks.FieldByName("CDREDUCONT").SetAsString(reduced);
        banks.FieldByName("CDBANCO").SetAsString(qryContCorr.FieldByName("CDBANCO").AsString());
        banks.FieldByName("NMBANCO").SetAsString(qryContCorr.FieldByName("NMBANCO").AsString());
    } else if (name == "CDAGENCIA") {
        ClientDataSet& agencies = lookupList("cdsPesqAgencia");
        services::readInto(netClientes, "GetPesqAgencia",
                           VariantArray{Variant(""), Variant(fieldText(banks, "CDBANCO"))}, agencies);
        if (!Pesquisa::Pesquisar(agencies, text("Agencia_Empty") + "|" + text("Agencia")))
            return;
        toEdit();
        banks.FieldByName("CDAGENCIA").SetAsString(agencies.FieldByName("CDAGENCIA").AsString());
    } else if (name == "CDCONTCORR") {
        useDBGeral(qryPesqCCorrente);
        qryPesqCCorrente.Close();
        qryPesqCCorrente.ParamByName("P_CDBANCO") = Variant(fieldText(banks, "CDBANCO"));
        qryPesqCCorrente.ParamByName("P_CDAGENCIA") = Variant(fieldText(banks, "CDAGENCIA"));
        qryPesqCCorrente.ParamByName("P_CDCONTCORR").clear();
        qryPesqCCorrente.Open();
        if (!Pesquisa::Pesquisar(qryPesqCCorrente, text("CCorrente_Empty") + "|" + text("CCorrente")))
            return;
        toEdit();
        for (const char* field : {"CDREDUCONT", "CDCONTCORR", "CDPICTCONT"})
            banks.FieldByName(field).SetAsString(qryPesqCCorrente.FieldByName(field).AsString());
    } else if (name == "CDINS1COBRCL" || name == "CDINS2COBRCL") {
        if (Consiste::EmptyString(fieldText(banks, "CDREDUCONT"))) {
            dbgBancoPref->SetSelectedField("CDREDUCONT");
            Consiste::MensErro(text("cd_deve"));
        }
        ClientDataSet& instructions = lookupList("cdsPesqInstCobr");
        services::readInto(netClientes, "GetPesqInstCobr",
                           VariantArray{Variant(fieldText(banks, "CDBANCO")), Variant("")}, instructions);
        if (!Pesquisa::Pesquisar(instructions, text("INST_PESQ") + "|" + text("Inst_Cobr")))
            return;
        toEdit();
        banks.FieldByName(name).SetAsString(instructions.FieldByName("CDINSTCOBR").AsString());
        banks.FieldByName(name == "CDINS1COBRCL" ? "NMINSCOBR1" : "NMINSCOBR2")
            .SetAsString(instructions.FieldByName("NMINSTCOBR").AsString());
    }
}

// ---- Columns and keys

void TfrmCliente::dbgBancoPrefColEnter() {
    dbgBancoPref->SetEditing(!isBankColumn(dbgBancoPref->SelectedField(), "IDPRIORBPREF"));
}

void TfrmCliente::dbgBancoPrefColExit() {
    const Field* field = dbgBancoPref->SelectedField();
    if (!field)
        return;
    dbgBancoPref->commitEditor(); // the text typed is what the checks read
    if (field->FieldName() == "CDREDUCONT")
        Vd_ReduCont(false);
    if (!customer::form::editing(*data_->sourceOf("cdsBancoPref")))
        return;
    if (field->FieldName() == "CDINS1COBRCL" || field->FieldName() == "CDINS2COBRCL")
        Vd_InstCobr(field->FieldName());
}

void TfrmCliente::dbgBancoPrefKeyPress(char16_t& key) {
    if (!isBankColumn(dbgBancoPref->SelectedField(), "NMBANCO"))
        return;
    if (key != 9 && key != 13 && !(key >= 37 && key <= 40))
        key = 0;
}

void TfrmCliente::dropDeleteKeys(int& key, Qt::KeyboardModifiers modifiers, const ClientDataSet& dataSet) {
    if (key == Qt::Key_Delete && (modifiers & Qt::ControlModifier))
        key = 0;
    else if ((key == Qt::Key_Delete || key == Qt::Key_Backspace) && dataSet.State() != DataSetState::Insert)
        key = 0;
}

void TfrmCliente::dbgBancoPrefKeyDown(int& key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_Space && isBankColumn(dbgBancoPref->SelectedField(), "IDPRIORBPREF")) {
        key = 0;
        // Only the post this toggle causes skips the instruction checks.
        Vqm41200::UnitState& u = Vqm41200::unit();
        u.boCellClick = true;
        struct Clear {
            ~Clear() { Vqm41200::unit().boCellClick = false; }
        } clear;
        dbgBancoPrefCellClick(dbgBancoPref->Column(dbgBancoPref->SelectedIndex()));
        return;
    }
    dropDeleteKeys(key, modifiers, data_->cdsBancoPref());
}

// ---- Drawing

void TfrmCliente::dbgBancoPrefDrawColumnCell(QPainter& canvas, const QRect& rect, gui::GridColumn& column) {
    const ClientDataSet& banks = data_->cdsBancoPref();
    if (!banks.Active() || banks.IsEmpty())
        return;
    const std::string& name = column.FieldName;
    if (name == "IDPRIORBPREF") {
        Consiste::InsereImagem(canvas, rect, markImage(fieldText(banks, name) == "S"),
                               Consiste::colorFromValue(32896));
        return;
    }
    std::string text;
    const bool focused = dbgBancoPref->EditorMode() && dbgBancoPref->SelectedField() &&
                         dbgBancoPref->SelectedField()->FieldName() == name;
    if ((name == "CDINS1COBRCL" || name == "CDINS2COBRCL") && !focused)
        text = fieldText(banks, name).empty()
                   ? std::string()
                   : fieldText(banks, name == "CDINS1COBRCL" ? "NMINSCOBR1" : "NMINSCOBR2");
    else
        text = banks.FieldByName(name).DisplayText();
    canvas.fillRect(rect, canvas.background());
    canvas.drawText(rect.adjusted(3, 3, 0, 0), Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(text));
}

} // namespace vq
