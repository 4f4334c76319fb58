#pragma once
// The borderless window the bar drops under itself for the history list and
// for the auto-complete list. It is a pop-up: it takes the keyboard while
// open and closes when the user clicks outside it; closing frees it.

#include "framework/Form.h"

#include <QPoint>
#include <optional>

#pragma GCC visibility push(default)

class QSizeGrip;
class TCustomExplorerTreeview;

class TDropForm : public TCustomForm {
    Q_OBJECT
public:
    // Raises "Invalid parent" when owner is not a path bar.
    explicit TDropForm(TComponent* owner);
    ~TDropForm() override;

    TCustomExplorerTreeview* ExplorerTreeview() const { return FExplorerTreeview; }
    // A sizing grip in the lower right corner; sizing never starts at the
    // top or left edge, so the window stays attached to the bar.
    bool Sizeable() const { return FSizeable; }
    void SetSizeable(bool value);
    bool DroppedDown() const { return FDroppedDown; }
    void SetDroppedDown(bool value) { FDroppedDown = value; }

    // Where, in screen coordinates, the press that closed the window from
    // outside happened; empty when something else closed it.
    std::optional<QPoint> ClosingPress() const { return FClosingPress; }

    // Fired once when the window goes away without being asked to: a click
    // outside it, or another window taking over.
    TNotifyEvent OnDeactivate;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    TCustomExplorerTreeview* FExplorerTreeview;
    bool FSizeable = false;
    bool FDroppedDown = false;
    bool FDeactivated = false;
    std::optional<QPoint> FClosingPress;
    QSizeGrip* FSizeGrip = nullptr;
};

#pragma GCC visibility pop
