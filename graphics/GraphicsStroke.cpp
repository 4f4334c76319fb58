#include "graphics/GraphicsStroke.h"

#include "graphics/GraphicsColors.h"
#include "graphics/GraphicsFill.h"

TKestCustomGraphicsStroke::TKestCustomGraphicsStroke(TKestGraphicsStrokeKind kind, TColor color, QObject* parent)
    : QObject(parent), TKestGraphicsChangeNotifier(this), FKind(kind), FColor(color)
{
}

TKestCustomGraphicsStroke::~TKestCustomGraphicsStroke() = default;

TKestGraphicsStroke::~TKestGraphicsStroke() = default;

void TKestCustomGraphicsStroke::Assign(TPersistent* source)
{
    if (source == this)
        return;
    if (auto* stroke = dynamic_cast<TKestCustomGraphicsStroke*>(source)) {
        FColor = stroke->FColor;
        FKind = stroke->FKind;
        FOpacity = stroke->FOpacity;
        FWidth = stroke->FWidth;
    } else if (auto* fill = dynamic_cast<TKestCustomGraphicsFill*>(source)) {
        FColor = fill->Color();
        FKind = gskSolid;
        FOpacity = 1;
        FWidth = 1;
    }
    DoChanged();
}

void TKestCustomGraphicsStroke::SetKind(TKestGraphicsStrokeKind value) { Update(FKind, value); }

void TKestCustomGraphicsStroke::SetColor(TColor value)
{
    if (value != FColor) {
        FColor = StoredGraphicsColor(value);
        DoChanged();
    }
}

void TKestCustomGraphicsStroke::SetWidth(float value) { Update(FWidth, value); }

void TKestCustomGraphicsStroke::SetOpacity(float value) { Update(FOpacity, value); }
