#include "pathbar/ExpTreeviewAppearance.h"

void TAppearanceRecord::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TAppearanceRecord::Update(TColor& Field, TColor Value)
{
    if (Value != Field) {
        Field = Value;
        Changed();
    }
}

TButtonAppearance::TButtonAppearance(QObject* parent) : TAppearanceRecord(parent), FFont(std::make_unique<TFont>())
{
    FFont->OnChange = [this](QObject*) { Changed(); };
}

TButtonAppearance::~TButtonAppearance() = default;


// Only the pressed colours notify; the others show at the next paint.
void TButtonAppearance::SetBorderColorHot(TColor Value) { FBorderColorHot = Value; }

void TButtonAppearance::SetColorHot(TColor Value) { FColorHot = Value; }

void TButtonAppearance::SetArrowColorHot(TColor Value) { FArrowColorHot = Value; }

void TButtonAppearance::SetColorMirrorHot(TColor Value) { FColorMirrorHot = Value; }

void TButtonAppearance::SetColorMirrorHotTo(TColor Value) { FColorMirrorHotTo = Value; }

void TButtonAppearance::SetColorHotTo(TColor Value) { FColorHotTo = Value; }

void TButtonAppearance::SetArrowColorDown(TColor Value) { FArrowColorDown = Value; }

void TButtonAppearance::SetColorDownTo(TColor Value) { Update(FColorDownTo, Value); }

void TButtonAppearance::SetColorDown(TColor Value) { Update(FColorDown, Value); }

void TButtonAppearance::SetColorMirrorDownTo(TColor Value) { Update(FColorMirrorDownTo, Value); }

void TButtonAppearance::SetColorMirrorDown(TColor Value) { Update(FColorMirrorDown, Value); }

void TButtonAppearance::SetBorderColorDown(TColor Value) { FBorderColorDown = Value; }

void TButtonAppearance::SetColorMirrorNodeHotTo(TColor Value) { FColorMirrorNodeHotTo = Value; }

void TButtonAppearance::SetBorderColorNodeHot(TColor Value) { FBorderColorNodeHot = Value; }

void TButtonAppearance::SetColorNodeHot(TColor Value) { FColorNodeHot = Value; }

void TButtonAppearance::SetColorMirrorNodeHot(TColor Value) { FColorMirrorNodeHot = Value; }

void TButtonAppearance::SetColorNodeHotTo(TColor Value) { FColorNodeHotTo = Value; }

void TButtonAppearance::SetFont(TFont* Value)
{
    if (Value)
        FFont->Assign(Value);
}

void TButtonAppearance::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TButtonAppearance*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    FBorderColorHot = src->FBorderColorHot;
    FColorHot = src->FColorHot;
    FArrowColorHot = src->FArrowColorHot;
    FColorMirrorHot = src->FColorMirrorHot;
    FColorMirrorHotTo = src->FColorMirrorHotTo;
    FColorHotTo = src->FColorHotTo;
    FArrowColorDown = src->FArrowColorDown;
    FColorDownTo = src->FColorDownTo;
    FColorDown = src->FColorDown;
    FColorMirrorDownTo = src->FColorMirrorDownTo;
    FColorMirrorDown = src->FColorMirrorDown;
    FBorderColorDown = src->FBorderColorDown;
    FColorMirrorNodeHotTo = src->FColorMirrorNodeHotTo;
    FBorderColorNodeHot = src->FBorderColorNodeHot;
    FColorNodeHot = src->FColorNodeHot;
    FColorMirrorNodeHot = src->FColorMirrorNodeHot;
    FColorNodeHotTo = src->FColorNodeHotTo;
    FFont->Assign(src->FFont.get());
}

TExpTreeviewAppearance::TExpTreeviewAppearance(QObject* parent)
    : TAppearanceRecord(parent), FButtonAppearance(std::make_unique<TButtonAppearance>())
{
    FButtonAppearance->OnChange = [this](QObject*) { Changed(); };
}

TExpTreeviewAppearance::~TExpTreeviewAppearance() = default;


void TExpTreeviewAppearance::SetButtonAppearance(TButtonAppearance* Value)
{
    if (Value)
        FButtonAppearance->Assign(Value);
    Changed();
}

void TExpTreeviewAppearance::SetOuterBorderColor(TColor Value) { Update(FOuterBorderColor, Value); }

void TExpTreeviewAppearance::SetInnerBorderColor(TColor Value) { Update(FInnerBorderColor, Value); }

void TExpTreeviewAppearance::SetInnerMostBorderColor(TColor Value) { Update(FInnerMostBorderColor, Value); }

void TExpTreeviewAppearance::SetFocusOuterBorderColor(TColor Value) { Update(FFocusOuterBorderColor, Value); }

void TExpTreeviewAppearance::SetFocusInnerBorderColor(TColor Value) { Update(FFocusInnerBorderColor, Value); }

void TExpTreeviewAppearance::SetColor(TColor Value) { Update(FColor, Value); }

void TExpTreeviewAppearance::SetFocusColor(TColor Value) { Update(FFocusColor, Value); }

void TExpTreeviewAppearance::SetHotColor(TColor Value) { Update(FHotColor, Value); }

void TExpTreeviewAppearance::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TExpTreeviewAppearance*>(Source);
    if (!src)
        return;
    FColor = src->FColor;
    FFocusColor = src->FFocusColor;
    FFocusOuterBorderColor = src->FFocusOuterBorderColor;
    FInnerBorderColor = src->FInnerBorderColor;
    FOuterBorderColor = src->FOuterBorderColor;
    FInnerMostBorderColor = src->FInnerMostBorderColor;
    FFocusInnerBorderColor = src->FFocusInnerBorderColor;
    FButtonAppearance->Assign(src->FButtonAppearance.get());
    FHotColor = src->FHotColor;
}
