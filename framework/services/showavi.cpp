#include "framework/services/showavi.h"

#include "framework/services/host_catalogue.h"
#include "platform/gui/qt_text.h"
#include "platform/gui/ui_locks.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <memory>
#include <vector>

namespace vq::Showavi {
namespace {

struct Level {
    QPointer<QWidget> form;
    int kind;
    std::string text;
    std::unique_ptr<gui::BusyCursor> cursor;
};

struct Indicator {
    std::vector<Level> levels;
    QPointer<QLabel> box; // exists only while a level is active
};
Indicator& indicator() {
    static Indicator i;
    return i;
}

std::string defaultText(int kind) {
    const std::string key = "SHOWAVI_" + std::to_string(kind);
    if (auto text = HostCatalogue::instance().find(key))
        return *text;
    return HostMsg("SHOWAVI");
}

void removeBox(Indicator& ind) {
    delete ind.box.data(); // a child of its form, or a top-level box of ours
}

// Puts the box over the top level's form (a small top-level box without one) with its text.
void showTop(Indicator& ind) {
    const Level& top = ind.levels.back();
    QWidget* host = top.form ? top.form.data() : QApplication::activeWindow();
    if (!ind.box || ind.box->parentWidget() != host) {
        removeBox(ind);
        ind.box = new QLabel(host);
        if (!host) // never takes the activation (and the focus) from the form that is working
            ind.box->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
        ind.box->setAttribute(Qt::WA_ShowWithoutActivating);
        ind.box->setFocusPolicy(Qt::NoFocus);
        ind.box->setObjectName(QStringLiteral("ShowAvi"));
        ind.box->setAlignment(Qt::AlignCenter);
        ind.box->setFrameShape(QFrame::Box);
        ind.box->setAutoFillBackground(true);
        ind.box->setMargin(12);
    }
    QLabel& box = *ind.box;
    box.setText(gui::qs(top.text));
    box.adjustSize();
    if (host)
        box.move((host->width() - box.width()) / 2, (host->height() - box.height()) / 2);
    box.show();
    if (host)
        box.raise(); // a top-level box is already on top
    box.repaint();   // the command runs on the GUI thread: paint now, not after it
}

} // namespace

void ActiveShowAvi(QWidget* form, int kind, std::string_view text) {
    Indicator& ind = indicator();
    ind.levels.push_back({form, kind, text.empty() ? defaultText(kind) : std::string(text),
                          std::make_unique<gui::BusyCursor>()});
    showTop(ind);
}

void DeactiveShowAvi() {
    Indicator& ind = indicator();
    if (ind.levels.empty())
        return;
    ind.levels.pop_back();
    if (ind.levels.empty())
        removeBox(ind);
    else
        showTop(ind);
}

void SetText(std::string_view text) {
    Indicator& ind = indicator();
    if (ind.levels.empty())
        return;
    ind.levels.back().text = std::string(text);
    showTop(ind);
}

State current() {
    const Indicator& ind = indicator();
    if (ind.levels.empty())
        return {};
    const Level& top = ind.levels.back();
    return {true, top.kind, top.text, static_cast<int>(ind.levels.size())};
}

QWidget* widget() {
    const Indicator& ind = indicator();
    return ind.box.data();
}

Scope::Scope(QWidget* form, int kind, std::string_view text) {
    ActiveShowAvi(form, kind, text);
    depth_ = current().depth;
}

Scope::~Scope() {
    // Pops down to below its own level, also when an inner caller forgot its DeactiveShowAvi.
    while (current().depth >= depth_ && current().active)
        DeactiveShowAvi();
}

} // namespace vq::Showavi
