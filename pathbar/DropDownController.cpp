// The history window, the auto-complete window, and the two lists they show,
// kept in step with the bar's tree.

#include "pathbar/DropDownController_p.h"

#include "framework/ImageList.h"
#include "framework/WidgetLifetime.h"
#include "framework/platform/PathSeparator.h"
#include "pathbar/ChildMenu.h"
#include "pathbar/CustomExplorerTreeview_p.h"
#include "pathbar/DropForm.h"
#include "pathbar/ExplorerTreeviewListBox.h"
#include "pathbar/NodePath_p.h"

#include <QApplication>
#include <QCursor>
#include <QFocusEvent>
#include <QScreen>
#include <QTimer>

#include <vector>

TDropDownController::TDropDownController(TCustomExplorerTreeviewPrivate& owner) : FOwner(owner) {}

TDropDownController::~TDropDownController() = default;

// --- History list -------------------------------------------------------------

void TDropDownController::AddToHistory(TKestTreeNode* node)
{
    if (FOwner.IsOwnNode(node))
        FHistory.Add(node);
}

void TDropDownController::AddWithChildrenToHistory(TKestTreeNode* node)
{
    AddToHistory(node);
    for (TKestTreeNode* c = node->GetFirstChild(); c; c = c->GetNextSibling())
        AddToHistory(c);
}

// --- Auto-complete list ---------------------------------------------------------

bool TDropDownController::ListsFollowTree(bool removing) const
{
    const TCustomExplorerTreeview& bar = FOwner.Bar();
    return FOwner.Bar().AutoComplete() && !bar.IsDesigning() && !bar.IsLoading() && !(removing && bar.IsDestroying());
}

void TDropDownController::AddAutoCompleteEntries(TKestTreeNode* node)
{
    // Pre-order without recursion: the node, then its children in order.
    // Each child's path grows from its parent's, so a deep chain costs the
    // length of its paths, not that times the depth.
    const QString prefix = FOwner.FolderPrefix();
    std::vector<std::pair<TKestTreeNode*, QString>> pending{{node, NodePath::Chain(node)}};
    while (!pending.empty()) {
        auto [n, chain] = std::move(pending.back());
        pending.pop_back();
        FAutoCompleteList.Add(NodePath::FromChain(n, chain, prefix), n);
        for (TKestTreeNode* c = n->GetLastChild(); c; c = c->GetPrevSibling())
            pending.emplace_back(c, NodePath::ChildChain(chain, n, c));
    }
}

void TDropDownController::PopulateAutoCompleteList()
{
    if (!FOwner.Bar().AutoComplete())
        return;
    FAutoCompleteList.Clear();
    for (TKestTreeNode* n = FOwner.Bar().Items()->GetFirstNode(); n; n = n->GetNextSibling())
        AddAutoCompleteEntries(n);
    AutoCompleteListChanged();
}

void TDropDownController::ClearLists()
{
    FHistory.Clear();
    FAutoCompleteList.Clear();
}

// --- Following the tree ---------------------------------------------------------

void TDropDownController::NodeAdded(TKestTreeNode* node)
{
    // A node is linked before it is named; an unnamed leaf has no path of its
    // own yet and gets its entry when its text is set.
    if (node && ListsFollowTree(false) && !(node->Text().isEmpty() && !node->HasChildren())) {
        AddAutoCompleteEntries(node);
        AutoCompleteListChanged();
    }
}

void TDropDownController::NodeDeleted(TKestTreeNode* node)
{
    // The open lists and menu hold node references: they go rather than
    // offer a node that no longer exists.
    if (!FDropForm.isNull())
        CloseDropDown();
    if (!FAutoComForm.isNull())
        CloseAutoCompleteList();
    TChildMenuHook::CloseMenuOf(&FOwner.Bar());
    if (node && ListsFollowTree(true))
        FAutoCompleteList.RemoveNode(node);
    // Not while the whole tree or the bar goes: the history goes with them.
    if (node && !(node->Owner() && node->Owner()->Deleting()) && !FOwner.Bar().IsDestroying())
        FHistory.Remove(node);
}

void TDropDownController::NodeTextChanged(TKestTreeNode* node)
{
    if (!node || !ListsFollowTree(true))
        return;
    // The node may have no entry yet (it was named after it was added), so
    // it gets one in any case. The paths below it changed too: their
    // entries are made anew.
    const QString prefix = FOwner.FolderPrefix();
    std::vector<std::pair<TKestTreeNode*, QString>> pending{{node, NodePath::Chain(node)}};
    while (!pending.empty()) {
        auto [n, chain] = std::move(pending.back());
        pending.pop_back();
        const bool hadEntry = FAutoCompleteList.RemoveNode(n);
        if (hadEntry || n == node)
            FAutoCompleteList.Add(NodePath::FromChain(n, chain, prefix), n);
        for (TKestTreeNode* c = n->GetFirstChild(); c; c = c->GetNextSibling())
            pending.emplace_back(c, NodePath::ChildChain(chain, n, c));
    }
    AutoCompleteListChanged();
}

// --- What the two windows share -------------------------------------------------

TDropForm* TDropDownController::DropForm() const { return FDropForm; }

TExplorerTreeviewListBox* TDropDownController::DropListBox() const { return FListBox; }

TDropForm* TDropDownController::AutoCompleteForm() const { return FAutoComForm; }

TExplorerTreeviewListBox* TDropDownController::AutoCompleteListBox() const { return FAutoComListBox; }

bool TDropDownController::IsDroppedDown() const { return FDropForm && FDropForm->isVisible(); }

TDropForm* TDropDownController::NewDropForm(int width, const TKeyEvent& keyDown, const TKeyPressEvent& keyPress)
{
    TCustomExplorerTreeview& bar = FOwner.Bar();
    auto* form = new TDropForm(&bar);
    form->SetSizeable(false);
    form->resize(width, FOwner.Bar().MaxDropHeight());
    form->OnKeyDown = keyDown;
    form->OnKeyPress = keyPress;
    form->installEventFilter(&bar);
    return form;
}

TExplorerTreeviewListBox* TDropDownController::NewDropList(TDropForm* form)
{
    TCustomExplorerTreeview& bar = FOwner.Bar();
    auto* list = new TExplorerTreeviewListBox(form);
    list->SetParent(form);
    list->SetExplorerTreeview(&bar);
    list->SetCtl3D(false);
    list->SetAlign(alClient);
    // The keys reach whichever has the focus; both handle them alike.
    list->OnKeyDown = form->OnKeyDown;
    list->OnKeyPress = form->OnKeyPress;
    list->installEventFilter(&bar);
    return list;
}

void TDropDownController::ShowDropForm(TDropForm* form, TExplorerTreeviewListBox* list, QPoint origin,
                                       int belowOverlap)
{
    TCustomExplorerTreeview& bar = FOwner.Bar();
    const int h = std::min(FOwner.Bar().MaxDropHeight(), list->Items()->Count() * list->ItemHeight() + 2);
    // The list takes the keys while the window is open.
    list->setFocus();
    const QPoint p = bar.mapToGlobal(origin);
    const QScreen* s = bar.screen();
    const int screenBottom = s ? s->geometry().y() + s->geometry().height() : p.y() + bar.height() + h + 1;
    // Near the screen's bottom the window opens above the bar.
    const int top = p.y() + h < screenBottom ? p.y() + bar.height() - belowOverlap : p.y() - h;
    // Placed before it is shown, so it never flashes at another size.
    form->setGeometry(p.x(), top, form->width(), h);
    if (!form->isVisible())
        form->show();
}

bool TDropDownController::ForgetDropForm(QPointer<TDropForm>& form, QPointer<TExplorerTreeviewListBox>& list)
{
    TDropForm* open = form;
    form = nullptr;
    list = nullptr;
    // Hidden at once; it frees itself once the event loop gets to it.
    if (open)
        open->close();
    return open != nullptr;
}

void TDropDownController::DeleteWindows()
{
    for (TDropForm* form : {FDropForm.data(), FAutoComForm.data()}) {
        if (form) {
            form->OnDeactivate = nullptr;
            delete form;
        }
    }
}

bool TDropDownController::IsOwnDropWindow(const QObject* object) const
{
    return object && (object == FDropForm.data() || object == FListBox.data() || object == FAutoComForm.data() ||
                      object == FAutoComListBox.data());
}

void TDropDownController::ClickChoice(TKestTreeNode* node)
{
    if (node) {
        FOwner.Bar().ChooseNode(node);
        FOwner.Bar().selectAll();
    }
}

void TDropDownController::EnterChoice(TKestTreeNode* node)
{
    TCustomExplorerTreeview& bar = FOwner.Bar();
    if (node && node == bar.SelectedNode())
        FOwner.SetInternalText(bar.GetNodePath(bar.SelectedNode()));
    else if (node)
        bar.ChooseNode(node);
    FOwner.FocusAndSelectAll();
}

// --- Focus ------------------------------------------------------------------------

bool TDropDownController::HasFocus() const
{
    auto focused = [](const auto& w) { return w && w->hasFocus(); };
    return focused(FDropForm) || focused(FListBox) || focused(FAutoComForm) || focused(FAutoComListBox);
}

bool TDropDownController::FocusInOpenWindow() const { return FFocusInPopup && (FDropForm || FAutoComForm); }

bool TDropDownController::IsPopupFocusChange(QFocusEvent* e) const
{
    if (e->reason() != Qt::PopupFocusReason)
        return false;
    return e->gotFocus() ? FFocusInPopup : QApplication::activePopupWidget() != nullptr;
}

// --- The history window -----------------------------------------------------------

void TDropDownController::FillDropDownListBox()
{
    // A row's path is made when the row is shown, not for every entry each
    // time the window opens.
    FListBox->Items()->SetSource(std::make_unique<TListBoxSource>(
        [this] { return FHistory.Count(); },
        [this](int index) { return FOwner.BuildNodePath(FHistory.At(index), false); },
        [this](int index) -> void* { return FHistory.At(index); }));
}

int TDropDownController::DropDownIndexOf(const QString& path) const
{
    // A node's path ends with its text (and a separator for a top-level
    // folder): only nodes whose text fits are given a full comparison.
    const QStringView tail = path.endsWith(kPathSeparator) ? QStringView(path).chopped(1) : QStringView(path);
    for (int i = 0; i < FHistory.Count(); ++i) {
        TKestTreeNode* node = FHistory.At(i);
        if (!path.endsWith(node->Text(), Qt::CaseInsensitive) && !tail.endsWith(node->Text(), Qt::CaseInsensitive))
            continue;
        if (FOwner.BuildNodePath(node, false).compare(path, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void TDropDownController::ShowDropDown()
{
    TCustomExplorerTreeview& bar = FOwner.Bar();
    if (IsInDestruction(&bar) || bar.IsDestroying())
        return;
    // The window works for the bar: with editing on, the bar takes the focus
    // and edit mode before the window takes the keys, which edit its text.
    if (FOwner.Bar().EditorEnabled() && !bar.hasFocus())
        FOwner.FocusAndSelectAll();
    else if (FOwner.Bar().EditorEnabled() && !FOwner.Bar().EditMode())
        FOwner.SetEditMode(true);
    if (bar.OnBeforeDropDown)
        bar.OnBeforeDropDown(&bar);
    // The window reaches the right edge of the button's rectangle, which is
    // empty (left of the refresh button) when the button is hidden.
    const QRect button = FOwner.GetDropDownButtonRect();
    FDropForm = NewDropForm(
        button.left() + button.width(), [this](QObject*, int& key, TShiftState) { ListKeyDown(key); },
        [this](QObject*, QChar& key) { ListKeyPress(key); });
    FDropForm->OnDeactivate = [this](QObject* sender) { DropFormDeactivate(sender); };

    FListBox = NewDropList(FDropForm);
    FListBox->SetFont(bar.Font());
    FillDropDownListBox();
    if (const TCustomImageList* images = FOwner.GetImageList())
        FListBox->SetItemHeight(images->Height());
    const int textHeight = FListBox->fontMetrics().height();
    if (FListBox->ItemHeight() - 1 < textHeight)
        FListBox->SetItemHeight(textHeight);
    FListBox->OnClick = [this](QObject*) { ListBoxClick(); };
    if (FListBox->Items()->Count() == 0) {
        CloseDropDown();
        return;
    }
    const int current = DropDownIndexOf(bar.GetNodePath(bar.SelectedNode()));
    FListBox->SetItemIndex(current >= 0 ? current : 0);
    FListBox->OnSelect = [](QObject*) {};
    ShowDropForm(FDropForm, FListBox, QPoint(0, 0), 0);
    FOwner.SetDropDownButtonDown(true);
}

void TDropDownController::CloseDropDown()
{
    if (ForgetDropForm(FDropForm, FListBox))
        FOwner.SetDropDownButtonDown(false);
}

void TDropDownController::DropDownButtonMouseDown()
{
    if (!FDropForm && !FCloseClick)
        ShowDropDown();
    FCloseClick = false;
}

void TDropDownController::ListBoxClick()
{
    if (FListBox)
        ClickChoice(CloseWithChoice(FListBox, &TDropDownController::CloseDropDown));
}

TKestTreeNode* TDropDownController::CloseWithChoice(TExplorerTreeviewListBox* list,
                                                    void (TDropDownController::*close)())
{
    Q_ASSERT(list);
    TKestTreeNode* node = list->NodeAt(list->ItemIndex());
    (this->*close)();
    return node;
}

void TDropDownController::ListKeyDown(int& key)
{
    if (!FListBox)
        return;
    if (key == Qt::Key_Up) {
        if (FListBox->ItemIndex() > 0)
            FListBox->MoveSelection(-1);
        key = 0;
    } else if (key == Qt::Key_Down) {
        FListBox->MoveSelection(1);
        key = 0;
    } else if (key == Qt::Key_Escape) {
        CloseDropDown();
        FOwner.FocusAndSelectAll();
        key = 0;
    }
}

void TDropDownController::ListKeyPress(QChar& key)
{
    if (!FListBox || (key != u'\r' && key != u'\n'))
        return;
    key = QChar();
    EnterChoice(CloseWithChoice(FListBox, &TDropDownController::CloseDropDown));
}

void TDropDownController::DropFormDeactivate(QObject* sender)
{
    // Only the open window counts: one the bar closed itself reports too.
    if (!FDropForm || sender != FDropForm.data())
        return;
    TCustomExplorerTreeview& bar = FOwner.Bar();
    const QPoint press = FDropForm->ClosingPress().value_or(QCursor::pos());
    FCloseClick = FOwner.GetDropDownButtonRect().contains(bar.mapFromGlobal(press));
    CloseDropDown();
    // The flag is for the press that closed the window, which the button
    // gets right after; with no such press it must not swallow a later one.
    if (FCloseClick)
        QTimer::singleShot(0, &bar, [this] { FCloseClick = false; });
}

// --- The auto-complete window -------------------------------------------------------

void TDropDownController::ShowAutoCompleteList()
{
    TCustomExplorerTreeview& bar = FOwner.Bar();
    if (!FOwner.Bar().AutoComplete() || IsInDestruction(&bar) || bar.IsDestroying())
        return;
    // Typing while the history is open turns it into the auto-complete list.
    CloseDropDown();
    if (!FAutoComForm) {
        const QRect nodeArea = FOwner.GetNodeAreaRect();
        FAutoComForm = NewDropForm(
            nodeArea.left() + nodeArea.width(), [this](QObject*, int& key, TShiftState) { AutoCompleteKeyDown(key); },
            [this](QObject*, QChar& key) { AutoCompleteKeyPress(key); });
        FAutoComForm->OnDeactivate = [this](QObject* sender) {
            if (sender == FAutoComForm.data())
                CloseAutoCompleteList();
        };
    }
    if (!FAutoComListBox) {
        FAutoComListBox = NewDropList(FAutoComForm);
        FAutoComListBox->OnClick = [this](QObject*) { AutoCompleteListClick(); };
        FAutoComListBox->SetShowImages(false);
        // A million matches are laid out in batches after the first rows
        // show, rather than all before anything shows.
        FAutoComListBox->setLayoutMode(QListView::Batched);
        FAutoComListBox->setBatchSize(4096);
    }
    FAutoComListBox->OnSelect = nullptr;
    FilterAutoCompleteList();
    if (FAutoComListBox->Items()->Count() == 0) {
        CloseAutoCompleteList();
        return;
    }
    FAutoComListBox->SetItemIndex(0);
    FAutoComListBox->OnSelect = [](QObject*) {};
    // The list overlaps the bar's lower edge a little, under the text.
    ShowDropForm(FAutoComForm, FAutoComListBox, QPoint(FOwner.GetNodeAreaRect().left() - 4, 0), 4);
}

void TDropDownController::FilterAutoCompleteList()
{
    if (!FAutoComListBox)
        return;
    QString typed = FOwner.Bar().QLineEdit::text();
    if (typed.endsWith(kPathSeparator))
        typed.chop(1);
    // The rows are read from the list as the view shows them: a keystroke
    // that matches a million entries costs no more than one that matches ten.
    auto matches = std::make_shared<const TAutoCompleteList::TMatches>(FAutoCompleteList.Matches(typed));
    const TAutoCompleteList* list = &FAutoCompleteList;
    const auto position = [list, matches](int index) {
        const int p = index >= 0 && index < matches->Count() ? matches->Position(index) : -1;
        return p < list->Count() ? p : -1;
    };
    FAutoComListBox->Items()->SetSource(std::make_unique<TListBoxSource>(
        [matches] { return matches->Count(); },
        [list, position](int index) {
            const int p = position(index);
            return p >= 0 ? list->PathAt(p) : QString();
        },
        [list, position](int index) -> void* {
            const int p = position(index);
            return p >= 0 ? list->NodeAt(p) : nullptr;
        }));
    FAutoCompleteMatches = matches;
}

void TDropDownController::AutoCompleteListChanged()
{
    // The open window's rows are positions in the list, which the change
    // moved: they are found again, keeping the chosen entry chosen.
    if (!FAutoComListBox)
        return;
    TKestTreeNode* chosen = FAutoComListBox->NodeAt(FAutoComListBox->ItemIndex());
    TNotifyEvent onSelect = std::move(FAutoComListBox->OnSelect);
    FAutoComListBox->OnSelect = nullptr;
    FilterAutoCompleteList();
    const int position = chosen ? FAutoCompleteList.PositionOf(chosen) : -1;
    const int index = position >= 0 ? FAutoCompleteMatches->IndexOf(position) : -1;
    FAutoComListBox->SetItemIndex(index >= 0 || !chosen ? index : 0);
    FAutoComListBox->OnSelect = std::move(onSelect);
}

void TDropDownController::CloseAutoCompleteList() { ForgetDropForm(FAutoComForm, FAutoComListBox); }

void TDropDownController::AutoCompleteListClick()
{
    if (FAutoComListBox)
        ClickChoice(CloseWithChoice(FAutoComListBox, &TDropDownController::CloseAutoCompleteList));
}

void TDropDownController::AutoCompleteKeyPress(QChar& key)
{
    // Only the list's own keys get here; the others edit the bar's text.
    if (!FAutoComListBox)
        return;
    if (key == u'\x1b') {
        key = QChar();
        CloseAutoCompleteList();
        FOwner.FocusAndSelectAll();
    } else if (key == u'\r' || key == u'\n') {
        key = QChar();
        EnterChoice(CloseWithChoice(FAutoComListBox, &TDropDownController::CloseAutoCompleteList));
    }
}

void TDropDownController::AutoCompleteKeyDown(int& key)
{
    if (!FAutoComListBox)
        return;
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
        FAutoComListBox->MoveSelection(key == Qt::Key_Up ? -1 : 1);
        key = 0;
    }
}
