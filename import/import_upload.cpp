// TfrmImportCliente: checking every imported row, then inserting new customers, renaming registered ones
// and reporting registered customers the files do not hold.

#include "framework/services/consiste_messages.h"
#include "framework/services/db_geral.h"
#include "framework/services/messages.h"
#include "framework/services/showavi.h"
#include "framework/validation/consiste.h"
#include "import/Vqm41204.h"
#include "import/import_error.h"
#include "import/row_check.h"
#include "platform/data/log.h"
#include "platform/data/utf8_text.h"
#include "platform/db/tadoib_query.h"
#include "platform/gui/buttons.h"
#include "platform/gui/containers.h"
#include "platform/gui/progress.h"

#include <array>
#include <unordered_set>
#include <utility>

namespace vq {

namespace {

constexpr const char* kVerifClienteSql =
    "SELECT IDTPIJURCLIE, NRINSJURCLIE FROM CLIENTE WHERE CDCLIENTE = PARAM(:P_CDCLIENTE)";
constexpr const char* kVerifClienteSqlOracle =
    "SELECT IDTPIJURCLIE, NRINSJURCLIE FROM CLIENTE WHERE CDCLIENTE = :P_CDCLIENTE";
constexpr const char* kClienteSql = "SELECT CDCLIENTE FROM CLIENTE";

// Set by the import on every new customer, whatever the file says.
constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kFixedFlags = {{
    {"IDVERSALDCLI", "N"},
    {"IDUTSALDCLI", "N"},
    {"IDUTSUBCLIEN", "N"},
    {"IDZERSALDCON", "S"},
    {"IDPRIPUBCLIE", "V"},
    {"IDCALCDVCLIE", "1"},
}};

bool isFixedFlag(std::string_view name) {
    for (const auto& [flag, value] : kFixedFlags)
        if (flag == name)
            return true;
    return false;
}

} // namespace

void TfrmImportCliente::sbtConfirmaClick() {
    if (!loaded_ || loading_)
        return;
    showProgressPanel(false);
    panAnimacao->repaint();
    cdsCliente.DisableControls();
    struct Restore {
        TfrmImportCliente* f;
        void operator()() {
            if (std::exchange(f, nullptr)) {
                f_->cdsCliente.EnableControls();
                f_->hideProgressPanel();
            }
        }
        TfrmImportCliente* f_;
        ~Restore() { (*this)(); }
    } restore{this, this};
    try {
        Verif_Dados();
        sendRows();
        reportAbsentCustomers();
        restore();
        ShowMsg(Msg(*this, "ImpSuces"), gui::MessageKind::Info);
        return;
    } catch (const Abort&) {
        // The failure was shown where it happened.
    } catch (const std::exception& e) {
        log::error(std::string("import: envio interrompido: ") + e.what());
        Consiste::MensErro(e.what(), false);
    }
    restore();
    ShowMsg(Msg(*this, "ImpFalhou"), gui::MessageKind::Info);
}

// Every row is checked before anything is sent: a bad row leaves nothing half imported.
void TfrmImportCliente::Verif_Dados() {
    Field& code = cdsCliente.FieldByName("CDCLIENTE");
    Field& kind = cdsCliente.FieldByName("IDTPIJURCLIE");
    Field& number = cdsCliente.FieldByName("NRINSJURCLIE");
    Field& name = cdsCliente.FieldByName("NMRAZSOCCLIE");
    Field& file = cdsCliente.FieldByName("NMARQLAYIMP");
    for (cdsCliente.First(); !cdsCliente.Eof(); cdsCliente.Next()) {
        const std::string c = code.AsString(), k = kind.AsString(), nr = number.AsString(),
                          nm = name.AsString();
        const std::string_view key = import::rowProblem({c, k, nr, nm});
        if (key.empty())
            continue;
        const long long line = rowLines_.at(static_cast<std::size_t>(cdsCliente.RecNo() - 1));
        const import::ImportError where(std::string(key), file.AsString(), line);
        ShowMsg(where.describe(Msg(*this, key)), gui::MessageKind::Error);
        throw Abort();
    }
}

void TfrmImportCliente::sendRows() {
    if (!qryVerifCliente) {
        qryVerifCliente = newQuery("qryVerifCliente");
        qryVerifCliente->setSql(kVerifClienteSql);
        qryVerifCliente->setDialectSql("SQL_ORACLE", kVerifClienteSqlOracle);
        qryVerifCliente->setDialectSql("SQL_MSSQL", kVerifClienteSqlOracle);
    }
    Field& code = cdsCliente.FieldByName("CDCLIENTE");
    for (cdsCliente.First(); !cdsCliente.Eof(); cdsCliente.Next()) {
        qryVerifCliente->Close();
        qryVerifCliente->ParamByName("P_CDCLIENTE") = Variant(code.AsString());
        qryVerifCliente->Open();
        if (qryVerifCliente->IsEmpty()) {
            sendNewCustomer();
            continue;
        }
        Consiste::CheckResultServ(
            netImportCliente.Call("SetUpCliente", {Variant(cdsCliente.FieldByName("NMRAZSOCCLIE").AsString()),
                                                   Variant(cdsCliente.FieldByName("NMFANTCLIE").AsString()),
                                                   Variant(code.AsString())}));
    }
}

void TfrmImportCliente::sendNewCustomer() {
    cdsInsCliente.Close();
    cdsInsCliente.CreateDataSet();
    cdsInsCliente.Insert();
    for (int i = 0; i < cdsCliente.FieldCount(); ++i) {
        const Field& from = cdsCliente.Fields(i);
        const std::string& name = from.FieldName();
        if (name == "NMARQLAYIMP" || name == "NMFANTCLIE" || isFixedFlag(name))
            continue;
        cdsInsCliente.Fields(i).SetValue(from.Value());
    }
    for (const auto& [flag, value] : kFixedFlags)
        cdsInsCliente.FieldByName(flag).SetAsString(value);
    const std::string trade = cdsCliente.FieldByName("NMFANTCLIE").AsString();
    cdsInsCliente.FieldByName("NMFANTCLIE")
        .SetAsString(Consiste::EmptyString(trade) ? cdsCliente.FieldByName("NMRAZSOCCLIE").AsString()
                                                  : trade);
    cdsInsCliente.Post();
    Confirmar();
}

void TfrmImportCliente::Confirmar() {
    if (cdsInsCliente.ChangeCount() == 0)
        return;
    {
        Showavi::Scope busy(this, Showavi::kUpdating, Msg(*this, "Atual_Oper"));
        const Variant result = netImportCliente.Call("Confirmar", {cdsInsCliente.Delta()});
        repaint();
        Consiste::CheckResultServ(result);
    }
    repaint();
    cdsInsCliente.MergeChangeLog();
}

void TfrmImportCliente::reportAbsentCustomers() {
    std::unordered_set<std::string> imported;
    Field& code = cdsCliente.FieldByName("CDCLIENTE");
    for (cdsCliente.First(); !cdsCliente.Eof(); cdsCliente.Next())
        imported.insert(utf8::toUpper(code.AsString()));
    if (!qryCliente) {
        qryCliente = newQuery("qryCliente");
        qryCliente->setSql(kClienteSql);
    }
    qryCliente->Close();
    qryCliente->Open();
    for (qryCliente->First(); !qryCliente->Eof(); qryCliente->Next()) {
        const std::string registered = qryCliente->FieldByName("CDCLIENTE").AsString();
        if (!imported.contains(utf8::toUpper(registered)))
            Consiste::CheckResultServ(netImportCliente.Call("SetUpSitCliente", {Variant(registered)}));
    }
}

} // namespace vq
