#include "pathbar/ChildControl.h"

#include "framework/Exception.h"
#include "framework/Rounding.h"
#include "pathbar/CustomExplorerTreeview.h"
#include "styles/ControlDPIScale.h"

namespace {

TComponent* CheckedOwner(TComponent* AOwner)
{
    if (!dynamic_cast<TCustomExplorerTreeview*>(AOwner))
        throw Exception(QStringLiteral("Invalid parent"));
    return AOwner;
}

}

TExplorerTreeviewChild::TExplorerTreeviewChild(TComponent* AOwner)
    : TGraphicControl(CheckedOwner(AOwner)), FExplorerTreeview(dynamic_cast<TCustomExplorerTreeview*>(AOwner))
{
    SetParent(FExplorerTreeview);
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
