// Edit mode and the auto-complete window of the bar.

#include "pathbar/CustomExplorerTreeview.h"

#include "framework/Messages.h"
#include "framework/WidgetLifetime.h"
#include "framework/platform/PathSeparator.h"
#include "pathbar/DropForm.h"
#include "pathbar/ExplorerTreeviewListBox.h"

void TCustomExplorerTreeview::SetEditMode(bool Value)
{
    if (Value == FEditMode || !FEditorEnabled || IsDesigning())
        return;
    FEditMode = Value;
    const bool focusColoring = FAppearance->FocusColor() != clNone;
    if (Value) {
        ClearNodeButtons();
        if (focusColoring) {
            ApplyColor(FAppearance->FocusColor());
            ShowCaret();
        }
        return;
    }
    if (FEditStyle == esList) {
        BuildNodeButtons();
    } else if (FSelectedNode) {
        if (QLineEdit::text().toUpper() == ShownPath(FSelectedNode).toUpper()) {
            // The bar shows the selection again, so its text names it.
            FText = ShownPath(FSelectedNode);
            BuildNodeButtons();
        } else {
            FSelectedNode = nullptr;
            FText = QLineEdit::text();
            if (!IsUpdating())
                UpdateLeftIcon();
        }
    }
    if (focusColoring) {
        ApplyColor(FAppearance->Color());
        HideCaret();
    }
}

void TCustomExplorerTreeview::KeyPressStep(QChar& Key)
{
    FKeyPressStepRan = true;
    if (!FEditorEnabled) {
        Key = QChar();
        return;
    }
    if (Key == u'\x1b')
        return;
    if (FEditStyle == esEdit)
        FUpdateInternalText = true;
    if (!FAutoComplete)
        return;
    FShowAutoCL = true;
    PostMessage(this, ET_TRACKKEYPRESS());
}

void TCustomExplorerTreeview::ShowAutoCompleteList()
{
    if (!FAutoComplete || IsInDestruction(this) || IsDestroying())
        return;
    // Typing while the history is open turns it into the auto-complete list.
    CloseDropDown();
    if (!FAutoComForm) {
        const QRect nodeArea = GetNodeAreaRect();
        FAutoComForm = NewDropForm(
            nodeArea.left() + nodeArea.width(), [this](QObject*, int& Key, TShiftState) { AutoCompleteKeyDown(Key); },
            [this](QObject*, QChar& Key) { AutoCompleteKeyPress(Key); });
        FAutoComForm->OnDeactivate = [this](QObject* Sender) {
            if (Sender == FAutoComForm.data())
                CloseAutoCompleteList();
        };
    }
    if (!FAutoComListBox) {
        FAutoComListBox = NewDropList(FAutoComForm);
        FAutoComListBox->OnClick = [this](QObject*) { AutoCompleteListClick(); };
        FAutoComListBox->SetShowImages(false);
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
    ShowDropForm(FAutoComForm, FAutoComListBox, QPoint(GetNodeAreaRect().left() - 4, 0), 4);
}

void TCustomExplorerTreeview::FilterAutoCompleteList()
{
    if (!FAutoComListBox)
        return;
    TListBoxItems* items = FAutoComListBox->Items();
    items->BeginUpdate();
    items->Clear();
    QString typed = TAutoCompleteList::AsciiUpper(QLineEdit::text());
    if (typed.endsWith(kPathSeparator))
        typed.chop(1);
    FAutoCompleteList.ForEachStartingWith(typed, [items](const QString& path, TKestTreeNode* node) {
        items->AddObject(path, node);
        return true;
    });
    items->EndUpdate();
}

void TCustomExplorerTreeview::CloseAutoCompleteList() { ForgetDropForm(FAutoComForm, FAutoComListBox); }

void TCustomExplorerTreeview::AutoCompleteListClick()
{
    if (!FAutoComListBox)
        return;
    TKestTreeNode* node = FAutoComListBox->NodeAt(FAutoComListBox->ItemIndex());
    // The window goes first: the choice may list a large folder.
    CloseAutoCompleteList();
    ClickChoice(node);
}

void TCustomExplorerTreeview::AutoCompleteKeyPress(QChar& Key)
{
    // Only the list's own keys get here; the others edit the bar's text.
    if (!FAutoComListBox)
        return;
    if (Key == u'\x1b') {
        Key = QChar();
        CloseAutoCompleteList();
        FocusAndSelectAll();
    } else if (Key == u'\r' || Key == u'\n') {
        Key = QChar();
        TKestTreeNode* node = FAutoComListBox->NodeAt(FAutoComListBox->ItemIndex());
        CloseAutoCompleteList();
        EnterChoice(node);
    }
}

void TCustomExplorerTreeview::AutoCompleteKeyDown(int& Key)
{
    if (!FAutoComListBox)
        return;
    if (Key == Qt::Key_Up || Key == Qt::Key_Down) {
        FAutoComListBox->MoveSelection(Key == Qt::Key_Up ? -1 : 1);
        Key = 0;
    }
}
