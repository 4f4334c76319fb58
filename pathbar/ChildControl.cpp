#include "pathbar/ChildControl.h"

#include "framework/Exception.h"
#include "pathbar/CustomExplorerTreeview.h"

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
