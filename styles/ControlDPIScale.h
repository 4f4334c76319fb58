#pragma once

#pragma GCC visibility push(default)
// A control's resolution factor relative to 96 dots per inch.

class QPainter;
class QWidget;

namespace KestStyles {

// For a control on a form: 1.0 when the form does not scale, else its
// screen's resolution over 96. Without a form: the active canvas's device,
// else the primary screen. Never 0 (an unknown resolution counts as 96).
double GetControlDPIScale(const QWidget* control, const QPainter* canvas);

}

using KestStyles::GetControlDPIScale;

#pragma GCC visibility pop
