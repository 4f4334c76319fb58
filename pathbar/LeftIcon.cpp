#include "pathbar/LeftIcon.h"

#include "pathbar/BarChildAccess_p.h"
#include "pathbar/CustomExplorerTreeview.h"

#include <QMouseEvent>
#include <QPainter>

TLeftIcon::TLeftIcon(TComponent* owner) : TExplorerTreeviewChild(owner), FGlyph(std::make_unique<TBitmap>())
{
    FGlyph->OnChange = [this](QObject*) { Invalidate(); };
}

TLeftIcon::~TLeftIcon() = default;

void TLeftIcon::SetGlyph(TBitmap* value) { FGlyph->Assign(value); }

void TLeftIcon::Paint(QPainter& painter)
{
    if (!FExplorerTreeview || FGlyph->Empty())
        return;
    const QImage g = FGlyph->TransparentImage();
    // Centred by its logical size: a picture of a higher pixel ratio has more
    // pixels than it covers.
    const QSize size = g.deviceIndependentSize().toSize();
    // One pixel higher while the bar does not have the focus.
    const int lift = TBarChildAccess::HasFocusLook(*FExplorerTreeview) ? 0 : 1;
    painter.drawImage((width() - size.width()) / 2, (height() - size.height()) / 2 - lift, g);
}

void TLeftIcon::mousePressEvent(QMouseEvent* event)
{
    TExplorerTreeviewChild::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        Click();
}
