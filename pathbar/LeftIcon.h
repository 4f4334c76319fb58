#pragma once
// The selected node's image at the bar's left end.

#include "framework/Bitmap.h"
#include "pathbar/ExplorerTreeviewChild.h"

#include <memory>

#pragma GCC visibility push(default)

class TLeftIcon : public TExplorerTreeviewChild {
    Q_OBJECT
public:
    explicit TLeftIcon(TComponent* owner);
    ~TLeftIcon() override;

    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(TBitmap* value);

protected:
    void Paint(QPainter& painter) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::unique_ptr<TBitmap> FGlyph;
};

#pragma GCC visibility pop
