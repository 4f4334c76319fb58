#pragma once
// The path bar: a one-line bar showing the selected node of a tree as its
// path, built on the single-line edit. This class holds the behaviour; the
// published class TKestExplorerTreeview exposes it to stored layouts.
//
// The bar's work is split by concern over several files:
//   CustomExplorerTreeview.cpp   construction, properties, selection, paths
//   ExplorerTreeviewEvents.cpp   window events and the registered messages
//   ExplorerTreeviewLists.cpp    the history and auto-complete lists
//   ExplorerTreeviewButtons.cpp  node buttons and layout
//   ExplorerTreeviewFolders.cpp  the folder source
//   ExplorerTreeviewPainting.cpp frame and background colours
//   ExplorerTreeviewDropDown.cpp the history window
//   ExplorerTreeviewEditing.cpp  edit mode and the auto-complete window
// Its child controls paint themselves (NodeButton, DropDownButton, LeftIcon)
// with the routines of ButtonDrawing; ChildMenu builds and watches the
// node buttons' menus; DropForm and ExplorerTreeviewListBox are the
// drop-down windows and their lists.

#include "framework/Bitmap.h"
#include "framework/CustomEdit.h"
#include "pathbar/AutoCompleteList.h"
#include "pathbar/DbgList.h"
#include "pathbar/ExpTreeviewAppearance.h"
#include "pathbar/ExplorerTreeviewTypes.h"
#include "pathbar/KestTreeNodes.h"
#include "styles/StyleInterfaces.h"

#include <QPointer>
#include <QHash>
#include <QSet>
#include <memory>
#include <vector>

class TDropDownButton;
class TDropForm;
class TExplorerTreeviewListBox;
class TLeftIcon;
class TNodeButton;
class TNodeButtonRow;
class TCustomForm;
class TCustomImageList;

class TCustomExplorerTreeview : public TCustomEdit, public IZPXStyle, private ITreeNodesOwner {
    Q_OBJECT
public:
    explicit TCustomExplorerTreeview(TComponent* AOwner);
    ~TCustomExplorerTreeview() override;

    // Registers the bar's classes, event types and window messages; called
    // once at program start.
    static void RegisterModule();

    // The four window messages the bar posts to itself or accepts.
    static int ET_HIDEDROPDOWN();
    static int ET_SETFOLDERPATH();
    static int ET_TRACKKEYPRESS();
    static int ET_SETEDITRECT();

    // --- Tree and selection -------------------------------------------------
    TKestTreeNodes* Items() const { return FTreeNodes.get(); }
    void SetItems(TKestTreeNodes* Value);
    TKestTreeNode* SelectedNode() const { return FSelectedNode; }
    void SetSelectedNode(TKestTreeNode* Value);
    // The user's choice of a node (a button, a menu or list entry): as
    // SetSelectedNode, but a folder deleted since it was listed raises
    // "Invalid Folder Path" after its parent has been listed again.
    void ChooseNode(TKestTreeNode* Node);
    QString GetNodePath(TKestTreeNode* Node) const { return BuildNodePath(Node, true); }
    void Clear();
    void BeginUpdate();
    void EndUpdate();
    bool IsUpdating() const { return FUpdateCount > 0; }

    // The path text: what the editor holds in edit mode, otherwise the
    // selection's path (or what was typed, with esEdit).
    QString Text() const;
    void SetText(const QString& Value);

    // --- Folder source ------------------------------------------------------
    void LoadDirectoryStructure(TBaseNode BaseNode, const QString& path, bool ClearOldNodes);
    void AddSubFolders(const QString& path, TKestTreeNode* ParentNode);
    void RefreshSubFolders(TKestTreeNode* ParentNode);
    QString GetSelectedFolder() const;
    void SetSelectedFolder(const QString& Path, bool Immediately);

    // --- History list -------------------------------------------------------
    void AddToDropDownList(TKestTreeNode* Node);
    void RemoveFromDropDownList(TKestTreeNode* Node);
    void RemoveFromDropDownList(int Index);
    void ClearDropDownList();
    TKestTreeNode* GetDropDownList(int Index) const;
    int DropDownListCount() const { return FDropDownList.Count(); }

    // --- Auto-complete list -------------------------------------------------
    void PopulateAutoCompleteList();
    const TAutoCompleteList& AutoCompleteList() const { return FAutoCompleteList; }

    // --- Styles -------------------------------------------------------------
    // Fills the appearance records with the style's preset colours (tsCustom
    // keeps them) and remembers the style.
    void SetComponentStyle(TZPXStyle AStyle) override;
    TZPXStyle GetComponentStyle() const { return FZPXStyle; }

    // --- Properties ---------------------------------------------------------
    TExpTreeviewAppearance* Appearance() const { return FAppearance.get(); }
    void SetAppearance(TExpTreeviewAppearance* Value);
    bool AutoComplete() const { return FAutoComplete; }
    void SetAutoComplete(bool Value);
    bool AutoDropDownFill() const { return FAutoDropDownFill; }
    void SetAutoDropDownFill(bool Value);
    bool DropDownButton() const;
    void SetDropDownButton(bool Value);
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool Value);
    TEditStyle EditStyle() const { return FEditStyle; }
    void SetEditStyle(TEditStyle Value) { FEditStyle = Value; }
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    int MaxDropHeight() const { return FMaxDropHeight; }
    void SetMaxDropHeight(int Value);
    TKestExplorerTreeviewMode Mode() const { return FMode; }
    void SetMode(TKestExplorerTreeviewMode Value) { FMode = Value; }
    QString FolderPath() const { return FFolderPath; }
    void SetFolderPath(const QString& Value);
    bool RefreshButton() const { return FRefreshButton; }
    void SetRefreshButton(bool Value);
    TBitmap* RefreshGlyph() const { return FRefreshGlyph.get(); }
    void SetRefreshGlyph(TBitmap* Value);
    int RefreshImageIndex() const { return FRefreshImageIndex; }
    void SetRefreshImageIndex(int Value);
    bool ShowImage() const { return FShowImage; }
    void SetShowImage(bool Value);
    bool ShowHiddenFolders() const { return FShowHiddenFolders; }
    void SetShowHiddenFolders(bool Value) { FShowHiddenFolders = Value; }
    QString Version() const;
    void SetVersion(const QString&) {}
    TZPXStyle UIStyle() const { return FZPXStyle; }
    void SetUIStyle(TZPXStyle Value) { SetComponentStyle(Value); }
    bool BufferedDraw() const { return FBufferedDraw; }
    void SetBufferedDraw(bool Value) { FBufferedDraw = Value; }
    bool MouseInControl() const { return FMouseInControl; }
    bool EditMode() const { return FEditMode; }
    // Whether node-button menus install their watch (always).
    bool AllowHook() const { return FAllowHook; }
    // Whether the history window is open.
    bool IsDroppedDown() const;
    // The open history and auto-complete windows and their lists, or none.
    TDropForm* DropForm() const;
    TExplorerTreeviewListBox* DropListBox() const;
    TDropForm* AutoCompleteForm() const;
    TExplorerTreeviewListBox* AutoCompleteListBox() const;

    // The image list node images come from: the folder source's in the
    // folder modes, Images in aeCustom.
    TCustomImageList* GetImageList() const;
    // The bar's child controls, for the button and window classes.
    TDropDownButton* DropDownButtonControl() const { return FDropDownButton; }
    TDropDownButton* RefreshButtonControl() const { return FRefreshBtn; }
    TLeftIcon* LeftIcon() const { return FLeftIcon; }
    const std::vector<TNodeButton*>& NodeButtons() const;

    // --- Layout (client coordinates; -1 rectangles when absent) -------------
    int GetBorderWidth() const;
    int GetImageAreaWidth() const;
    QRect GetImageRect() const;
    QRect GetRefreshButtonRect() const;
    QRect GetDropDownButtonRect() const;
    QRect GetNodeAreaRect() const;
    void PositionNodeButtons();

    // --- Events -------------------------------------------------------------
    TNotifyEvent OnRefreshClick;
    TNotifyEvent OnBeforeDropDown;
    TNotifyEvent OnShowEdit;
    TNotifyEvent OnHideEdit;
    TPopulateChildEvent OnPopulateChildNode;
    TNodeEvent OnSelect;
    TNodePopulateEvent OnNodePopulate;

    // Makes every node of the bar's tree; a derived bar may make its own class.
    TKestTreeNode* CreateNode() override;

    void Loaded() override;
    void DefineProperties(TFiler* Filer) override;

    // Whether the focus is in the bar or one of its drop-down windows, with
    // editing enabled.
    bool IsEditorFocused() const;
    // Whether the frame and left icon are drawn focused: the bar has the
    // focus, or one of its lists has it on the bar's behalf.
    bool HasFocusLook() const;

protected:
    virtual quint32 GetVersionNr() const;
    virtual TKestTreeNodes* CreateNodes();
    virtual TCustomForm* GetOwnerForm(QWidget* Control) const;
    virtual void UpdateEditRect();

    void Notification(TComponent* AComponent, TOperation Operation) override;

    // Window events.
    bool event(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    // Keys typed into an open drop-down list go to the edit (see IsListKey).
    bool eventFilter(QObject* Watched, QEvent* e) override;
    // Down and F4 open the history window, after the program's OnKeyDown.
    void KeyDown(int& Key, TShiftState Shift) override;
    // The program's OnKeyPress first, then the bar's step for what is left.
    void KeyPress(QChar& Key) override;
    void paintEvent(QPaintEvent* e) override;

    QString BuildNodePath(TKestTreeNode* Node, bool UseFolderPrefix) const;
    // What GetNodePath puts in front of a path in aeFolder (FolderPath with
    // a trailing separator), otherwise empty.
    QString FolderPrefix() const;
    // The selection's path as the bar shows it (empty for the top folder
    // node in aeFolder).
    QString ShownPath(TKestTreeNode* Node) const;
    void SetInternalText(const QString& Value);
    void Reselect();

    // Layout and node buttons.
    void UpdateLeftIconPosition();
    void UpdateButtonPositions();
    void UpdateLayout();
    void BuildNodeButtons();
    void ClearNodeButtons();
    void UpdateLeftIcon();

    // Drop-down windows and edit mode.
    void ShowDropDown();
    void CloseDropDown();
    // The history button's press: opens the window unless it is open or a
    // press on the button just closed it.
    void DropDownButtonMouseDown();
    void SetEditMode(bool Value);
    void ShowAutoCompleteList();
    void CloseAutoCompleteList();
    // The bar's own step for a typed character (null for other edits):
    // the internal text and the auto-complete list follow.
    void KeyPressStep(QChar& Key);

    // Painting.
    void PaintFrame();
    void AppearanceChanged();
    void ApplyColor(TColor Value);

private:
    struct TListingGuard;
    struct TBorderColors {
        TColor Outer;
        TColor Inner;
    };

    // The frame's two border colours, focused or not (see HasFocusLook).
    TBorderColors BorderColors() const;
    // aeSystem and aeFolder: the tree is the folder source's.
    bool IsFolderMode() const { return FMode == aeSystem || FMode == aeFolder; }
    // A visited node and its children, for the history window.
    void AddWithChildrenToDropDownList(TKestTreeNode* Node);

    // What the node collection tells the bar.
    void NodeAdded(TKestTreeNode* Node) override;
    void NodeDeleted(TKestTreeNode* Node) override;
    void NodeTextChanged(TKestTreeNode* Node) override;
    void NodesCleared() override;
    bool IsOwnerLoading() const override { return IsLoading(); }
    bool IsOwnerDestroying() const override { return IsDestroying(); }

    // Folder source.
    void EnsureInternalImages();
    int IconIndex(const QString& key);
    QString FolderOfNode(TKestTreeNode* Node) const;
    void LoadDesktop();
    void AddComputerNode(TKestTreeNode* Desktop);
    void AddComputerItems();
    bool IsGoneFolder(TKestTreeNode* Node) const;
    void LoadFolder(const QString& path);
    bool IsDriveRoot(const QString& folder) const;
    TKestTreeNode* AddDriveRoot(const QString& folder);
    TKestTreeNode* AddFolderRoot(const QString& folder);
    // The node of a level (First and its siblings) named Segment, or none.
    TKestTreeNode* FindInLevel(TKestTreeNode* First, const QString& Segment) const;
    // Selects a node of a walk; false when the walk must stop.
    bool SelectOnWalk(TKestTreeNode* Node);
    void WalkFolderTree(const QString& Path, const QStringList& Segments);
    void WalkComputer(const QStringList& Segments);
    // A node is about to be destroyed: listings filling it stop.
    void NodeGoing(TKestTreeNode* Node);

    void HandleRegisteredMessage(int Msg);

    // Drop-down windows (ExplorerTreeviewDropDown.cpp).
    TDropForm* NewDropForm(int Width, const TKeyEvent& KeyDown, const TKeyPressEvent& KeyPress);
    TExplorerTreeviewListBox* NewDropList(TDropForm* Form);
    // Sizes the window to its list (at most MaxDropHeight), gives the list
    // the keys and shows the window under the bar's point Origin, or above
    // the bar near the screen's bottom.
    void ShowDropForm(TDropForm* Form, TExplorerTreeviewListBox* List, QPoint Origin, int BelowOverlap);
    // Closes a drop-down window and forgets it and its list; false when none
    // was open.
    static bool ForgetDropForm(QPointer<TDropForm>& Form, QPointer<TExplorerTreeviewListBox>& List);
    void FillDropDownListBox();
    // The first history entry whose path equals Path ignoring case, or -1.
    int DropDownIndexOf(const QString& Path) const;
    void ListBoxClick();
    void ListKeyDown(int& Key);
    void ListKeyPress(QChar& Key);
    void DropFormDeactivate(QObject* Sender);
    // A node chosen in a drop-down list, once the window has gone: by a
    // click it is selected; by Enter it is selected, or, when it already is,
    // its full path shown; then the focus comes back with all text selected.
    void ClickChoice(TKestTreeNode* Node);
    void EnterChoice(TKestTreeNode* Node);
    void FocusAndSelectAll();
    // Whether the focus left for, or came back from, a pop-up (a drop-down
    // window, the edit's context menu): editing goes on as if the bar kept
    // the focus.
    bool IsPopupFocusChange(QFocusEvent* e) const;
    // The keys an open drop-down list handles itself: moving and choosing.
    static bool IsListKey(int Key);
    // Keys that change the text: typed characters, deleting, cut, paste, undo.
    static bool IsEditingKey(const QKeyEvent* e);
    bool IsOwnDropWindow(const QObject* Object) const;

    // Auto-complete window (ExplorerTreeviewEditing.cpp).
    void FilterAutoCompleteList();
    // The auto-complete list changed while its window is open.
    void AutoCompleteListChanged();
    void AutoCompleteListClick();
    void AutoCompleteKeyPress(QChar& Key);
    void AutoCompleteKeyDown(int& Key);
    void AddAutoCompleteEntries(TKestTreeNode* Node);
    bool ListsFollowTree(bool removing) const;
    bool IsOwnNode(TKestTreeNode* Node) const;
    void CreateRefreshButton();

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
    // The drop-down windows free themselves when closed.
    QPointer<TDropForm> FDropForm;
    QPointer<TExplorerTreeviewListBox> FListBox;
    int FMaxDropHeight = 150;
    QPointer<TDropForm> FAutoComForm;
    QPointer<TExplorerTreeviewListBox> FAutoComListBox;
    std::unique_ptr<TNodeButtonRow> FButtonRow;
    std::unique_ptr<TBitmap> FRefreshGlyph;
    TDbgList FDropDownList;
    // Membership of the history list, so adding stays cheap for large folders.
    QSet<TKestTreeNode*> FDropDownSet;
    QString FText;
    bool FCloseClick = false;
    bool FAutoComplete = true;
    TAutoCompleteList FAutoCompleteList;
    // What the open auto-complete window shows.
    std::shared_ptr<const TAutoCompleteList::TMatches> FAutoCompleteMatches;
    bool FEditorEnabled = false;
    TKestExplorerTreeviewMode FMode = aeSystem;
    int FRefreshImageIndex = -1;
    // Owned; created by the folder source on its first load.
    TCustomImageList* FInternalImages = nullptr;
    QString FFolderPath;
    bool FAutoDropDownFill = true;
    TKestTreeNode* FMyComputerNode = nullptr;
    // The desktop node of a tree loaded from the desktop.
    TKestTreeNode* FDesktopNode = nullptr;
    int FUpdateCount = 0;
    QString FNewSelectedFolderPath;
    bool FShowHiddenFolders = false;
    bool FEditMode = false;
    bool FIsInternal = false;
    bool FBufferedDraw = false;
    TEditStyle FEditStyle = esList;
    bool FUpdateInternalText = false;
    bool FShowAutoCL = false;
    bool FAllowHook = true;
    // The focus went to a pop-up and comes back when it closes.
    bool FFocusInPopup = false;
    // The key being handled ran the key-press step.
    bool FKeyPressStepRan = false;
    // Folder source state: icons loaded so far by key, listings in progress,
    // and a count of node deletions that lets a walk notice a changed tree.
    QHash<QString, int> FIconIndexes;
    std::vector<TListingGuard*> FListingGuards;
    quint64 FTreeGeneration = 0;
};
