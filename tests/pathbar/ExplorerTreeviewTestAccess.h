#pragma once
// The tests' way into the bar's private side: its child controls, its
// drop-down windows and the rectangles of its layout. Inside(bar).X()
// reads what bar->X() read when these were public.

#include "pathbar/CustomExplorerTreeview_p.h"
#include "pathbar/DropDownButton.h"
#include "pathbar/DropForm.h"
#include "pathbar/ExplorerTreeviewListBox.h"
#include "pathbar/LeftIcon.h"
#include "pathbar/NodeButton.h"

#include <memory>
#include <vector>

class TExplorerTreeviewTestAccess {
public:
    explicit TExplorerTreeviewTestAccess(const TCustomExplorerTreeview& bar) : FPrivate(*bar.FPrivate) {}

    const std::vector<TNodeButton*>& NodeButtons() const { return FPrivate.FButtonRow.Buttons(); }
    TDropDownButton* DropDownButtonControl() const { return FPrivate.FDropDownButton; }
    TDropDownButton* RefreshButtonControl() const { return FPrivate.FRefreshBtn; }
    TLeftIcon* LeftIcon() const { return FPrivate.FLeftIcon; }

    TDropForm* DropForm() const { return FPrivate.FDropDowns.DropForm(); }
    TExplorerTreeviewListBox* DropListBox() const { return FPrivate.FDropDowns.DropListBox(); }
    TDropForm* AutoCompleteForm() const { return FPrivate.FDropDowns.AutoCompleteForm(); }
    TExplorerTreeviewListBox* AutoCompleteListBox() const { return FPrivate.FDropDowns.AutoCompleteListBox(); }

    int GetBorderWidth() const { return FPrivate.GetBorderWidth(); }
    int GetImageAreaWidth() const { return FPrivate.GetImageAreaWidth(); }
    QRect GetImageRect() const { return FPrivate.GetImageRect(); }
    QRect GetRefreshButtonRect() const { return FPrivate.GetRefreshButtonRect(); }
    QRect GetDropDownButtonRect() const { return FPrivate.GetDropDownButtonRect(); }
    QRect GetNodeAreaRect() const { return FPrivate.GetNodeAreaRect(); }

    TCustomImageList* GetImageList() const { return FPrivate.GetImageList(); }
    bool HasFocusLook() const { return FPrivate.HasFocusLook(); }
    bool IsEditorFocused() const { return FPrivate.IsEditorFocused(); }

private:
    TCustomExplorerTreeviewPrivate& FPrivate;
};

inline TExplorerTreeviewTestAccess Inside(const TCustomExplorerTreeview& bar)
{
    return TExplorerTreeviewTestAccess(bar);
}

inline TExplorerTreeviewTestAccess Inside(const TCustomExplorerTreeview* bar)
{
    return TExplorerTreeviewTestAccess(*bar);
}

template <typename TBar>
TExplorerTreeviewTestAccess Inside(const std::unique_ptr<TBar>& bar)
{
    return TExplorerTreeviewTestAccess(*bar);
}
