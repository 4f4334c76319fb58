#pragma once
// The control mixin: what every visible component has beside its QWidget
// (bounds, alignment in its parent, visibility, tab order, font and colour
// that may follow the parent's, the click event).

#include "framework/Color.h"
#include "framework/Component.h"
#include "framework/Enums.h"
#include "framework/Events.h"
#include "framework/Font.h"

#include <QWidget>
#include <memory>

class TControl : public TComponent {
public:
    TControl(QWidget* self, TComponent* AOwner);
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
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    QRect ClientRect() const { return FWidget->rect(); }

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign value);

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

    // Lays out the aligned children of a widget (top, bottom, left, right,
    // then client), in the order they were added.
    static void AlignControls(QWidget* parent);

protected:
    // Applies the font, or the colour, to the widget; derived controls pick
    // the palette role that is their background.
    virtual void FontChanged();
    virtual void ColorChanged();

private:
    void TakeParentFont();
    void PropagateFontToChildren();
    void RequestRealign();

    QWidget* FWidget;
    std::unique_ptr<TFont> FFont;
    TAlign FAlign = alNone;
    bool FVisible = true;
    bool FParentFont = true;
    bool FTakingParentFont = false;
    int FTabOrder = -1;
    TColor FColor = clBtnFace;
};

TControl* AsControl(QObject* object);
