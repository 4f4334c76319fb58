#pragma once
// The drop-down controller: the history window and list, the auto-complete
// window and list, and whether the focus went into one of those windows.
// Both lists follow the bar's tree as nodes come, go and are renamed.

#include "framework/Events.h"
#include "pathbar/AutoCompleteList.h"
#include "pathbar/HistoryList_p.h"

#include <QPointer>
#include <memory>

class QFocusEvent;
class QObject;
class QPoint;
class TCustomExplorerTreeviewPrivate;
class TDropForm;
class TExplorerTreeviewListBox;
class TKestTreeNode;

class TDropDownController {
public:
    explicit TDropDownController(TCustomExplorerTreeviewPrivate& owner);
    ~TDropDownController();
    TDropDownController(const TDropDownController&) = delete;
    TDropDownController& operator=(const TDropDownController&) = delete;

    // --- The lists ---------------------------------------------------------
    THistoryList& History() { return FHistory; }
    const THistoryList& History() const { return FHistory; }
    // Adds a node of the bar's own tree to the history, once.
    void AddToHistory(TKestTreeNode* node);
    // A visited node and its children.
    void AddWithChildrenToHistory(TKestTreeNode* node);
    const TAutoCompleteList& AutoCompleteList() const { return FAutoCompleteList; }
    void PopulateAutoCompleteList();
    // What the tree tells the bar, for the lists and open windows.
    void NodeAdded(TKestTreeNode* node);
    void NodeDeleted(TKestTreeNode* node);
    void NodeTextChanged(TKestTreeNode* node);
    // The bar is going: the lists forget their nodes first.
    void ClearLists();

    // --- The windows -------------------------------------------------------
    TDropForm* DropForm() const;
    TExplorerTreeviewListBox* DropListBox() const;
    TDropForm* AutoCompleteForm() const;
    TExplorerTreeviewListBox* AutoCompleteListBox() const;
    bool IsDroppedDown() const;
    void ShowDropDown();
    void CloseDropDown();
    // The history button's press: opens the window unless it is open or a
    // press on the button just closed it.
    void DropDownButtonMouseDown();
    void ShowAutoCompleteList();
    void CloseAutoCompleteList();
    // Frees the open windows at once, before the bar they report to.
    void DeleteWindows();
    bool IsOwnDropWindow(const QObject* object) const;

    // --- Focus -------------------------------------------------------------
    // Whether one of the windows or their lists has the focus.
    bool HasFocus() const;
    // The focus went to a pop-up of the bar and a window is open: the bar
    // keeps its focused look.
    bool FocusInOpenWindow() const;
    void SetFocusInPopup(bool value) { FFocusInPopup = value; }
    // Whether the focus left for, or came back from, a pop-up (a drop-down
    // window, the edit's context menu): editing goes on as if the bar kept
    // the focus.
    bool IsPopupFocusChange(QFocusEvent* e) const;

private:
    TDropForm* NewDropForm(int width, const TKeyEvent& keyDown, const TKeyPressEvent& keyPress);
    TExplorerTreeviewListBox* NewDropList(TDropForm* form);
    // Sizes the window to its list (at most MaxDropHeight), gives the list
    // the keys and shows the window under the bar's point origin, or above
    // the bar near the screen's bottom.
    void ShowDropForm(TDropForm* form, TExplorerTreeviewListBox* list, QPoint origin, int belowOverlap);
    // Closes a drop-down window and forgets it and its list; false when none
    // was open.
    static bool ForgetDropForm(QPointer<TDropForm>& form, QPointer<TExplorerTreeviewListBox>& list);
    void FillDropDownListBox();
    // The first history entry whose path equals path ignoring case, or -1.
    int DropDownIndexOf(const QString& path) const;
    void ListBoxClick();
    void ListKeyDown(int& key);
    void ListKeyPress(QChar& key);
    void DropFormDeactivate(QObject* sender);
    // A node chosen in a drop-down list, once the window has gone: by a
    // click it is selected; by Enter it is selected, or, when it already is,
    // its full path shown; then the focus comes back with all text selected.
    void ClickChoice(TKestTreeNode* node);
    void EnterChoice(TKestTreeNode* node);
    // The node of the open list's chosen row, read as the list's window
    // closes: the window goes before the choice is acted on, since the
    // choice may list a large folder.
    TKestTreeNode* CloseWithChoice(TExplorerTreeviewListBox* list, void (TDropDownController::*close)());

    void FilterAutoCompleteList();
    // The auto-complete list changed while its window is open.
    void AutoCompleteListChanged();
    void AutoCompleteListClick();
    void AutoCompleteKeyPress(QChar& key);
    void AutoCompleteKeyDown(int& key);
    void AddAutoCompleteEntries(TKestTreeNode* node);
    bool ListsFollowTree(bool removing) const;

    TCustomExplorerTreeviewPrivate& FOwner;
    THistoryList FHistory;
    TAutoCompleteList FAutoCompleteList;
    // What the open auto-complete window shows.
    std::shared_ptr<const TAutoCompleteList::TMatches> FAutoCompleteMatches;
    // The windows free themselves when closed.
    QPointer<TDropForm> FDropForm;
    QPointer<TExplorerTreeviewListBox> FListBox;
    QPointer<TDropForm> FAutoComForm;
    QPointer<TExplorerTreeviewListBox> FAutoComListBox;
    bool FCloseClick = false;
    // The focus went to a pop-up and comes back when it closes.
    bool FFocusInPopup = false;
};
