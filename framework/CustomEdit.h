#pragma once
// The single-line edit base: a QLineEdit whose text rectangle, selection,
// read-only state and caret visibility can be set, and which reports text
// changes through OnChange.

#include "framework/Control.h"

#include <QLineEdit>

#pragma GCC visibility push(default)

class TCustomEdit : public QLineEdit, public TControl {
    Q_OBJECT
public:
    explicit TCustomEdit(TComponent* owner);
    ~TCustomEdit() override;

    QString Text() const { return text(); }
    void SetText(const QString& value);

    // The rectangle the text is laid out in, in client coordinates.
    QRect GetRect() const;
    void SetRect(const QRect& r);

    int SelStart() const;
    int SelLength() const;
    void SetSelStart(int value);
    void SetSelLength(int value);
    void SetSel(int start, int end);
    void SelectAll() { selectAll(); }

    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool value) { setReadOnly(value); }
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool value) { FAutoSelect = value; }
    int MaxLength() const { return maxLength() == 32767 ? 0 : maxLength(); }
    void SetMaxLength(int value) { setMaxLength(value <= 0 ? 32767 : value); }

    void ShowCaret();
    void HideCaret();
    bool CaretVisible() const { return FCaretVisible; }

    TNotifyEvent OnChange;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent GetOnChange() const { return OnChange; }
    void SetOnChange(const TNotifyEvent& e) { OnChange = e; }
    TNotifyEvent GetOnDblClick() const { return OnDblClick; }
    void SetOnDblClick(const TNotifyEvent& e) { OnDblClick = e; }
    TNotifyEvent GetOnEnter() const { return OnEnter; }
    void SetOnEnter(const TNotifyEvent& e) { OnEnter = e; }
    TNotifyEvent GetOnExit() const { return OnExit; }
    void SetOnExit(const TNotifyEvent& e) { OnExit = e; }
    TKeyEvent GetOnKeyDown() const { return OnKeyDown; }
    void SetOnKeyDown(const TKeyEvent& e) { OnKeyDown = e; }
    TKeyPressEvent GetOnKeyPress() const { return OnKeyPress; }
    void SetOnKeyPress(const TKeyPressEvent& e) { OnKeyPress = e; }
    TKeyEvent GetOnKeyUp() const { return OnKeyUp; }
    void SetOnKeyUp(const TKeyEvent& e) { OnKeyUp = e; }
    TMouseEvent GetOnMouseDown() const { return OnMouseDown; }
    void SetOnMouseDown(const TMouseEvent& e) { OnMouseDown = e; }
    TMouseMoveEvent GetOnMouseMove() const { return OnMouseMove; }
    void SetOnMouseMove(const TMouseMoveEvent& e) { OnMouseMove = e; }
    TMouseEvent GetOnMouseUp() const { return OnMouseUp; }
    void SetOnMouseUp(const TMouseEvent& e) { OnMouseUp = e; }

protected:
    virtual void Change();
    // The key-down step: fires OnKeyDown. A Key of 0 afterwards swallows the
    // key; derived controls run their own steps after the inherited one.
    virtual void KeyDown(int& key, TShiftState shift);
    // The character step, for each character a key types (printable ones,
    // Backspace, Escape): fires OnKeyPress. A null Key afterwards swallows
    // the character; another one is typed instead.
    virtual void KeyPress(QChar& key);
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // The program's drag handlers, when assigned, decide instead of the
    // edit's own text dropping.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void ColorChanged() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ApplyTextRect();

    // Owned through Qt parenthood; a widget does not own the style it uses.
    QStyle* FHiddenCaretStyle = nullptr;
    QRect FTextRect;
    bool FTextRectSet = false;
    bool FCaretVisible = true;
    bool FAutoSelect = true;
};

#pragma GCC visibility pop
