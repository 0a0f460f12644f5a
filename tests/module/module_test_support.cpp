#include "tests/module/module_test_support.h"

#include "contract/customer_filter.h"
#include "framework/services/consiste_messages.h"
#include "framework/services/framework_settings.h"
#include "platform/data/client_data_set.h"
#include "platform/gui/form_registry.h"
#include "server/core/app_server.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTemporaryDir>

namespace vq::test {
namespace {

struct Server {
    QTemporaryDir dir;
    std::unique_ptr<server::ServerHandle> handle;
    std::vector<std::string> codes;
};

Server& server() {
    static Server s;
    return s;
}

std::vector<std::string> readCustomerCodes() {
    net::TNetConnection net;
    net.ServerName = "Vqm41200.rdmClientes";
    net.Port = frameworkSettings().serverPort;
    VariantArray every = contract::toArgs(contract::CustomerFilter{});
    ClientDataSet cds("cdsCliente");
    cds.SetData(Consiste::CheckResultServ(net.Call(contract::kGetCliente, every), false));
    std::vector<std::string> codes;
    for (cds.First(); !cds.Eof(); cds.Next())
        codes.push_back(cds.FieldByName("CDCLIENTE").AsString());
    return codes;
}

} // namespace

void ModuleTest::SetUpTestSuite() {
    Server& s = server();
    if (s.handle)
        return;
    ASSERT_TRUE(s.dir.isValid());
    server::ServerConfig config;
    config.port = 0;
    config.threads = 1;
    config.databaseUrl = "sqlite:" + s.dir.filePath("erp.db").toStdString();
    config.seed = seed::SeedOptions{.customers = 6};
    s.handle = server::startServer(config);
    frameworkSettings().serverHost = "127.0.0.1";
    frameworkSettings().serverPort = s.handle->port();
    s.codes = readCustomerCodes();
    ASSERT_FALSE(s.codes.empty());
}

void ModuleTest::SetUp() {
    Initialize();
}

void ModuleTest::TearDown() {
    Finalize();
    flushDeletes();
}

const std::vector<std::string>& ModuleTest::customerCodes() {
    return server().codes;
}

CallLog::CallLog() {
    net::TNetConnection::setCallObserver(
        [this](std::string_view module, std::string_view method, const VariantArray& args) {
            calls.push_back({std::string(module), std::string(method), args});
        });
}

CallLog::~CallLog() {
    net::TNetConnection::setCallObserver(nullptr);
}

std::vector<RemoteCallRecord> CallLog::named(std::string_view method) const {
    std::vector<RemoteCallRecord> found;
    for (const RemoteCallRecord& c : calls)
        if (c.method == method)
            found.push_back(c);
    return found;
}

ModalAnswers::ModalAnswers()
    : previous_(gui::seams::showModal().replace([this](gui::FormBase& form) { return run(form); })) {}

ModalAnswers::~ModalAnswers() {
    gui::seams::showModal().replace(std::move(previous_));
}

void ModalAnswers::on(const std::string& className, Action action, bool close) {
    entries_[className] = {std::move(action), close};
}

int ModalAnswers::run(gui::FormBase& form) {
    shown.push_back(form.ClassName());
    captions.push_back(form.Caption());
    QPointer<gui::FormBase> alive(&form);
    gui::forms::pushModal(form); // activation, as the modal loop does it
    const auto it = entries_.find(form.ClassName());
    if (it != entries_.end() && it->second.action)
        it->second.action(form);
    if (!alive)
        return gui::mr::Cancel;
    gui::forms::popModal(form);
    const int result = form.ModalResult() == gui::mr::None ? gui::mr::Cancel : form.ModalResult();
    if (it == entries_.end() || it->second.close)
        form.Close();
    return result;
}

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int liveForms(std::string_view className) {
    int n = 0;
    for (gui::FormBase* f : gui::forms::all())
        if (f->ClassName() == className)
            ++n;
    return n;
}

Variant unitValue(const char* unit, const char* name) {
    Variant v;
    EXPECT_TRUE(VqUnitValue(unit, name, &v)) << unit << "." << name;
    return v;
}

} // namespace vq::test
