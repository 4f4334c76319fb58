#include "framework/CustomEdit.h"

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

TCustomEdit::TCustomEdit(TComponent* AOwner) : QLineEdit(nullptr), TControl(this, AOwner)
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
