#include "framework/reports/report_engine.h"
#include "framework/reports/report_seams.h"
#include "host/driver_impl.h"
#include "platform/gui/form_base.h"
#include "platform/gui/form_registry.h"
#include "platform/gui/guard.h"
#include "platform/net/net_connection.h"
#include "server/erp_rpc/json_variant.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <array>
#include <iostream>

namespace vq::host {
namespace {

struct Command {
    std::string_view name;
    std::size_t minWords; // including the command
    std::size_t maxWords; // 0: no limit
    Driver::Impl::Handler handler;
};

using I = Driver::Impl;
const std::array<Command, 15> kCommands{{
    {"settings", 2, 0, &I::cmdSettings},
    {"call", 2, 0, &I::cmdCall},
    {"form", 2, 2, &I::cmdForm},
    {"click", 2, 4, &I::cmdClick},
    {"set", 3, 3, &I::cmdSet},
    {"type", 3, 3, &I::cmdType},
    {"key", 3, 3, &I::cmdKey},
    {"focus", 2, 2, &I::cmdFocus},
    {"answer", 2, 3, &I::cmdAnswer},
    {"pick", 2, 2, &I::cmdPick},
    {"select", 3, 3, &I::cmdSelect},
    {"cell", 4, 5, &I::cmdCell},
    {"expect", 3, 3, &I::cmdExpect},
    {"print", 2, 0, &I::cmdPrint},
    {"close", 2, 2, &I::cmdClose},
}};

const Command* commandOf(const ScriptLine& line) {
    for (const Command& c : kCommands)
        if (c.name == line.words.front())
            return &c;
    return nullptr;
}

std::size_t modalDepth() {
    return gui::forms::modalStack().size();
}

} // namespace

void userAction(std::string_view context, const std::function<void()>& action) {
    gui::guarded(context, action);
}

Driver::Driver(DriverOptions options) : impl_(std::make_unique<Impl>(std::move(options))) {
    impl_->seedCustomers = impl_->options.seedCustomers;
}

Driver::~Driver() {
    shutdown();
}

ModuleLibrary* Driver::module() const {
    return impl_->module.get();
}

void Driver::shutdown() {
    impl_->endSession();
}

DriverResult Driver::run(std::string_view script) {
    try {
        return run(parseScript(script));
    } catch (const ScriptError& e) {
        return {1, e.line(), e.what(), {}};
    }
}

DriverResult Driver::run(const std::vector<ScriptLine>& lines) {
    // Every line is checked against the grammar before anything runs.
    for (const ScriptLine& line : lines) {
        const Command* c = commandOf(line);
        std::string problem;
        if (!c)
            problem = "comando desconhecido: " + line.words.front();
        else if (line.words.size() < c->minWords || (c->maxWords && line.words.size() > c->maxWords))
            problem = "número de argumentos inválido para " + line.words.front();
        if (!problem.empty())
            return {1, line.line, ScriptError(line.line, problem).what(), {}};
    }
    return impl_->runLines(lines);
}

void Driver::Impl::ensureSession() {
    if (module)
        return;
    FrameworkSettings settings = FrameworkSettings::defaults();
    if (!options.settingsFile.empty() && !settings.load(options.settingsFile))
        throw DriverError("arquivo de configuração não encontrado: " + options.settingsFile);
    settings.apply(options.settings);
    settings.apply(pendingSettings);
    backend = std::make_unique<Backend>(BackendConfig{settings, options.defaultDatabaseUrl, seedCustomers});
    reports::lastRun() = {};
    try {
        module = std::make_unique<ModuleLibrary>(options.moduleDir);
    } catch (...) {
        backend.reset();
        throw;
    }
}

void Driver::Impl::endSession() {
    module.reset();
    backend.reset();
}

DriverResult Driver::Impl::runLines(const std::vector<ScriptLine>& script) {
    lines = &script;
    pc = 0;
    finished = false;
    result = {};
    waitingPc = static_cast<std::size_t>(-1);
    answers.clear();
    picks.clear();
    files.clear();
    texts.clear();
    deferredError.reset();

    using gui::SeamOverride;
    namespace seams = gui::seams;
    SeamOverride message(seams::message(), [this](const gui::Message& m) { return onMessage(m); });
    SeamOverride lookup(seams::lookup(), [this](const gui::ChoiceRequest& r) { return onChoice(r); });
    SeamOverride search(seams::search(), [this](const gui::ChoiceRequest& r) { return onChoice(r); });
    SeamOverride picker(seams::listPicker(), [this](const gui::ChoiceRequest& r) { return onListPicker(r); });
    SeamOverride modal(seams::showModal(), [this](gui::FormBase& f) { return onShowModal(f); });
    namespace rs = reports::seams;
    SeamOverride preview(rs::preview(), [this](const reports::ReportDocument& d) { onReportShown(d); });
    SeamOverride print(rs::print(), [this](const reports::ReportDocument& d) {
        onReportShown(d);
        return true;
    });
    SeamOverride saveAs(rs::saveFileName(), [this](const std::string&) { return onReportFile(); });
    SeamOverride prompt(rs::inputText(), [this](const reports::TextPrompt&) { return onReportText(); });
    SeamOverride progress(rs::pageProgress(), [](const std::string&) { return reports::PageProgress{}; });
    net::TNetConnection::setCallObserver(
        [this](std::string_view mod, std::string_view method, const VariantArray& args) {
            calls.push_back(std::string(mod) + "." + std::string(method) + "(" +
                            rpc::toJson(Variant(args)).dump() + ")");
        });

    QEventLoop eventLoop;
    loop = &eventLoop;
    schedule(0);
    eventLoop.exec();
    loop = nullptr;
    net::TNetConnection::setCallObserver(nullptr);
    lines = nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}

void Driver::Impl::schedule(int delayMs) {
    QTimer::singleShot(delayMs, &timerContext, [this] { step(); });
}

// A command may start only in the event loop of the innermost modal form opened by the command still
// running (or at top level), and not while a modal form is on its way out.
bool Driver::Impl::readyForNextStep() const {
    const std::vector<gui::FormBase*> stack = gui::forms::modalStack();
    if (!stack.empty() && stack.back()->ModalResult() != gui::mr::None)
        return false;
    return executingModalDepth.empty() || stack.size() > executingModalDepth.back();
}

void Driver::Impl::step() {
    if (finished)
        return;
    if (deferredError) {
        finish(1, deferredError->first, deferredError->second);
        return;
    }
    if (!readyForNextStep()) {
        schedule(5);
        return;
    }
    if (pc >= lines->size()) {
        finish(0, 0, {});
        return;
    }
    const ScriptLine& line = (*lines)[pc];
    try {
        if (line.words.front() == "form") {
            if (waitingPc != pc) {
                waitingPc = pc;
                waitTimer.start();
            }
            gui::FormBase* active = gui::forms::active();
            const std::string& wanted = line.words[1];
            if (!active || (active->ClassName() != wanted && active->Name() != wanted)) {
                if (waitTimer.elapsed() > options.formTimeoutMs)
                    throw DriverError("o formulário " + wanted + " não ficou ativo (ativo: " +
                                      (active ? active->ClassName() : std::string("nenhum")) + ")");
                schedule(10);
                return;
            }
        }
        ++pc;
        schedule(0); // queued first, so it also runs inside a modal loop this command opens
        executingModalDepth.push_back(modalDepth());
        struct Pop {
            std::vector<std::size_t>& v;
            ~Pop() { v.pop_back(); }
        } pop{executingModalDepth};
        execute(line);
    } catch (const std::exception& e) {
        finish(1, line.line, ScriptError(line.line, e.what()).what());
    }
}

void Driver::Impl::execute(const ScriptLine& line) {
    const Command* c = commandOf(line);
    if (!c)
        throw DriverError("comando desconhecido: " + line.words.front());
    if (c->name != "settings" && c->name != "answer" && c->name != "pick")
        ensureSession();
    (this->*(c->handler))(line);
}

void Driver::Impl::finish(int exitCode, int line, const std::string& error) {
    if (finished)
        return;
    finished = true;
    result.exitCode = exitCode;
    result.line = line;
    result.error = error;
    // Modal forms still open end now (innermost first); the commands waiting on them then return.
    std::vector<gui::FormBase*> stack = gui::forms::modalStack();
    for (auto it = stack.rbegin(); it != stack.rend(); ++it)
        (*it)->abortModal(gui::mr::Cancel);
    if (loop)
        loop->quit();
}

void Driver::Impl::printLine(const std::string& text) {
    result.output.push_back(text);
    if (options.output)
        options.output(text);
}

int Driver::Impl::onShowModal(gui::FormBase& form) {
    if (finished)
        return gui::mr::Cancel; // the script is over: nothing more waits on the user
    return form.execModal();
}

} // namespace vq::host
