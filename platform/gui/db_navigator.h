#pragma once
// Navigator: first / prior / next / last / insert / delete / edit / post / cancel / refresh buttons
// whose enabled state follows the dataset. BeforeAction may stop an action by raising (vq::Abort for a
// quiet stop); OnNavClick runs after it. Refresh has no action of its own: OnNavClick does the work.

#include "platform/data/data_source.h"
#include "platform/gui/control.h"

#include <QToolButton>
#include <array>
#include <functional>

namespace vq::gui {

enum class NavButton { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, Refresh };
inline constexpr int kNavButtonCount = 10;

class DbNavigator : public ControlOf<QWidget>, public DataLink {
public:
    explicit DbNavigator(QWidget* parent = nullptr);

    std::function<void(NavButton button)> BeforeAction;
    std::function<void(NavButton button)> OnNavClick;
    bool ConfirmDelete = true; // asks "Excluir registro?" first

    vq::DataSource* DataSource() const { return dataSource(); }
    void SetDataSource(vq::DataSource* source) { setDataSource(source); }
    void SetButtonVisible(NavButton button, bool visible);
    bool ButtonEnabled(NavButton button) const;
    QToolButton& button(NavButton button) const { return *buttons_[static_cast<std::size_t>(button)]; }

    // As pressing the button; exceptions reach the caller.
    void BtnClick(NavButton button);

    void activeChanged() override { updateButtons(); }
    void editingChanged() override { updateButtons(); }
    void dataSetChanged() override { updateButtons(); }
    void dataSetScrolled() override { updateButtons(); }
    void recordChanged(vq::Field*) override {}

private:
    void updateButtons();
    std::array<QToolButton*, kNavButtonCount> buttons_{};
};

} // namespace vq::gui
