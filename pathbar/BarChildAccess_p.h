#pragma once
// What the bar's own child controls, menus and drop-down lists read from the
// bar beyond its public surface: the only way they reach its private side.

#include <vector>

class TCustomExplorerTreeview;
class TCustomImageList;
class TNodeButton;

class TBarChildAccess {
public:
    // The image list node images come from (see the bar's folder modes).
    static TCustomImageList* ImageList(const TCustomExplorerTreeview& bar);
    // The frame and left icon are drawn focused.
    static bool HasFocusLook(const TCustomExplorerTreeview& bar);
    // Node-button menus install their watch.
    static bool AllowHook(const TCustomExplorerTreeview& bar);
    // The row's buttons, the selection's first.
    static const std::vector<TNodeButton*>& NodeButtons(const TCustomExplorerTreeview& bar);
};
