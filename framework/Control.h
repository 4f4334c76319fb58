#pragma once
// The control mixin: what every visible component has beside its QWidget
// (bounds, alignment or anchors in its parent, size constraints,
// visibility, tab order, font and colour that may follow the parent's, a
// popup menu, the click and drag events).

#include "framework/Anchors.h"
#include "framework/Color.h"
#include "framework/Component.h"
#include "framework/Enums.h"
#include "framework/Events.h"
#include "framework/Font.h"

#include <QPointer>
#include <QWidget>
#include <memory>

#pragma GCC visibility push(default)

class QDragMoveEvent;
class QDropEvent;
class TPopupMenu;
class TSizeConstraints;

class TControl : public TComponent {
public:
    TControl(QWidget* self, TComponent* owner);
    ~TControl() override;

    QWidget* Widget() const { return FWidget; }
    QWidget* Parent() const { return FWidget->parentWidget(); }
    void SetParent(QWidget* parent);

    int Left() const;
    void SetLeft(int value);
    int Top() const;
    void SetTop(int value);
    int Width() const;
    void SetWidth(int value);
    int Height() const;
    void SetHeight(int value);
    virtual void SetBounds(int left, int top, int width, int height);
    QRect ClientRect() const { return FWidget->rect(); }

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign value);

    // Anchors act on a control that is not aligned: on every resize of the
    // parent it is placed again from where its bounds were last set.
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors value);

    // Applied as the widget's minimum and maximum size, so that every
    // resize (set bounds, alignment, anchors) stays within them.
    TSizeConstraints* Constraints() const { return FConstraints.get(); }
    void SetConstraints(TSizeConstraints* value);

    // Not owned; dropped when the menu is destroyed.
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* value);
    // Shows the popup menu at a screen point when there is one that pops up
    // by itself; returns whether it did.
    bool DoContextPopup(const QPoint& globalPos);

    bool Visible() const { return FVisible; }
    void SetVisible(bool value);

    int TabOrder() const { return FTabOrder; }
    void SetTabOrder(int value) { FTabOrder = value; }

    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* value);
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool value);
    bool IsFontStored() const { return !FParentFont; }

    TColor Color() const { return FColor; }
    void SetColor(TColor value);

    TNotifyEvent OnClick;
    TNotifyEvent GetOnClick() const { return OnClick; }
    void SetOnClick(const TNotifyEvent& e) { OnClick = e; }
    virtual void Click();

    TDragDropEvent OnDragDrop;
    TDragOverEvent OnDragOver;
    TEndDragEvent OnEndDrag;
    TStartDragEvent OnStartDrag;
    TEndDragEvent OnEndDock;
    TStartDockEvent OnStartDock;
    TDragDropEvent GetOnDragDrop() const { return OnDragDrop; }
    void SetOnDragDrop(const TDragDropEvent& e) { OnDragDrop = e; }
    TDragOverEvent GetOnDragOver() const { return OnDragOver; }
    void SetOnDragOver(const TDragOverEvent& e) { OnDragOver = e; }
    TEndDragEvent GetOnEndDrag() const { return OnEndDrag; }
    void SetOnEndDrag(const TEndDragEvent& e) { OnEndDrag = e; }
    TStartDragEvent GetOnStartDrag() const { return OnStartDrag; }
    void SetOnStartDrag(const TStartDragEvent& e) { OnStartDrag = e; }
    TEndDragEvent GetOnEndDock() const { return OnEndDock; }
    void SetOnEndDock(const TEndDragEvent& e) { OnEndDock = e; }
    TStartDockEvent GetOnStartDock() const { return OnStartDock; }
    void SetOnStartDock(const TStartDockEvent& e) { OnStartDock = e; }

    // A drag passing over the control or dropped on it. With OnDragOver
    // assigned the handler decides whether the drop is taken (and the event
    // is accepted or ignored accordingly); returns false when there is no
    // handler and the widget's own handling should run.
    bool DragOver(QDragMoveEvent* event, TDragState state);
    void DragLeave();
    bool DragDrop(QDropEvent* event);

    // Lays out the aligned children of a widget (top, bottom, left, right,
    // then client), in the order they were added, then places its anchored
    // ones.
    static void AlignControls(QWidget* parent);

protected:
    void Notification(TComponent* component, TOperation operation) override;

    // Applies the font, or the colour, to the widget; derived controls pick
    // the palette role that is their background.
    virtual void FontChanged();
    virtual void ColorChanged();

private:
    void TakeParentFont();
    void PropagateFontToChildren();
    void RequestRealign();
    void RecordAnchorOrigin();
    static void PlaceAnchoredControls(QWidget* parent);
    void ApplyConstraints();

    QWidget* FWidget;
    std::unique_ptr<TFont> FFont;
    TAlign FAlign = alNone;
    TAnchors FAnchors = TAnchors(akLeft | akTop);
    TAnchorOrigin FAnchorOrigin;
    std::unique_ptr<TSizeConstraints> FConstraints;
    TPopupMenu* FPopupMenu = nullptr;
    // The drag passing over the control, for its leave notice.
    QPointer<QObject> FDragSource;
    QPoint FDragPos;
    bool FVisible = true;
    bool FParentFont = true;
    bool FTakingParentFont = false;
    int FTabOrder = -1;
    TColor FColor = clBtnFace;
};

TControl* AsControl(QObject* object);

#pragma GCC visibility pop
