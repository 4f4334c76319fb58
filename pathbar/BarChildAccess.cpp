#include "pathbar/BarChildAccess_p.h"

#include "pathbar/CustomExplorerTreeview_p.h"

TCustomImageList* TBarChildAccess::ImageList(const TCustomExplorerTreeview& bar)
{
    return bar.FPrivate->GetImageList();
}

bool TBarChildAccess::HasFocusLook(const TCustomExplorerTreeview& bar) { return bar.FPrivate->HasFocusLook(); }

bool TBarChildAccess::AllowHook(const TCustomExplorerTreeview& bar) { return bar.FPrivate->FAllowHook; }

const std::vector<TNodeButton*>& TBarChildAccess::NodeButtons(const TCustomExplorerTreeview& bar)
{
    return bar.FPrivate->FButtonRow.Buttons();
}
