#pragma once
// The path bar: a one-line bar showing the selected node of a tree as its
// path, built on the single-line edit. This class holds the behaviour; the
// published class TKestExplorerTreeview exposes it to stored layouts.
//
// Its state lives on its private side (CustomExplorerTreeview_p.h), which
// hands the work to three objects: the folder source (FolderSource), the
// drop-down controller (DropDownController: history and auto-complete
// windows and lists) and the row of node buttons (NodeButtonRow). This
// class's own files:
//   CustomExplorerTreeview.cpp   construction, properties, selection, paths
//   ExplorerTreeviewEvents.cpp   window events and the registered messages
//   ExplorerTreeviewLayout.cpp   child control rectangles and node buttons
//   ExplorerTreeviewPainting.cpp frame and background colours
//   ExplorerTreeviewEditing.cpp  edit mode
// Its child controls paint themselves (NodeButton, DropDownButton, LeftIcon)
// with the routines of ButtonDrawing; ChildMenu builds and watches the
// node buttons' menus; DropForm and ExplorerTreeviewListBox are the
// drop-down windows and their lists.

#include "framework/CustomEdit.h"
#include "pathbar/AutoCompleteList.h"
#include "pathbar/ExpTreeviewAppearance.h"
#include "pathbar/ExplorerTreeviewTypes.h"
#include "pathbar/InternalVisibility.h"
#include "pathbar/KestTreeNodes.h"
#include "styles/StyleInterfaces.h"

#include <memory>

#pragma GCC visibility push(default)

class TBitmap;
class KEST_INTERNAL TCustomExplorerTreeviewPrivate; // not exported: the bar's inside
class TCustomForm;
class TCustomImageList;

class TCustomExplorerTreeview : public TCustomEdit, public IZPXStyle, private ITreeNodesOwner {
    Q_OBJECT
public:
    explicit TCustomExplorerTreeview(TComponent* owner);
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
    TKestTreeNodes* Items() const;
    void SetItems(TKestTreeNodes* value);
    TKestTreeNode* SelectedNode() const;
    void SetSelectedNode(TKestTreeNode* value);
    // The user's choice of a node (a button, a menu or list entry): as
    // SetSelectedNode, but a folder deleted since it was listed raises
    // "Invalid Folder Path" after its parent has been listed again.
    void ChooseNode(TKestTreeNode* node);
    QString GetNodePath(TKestTreeNode* node) const { return BuildNodePath(node, true); }
    void Clear();
    void BeginUpdate();
    void EndUpdate();
    bool IsUpdating() const;

    // The path text: what the editor holds in edit mode, otherwise the
    // selection's path (or what was typed, with esEdit).
    QString Text() const;
    void SetText(const QString& value);

    // --- Folder source ------------------------------------------------------
    void LoadDirectoryStructure(TBaseNode baseNode, const QString& path, bool clearOldNodes);
    void AddSubFolders(const QString& path, TKestTreeNode* parentNode);
    void RefreshSubFolders(TKestTreeNode* parentNode);
    QString GetSelectedFolder() const;
    void SetSelectedFolder(const QString& path, bool immediately);

    // --- History list -------------------------------------------------------
    void AddToDropDownList(TKestTreeNode* node);
    void RemoveFromDropDownList(TKestTreeNode* node);
    void RemoveFromDropDownList(int index);
    void ClearDropDownList();
    TKestTreeNode* GetDropDownList(int index) const;
    int DropDownListCount() const;

    // --- Auto-complete list -------------------------------------------------
    void PopulateAutoCompleteList();
    const TAutoCompleteList& AutoCompleteList() const;

    // --- Styles -------------------------------------------------------------
    // Fills the appearance records with the style's preset colours (tsCustom
    // keeps them) and remembers the style.
    void SetComponentStyle(TZPXStyle style) override;
    TZPXStyle GetComponentStyle() const;

    // --- Properties ---------------------------------------------------------
    TExpTreeviewAppearance* Appearance() const;
    void SetAppearance(TExpTreeviewAppearance* value);
    bool AutoComplete() const;
    void SetAutoComplete(bool value);
    bool AutoDropDownFill() const;
    void SetAutoDropDownFill(bool value);
    bool DropDownButton() const;
    void SetDropDownButton(bool value);
    bool EditorEnabled() const;
    void SetEditorEnabled(bool value);
    TEditStyle EditStyle() const;
    void SetEditStyle(TEditStyle value);
    TCustomImageList* Images() const;
    void SetImages(TCustomImageList* value);
    int MaxDropHeight() const;
    void SetMaxDropHeight(int value);
    TKestExplorerTreeviewMode Mode() const;
    void SetMode(TKestExplorerTreeviewMode value);
    QString FolderPath() const;
    void SetFolderPath(const QString& value);
    bool RefreshButton() const;
    void SetRefreshButton(bool value);
    TBitmap* RefreshGlyph() const;
    void SetRefreshGlyph(TBitmap* value);
    int RefreshImageIndex() const;
    void SetRefreshImageIndex(int value);
    bool ShowImage() const;
    void SetShowImage(bool value);
    bool ShowHiddenFolders() const;
    void SetShowHiddenFolders(bool value);
    QString Version() const;
    void SetVersion(const QString&) {}
    TZPXStyle UIStyle() const;
    void SetUIStyle(TZPXStyle value) { SetComponentStyle(value); }
    bool BufferedDraw() const;
    void SetBufferedDraw(bool value);
    bool MouseInControl() const;
    bool EditMode() const;
    // Whether the history window is open.
    bool IsDroppedDown() const;

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
    void DefineProperties(TFiler* filer) override;

protected:
    virtual quint32 GetVersionNr() const;
    virtual TKestTreeNodes* CreateNodes();
    virtual TCustomForm* GetOwnerForm(QWidget* control) const;
    virtual void UpdateEditRect();

    void Notification(TComponent* component, TOperation operation) override;

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
    bool eventFilter(QObject* watched, QEvent* e) override;
    // Down and F4 open the history window, after the program's OnKeyDown.
    void KeyDown(int& key, TShiftState shift) override;
    // The program's OnKeyPress first, then the bar's step for what is left.
    void KeyPress(QChar& key) override;
    void paintEvent(QPaintEvent* e) override;

    QString BuildNodePath(TKestTreeNode* node, bool useFolderPrefix) const;
    // What GetNodePath puts in front of a path in aeFolder (FolderPath with
    // a trailing separator), otherwise empty.
    QString FolderPrefix() const;
    // The selection's path as the bar shows it (empty for the top folder
    // node in aeFolder).
    QString ShownPath(TKestTreeNode* node) const;
    void SetInternalText(const QString& value);
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
    void SetEditMode(bool value);
    void ShowAutoCompleteList();
    void CloseAutoCompleteList();
    // The bar's own step for a typed character (null for other edits):
    // the internal text and the auto-complete list follow.
    void KeyPressStep(QChar& key);

    // Painting.
    void PaintFrame();
    void AppearanceChanged();
    void ApplyColor(TColor value);

private:
    friend class TCustomExplorerTreeviewPrivate;
    // Narrow ways in for the bar's child controls and for tests.
    friend class TBarChildAccess;
    friend class TExplorerTreeviewTestAccess;

    // What the node collection tells the bar.
    void NodeAdded(TKestTreeNode* node) override;
    void NodeDeleted(TKestTreeNode* node) override;
    void NodeTextChanged(TKestTreeNode* node) override;
    void NodesCleared() override;
    bool IsOwnerLoading() const override { return IsLoading(); }
    bool IsOwnerDestroying() const override { return IsDestroying(); }

    void HandleRegisteredMessage(int msg);
    // The keys an open drop-down list handles itself: moving and choosing.
    static bool IsListKey(int key);
    // Keys that change the text: typed characters, deleting, cut, paste, undo.
    static bool IsEditingKey(const QKeyEvent* e);
    void CreateRefreshButton();

    std::unique_ptr<TCustomExplorerTreeviewPrivate> FPrivate;
};

#pragma GCC visibility pop
