#pragma once
// Internals of the automation driver shared by its source files: the run state, the dialog answers
// queued by `answer` and `pick`, the messages and remote calls seen, and one handler per command.

#include "host/backend.h"
#include "host/driver.h"
#include "host/module_library.h"
#include "platform/gui/seams.h"

#include <QElapsedTimer>
#include <QObject>
#include <deque>
#include <optional>

class QEventLoop;
class QWidget;

namespace vq {
class ClientDataSet;
}
namespace vq::gui {
class DbGrid;
class FormBase;
} // namespace vq::gui
namespace vq::reports {
struct ReportDocument;
}

namespace vq::host {

// A command that cannot run as written (unknown name, wrong arguments, an expectation that fails).
class DriverError : public Error {
public:
    using Error::Error;
};

struct Driver::Impl {
    using Handler = void (Impl::*)(const ScriptLine& line);

    explicit Impl(DriverOptions opts) : options(std::move(opts)) {}

    DriverOptions options;
    std::map<std::string, std::string, std::less<>> pendingSettings; // `settings` before the session
    int seedCustomers = 50;
    std::unique_ptr<Backend> backend;
    std::unique_ptr<ModuleLibrary> module;

    // ---- run state
    const std::vector<ScriptLine>* lines = nullptr;
    std::size_t pc = 0;
    bool finished = true;
    DriverResult result;
    std::vector<std::size_t> executingModalDepth; // modal depth when each running command started
    std::size_t waitingPc = static_cast<std::size_t>(-1);
    QElapsedTimer waitTimer;
    QEventLoop* loop = nullptr;
    QObject timerContext;

    // ---- dialogs, messages and calls
    struct Queued {
        std::string value;
        int line = 0;
    };
    std::deque<Queued> answers;
    std::deque<Queued> picks;
    std::deque<Queued> files, texts; // `answer file PATH`, `answer text TEXT`: report seams
    struct Shown {
        gui::MessageKind kind;
        std::string text;
    };
    std::vector<Shown> messages;
    std::size_t messagesPrinted = 0;
    std::vector<std::string> calls;             // "Module.Method(args)" since the last `print calls`
    std::optional<gui::ChoiceRequest> lastList; // the last lookup or list picker shown, for `print lookup`
    std::optional<std::pair<int, std::string>> deferredError; // raised inside a dialog seam

    // driver.cpp: session and step loop
    void ensureSession();
    void endSession();
    DriverResult runLines(const std::vector<ScriptLine>& script);
    void schedule(int delayMs);
    void step();
    bool readyForNextStep() const;
    void execute(const ScriptLine& line);
    void finish(int exitCode, int line, const std::string& error);
    void printLine(const std::string& text);

    // driver_dialogs.cpp: seam handlers
    gui::MessageButton onMessage(const gui::Message& message);
    gui::RowChoice onChoice(const gui::ChoiceRequest& request);
    gui::RowsChoice onListPicker(const gui::ChoiceRequest& request);
    int onShowModal(gui::FormBase& form);

    // driver_reports.cpp: report seams and `print report.ITEM`
    void onReportShown(const reports::ReportDocument& doc);
    std::optional<std::string> onReportFile();
    std::optional<std::string> onReportText();
    bool reportItem(const std::string& name, std::string& out) const;

    // driver_find.cpp
    gui::FormBase* findForm(std::string_view name) const;    // throws DriverError
    QObject* findComponent(std::string_view name) const;     // active form first, then every form; throws
    ClientDataSet* findDataSet(std::string_view name) const; // nullptr when no form has it
    // A form's other printable item (its SQL queries); nullopt when no form has `owner`.
    std::optional<std::string> formItem(std::string_view owner, std::string_view item) const;
    QWidget& usableWidget(QObject& component, std::string_view name) const; // enabled widget or throws

    // Commands (driver_commands.cpp, driver_input.cpp, driver_print.cpp).
    void cmdSettings(const ScriptLine& line);
    void cmdCall(const ScriptLine& line);
    void cmdForm(const ScriptLine& line);
    void cmdClick(const ScriptLine& line);
    void cmdSet(const ScriptLine& line);
    void cmdType(const ScriptLine& line);
    void cmdKey(const ScriptLine& line);
    void cmdFocus(const ScriptLine& line);
    void cmdAnswer(const ScriptLine& line);
    void cmdPick(const ScriptLine& line);
    void cmdSelect(const ScriptLine& line);
    void cmdCell(const ScriptLine& line);
    // The grid of a "GRID ROW FIELD" command, its row and field checked.
    gui::DbGrid& gridCell(const ScriptLine& line);
    void cmdExpect(const ScriptLine& line);
    void cmdPrint(const ScriptLine& line);
    void cmdClose(const ScriptLine& line);

    std::string printItem(const std::string& item) const; // "name=value"
    std::string componentProperty(QObject& component, std::string_view name, std::string_view property) const;
};

// Runs a module action the way a user's action runs: inside the GUI guard, so its failure is shown (and
// recorded by the driver) as a message instead of stopping the script.
void userAction(std::string_view context, const std::function<void()>& action);

} // namespace vq::host
