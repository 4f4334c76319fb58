#pragma once
// The history drop-down button and the refresh button at the bar's right end.

#include "framework/Bitmap.h"
#include "pathbar/ExplorerTreeviewChild.h"

#include <memory>

#pragma GCC visibility push(default)

class TDropDownButton : public TExplorerTreeviewChild {
    Q_OBJECT
public:
    explicit TDropDownButton(TComponent* owner);
    ~TDropDownButton() override;

    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(TBitmap* value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    bool Hot() const { return FHot; }
    bool Down() const { return FDown; }
    void SetDown(bool value);

    // Fired by a left-button press (the history button opens its window).
    TNotifyEvent OnMouseDown;

protected:
    void Paint(QPainter& painter) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool FHot = false;
    bool FDown = false;
    std::unique_ptr<TBitmap> FGlyph;
    int FImageIndex = -1;
};

#pragma GCC visibility pop
