#include "pathbar/DropDownButton.h"

TDropDownButton::TDropDownButton(TComponent* AOwner) : TExplorerTreeviewChild(AOwner), FGlyph(std::make_unique<TBitmap>())
{
    FGlyph->OnChange = [this](QObject*) { Invalidate(); };
}

TDropDownButton::~TDropDownButton() = default;

void TDropDownButton::SetGlyph(TBitmap* Value) { FGlyph->Assign(Value); }

void TDropDownButton::SetImageIndex(int Value)
{
    FImageIndex = Value;
    Invalidate();
}

void TDropDownButton::SetDown(bool Value)
{
    if (Value == FDown)
        return;
    FDown = Value;
    Invalidate();
}
