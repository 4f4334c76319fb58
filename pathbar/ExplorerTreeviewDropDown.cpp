// The history window: a list of visited nodes dropped under the bar, and
// what the two drop-down windows share.

#include "pathbar/CustomExplorerTreeview.h"

#include "framework/ImageList.h"
#include "framework/WidgetLifetime.h"
#include "pathbar/DropDownButton.h"
#include "pathbar/DropForm.h"
#include "pathbar/ExplorerTreeviewListBox.h"

#include <QApplication>
#include <QCursor>
#include <QFocusEvent>
#include <QScreen>
#include <QTimer>

bool TCustomExplorerTreeview::IsDroppedDown() const { return FDropForm && FDropForm->isVisible(); }

TDropForm* TCustomExplorerTreeview::DropForm() const { return FDropForm; }

TExplorerTreeviewListBox* TCustomExplorerTreeview::DropListBox() const { return FListBox; }

TDropForm* TCustomExplorerTreeview::AutoCompleteForm() const { return FAutoComForm; }

TExplorerTreeviewListBox* TCustomExplorerTreeview::AutoCompleteListBox() const { return FAutoComListBox; }

TDropForm* TCustomExplorerTreeview::NewDropForm(int Width, const TKeyEvent& KeyDown, const TKeyPressEvent& KeyPress)
{
    auto* form = new TDropForm(this);
    form->SetSizeable(false);
    form->resize(Width, FMaxDropHeight);
    form->OnKeyDown = KeyDown;
    form->OnKeyPress = KeyPress;
    form->installEventFilter(this);
    return form;
}

TExplorerTreeviewListBox* TCustomExplorerTreeview::NewDropList(TDropForm* Form)
{
    auto* list = new TExplorerTreeviewListBox(Form);
    list->SetParent(Form);
    list->SetExplorerTreeview(this);
    list->SetCtl3D(false);
    list->SetAlign(alClient);
    // The keys reach whichever has the focus; both handle them alike.
    list->OnKeyDown = Form->OnKeyDown;
    list->OnKeyPress = Form->OnKeyPress;
    list->installEventFilter(this);
    return list;
}

void TCustomExplorerTreeview::ShowDropForm(TDropForm* Form, TExplorerTreeviewListBox* List, QPoint Origin,
                                           int BelowOverlap)
{
    const int h = std::min(FMaxDropHeight, List->Items()->Count() * List->ItemHeight() + 2);
    // The list takes the keys while the window is open.
    List->setFocus();
    const QPoint p = mapToGlobal(Origin);
    const QScreen* s = screen();
    const int screenBottom = s ? s->geometry().y() + s->geometry().height() : p.y() + height() + h + 1;
    // Near the screen's bottom the window opens above the bar.
    const int top = p.y() + h < screenBottom ? p.y() + height() - BelowOverlap : p.y() - h;
    // Placed before it is shown, so it never flashes at another size.
    Form->setGeometry(p.x(), top, Form->width(), h);
    if (!Form->isVisible())
        Form->show();
}

void TCustomExplorerTreeview::FillDropDownListBox()
{
    TListBoxItems* items = FListBox->Items();
    items->BeginUpdate();
    items->Clear();
    for (int i = 0; i < FDropDownList.Count(); ++i) {
        TKestTreeNode* node = FDropDownList.GetItemsEx(i);
        items->AddObject(BuildNodePath(node, false), node);
    }
    items->EndUpdate();
}

void TCustomExplorerTreeview::ShowDropDown()
{
    if (IsInDestruction(this) || IsDestroying())
        return;
    // The window works for the bar: with editing on, the bar takes the focus
    // and edit mode before the window takes the keys, which edit its text.
    if (FEditorEnabled && !hasFocus())
        FocusAndSelectAll();
    else if (FEditorEnabled && !FEditMode)
        SetEditMode(true);
    if (OnBeforeDropDown)
        OnBeforeDropDown(this);
    // The window reaches the right edge of the button's rectangle, which is
    // empty (left of the refresh button) when the button is hidden.
    const QRect button = GetDropDownButtonRect();
    FDropForm = NewDropForm(
        button.left() + button.width(),
        [this](QObject*, int& Key, TShiftState) { ListKeyDown(Key); }, [this](QObject*, QChar& Key) { ListKeyPress(Key); });
    FDropForm->OnDeactivate = [this](QObject* Sender) { DropFormDeactivate(Sender); };

    FListBox = NewDropList(FDropForm);
    FListBox->SetFont(Font());
    FillDropDownListBox();
    if (const TCustomImageList* images = GetImageList())
        FListBox->SetItemHeight(images->Height());
    const int textHeight = FListBox->fontMetrics().height();
    if (FListBox->ItemHeight() - 1 < textHeight)
        FListBox->SetItemHeight(textHeight);
    FListBox->OnClick = [this](QObject*) { ListBoxClick(); };
    if (FListBox->Items()->Count() == 0) {
        CloseDropDown();
        return;
    }
    const int current = FListBox->Items()->IndexOf(GetNodePath(FSelectedNode));
    FListBox->SetItemIndex(current >= 0 ? current : 0);
    FListBox->OnSelect = [](QObject*) {};
    ShowDropForm(FDropForm, FListBox, QPoint(0, 0), 0);
    if (FDropDownButton)
        FDropDownButton->SetDown(true);
}

bool TCustomExplorerTreeview::ForgetDropForm(QPointer<TDropForm>& Form, QPointer<TExplorerTreeviewListBox>& List)
{
    TDropForm* form = Form;
    Form = nullptr;
    List = nullptr;
    // Hidden at once; it frees itself once the event loop gets to it.
    if (form)
        form->close();
    return form != nullptr;
}

void TCustomExplorerTreeview::CloseDropDown()
{
    if (ForgetDropForm(FDropForm, FListBox) && FDropDownButton)
        FDropDownButton->SetDown(false);
}

void TCustomExplorerTreeview::DropDownButtonMouseDown()
{
    if (!FDropForm && !FCloseClick)
        ShowDropDown();
    FCloseClick = false;
}

void TCustomExplorerTreeview::FocusAndSelectAll()
{
    setFocus();
    selectAll();
}

void TCustomExplorerTreeview::ClickChoice(TKestTreeNode* Node)
{
    if (Node) {
        ChooseNode(Node);
        selectAll();
    }
}

void TCustomExplorerTreeview::EnterChoice(TKestTreeNode* Node)
{
    if (Node && Node == FSelectedNode)
        SetInternalText(GetNodePath(FSelectedNode));
    else if (Node)
        ChooseNode(Node);
    FocusAndSelectAll();
}

void TCustomExplorerTreeview::ListBoxClick()
{
    if (!FListBox)
        return;
    TKestTreeNode* node = FListBox->NodeAt(FListBox->ItemIndex());
    // The window goes first: the choice may list a large folder.
    CloseDropDown();
    ClickChoice(node);
}

void TCustomExplorerTreeview::ListKeyDown(int& Key)
{
    if (!FListBox)
        return;
    if (Key == Qt::Key_Up) {
        if (FListBox->ItemIndex() > 0)
            FListBox->MoveSelection(-1);
        Key = 0;
    } else if (Key == Qt::Key_Down) {
        FListBox->MoveSelection(1);
        Key = 0;
    } else if (Key == Qt::Key_Escape) {
        CloseDropDown();
        FocusAndSelectAll();
        Key = 0;
    }
}

void TCustomExplorerTreeview::ListKeyPress(QChar& Key)
{
    if (!FListBox || (Key != u'\r' && Key != u'\n'))
        return;
    Key = QChar();
    TKestTreeNode* node = FListBox->NodeAt(FListBox->ItemIndex());
    CloseDropDown();
    EnterChoice(node);
}

void TCustomExplorerTreeview::DropFormDeactivate(QObject* Sender)
{
    // Only the open window counts: one the bar closed itself reports too.
    if (!FDropForm || Sender != FDropForm.data())
        return;
    const QPoint press = FDropForm->ClosingPress().value_or(QCursor::pos());
    FCloseClick = GetDropDownButtonRect().contains(mapFromGlobal(press));
    CloseDropDown();
    // The flag is for the press that closed the window, which the button
    // gets right after; with no such press it must not swallow a later one.
    if (FCloseClick)
        QTimer::singleShot(0, this, [this] { FCloseClick = false; });
}

bool TCustomExplorerTreeview::IsOwnDropWindow(const QObject* Object) const
{
    return Object && (Object == FDropForm.data() || Object == FListBox.data() || Object == FAutoComForm.data() ||
                      Object == FAutoComListBox.data());
}

bool TCustomExplorerTreeview::IsPopupFocusChange(QFocusEvent* e) const
{
    if (e->reason() != Qt::PopupFocusReason)
        return false;
    return e->gotFocus() ? FFocusInPopup : QApplication::activePopupWidget() != nullptr;
}
