#include "pathbar/ExpTreeviewAppearance.h"

void TAppearanceRecord::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TAppearanceRecord::Update(TColor& field, TColor value)
{
    if (value != field) {
        field = value;
        Changed();
    }
}

TButtonAppearance::TButtonAppearance(QObject* parent) : TAppearanceRecord(parent), FFont(std::make_unique<TFont>())
{
    FFont->OnChange = [this](QObject*) { Changed(); };
}

TButtonAppearance::~TButtonAppearance() = default;


// Only the pressed colours notify; the others show at the next paint.
void TButtonAppearance::SetBorderColorHot(TColor value) { FBorderColorHot = value; }

void TButtonAppearance::SetColorHot(TColor value) { FColorHot = value; }

void TButtonAppearance::SetArrowColorHot(TColor value) { FArrowColorHot = value; }

void TButtonAppearance::SetColorMirrorHot(TColor value) { FColorMirrorHot = value; }

void TButtonAppearance::SetColorMirrorHotTo(TColor value) { FColorMirrorHotTo = value; }

void TButtonAppearance::SetColorHotTo(TColor value) { FColorHotTo = value; }

void TButtonAppearance::SetArrowColorDown(TColor value) { FArrowColorDown = value; }

void TButtonAppearance::SetColorDownTo(TColor value) { Update(FColorDownTo, value); }

void TButtonAppearance::SetColorDown(TColor value) { Update(FColorDown, value); }

void TButtonAppearance::SetColorMirrorDownTo(TColor value) { Update(FColorMirrorDownTo, value); }

void TButtonAppearance::SetColorMirrorDown(TColor value) { Update(FColorMirrorDown, value); }

void TButtonAppearance::SetBorderColorDown(TColor value) { FBorderColorDown = value; }

void TButtonAppearance::SetColorMirrorNodeHotTo(TColor value) { FColorMirrorNodeHotTo = value; }

void TButtonAppearance::SetBorderColorNodeHot(TColor value) { FBorderColorNodeHot = value; }

void TButtonAppearance::SetColorNodeHot(TColor value) { FColorNodeHot = value; }

void TButtonAppearance::SetColorMirrorNodeHot(TColor value) { FColorMirrorNodeHot = value; }

void TButtonAppearance::SetColorNodeHotTo(TColor value) { FColorNodeHotTo = value; }

void TButtonAppearance::SetFont(TFont* value)
{
    if (value)
        FFont->Assign(value);
}

void TButtonAppearance::Assign(TPersistent* source)
{
    auto* src = dynamic_cast<TButtonAppearance*>(source);
    if (!src) {
        TPersistent::Assign(source);
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


void TExpTreeviewAppearance::SetButtonAppearance(TButtonAppearance* value)
{
    if (value)
        FButtonAppearance->Assign(value);
    Changed();
}

void TExpTreeviewAppearance::SetOuterBorderColor(TColor value) { Update(FOuterBorderColor, value); }

void TExpTreeviewAppearance::SetInnerBorderColor(TColor value) { Update(FInnerBorderColor, value); }

void TExpTreeviewAppearance::SetInnerMostBorderColor(TColor value) { Update(FInnerMostBorderColor, value); }

void TExpTreeviewAppearance::SetFocusOuterBorderColor(TColor value) { Update(FFocusOuterBorderColor, value); }

void TExpTreeviewAppearance::SetFocusInnerBorderColor(TColor value) { Update(FFocusInnerBorderColor, value); }

void TExpTreeviewAppearance::SetColor(TColor value) { Update(FColor, value); }

void TExpTreeviewAppearance::SetFocusColor(TColor value) { Update(FFocusColor, value); }

void TExpTreeviewAppearance::SetHotColor(TColor value) { Update(FHotColor, value); }

void TExpTreeviewAppearance::Assign(TPersistent* source)
{
    auto* src = dynamic_cast<TExpTreeviewAppearance*>(source);
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
