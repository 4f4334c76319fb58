#include "framework/CustomEdit.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QProxyStyle>

namespace {

// The caret is drawn with the style's cursor width; a width of 0 hides it.
class HiddenCaretStyle : public QProxyStyle {
public:
    HiddenCaretStyle() : QProxyStyle(nullptr) {}
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_TextCursorWidth)
            return 0;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

}

TCustomEdit::TCustomEdit(TComponent* owner) : QLineEdit(nullptr), TControl(this, owner)
{
    SetColor(clWindow);
    connect(this, &QLineEdit::textChanged, this, [this] { Change(); });
}

TCustomEdit::~TCustomEdit() { Destroying(); }

void TCustomEdit::SetText(const QString& value)
{
    if (value != text())
        setText(value);
}

QRect TCustomEdit::GetRect() const { return FTextRectSet ? FTextRect : rect(); }

void TCustomEdit::SetRect(const QRect& r)
{
    FTextRect = r;
    FTextRectSet = true;
    ApplyTextRect();
}

void TCustomEdit::ApplyTextRect()
{
    if (!FTextRectSet)
        return;
    QRect r = FTextRect;
    // QLineEdit adds a small fixed inner margin of its own; the margins place
    // the layout rectangle so that the text starts where the rectangle does.
    setTextMargins(std::max(0, r.left() - 2), std::max(0, r.top()), std::max(0, width() - r.right() - 1),
                   std::max(0, height() - r.bottom() - 1));
}

void TCustomEdit::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    ApplyTextRect();
}

int TCustomEdit::SelStart() const { return hasSelectedText() ? selectionStart() : cursorPosition(); }

int TCustomEdit::SelLength() const { return hasSelectedText() ? int(selectedText().size()) : 0; }

void TCustomEdit::SetSelStart(int value)
{
    deselect();
    setCursorPosition(std::clamp(value, 0, int(text().size())));
}

void TCustomEdit::SetSelLength(int value) { SetSel(SelStart(), SelStart() + value); }

void TCustomEdit::SetSel(int start, int end)
{
    int n = int(text().size());
    start = std::clamp(start, 0, n);
    end = end < 0 ? n : std::clamp(end, 0, n);
    if (start == end) {
        deselect();
        setCursorPosition(start);
    } else {
        setSelection(start, end - start);
    }
}

void TCustomEdit::ShowCaret()
{
    if (FCaretVisible)
        return;
    FCaretVisible = true;
    setStyle(nullptr);
}

void TCustomEdit::HideCaret()
{
    if (!FCaretVisible)
        return;
    FCaretVisible = false;
    // The widget does not own a style it is given; parent it to the widget.
    if (!FHiddenCaretStyle) {
        FHiddenCaretStyle = new HiddenCaretStyle;
        FHiddenCaretStyle->setParent(this);
    }
    setStyle(FHiddenCaretStyle);
}

namespace {

TMouseButton ButtonOf(const QMouseEvent* event)
{
    switch (event->button()) {
    case Qt::RightButton:
        return mbRight;
    case Qt::MiddleButton:
        return mbMiddle;
    default:
        return mbLeft;
    }
}

}

void TCustomEdit::KeyDown(int& key, TShiftState shift)
{
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
}

void TCustomEdit::KeyPress(QChar& key)
{
    if (OnKeyPress)
        OnKeyPress(this, key);
}

namespace {

// The character a key types, as the character step sees it; null for keys
// that type none (arrows, Delete, shortcuts).
QChar TypedCharacter(const QKeyEvent* event)
{
    const QString text = event->text();
    if (text.size() != 1)
        return QChar();
    const QChar ch = text.at(0);
    if (ch.isPrint() || event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Escape)
        return ch;
    return QChar();
}

}

void TCustomEdit::keyPressEvent(QKeyEvent* event)
{
    QPointer<TCustomEdit> self(this);
    int key = event->key();
    KeyDown(key, ShiftStateOf(event));
    if (!self)
        return;
    if (key == 0) {
        event->accept();
        return;
    }
    const QChar typed = TypedCharacter(event);
    if (typed.isNull()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QChar ch = typed;
    KeyPress(ch);
    if (!self)
        return;
    if (ch.isNull()) {
        event->accept();
        return;
    }
    if (ch == typed) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Another character than the key's: typed as plain text.
    QKeyEvent changed(event->type(), Qt::Key_unknown, event->modifiers() & ~Qt::ControlModifier, QString(ch),
                      event->isAutoRepeat());
    QLineEdit::keyPressEvent(&changed);
}

void TCustomEdit::keyReleaseEvent(QKeyEvent* event)
{
    if (OnKeyUp) {
        int key = event->key();
        OnKeyUp(this, key, ShiftStateOf(event));
        if (key == 0)
            return;
    }
    QLineEdit::keyReleaseEvent(event);
}

void TCustomEdit::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    if (OnMouseDown)
        OnMouseDown(this, ButtonOf(event), ShiftStateOf(event), event->position().toPoint().x(),
                    event->position().toPoint().y());
}

void TCustomEdit::mouseMoveEvent(QMouseEvent* event)
{
    QLineEdit::mouseMoveEvent(event);
    if (OnMouseMove)
        OnMouseMove(this, ShiftStateOf(event), event->position().toPoint().x(), event->position().toPoint().y());
}

void TCustomEdit::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (OnMouseUp)
        OnMouseUp(this, ButtonOf(event), ShiftStateOf(event), event->position().toPoint().x(),
                  event->position().toPoint().y());
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Click();
}

void TCustomEdit::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    if (OnDblClick)
        OnDblClick(this);
}

void TCustomEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (OnEnter)
        OnEnter(this);
}

void TCustomEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (OnExit)
        OnExit(this);
}

void TCustomEdit::Change()
{
    if (OnChange)
        OnChange(this);
}

void TCustomEdit::ColorChanged()
{
    QPalette p = palette();
    p.setColor(QPalette::Base, ColorToQColor(Color()));
    setPalette(p);
    update();
}

void TCustomEdit::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DragOver(event, dsDragEnter))
        QLineEdit::dragEnterEvent(event);
}

void TCustomEdit::dragMoveEvent(QDragMoveEvent* event)
{
    if (!DragOver(event, dsDragMove))
        QLineEdit::dragMoveEvent(event);
}

void TCustomEdit::dragLeaveEvent(QDragLeaveEvent* event)
{
    if (OnDragOver)
        DragLeave();
    else
        QLineEdit::dragLeaveEvent(event);
}

void TCustomEdit::dropEvent(QDropEvent* event)
{
    if (!DragDrop(event))
        QLineEdit::dropEvent(event);
}
