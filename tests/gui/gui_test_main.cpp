// The QApplication every GUI test needs, created once for the whole run on the offscreen platform.
// A message no test expected fails that test instead of opening a dialog nobody will close.
#include "platform/gui/seams.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <memory>

namespace {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QApplication>(argc_, argv_);
        vq::gui::seams::message().replace([](const vq::gui::Message& m) {
            ADD_FAILURE() << "unexpected message: " << m.text;
            return vq::gui::MessageButton::Cancel;
        });
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[10] = "gui_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

} // namespace
