#include "pathbar/LeftIcon.h"

#include <QMouseEvent>

TLeftIcon::TLeftIcon(TComponent* AOwner) : TExplorerTreeviewChild(AOwner), FGlyph(std::make_unique<TBitmap>())
{
    FGlyph->OnChange = [this](QObject*) { Invalidate(); };
}

TLeftIcon::~TLeftIcon() = default;

void TLeftIcon::SetGlyph(TBitmap* Value) { FGlyph->Assign(Value); }

void TLeftIcon::mousePressEvent(QMouseEvent* event)
{
    TExplorerTreeviewChild::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        Click();
}
