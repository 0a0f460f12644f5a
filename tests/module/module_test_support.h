#pragma once
// Shared by the module tests: the package loaded (Initialize/Finalize around each test), an application
// server over a small temporary SQLite database, modal forms answered through the showModal seam
// (activation and close as the real modal loop does them, without an event loop), and the remote calls
// made.

#include "module/module_api.h"
#include "platform/gui/form_base.h"
#include "platform/gui/seams.h"
#include "platform/net/net_connection.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vq::test {

// The server is started once per test binary and stopped at exit.
class ModuleTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // CDCLIENTE of every seeded customer, in code order.
    static const std::vector<std::string>& customerCodes();
};

struct RemoteCallRecord {
    std::string module;
    std::string method;
    VariantArray args;
};

// Records every remote call of every connection while it lives.
class CallLog {
public:
    CallLog();
    ~CallLog();
    std::vector<RemoteCallRecord> calls;
    std::vector<RemoteCallRecord> named(std::string_view method) const;
};

// Answers ShowModal: activates the form, runs the action given for its class, and closes it (as the
// user would) unless told to leave it open.
class ModalAnswers {
public:
    using Action = std::function<void(gui::FormBase& form)>;
    ModalAnswers();
    ~ModalAnswers();
    void on(const std::string& className, Action action, bool close = true);

    std::vector<std::string> shown; // class names, in showing order
    std::vector<std::string> captions;

private:
    int run(gui::FormBase& form);
    struct Entry {
        Action action;
        bool close = true;
    };
    std::map<std::string, Entry> entries_;
    gui::Seam<int(gui::FormBase&)>::Handler previous_;
};

// Frees forms whose deletion was deferred (their close released them).
void flushDeletes();

// Live forms of a class.
int liveForms(std::string_view className);

Variant unitValue(const char* unit, const char* name);

} // namespace vq::test
