#pragma once
// Progress of a long command: a bar with a position out of a maximum, and a small animation that runs
// while its command works (the classic copy animation). Both take no focus.

#include "platform/gui/control.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <cstdint>

namespace vq::gui {

// Positions may exceed int (file sizes in bytes): they are scaled into QProgressBar's int range.
class ProgressBar : public ControlOf<QProgressBar> {
public:
    explicit ProgressBar(QWidget* parent = nullptr);
    std::int64_t Position() const { return position_; }
    std::int64_t Max() const { return max_; }
    void SetPosition(std::int64_t position);
    void SetMax(std::int64_t max);

private:
    void show();
    std::int64_t position_ = 0;
    std::int64_t max_ = 100;
};

class Animation : public ControlOf<QLabel> {
public:
    explicit Animation(QWidget* parent = nullptr);
    bool Active() const { return timer_.isActive(); }
    void SetActive(bool on);

private:
    QTimer timer_;
    int frame_ = 0;
};

} // namespace vq::gui
