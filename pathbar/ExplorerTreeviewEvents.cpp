// Window events of the bar and its registered messages.

#include "pathbar/CustomExplorerTreeview.h"

#include "framework/Messages.h"
#include "pathbar/LeftIcon.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

int TCustomExplorerTreeview::ET_HIDEDROPDOWN()
{
    static const int msg = RegisterWindowMessage(QStringLiteral("ET_HIDEDROPDOWN"));
    return msg;
}

int TCustomExplorerTreeview::ET_SETFOLDERPATH()
{
    static const int msg = RegisterWindowMessage(QStringLiteral("ET_SETFOLDERPATH"));
    return msg;
}

int TCustomExplorerTreeview::ET_TRACKKEYPRESS()
{
    static const int msg = RegisterWindowMessage(QStringLiteral("ET_TRACKKEYPRESS"));
    return msg;
}

int TCustomExplorerTreeview::ET_SETEDITRECT()
{
    static const int msg = RegisterWindowMessage(QStringLiteral("ET_SETEDITRECT"));
    return msg;
}

bool TCustomExplorerTreeview::event(QEvent* e)
{
    bool handled = TCustomEdit::event(e);
    int type = int(e->type());
    if (type == ET_HIDEDROPDOWN() || type == ET_SETFOLDERPATH() || type == ET_TRACKKEYPRESS() ||
        type == ET_SETEDITRECT()) {
        HandleRegisteredMessage(type);
        return true;
    }
    // A move to a screen of another resolution: lay the text out again once
    // the new metrics are in force.
    if (e->type() == QEvent::ScreenChangeInternal)
        PostMessage(this, ET_SETEDITRECT());
    return handled;
}

void TCustomExplorerTreeview::HandleRegisteredMessage(int Msg)
{
    if (Msg == ET_HIDEDROPDOWN()) {
        CloseDropDown();
    } else if (Msg == ET_SETFOLDERPATH()) {
        SetFolderPath(FNewSelectedFolderPath);
    } else if (Msg == ET_TRACKKEYPRESS()) {
        if (FUpdateInternalText) {
            FText = QLineEdit::text();
            FUpdateInternalText = false;
        }
        if (FShowAutoCL) {
            ShowAutoCompleteList();
            FShowAutoCL = false;
        }
    } else if (Msg == ET_SETEDITRECT()) {
        UpdateEditRect();
        int end = int(QLineEdit::text().size());
        SetSel(end, end);
        update();
    }
}

void TCustomExplorerTreeview::resizeEvent(QResizeEvent* e)
{
    TCustomEdit::resizeEvent(e);
    UpdateLayout();
    UpdateEditRect();
    if (!IsDesigning() && !IsLoading()) {
        // The buttons are rebuilt for the new width; not a new selection.
        FIsInternal = true;
        Reselect();
        FIsInternal = false;
    }
}

void TCustomExplorerTreeview::focusInEvent(QFocusEvent* e)
{
    // Back from a pop-up: still editing.
    if (IsPopupFocusChange(e)) {
        FFocusInPopup = false;
        QLineEdit::focusInEvent(e);
        return;
    }
    if (FEditorEnabled) {
        SetEditMode(true);
        if (AutoSelect() && e->reason() != Qt::MouseFocusReason)
            selectAll();
    }
    TCustomEdit::focusInEvent(e);
    if (FEditorEnabled && OnShowEdit)
        OnShowEdit(this);
    if (IsDesigning())
        return;
    if (FEditorEnabled && FAppearance->FocusColor() != clNone) {
        SetEditMode(true);
        ApplyColor(FAppearance->FocusColor());
        int end = int(QLineEdit::text().size());
        SetSel(end, end);
    } else if (!FEditorEnabled) {
        HideCaret();
    }
}

void TCustomExplorerTreeview::focusOutEvent(QFocusEvent* e)
{
    // A pop-up takes the keys but the editing goes on: the caret keeps
    // blinking and edit mode stays.
    if (IsPopupFocusChange(e)) {
        FFocusInPopup = true;
        return;
    }
    FFocusInPopup = false;
    TCustomEdit::focusOutEvent(e);
    if (FEditorEnabled) {
        SetEditMode(false);
        if (OnHideEdit)
            OnHideEdit(this);
        if (FAppearance->FocusColor() != clNone && !IsDesigning())
            ApplyColor(FAppearance->Color());
    }
}

void TCustomExplorerTreeview::enterEvent(QEnterEvent* e)
{
    TCustomEdit::enterEvent(e);
    if (IsDesigning())
        return;
    FMouseInControl = true;
    if (!(hasFocus() && FEditorEnabled))
        ApplyColor(FAppearance->HotColor());
    update();
}

void TCustomExplorerTreeview::leaveEvent(QEvent* e)
{
    TCustomEdit::leaveEvent(e);
    if (IsDesigning())
        return;
    FMouseInControl = false;
    ApplyColor(FAppearance->Color());
    update();
}

void TCustomExplorerTreeview::mousePressEvent(QMouseEvent* e)
{
    UpdateEditRect();
    TCustomEdit::mousePressEvent(e);
    if (!FEditMode && FEditorEnabled)
        SetEditMode(true);
}

void TCustomExplorerTreeview::keyPressEvent(QKeyEvent* e)
{
    const int key = e->key();
    // Enter inserts nothing: the key goes down, its character is swallowed.
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        DoKeyDown(e);
        e->accept();
        return;
    }
    const bool cutOrPaste = e->matches(QKeySequence::Cut) || e->matches(QKeySequence::Paste);
    TCustomEdit::keyPressEvent(e);
    if (key == Qt::Key_Down || key == Qt::Key_F4) {
        DropDownButtonMouseDown();
        e->accept();
    }
    // The key-press step runs for typed characters, Backspace, and with the
    // null character for cut and paste.
    const QString typed = e->text();
    QChar ch;
    if (!cutOrPaste && !typed.isEmpty() && typed.at(0).isPrint())
        ch = typed.at(0);
    else if (!cutOrPaste && key == Qt::Key_Backspace)
        ch = u'\b';
    else if (!cutOrPaste)
        return;
    KeyPress(ch);
}

void TCustomExplorerTreeview::contextMenuEvent(QContextMenuEvent* e)
{
    // Over the buttons the program's menu, when it has one; while editing,
    // the edit's own.
    if (!FEditMode && DoContextPopup(e->globalPos())) {
        e->accept();
        return;
    }
    // Edits made from the menu (cut, paste and the like) are followed up as
    // from the keyboard, while the menu lives.
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    connect(this, &QLineEdit::textEdited, menu, [this] {
        QChar none;
        KeyPress(none);
    });
    menu->popup(e->globalPos());
}

void TCustomExplorerTreeview::paintEvent(QPaintEvent* e)
{
    TCustomEdit::paintEvent(e);
    PaintFrame();
}
