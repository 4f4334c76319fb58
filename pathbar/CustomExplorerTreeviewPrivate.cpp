#include "pathbar/CustomExplorerTreeview_p.h"

#include "pathbar/DropDownButton.h"

TCustomExplorerTreeviewPrivate::TCustomExplorerTreeviewPrivate(TCustomExplorerTreeview& bar)
    : FFolders(*this), FDropDowns(*this), FButtonRow(bar), FBar(bar)
{
}

TCustomExplorerTreeviewPrivate::~TCustomExplorerTreeviewPrivate() = default;

void TCustomExplorerTreeviewPrivate::FocusAndSelectAll()
{
    FBar.setFocus();
    FBar.selectAll();
}

void TCustomExplorerTreeviewPrivate::SetDropDownButtonDown(bool down)
{
    if (FDropDownButton)
        FDropDownButton->SetDown(down);
}

void TCustomExplorerTreeviewPrivate::ImagesResized()
{
    FBar.UpdateLayout();
    FBar.UpdateEditRect();
}

bool TCustomExplorerTreeviewPrivate::IsOwnNode(TKestTreeNode* node) const
{
    return node && node->Owner() && node->Owner()->Owner() == static_cast<const ITreeNodesOwner*>(&FBar);
}

TCustomImageList* TCustomExplorerTreeviewPrivate::GetImageList() const
{
    return FMode == aeCustom ? FImages : FFolders.Images();
}

bool TCustomExplorerTreeviewPrivate::HasFocusLook() const
{
    // An open list of the bar has the keys, but they edit the bar's text.
    return FBar.hasFocus() || FDropDowns.FocusInOpenWindow();
}

bool TCustomExplorerTreeviewPrivate::IsEditorFocused() const
{
    return FEditorEnabled && (FBar.hasFocus() || FDropDowns.HasFocus());
}
