#include "pathbar/ChildControl.h"

#include "framework/Exception.h"
#include "framework/Rounding.h"
#include "pathbar/CustomExplorerTreeview.h"
#include "styles/ControlDPIScale.h"

TCustomExplorerTreeview* RequireExplorerTreeview(TComponent* AOwner)
{
    auto* bar = dynamic_cast<TCustomExplorerTreeview*>(AOwner);
    if (!bar)
        throw Exception(QStringLiteral("Invalid parent"));
    return bar;
}

TExplorerTreeviewChild::TExplorerTreeviewChild(TComponent* AOwner)
    : TGraphicControl(RequireExplorerTreeview(AOwner)), FExplorerTreeview(RequireExplorerTreeview(AOwner))
{
    SetParent(FExplorerTreeview);
    // A windowless control takes its clicks itself: they neither reach the
    // bar (which would enter edit mode) nor move the focus.
    setAttribute(Qt::WA_NoMousePropagation);
}

TExplorerTreeviewChild::~TExplorerTreeviewChild() = default;

double TExplorerTreeviewChild::Scale() const { return GetControlDPIScale(this, nullptr); }

int TExplorerTreeviewChild::Scaled(int Size) const { return Kest::Round(Size * Scale()); }

void TExplorerTreeviewChild::RepaintAfterRelease()
{
    if (FExplorerTreeview->BufferedDraw() && FExplorerTreeview->EditorEnabled())
        Repaint();
    else
        Invalidate();
}
