#pragma once
// Seam answers for the framework service tests: every message shown is recorded, lookups answer from a
// script.

#include "framework/services/framework_settings.h"
#include "platform/gui/seams.h"

#include <optional>
#include <string>
#include <vector>

namespace vq::test {

struct MessageRecorder {
    std::vector<gui::Message> shown;
    gui::MessageButton answer = gui::MessageButton::Ok;
    gui::SeamOverride<gui::Seam<gui::MessageButton(const gui::Message&)>> guard{
        gui::seams::message(), [this](const gui::Message& m) {
            shown.push_back(m);
            return answer;
        }};
};

// Restores the framework settings a test changes.
struct SettingsRestorer {
    FrameworkSettings saved = frameworkSettings();
    ~SettingsRestorer() { frameworkSettings() = saved; }
};

} // namespace vq::test
