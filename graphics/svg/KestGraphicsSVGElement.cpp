#include "graphics/svg/KestGraphicsSVGElement.h"

#include "graphics/svg/KestGraphicsSVGTextValues.h"
#include "pictures/KestBitmap.h"

namespace {

const QString DefaultValue = QStringLiteral("default");

bool GivesColor(const QString& value)
{
    return value != QLatin1String("none") && value != QLatin1String("transparent") && value != DefaultValue;
}

}

TKestGraphicsSVGElement::TKestGraphicsSVGElement()
    : FFillColorValue(DefaultValue), FStrokeColorValue(DefaultValue), FStrokeWidthValue(DefaultValue),
      FOpacityValue(DefaultValue), FOffsetValue(DefaultValue), FStopColorValue(DefaultValue),
      FStopOpacityValue(DefaultValue), FFillOpacityValue(DefaultValue), FStrokeOpacityValue(DefaultValue),
      FFontSizeValue(DefaultValue), FPreserveAspectRatioValue(DefaultValue), FColorValue(DefaultValue),
      FClipRuleValue(DefaultValue)
{
}

TKestGraphicsSVGElement::~TKestGraphicsSVGElement() = default;

const TKestGraphicsSVGElementPathList& TKestGraphicsSVGElement::Paths() const
{
    static const TKestGraphicsSVGElementPathList none;
    return FPaths ? *FPaths : none;
}

const TKestGraphicsSVGElementList& TKestGraphicsSVGElement::Elements() const
{
    static const TKestGraphicsSVGElementList none;
    return FElements ? *FElements : none;
}

TKestBitmap* TKestGraphicsSVGElement::Bitmap()
{
    if (!FBitmap)
        FBitmap = std::make_unique<TKestBitmap>();
    return FBitmap.get();
}

TKestGraphicsPath* TKestGraphicsSVGElement::CombinedPath()
{
    if (!FCombinedPath) {
        FCombinedPath = std::make_unique<TKestGraphicsPath>();
        if (FPaths)
            for (const auto& path : *FPaths)
                FCombinedPath->AddPath(*path);
    }
    return FCombinedPath.get();
}

TKestGraphicsSVGElementPathList& TKestGraphicsSVGElement::Paths()
{
    if (!FPaths)
        FPaths = std::make_unique<TKestGraphicsSVGElementPathList>();
    return *FPaths;
}

TKestGraphicsSVGElementList& TKestGraphicsSVGElement::Elements()
{
    if (!FElements)
        FElements = std::make_unique<TKestGraphicsSVGElementList>();
    return *FElements;
}

TKestGraphicsPath* TKestGraphicsSVGElement::ActivePath() const
{
    return FPaths && !FPaths->empty() ? FPaths->back().get() : nullptr;
}

bool TKestGraphicsSVGElement::HasFillColor() const { return GivesColor(FFillColorValue); }
bool TKestGraphicsSVGElement::HasStrokeColor() const { return GivesColor(FStrokeColorValue); }
bool TKestGraphicsSVGElement::HasStopColor() const { return GivesColor(FStopColorValue); }
bool TKestGraphicsSVGElement::HasStrokeWidth() const { return FStrokeWidthValue != DefaultValue; }
bool TKestGraphicsSVGElement::HasFontSize() const { return FFontSizeValue != DefaultValue; }
bool TKestGraphicsSVGElement::HasOpacity() const { return FOpacityValue != DefaultValue; }
bool TKestGraphicsSVGElement::HasOffset() const { return FOffsetValue != DefaultValue; }
bool TKestGraphicsSVGElement::HasStopOpacity() const { return FStopOpacityValue != DefaultValue; }

bool TKestGraphicsSVGElement::HasFillOpacity() const { return FFillOpacityValue != DefaultValue; }

bool TKestGraphicsSVGElement::HasStrokeOpacity() const { return FStrokeOpacityValue != DefaultValue; }
bool TKestGraphicsSVGElement::HasPreserveAspectRatio() const { return FPreserveAspectRatioValue != DefaultValue; }
