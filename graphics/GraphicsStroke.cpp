#include "graphics/GraphicsStroke.h"

#include "graphics/GraphicsColors.h"

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
    }
    DoChanged();
}

void TKestCustomGraphicsStroke::SetKind(TKestGraphicsStrokeKind value)
{
    if (value != FKind) {
        FKind = value;
        DoChanged();
    }
}

void TKestCustomGraphicsStroke::SetColor(TColor value)
{
    if (value != FColor) {
        FColor = StoredGraphicsColor(value);
        DoChanged();
    }
}

void TKestCustomGraphicsStroke::SetWidth(float value)
{
    if (value != FWidth) {
        FWidth = value;
        DoChanged();
    }
}

void TKestCustomGraphicsStroke::SetOpacity(float value)
{
    if (value != FOpacity) {
        FOpacity = value;
        DoChanged();
    }
}
