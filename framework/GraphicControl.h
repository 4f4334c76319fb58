#pragma once
// A windowless control: a child widget without a native window that paints
// itself on its parent's surface and receives the parent's mouse input over
// its area.

#include "framework/Control.h"

#include <QWidget>

#pragma GCC visibility push(default)

class TGraphicControl : public QWidget, public TControl {
    Q_OBJECT
public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;

    // Repaints at once (Repaint) or when the event loop gets to it (Invalidate).
    void Repaint() { repaint(); }
    void Invalidate() { update(); }

protected:
    // Paints the control; the painter covers the client rectangle.
    virtual void Paint(QPainter& painter);
    void paintEvent(QPaintEvent* event) override;
};

#pragma GCC visibility pop
