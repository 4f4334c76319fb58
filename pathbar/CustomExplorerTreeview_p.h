#pragma once
// The path bar's private side: its state, the layout of its child controls,
// and the three objects the work is handed to (the folder source, the
// drop-down controller, the row of node buttons). Only the bar's own files
// include this header; child controls reach it through TBarChildAccess.

#include "framework/Bitmap.h"
#include "pathbar/CustomExplorerTreeview.h"
#include "pathbar/DropDownController_p.h"
#include "pathbar/FolderSource_p.h"
#include "pathbar/NodeButtonRow_p.h"

#include <QRect>
#include <memory>

class TDropDownButton;
class TLeftIcon;

class TCustomExplorerTreeviewPrivate {
public:
    explicit TCustomExplorerTreeviewPrivate(TCustomExplorerTreeview& bar);
    ~TCustomExplorerTreeviewPrivate();
    TCustomExplorerTreeviewPrivate(const TCustomExplorerTreeviewPrivate&) = delete;
    TCustomExplorerTreeviewPrivate& operator=(const TCustomExplorerTreeviewPrivate&) = delete;

    TCustomExplorerTreeview& Bar() const { return FBar; }

    // --- Named calls the concern objects make to the bar -------------------
    QString BuildNodePath(TKestTreeNode* node, bool useFolderPrefix) const
    {
        return FBar.BuildNodePath(node, useFolderPrefix);
    }
    QString FolderPrefix() const { return FBar.FolderPrefix(); }
    void SetInternalText(const QString& value) { FBar.SetInternalText(value); }
    void SetEditMode(bool value) { FBar.SetEditMode(value); }
    // The bar takes the focus with all its text selected.
    void FocusAndSelectAll();
    // The history button shows pressed while its window is open.
    void SetDropDownButtonDown(bool down);
    // The node images changed size: the left icon and the text move over.
    void ImagesResized();
    // aeSystem and aeFolder: the tree is the folder source's.
    bool IsFolderMode() const { return FMode == aeSystem || FMode == aeFolder; }
    // The node belongs to this bar's tree.
    bool IsOwnNode(TKestTreeNode* node) const;
    // The image list node images come from: the folder source's in the
    // folder modes, Images in aeCustom.
    TCustomImageList* GetImageList() const;

    // --- Focus ---------------------------------------------------------------
    // Whether the focus is in the bar or one of its drop-down windows, with
    // editing enabled.
    bool IsEditorFocused() const;
    // Whether the frame and left icon are drawn focused: the bar has the
    // focus, or one of its lists has it on the bar's behalf.
    bool HasFocusLook() const;

    // --- Layout (client coordinates; -1 rectangles when absent) -------------
    struct TBorderColors {
        TColor Outer;
        TColor Inner;
    };
    // The frame's two border colours, focused or not (see HasFocusLook).
    TBorderColors BorderColors() const;
    int GetBorderWidth() const;
    int GetImageAreaWidth() const;
    QRect GetImageRect() const;
    QRect GetRefreshButtonRect() const;
    QRect GetDropDownButtonRect() const;
    QRect GetNodeAreaRect() const;
    void PositionNodeButtons();

    // --- State ---------------------------------------------------------------
    TZPXStyle FZPXStyle = tsCustom;
    std::unique_ptr<TKestTreeNodes> FTreeNodes;
    TCustomImageList* FImages = nullptr;
    TKestTreeNode* FSelectedNode = nullptr;
    bool FRefreshButton = false;
    std::unique_ptr<TExpTreeviewAppearance> FAppearance;
    // Child controls are owned by the bar as their component owner.
    TDropDownButton* FDropDownButton = nullptr;
    TDropDownButton* FRefreshBtn = nullptr;
    bool FMouseInControl = false;
    bool FShowImage = false;
    TLeftIcon* FLeftIcon = nullptr;
    int FMaxDropHeight = 150;
    std::unique_ptr<TBitmap> FRefreshGlyph;
    QString FText;
    bool FAutoComplete = true;
    bool FEditorEnabled = false;
    TKestExplorerTreeviewMode FMode = aeSystem;
    int FRefreshImageIndex = -1;
    QString FFolderPath;
    bool FAutoDropDownFill = true;
    int FUpdateCount = 0;
    bool FShowHiddenFolders = false;
    bool FEditMode = false;
    bool FIsInternal = false;
    bool FBufferedDraw = false;
    TEditStyle FEditStyle = esList;
    bool FUpdateInternalText = false;
    bool FShowAutoCL = false;
    bool FAllowHook = true;
    // The key being handled ran the key-press step.
    bool FKeyPressStepRan = false;

    TFolderSource FFolders;
    TDropDownController FDropDowns;
    TNodeButtonRow FButtonRow;

private:
    TCustomExplorerTreeview& FBar;
};
