#include "platform/gui/progress.h"

#include <algorithm>

namespace vq::gui {

namespace {
constexpr int kScale = 1 << 30;
constexpr const char* kFrames[] = {"▶    ", " ▶   ", "  ▶  ", "   ▶ ", "    ▶"};
} // namespace

ProgressBar::ProgressBar(QWidget* parent) : ControlOf<QProgressBar>(parent) {
    setFocusPolicy(Qt::NoFocus);
    setTextVisible(false);
    show();
}

void ProgressBar::SetPosition(std::int64_t position) {
    position_ = std::clamp<std::int64_t>(position, 0, max_);
    show();
}

void ProgressBar::SetMax(std::int64_t max) {
    max_ = std::max<std::int64_t>(max, 0);
    position_ = std::min(position_, max_);
    show();
}

void ProgressBar::show() {
    setRange(0, kScale);
    const double part = max_ > 0 ? static_cast<double>(position_) / static_cast<double>(max_) : 0.0;
    setValue(static_cast<int>(part * kScale));
}

Animation::Animation(QWidget* parent) : ControlOf<QLabel>(parent) {
    setFocusPolicy(Qt::NoFocus);
    setText(QString::fromUtf8(kFrames[0]));
    timer_.setInterval(120);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] {
        frame_ = (frame_ + 1) % static_cast<int>(std::size(kFrames));
        setText(QString::fromUtf8(kFrames[frame_]));
    });
}

void Animation::SetActive(bool on) {
    if (on)
        timer_.start();
    else
        timer_.stop();
}

} // namespace vq::gui
