#pragma once
// Window-state rules that depend on the screen size: the module's forms were laid out for 800 × 600
// and more, and fill a 640 × 480 screen instead of overflowing it.

class QWidget;

namespace vq::services {

// The primary screen is exactly 640 × 480 pixels.
bool smallScreen();
// The primary screen is 480 pixels high.
bool screenHeight480();

// "Fit to screen": maximised on a 640 × 480 screen, otherwise normal.
void fitToScreen(QWidget& form);
// Maximised when `maximize`, otherwise normal.
void setMaximized(QWidget& form, bool maximize);

} // namespace vq::services
