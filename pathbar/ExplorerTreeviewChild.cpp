#include "pathbar/ExplorerTreeviewChild.h"

#include "framework/Exception.h"
#include "framework/Rounding.h"
#include "pathbar/CustomExplorerTreeview.h"
#include "styles/ControlDPIScale.h"

#include <QContextMenuEvent>
#include <QCoreApplication>

TCustomExplorerTreeview* RequireExplorerTreeview(TComponent* owner)
{
    auto* bar = dynamic_cast<TCustomExplorerTreeview*>(owner);
    if (!bar)
        throw Exception(QStringLiteral("Invalid parent"));
    return bar;
}

TExplorerTreeviewChild::TExplorerTreeviewChild(TComponent* owner)
    : TGraphicControl(RequireExplorerTreeview(owner)), FExplorerTreeview(RequireExplorerTreeview(owner))
{
    SetParent(FExplorerTreeview);
    // A windowless control takes its clicks itself: they neither reach the
    // bar (which would enter edit mode) nor move the focus.
    setAttribute(Qt::WA_NoMousePropagation);
}

TExplorerTreeviewChild::~TExplorerTreeviewChild() = default;

double TExplorerTreeviewChild::Scale() const { return GetControlDPIScale(this, nullptr); }

int TExplorerTreeviewChild::Scaled(int size) const { return Kest::Round(size * Scale()); }

void TExplorerTreeviewChild::RepaintAfterRelease()
{
    if (FExplorerTreeview->BufferedDraw() && FExplorerTreeview->EditorEnabled())
        Repaint();
    else
        Invalidate();
}

void TExplorerTreeviewChild::contextMenuEvent(QContextMenuEvent* event)
{
    // The clicks of a child stay its own, so its menu request is handed over.
    QContextMenuEvent onBar(event->reason(), FExplorerTreeview->mapFromGlobal(event->globalPos()), event->globalPos(),
                            event->modifiers());
    QCoreApplication::sendEvent(FExplorerTreeview, &onBar);
    event->setAccepted(onBar.isAccepted());
}
