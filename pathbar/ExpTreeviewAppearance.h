#pragma once
// The colours of the path bar: the bar's background and frame, and inside it
// the faces, frames and arrows of its buttons in each state. Both records are
// stored with the form and tell the bar when a colour that matters changes.

#include "framework/Color.h"
#include "framework/Events.h"
#include "framework/Font.h"
#include "framework/Persistent.h"

#include <QObject>
#include <memory>

#pragma GCC visibility push(default)

// What both records share: a change notification and colour writers that
// store a different value and then notify.
class TAppearanceRecord : public QObject, public TPersistent {
public:
    explicit TAppearanceRecord(QObject* parent) : QObject(parent) {}

    TNotifyEvent OnChange;

protected:
    void Changed();
    void Update(TColor& field, TColor value);
};

class TButtonAppearance : public TAppearanceRecord {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(TColor ArrowColorDown READ ArrowColorDown WRITE SetArrowColorDown)
    Q_PROPERTY(TColor ArrowColorHot READ ArrowColorHot WRITE SetArrowColorHot)
    Q_PROPERTY(TColor BorderColorDown READ BorderColorDown WRITE SetBorderColorDown)
    Q_PROPERTY(TColor BorderColorHot READ BorderColorHot WRITE SetBorderColorHot)
    Q_PROPERTY(TColor BorderColorNodeHot READ BorderColorNodeHot WRITE SetBorderColorNodeHot)
    Q_PROPERTY(TColor ColorDown READ ColorDown WRITE SetColorDown)
    Q_PROPERTY(TColor ColorDownTo READ ColorDownTo WRITE SetColorDownTo)
    Q_PROPERTY(TColor ColorMirrorDown READ ColorMirrorDown WRITE SetColorMirrorDown)
    Q_PROPERTY(TColor ColorMirrorDownTo READ ColorMirrorDownTo WRITE SetColorMirrorDownTo)
    Q_PROPERTY(TColor ColorHot READ ColorHot WRITE SetColorHot)
    Q_PROPERTY(TColor ColorHotTo READ ColorHotTo WRITE SetColorHotTo)
    Q_PROPERTY(TColor ColorMirrorHot READ ColorMirrorHot WRITE SetColorMirrorHot)
    Q_PROPERTY(TColor ColorMirrorHotTo READ ColorMirrorHotTo WRITE SetColorMirrorHotTo)
    Q_PROPERTY(TColor ColorNodeHot READ ColorNodeHot WRITE SetColorNodeHot)
    Q_PROPERTY(TColor ColorNodeHotTo READ ColorNodeHotTo WRITE SetColorNodeHotTo)
    Q_PROPERTY(TColor ColorMirrorNodeHot READ ColorMirrorNodeHot WRITE SetColorMirrorNodeHot)
    Q_PROPERTY(TColor ColorMirrorNodeHotTo READ ColorMirrorNodeHotTo WRITE SetColorMirrorNodeHotTo)
    Q_PROPERTY(TFont* Font READ Font WRITE SetFont)
    Q_CLASSINFO("Default:ArrowColorDown", "0x000000")
    Q_CLASSINFO("Default:ArrowColorHot", "0x000000")
    Q_CLASSINFO("Default:BorderColorDown", "0x8B622C")
    Q_CLASSINFO("Default:BorderColorHot", "0x8B5816")
    Q_CLASSINFO("Default:BorderColorNodeHot", "0x8F8F8E")
    Q_CLASSINFO("Default:ColorDown", "0xFCF1E4")
    Q_CLASSINFO("Default:ColorDownTo", "0xF7E7C9")
    Q_CLASSINFO("Default:ColorMirrorDown", "0xEDCE93")
    Q_CLASSINFO("Default:ColorMirrorDownTo", "0xDDB66D")
    Q_CLASSINFO("Default:ColorHot", "0xFBEDD3")
    Q_CLASSINFO("Default:ColorHotTo", "0xFAE9C7")
    Q_CLASSINFO("Default:ColorMirrorHot", "0xF7D89C")
    Q_CLASSINFO("Default:ColorMirrorHotTo", "0xF5D089")
    Q_CLASSINFO("Default:ColorNodeHot", "0xF2F2F2")
    Q_CLASSINFO("Default:ColorNodeHotTo", "0xEEEEEE")
    Q_CLASSINFO("Default:ColorMirrorNodeHot", "0xD9D9D9")
    Q_CLASSINFO("Default:ColorMirrorNodeHotTo", "0xD2D2D2")

public:
    explicit TButtonAppearance(QObject* parent = nullptr);
    ~TButtonAppearance() override;

    void Assign(TPersistent* source) override;

    TColor ArrowColorDown() const { return FArrowColorDown; }
    void SetArrowColorDown(TColor value);
    TColor ArrowColorHot() const { return FArrowColorHot; }
    void SetArrowColorHot(TColor value);
    TColor BorderColorDown() const { return FBorderColorDown; }
    void SetBorderColorDown(TColor value);
    TColor BorderColorHot() const { return FBorderColorHot; }
    void SetBorderColorHot(TColor value);
    TColor BorderColorNodeHot() const { return FBorderColorNodeHot; }
    void SetBorderColorNodeHot(TColor value);
    TColor ColorDown() const { return FColorDown; }
    void SetColorDown(TColor value);
    TColor ColorDownTo() const { return FColorDownTo; }
    void SetColorDownTo(TColor value);
    TColor ColorMirrorDown() const { return FColorMirrorDown; }
    void SetColorMirrorDown(TColor value);
    TColor ColorMirrorDownTo() const { return FColorMirrorDownTo; }
    void SetColorMirrorDownTo(TColor value);
    TColor ColorHot() const { return FColorHot; }
    void SetColorHot(TColor value);
    TColor ColorHotTo() const { return FColorHotTo; }
    void SetColorHotTo(TColor value);
    TColor ColorMirrorHot() const { return FColorMirrorHot; }
    void SetColorMirrorHot(TColor value);
    TColor ColorMirrorHotTo() const { return FColorMirrorHotTo; }
    void SetColorMirrorHotTo(TColor value);
    TColor ColorNodeHot() const { return FColorNodeHot; }
    void SetColorNodeHot(TColor value);
    TColor ColorNodeHotTo() const { return FColorNodeHotTo; }
    void SetColorNodeHotTo(TColor value);
    TColor ColorMirrorNodeHot() const { return FColorMirrorNodeHot; }
    void SetColorMirrorNodeHot(TColor value);
    TColor ColorMirrorNodeHotTo() const { return FColorMirrorNodeHotTo; }
    void SetColorMirrorNodeHotTo(TColor value);
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* value);

private:

    TColor FBorderColorHot = 0x8B5816;
    TColor FColorHot = 0xFBEDD3;
    TColor FArrowColorHot = 0x000000;
    TColor FColorMirrorHot = 0xF7D89C;
    TColor FColorMirrorHotTo = 0xF5D089;
    TColor FColorHotTo = 0xFAE9C7;
    TColor FArrowColorDown = 0x000000;
    TColor FColorDownTo = 0xF7E7C9;
    TColor FColorDown = 0xFCF1E4;
    TColor FColorMirrorDownTo = 0xDDB66D;
    TColor FColorMirrorDown = 0xEDCE93;
    TColor FBorderColorDown = 0x8B622C;
    TColor FColorMirrorNodeHotTo = 0xD2D2D2;
    TColor FBorderColorNodeHot = 0x8F8F8E;
    TColor FColorNodeHot = 0xF2F2F2;
    TColor FColorMirrorNodeHot = 0xD9D9D9;
    TColor FColorNodeHotTo = 0xEEEEEE;
    std::unique_ptr<TFont> FFont;
};

class TExpTreeviewAppearance : public TAppearanceRecord {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(TButtonAppearance* ButtonAppearance READ ButtonAppearance WRITE SetButtonAppearance)
    Q_PROPERTY(TColor OuterBorderColor READ OuterBorderColor WRITE SetOuterBorderColor)
    Q_PROPERTY(TColor InnerBorderColor READ InnerBorderColor WRITE SetInnerBorderColor)
    Q_PROPERTY(TColor InnerMostBorderColor READ InnerMostBorderColor WRITE SetInnerMostBorderColor)
    Q_PROPERTY(TColor FocusOuterBorderColor READ FocusOuterBorderColor WRITE SetFocusOuterBorderColor)
    Q_PROPERTY(TColor FocusInnerBorderColor READ FocusInnerBorderColor WRITE SetFocusInnerBorderColor)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(TColor FocusColor READ FocusColor WRITE SetFocusColor)
    Q_PROPERTY(TColor HotColor READ HotColor WRITE SetHotColor)
    Q_CLASSINFO("Default:OuterBorderColor", "clNone")
    Q_CLASSINFO("Default:InnerBorderColor", "0xB99D7F")
    Q_CLASSINFO("Default:InnerMostBorderColor", "clNone")
    Q_CLASSINFO("Default:FocusOuterBorderColor", "clNone")
    Q_CLASSINFO("Default:FocusInnerBorderColor", "0xB99D7F")
    Q_CLASSINFO("Default:Color", "0xFAF0E6")
    Q_CLASSINFO("Default:FocusColor", "0xFFFFFF")
    Q_CLASSINFO("Default:HotColor", "0xFFF9F4")

public:
    explicit TExpTreeviewAppearance(QObject* parent = nullptr);
    ~TExpTreeviewAppearance() override;

    // Copies another appearance record; any other source is ignored.
    void Assign(TPersistent* source) override;

    TButtonAppearance* ButtonAppearance() const { return FButtonAppearance.get(); }
    void SetButtonAppearance(TButtonAppearance* value);

    TColor OuterBorderColor() const { return FOuterBorderColor; }
    void SetOuterBorderColor(TColor value);
    TColor InnerBorderColor() const { return FInnerBorderColor; }
    void SetInnerBorderColor(TColor value);
    TColor InnerMostBorderColor() const { return FInnerMostBorderColor; }
    void SetInnerMostBorderColor(TColor value);
    TColor FocusOuterBorderColor() const { return FFocusOuterBorderColor; }
    void SetFocusOuterBorderColor(TColor value);
    TColor FocusInnerBorderColor() const { return FFocusInnerBorderColor; }
    void SetFocusInnerBorderColor(TColor value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TColor FocusColor() const { return FFocusColor; }
    void SetFocusColor(TColor value);
    TColor HotColor() const { return FHotColor; }
    void SetHotColor(TColor value);

private:

    TColor FColor = 0xFAF0E6;
    TColor FFocusColor = 0xFFFFFF;
    TColor FFocusOuterBorderColor = clNone;
    TColor FInnerBorderColor = 0xB99D7F;
    TColor FOuterBorderColor = clNone;
    TColor FFocusInnerBorderColor = 0xB99D7F;
    TColor FHotColor = 0xFFF9F4;
    TColor FInnerMostBorderColor = clNone;
    std::unique_ptr<TButtonAppearance> FButtonAppearance;
};

#pragma GCC visibility pop
