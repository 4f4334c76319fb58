#include "graphics/GraphicsFill.h"

#include "graphics/GraphicsStroke.h"

TKestCustomGraphicsFill::TKestCustomGraphicsFill(TKestGraphicsFillKind kind, TColor color, QObject* parent)
    : QObject(parent),
      TKestGraphicsChangeNotifier(this),
      FKind(kind),
      FColor(color),
      FTexture(std::make_unique<TKestBitmap>()),
      FGradientItems(std::make_unique<TKestGraphicsFillGradientItems>(this))
{
    FTexture->OnChange = [this](QObject*) { DoChanged(); };
}

TKestCustomGraphicsFill::~TKestCustomGraphicsFill() = default;

TKestGraphicsFill::~TKestGraphicsFill() = default;

void TKestCustomGraphicsFill::Assign(TPersistent* source)
{
    if (source == this)
        return;
    {
        // The texture reports its own change; the one report comes below.
        TUpdateScope scope(*this);
        if (auto* fill = dynamic_cast<TKestCustomGraphicsFill*>(source)) {
            FColor = fill->FColor;
            FColorTo = fill->FColorTo;
            FColorMirror = fill->FColorMirror;
            FColorMirrorTo = fill->FColorMirrorTo;
            FKind = fill->FKind;
            FOrientation = fill->FOrientation;
            FOpacity = fill->FOpacity;
            FTexture->Assign(fill->FTexture.get());
            FTextureMode = fill->FTextureMode;
            FGradientMode = fill->FGradientMode;
            FGradientAngle = fill->FGradientAngle;
            FGradientCenterPoint = fill->FGradientCenterPoint;
            FGradientItems->Assign(fill->FGradientItems.get());
            FGradientType = fill->FGradientType;
            FGradientCenterColor = fill->FGradientCenterColor;
        } else if (auto* stroke = dynamic_cast<TKestCustomGraphicsStroke*>(source)) {
            FColor = stroke->Color();
            FColorTo = gcNull;
            FColorMirror = gcNull;
            FColorMirrorTo = gcNull;
            FKind = gfkSolid;
            FOrientation = gfoVertical;
            FOpacity = 1;
        }
    }
    DoChanged();
}

void TKestCustomGraphicsFill::UpdateColor(TColor& field, TColor value)
{
    if (value != field) {
        field = StoredGraphicsColor(value);
        DoChanged();
    }
}

void TKestCustomGraphicsFill::SetTexture(TKestBitmap* value)
{
    if (value == FTexture.get())
        return;
    {
        TUpdateScope scope(*this);
        FTexture->Assign(value);
    }
    DoChanged();
}

void TKestCustomGraphicsFill::SetGradientItems(TKestGraphicsFillGradientItems* value) { FGradientItems->Assign(value); }

void TKestCustomGraphicsFill::SetGradientCenterPoint(const TPointF& value)
{
    FGradientCenterPoint = value;
    DoChanged();
}

void TKestCustomGraphicsFill::ClearGradientItems() { FGradientItems->Clear(); }

TKestGraphicsFillGradientItem* TKestCustomGraphicsFill::AddGradientItem(TColor color, float position, float opacity)
{
    TKestGraphicsFillGradientItem* item = FGradientItems->Add();
    item->SetColor(color);
    item->SetPosition(position);
    item->SetOpacity(opacity);
    return item;
}
