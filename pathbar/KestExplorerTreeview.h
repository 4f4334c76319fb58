#pragma once
// The path bar as programs and stored layouts see it: every published
// property of the bar. This header is the module's umbrella.

#include "pathbar/CustomExplorerTreeview.h"
#include "pathbar/DropDownButton.h"
#include "pathbar/ExpTreeviewAppearance.h"
#include "pathbar/KestTreeNode.h"
#include "pathbar/KestTreeNodes.h"
#include "pathbar/LeftIcon.h"
#include "pathbar/NodeButton.h"
#include "pathbar/TreeViewError.h"

#include "framework/ImageList.h"
#include "framework/Menus.h"
#include "framework/SizeConstraints.h"

#pragma GCC visibility push(default)

class TKestExplorerTreeview : public TCustomExplorerTreeview {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    // Framework properties.
    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(int Top READ Top WRITE SetTop)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(KestEnums::TAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(KestEnums::TAnchors Anchors READ Anchors WRITE SetAnchors)
    Q_PROPERTY(TSizeConstraints* Constraints READ Constraints WRITE SetConstraints)
    Q_PROPERTY(TFont* Font READ Font WRITE SetFont)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(bool ParentShowHint READ ParentShowHint WRITE SetParentShowHint)
    Q_PROPERTY(TPopupMenu* PopupMenu READ PopupMenu WRITE SetPopupMenu)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
    Q_PROPERTY(int TabOrder READ TabOrder WRITE SetTabOrder)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(TNotifyEvent OnChange READ GetOnChange WRITE SetOnChange)
    Q_PROPERTY(TNotifyEvent OnClick READ GetOnClick WRITE SetOnClick)
    Q_PROPERTY(TNotifyEvent OnDblClick READ GetOnDblClick WRITE SetOnDblClick)
    Q_PROPERTY(TDragDropEvent OnDragDrop READ GetOnDragDrop WRITE SetOnDragDrop)
    Q_PROPERTY(TDragOverEvent OnDragOver READ GetOnDragOver WRITE SetOnDragOver)
    Q_PROPERTY(TEndDragEvent OnEndDrag READ GetOnEndDrag WRITE SetOnEndDrag)
    Q_PROPERTY(TNotifyEvent OnEnter READ GetOnEnter WRITE SetOnEnter)
    Q_PROPERTY(TNotifyEvent OnExit READ GetOnExit WRITE SetOnExit)
    Q_PROPERTY(TKeyEvent OnKeyDown READ GetOnKeyDown WRITE SetOnKeyDown)
    Q_PROPERTY(TKeyPressEvent OnKeyPress READ GetOnKeyPress WRITE SetOnKeyPress)
    Q_PROPERTY(TKeyEvent OnKeyUp READ GetOnKeyUp WRITE SetOnKeyUp)
    Q_PROPERTY(TMouseEvent OnMouseDown READ GetOnMouseDown WRITE SetOnMouseDown)
    Q_PROPERTY(TMouseMoveEvent OnMouseMove READ GetOnMouseMove WRITE SetOnMouseMove)
    Q_PROPERTY(TMouseEvent OnMouseUp READ GetOnMouseUp WRITE SetOnMouseUp)
    Q_PROPERTY(TStartDragEvent OnStartDrag READ GetOnStartDrag WRITE SetOnStartDrag)
    Q_PROPERTY(TEndDragEvent OnEndDock READ GetOnEndDock WRITE SetOnEndDock)
    Q_PROPERTY(TStartDockEvent OnStartDock READ GetOnStartDock WRITE SetOnStartDock)
    // The bar's own properties.
    Q_PROPERTY(TExpTreeviewAppearance* Appearance READ Appearance WRITE SetAppearance)
    Q_PROPERTY(bool AutoComplete READ AutoComplete WRITE SetAutoComplete)
    Q_PROPERTY(bool AutoDropDownFill READ AutoDropDownFill WRITE SetAutoDropDownFill)
    Q_PROPERTY(bool DropDownButton READ DropDownButton WRITE SetDropDownButton)
    Q_PROPERTY(bool EditorEnabled READ EditorEnabled WRITE SetEditorEnabled)
    Q_PROPERTY(KestPathBar::TEditStyle EditStyle READ EditStyle WRITE SetEditStyle)
    Q_PROPERTY(TCustomImageList* Images READ Images WRITE SetImages)
    Q_PROPERTY(TKestTreeNodes* Items READ Items WRITE SetItems)
    Q_PROPERTY(int MaxDropHeight READ MaxDropHeight WRITE SetMaxDropHeight)
    Q_PROPERTY(KestPathBar::TKestExplorerTreeviewMode Mode READ Mode WRITE SetMode)
    Q_PROPERTY(QString FolderPath READ FolderPath WRITE SetFolderPath)
    Q_PROPERTY(bool RefreshButton READ RefreshButton WRITE SetRefreshButton)
    Q_PROPERTY(TBitmap* RefreshGlyph READ RefreshGlyph WRITE SetRefreshGlyph)
    Q_PROPERTY(int RefreshImageIndex READ RefreshImageIndex WRITE SetRefreshImageIndex)
    Q_PROPERTY(bool ShowImage READ ShowImage WRITE SetShowImage)
    Q_PROPERTY(bool ShowHiddenFolders READ ShowHiddenFolders WRITE SetShowHiddenFolders)
    Q_PROPERTY(QString Version READ Version WRITE SetVersion)
    Q_PROPERTY(KestStyles::TZPXStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(TNotifyEvent OnRefreshClick READ GetOnRefreshClick WRITE SetOnRefreshClick)
    Q_PROPERTY(TNotifyEvent OnBeforeDropDown READ GetOnBeforeDropDown WRITE SetOnBeforeDropDown)
    Q_PROPERTY(TNotifyEvent OnShowEdit READ GetOnShowEdit WRITE SetOnShowEdit)
    Q_PROPERTY(TNotifyEvent OnHideEdit READ GetOnHideEdit WRITE SetOnHideEdit)
    Q_PROPERTY(TPopulateChildEvent OnPopulateChildNode READ GetOnPopulateChildNode WRITE SetOnPopulateChildNode)
    Q_PROPERTY(TNodeEvent OnSelect READ GetOnSelect WRITE SetOnSelect)
    Q_PROPERTY(TNodeEvent OnNodePopulate READ GetOnNodePopulate WRITE SetOnNodePopulate)

    Q_CLASSINFO("Default:Align", "alNone")
    Q_CLASSINFO("Default:Anchors", "[akLeft, akTop]")
    Q_CLASSINFO("Stored:Font", "IsFontStored")
    Q_CLASSINFO("Default:MaxLength", "0")
    Q_CLASSINFO("Default:ParentFont", "true")
    Q_CLASSINFO("Default:ParentShowHint", "true")
    Q_CLASSINFO("Default:ShowHint", "false")
    Q_CLASSINFO("Default:TabOrder", "-1")
    Q_CLASSINFO("Default:TabStop", "true")
    Q_CLASSINFO("Default:Visible", "true")
    Q_CLASSINFO("Default:AutoComplete", "true")
    Q_CLASSINFO("Default:AutoDropDownFill", "true")
    Q_CLASSINFO("Default:DropDownButton", "true")
    Q_CLASSINFO("Default:EditorEnabled", "false")
    Q_CLASSINFO("Default:EditStyle", "esList")
    Q_CLASSINFO("Default:MaxDropHeight", "150")
    Q_CLASSINFO("Default:Mode", "aeSystem")
    Q_CLASSINFO("Default:RefreshButton", "true")
    Q_CLASSINFO("Default:RefreshImageIndex", "-1")
    Q_CLASSINFO("Default:ShowImage", "true")
    Q_CLASSINFO("Default:ShowHiddenFolders", "false")
    Q_CLASSINFO("Default:UIStyle", "tsCustom")

public:
    explicit TKestExplorerTreeview(TComponent* owner);
    ~TKestExplorerTreeview() override;

    Q_INVOKABLE bool IsFontStored() const { return TControl::IsFontStored(); }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value) { FShowHint = value; }
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool value) { FParentShowHint = value; }
    bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
    void SetTabStop(bool value) { setFocusPolicy(value ? Qt::TabFocus : Qt::NoFocus); }

    TNotifyEvent GetOnRefreshClick() const { return OnRefreshClick; }
    void SetOnRefreshClick(const TNotifyEvent& e) { OnRefreshClick = e; }
    TNotifyEvent GetOnBeforeDropDown() const { return OnBeforeDropDown; }
    void SetOnBeforeDropDown(const TNotifyEvent& e) { OnBeforeDropDown = e; }
    TNotifyEvent GetOnShowEdit() const { return OnShowEdit; }
    void SetOnShowEdit(const TNotifyEvent& e) { OnShowEdit = e; }
    TNotifyEvent GetOnHideEdit() const { return OnHideEdit; }
    void SetOnHideEdit(const TNotifyEvent& e) { OnHideEdit = e; }
    TPopulateChildEvent GetOnPopulateChildNode() const { return OnPopulateChildNode; }
    void SetOnPopulateChildNode(const TPopulateChildEvent& e) { OnPopulateChildNode = e; }
    TNodeEvent GetOnSelect() const { return OnSelect; }
    void SetOnSelect(const TNodeEvent& e) { OnSelect = e; }
    TNodeEvent GetOnNodePopulate() const { return OnNodePopulate; }
    void SetOnNodePopulate(const TNodeEvent& e) { OnNodePopulate = e; }

private:
    bool FShowHint = false;
    bool FParentShowHint = true;
};

#pragma GCC visibility pop
