// Window events of the bar and its registered messages.

#include "pathbar/CustomExplorerTreeview.h"

#include "pathbar/CustomExplorerTreeview_p.h"

#include "framework/Messages.h"
#include "pathbar/LeftIcon.h"

#include <QCoreApplication>
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

void TCustomExplorerTreeview::HandleRegisteredMessage(int msg)
{
    if (msg == ET_HIDEDROPDOWN()) {
        CloseDropDown();
    } else if (msg == ET_SETFOLDERPATH()) {
        SetFolderPath(FPrivate->FFolders.PendingFolderPath());
    } else if (msg == ET_TRACKKEYPRESS()) {
        if (FPrivate->FUpdateInternalText) {
            FPrivate->FText = QLineEdit::text();
            FPrivate->FUpdateInternalText = false;
        }
        if (FPrivate->FShowAutoCL) {
            ShowAutoCompleteList();
            FPrivate->FShowAutoCL = false;
        }
    } else if (msg == ET_SETEDITRECT()) {
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
        FPrivate->FIsInternal = true;
        Reselect();
        FPrivate->FIsInternal = false;
    }
}

void TCustomExplorerTreeview::focusInEvent(QFocusEvent* e)
{
    // Back from a pop-up: still editing.
    if (FPrivate->FDropDowns.IsPopupFocusChange(e)) {
        FPrivate->FDropDowns.SetFocusInPopup(false);
        QLineEdit::focusInEvent(e);
        return;
    }
    if (FPrivate->FEditorEnabled) {
        SetEditMode(true);
        if (AutoSelect() && e->reason() != Qt::MouseFocusReason)
            selectAll();
    }
    TCustomEdit::focusInEvent(e);
    if (FPrivate->FEditorEnabled && OnShowEdit)
        OnShowEdit(this);
    if (IsDesigning())
        return;
    if (FPrivate->FEditorEnabled && FPrivate->FAppearance->FocusColor() != clNone) {
        SetEditMode(true);
        ApplyColor(FPrivate->FAppearance->FocusColor());
        int end = int(QLineEdit::text().size());
        SetSel(end, end);
    } else if (!FPrivate->FEditorEnabled) {
        HideCaret();
    }
}

void TCustomExplorerTreeview::focusOutEvent(QFocusEvent* e)
{
    // A pop-up takes the keys but the editing goes on: the caret keeps
    // blinking and edit mode stays.
    if (FPrivate->FDropDowns.IsPopupFocusChange(e)) {
        FPrivate->FDropDowns.SetFocusInPopup(true);
        return;
    }
    FPrivate->FDropDowns.SetFocusInPopup(false);
    TCustomEdit::focusOutEvent(e);
    if (FPrivate->FEditorEnabled) {
        SetEditMode(false);
        if (OnHideEdit)
            OnHideEdit(this);
        if (FPrivate->FAppearance->FocusColor() != clNone && !IsDesigning())
            ApplyColor(FPrivate->FAppearance->Color());
    }
}

void TCustomExplorerTreeview::enterEvent(QEnterEvent* e)
{
    TCustomEdit::enterEvent(e);
    if (IsDesigning())
        return;
    FPrivate->FMouseInControl = true;
    if (!(FPrivate->HasFocusLook() && FPrivate->FEditorEnabled))
        ApplyColor(FPrivate->FAppearance->HotColor());
    update();
}

void TCustomExplorerTreeview::leaveEvent(QEvent* e)
{
    TCustomEdit::leaveEvent(e);
    if (IsDesigning())
        return;
    FPrivate->FMouseInControl = false;
    ApplyColor(FPrivate->FAppearance->Color());
    update();
}

void TCustomExplorerTreeview::mousePressEvent(QMouseEvent* e)
{
    // Presses on the child buttons stay with them; only one on the bar
    // itself gives it the focus.
    if (!hasFocus())
        setFocus(Qt::MouseFocusReason);
    UpdateEditRect();
    TCustomEdit::mousePressEvent(e);
    if (!FPrivate->FEditMode && FPrivate->FEditorEnabled)
        SetEditMode(true);
}

void TCustomExplorerTreeview::KeyDown(int& key, TShiftState shift)
{
    QPointer<TCustomExplorerTreeview> self(this);
    TCustomEdit::KeyDown(key, shift);
    // Only a key the program's handler left gets the bar's own step.
    if (self && (key == Qt::Key_Down || key == Qt::Key_F4)) {
        DropDownButtonMouseDown();
        key = 0;
    }
}

void TCustomExplorerTreeview::KeyPress(QChar& key)
{
    QPointer<TCustomExplorerTreeview> self(this);
    TCustomEdit::KeyPress(key);
    if (self && !key.isNull())
        KeyPressStep(key);
}

void TCustomExplorerTreeview::keyPressEvent(QKeyEvent* e)
{
    // Enter inserts nothing: the key goes down, its character is swallowed.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        int key = e->key();
        KeyDown(key, ShiftStateOf(e));
        e->accept();
        return;
    }
    // A focused bar showing its buttons (after a click on the left icon)
    // turns into the editor for a key that edits, as for a click.
    if (FPrivate->FEditorEnabled && !FPrivate->FEditMode && IsEditingKey(e))
        SetEditMode(true);
    QPointer<TCustomExplorerTreeview> self(this);
    const QString before = QLineEdit::text();
    FPrivate->FKeyPressStepRan = false;
    TCustomEdit::keyPressEvent(e);
    // Edits that type no character (Delete, cut, paste, undo) are followed
    // up as typing is.
    if (self && !FPrivate->FKeyPressStepRan && QLineEdit::text() != before) {
        QChar none;
        KeyPressStep(none);
    }
}

void TCustomExplorerTreeview::contextMenuEvent(QContextMenuEvent* e)
{
    // Over the buttons the program's menu, when it has one; while editing,
    // the edit's own.
    if (!FPrivate->FEditMode && DoContextPopup(e->globalPos())) {
        e->accept();
        return;
    }
    // Edits made from the menu (cut, paste and the like) are followed up as
    // from the keyboard, while the menu lives.
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    connect(this, &QLineEdit::textEdited, menu, [this] {
        QChar none;
        KeyPressStep(none);
    });
    menu->popup(e->globalPos());
}

bool TCustomExplorerTreeview::eventFilter(QObject* watched, QEvent* e)
{
    const bool key = e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease ||
                     e->type() == QEvent::ShortcutOverride;
    if (!key || !FPrivate->FDropDowns.IsOwnDropWindow(watched))
        return TCustomEdit::eventFilter(watched, e);
    // An open list keeps only the keys that move through it or choose; the
    // others edit the text where the caret is, as if the bar had the keys.
    if (IsListKey(static_cast<QKeyEvent*>(e)->key()))
        return false;
    if (e->type() == QEvent::KeyPress && (static_cast<QKeyEvent*>(e)->key() == Qt::Key_Tab ||
                                          static_cast<QKeyEvent*>(e)->key() == Qt::Key_Backtab)) {
        // Tab leaves the bar: the lists go first, so the focus really moves.
        CloseDropDown();
        CloseAutoCompleteList();
    }
    QCoreApplication::sendEvent(this, e);
    return true;
}

bool TCustomExplorerTreeview::IsEditingKey(const QKeyEvent* e)
{
    const QString text = e->text();
    if (text.size() == 1 && text.at(0).isPrint())
        return true;
    return e->key() == Qt::Key_Backspace || e->key() == Qt::Key_Delete || e->matches(QKeySequence::Paste) ||
           e->matches(QKeySequence::Cut) || e->matches(QKeySequence::Undo) || e->matches(QKeySequence::Redo);
}

bool TCustomExplorerTreeview::IsListKey(int key)
{
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return true;
    default:
        return false;
    }
}

void TCustomExplorerTreeview::paintEvent(QPaintEvent* e)
{
    TCustomEdit::paintEvent(e);
    PaintFrame();
}
