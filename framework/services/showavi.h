#pragma once
// The busy indicator of the framework unit Showavi: a small non-modal box over the form with a text, plus
// the wait cursor, while a form opens (kind 0), an update is sent (kind 1) or a search or load runs
// (kind 6). Calls nest: each ActiveShowAvi pushes a level and shows its text, each DeactiveShowAvi pops
// one and shows the level below; a DeactiveShowAvi with nothing active does nothing, so the "hide also on
// failure" paths of the callers are harmless. Prefer Showavi::Scope, which always pops its own level.

#include <QWidget>
#include <string>
#include <string_view>

namespace vq::Showavi {

inline constexpr int kOpeningForm = 0;
inline constexpr int kUpdating = 1;
inline constexpr int kSearching = 6;

// Shows the indicator over `form` (or over the active window when null). An empty text shows the kind's
// default text from the host catalogue.
void ActiveShowAvi(QWidget* form, int kind, std::string_view text = {});
void DeactiveShowAvi();
// Replaces the text of the level shown (a long update telling how far it is); nothing when none is active.
void SetText(std::string_view text);

struct State {
    bool active = false;
    int kind = -1;
    std::string text;
    int depth = 0;
};
// What the indicator shows now (for tests and the automation driver).
State current();
// The indicator's widget while it is shown (nullptr otherwise).
QWidget* widget();

class Scope {
public:
    Scope(QWidget* form, int kind, std::string_view text = {});
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

private:
    int depth_;
};

} // namespace vq::Showavi
