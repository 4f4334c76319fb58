#pragma once
// One element of a parsed SVG document: its kind, geometry (paths already
// built for path, polyline and polygon), transform, presentation values as
// written and parsed, and its references. The parser fills it; readers see
// read-only properties named after the fields.

#include "persistence/KestJSONMethods.h"
#include "framework/Color.h"
#include "framework/Enums.h"
#include "framework/Persistent.h"
#include "graphics/GraphicsMatrix.h"
#include "graphics/svg/KestGraphicsSVGTypes.h"

#include <QHash>
#include <QString>
#include <memory>

#pragma GCC visibility push(default)

class TKestBitmap;
struct TKestGraphicsSVGTextValues;

class TKestGraphicsSVGElement : public TPersistent, public TKestJSONMethods {
public:
    TKestGraphicsSVGElement();
    ~TKestGraphicsSVGElement() override;
    TKestGraphicsSVGElement(const TKestGraphicsSVGElement&) = delete;
    TKestGraphicsSVGElement& operator=(const TKestGraphicsSVGElement&) = delete;

    // Created on first use.
    TKestBitmap* Bitmap();
    TKestGraphicsPath* CombinedPath();
    TKestGraphicsSVGElementPathList& Paths();
    TKestGraphicsSVGElementList& Elements();
    // The same without creating: empty when there are none.
    const TKestGraphicsSVGElementPathList& Paths() const;
    const TKestGraphicsSVGElementList& Elements() const;
    // The last of Paths; none when there is none.
    TKestGraphicsPath* ActivePath() const;

    bool HasElements() const { return FElements != nullptr; }
    bool HasPaths() const { return FPaths != nullptr; }
    bool HasBitmap() const { return FBitmap != nullptr; }
    bool HasActivePath() const { return ActivePath() != nullptr; }
    // The value is not "none", "transparent" or "default".
    bool HasFillColor() const;
    bool HasStrokeColor() const;
    bool HasStopColor() const;
    // The value is not "default".
    bool HasStrokeWidth() const;
    bool HasFontSize() const;
    bool HasOpacity() const;
    bool HasOffset() const;
    bool HasStopOpacity() const;
    bool HasFillOpacity() const;
    bool HasStrokeOpacity() const;
    bool HasPreserveAspectRatio() const;

    TKestGraphicsSVGElementType Type() const { return FType; }
    void SetType(TKestGraphicsSVGElementType value) { FType = value; }
    float Width() const { return FWidth; }
    float X() const { return FXV; }
    float Y() const { return FYV; }
    float Height() const { return FHeight; }
    float Rx() const { return FRx; }
    float Ry() const { return FRy; }
    const TKestGraphicsMatrix& Matrix() const { return FMatrix; }
    TColor FillColor() const { return FFillColor; }
    TColor StrokeColor() const { return FStrokeColor; }
    const QString& FillColorValue() const { return FFillColorValue; }
    const QString& StrokeColorValue() const { return FStrokeColorValue; }
    TKestGraphicsSVGElement* Parent() const { return FParent; }
    float StrokeWidth() const { return FStrokeWidth; }
    const QString& StrokeWidthValue() const { return FStrokeWidthValue; }
    const QString& OpacityValue() const { return FOpacityValue; }
    const QString& OffsetValue() const { return FOffsetValue; }
    float Offset() const { return FOffset; }
    const QString& StopColorValue() const { return FStopColorValue; }
    TColor StopColor() const { return FStopColor; }
    const QString& StopOpacityValue() const { return FStopOpacityValue; }
    float StopOpacity() const { return FStopOpacity; }
    float Opacity() const { return FOpacity; }
    float FillOpacity() const { return FFillOpacity; }
    // The alpha the fill or stroke colour itself gives, 0..1.
    float FillColorAlpha() const { return FFillColorAlpha; }
    float StrokeColorAlpha() const { return FStrokeColorAlpha; }
    float StrokeOpacity() const { return FStrokeOpacity; }
    const QString& ID() const { return FID; }
    const QString& ClassRefID() const { return FClassRefID; }
    TKestGraphicsSVGElement* ClassRef() const { return FClassRef; }
    const QString& HRefID() const { return FHRefID; }
    const QString& URLRefID() const { return FURLRefID; }
    TKestGraphicsSVGElement* HRefRef() const { return FHRefRef; }
    TKestGraphicsSVGElement* PatternRef() const { return FPatternRef; }
    const QString& ClipPathRefID() const { return FClipPathRefID; }
    TKestGraphicsSVGElement* ClipPathRef() const { return FClipPathRef; }
    const QString& FontFamily() const { return FFontFamily; }
    const QString& FontSizeValue() const { return FFontSizeValue; }
    float FontSize() const { return FFontSize; }
    TFontStyles FontStyle() const { return FFontStyle; }
    const QString& Text() const { return FText; }
    const QString& DisplayValue() const { return FDisplayValue; }
    const QString& PreserveAspectRatioValue() const { return FPreserveAspectRatioValue; }
    TKestGraphicsSVGElementPreserveAspectRatio PreserveAspectRatio() const { return FPreserveAspectRatio; }
    float FR() const { return FFR; }
    float CX() const { return FCX; }
    float CY() const { return FCY; }
    float FX() const { return FFX; }
    float FY() const { return FFY; }
    bool HasCX() const { return FHasCX; }
    bool HasCY() const { return FHasCY; }
    const TKestGraphicsMatrix& GradientMatrix() const { return FGradientMatrix; }
    // Text positions and properties; none when the element gives none.
    const TKestGraphicsSVGTextValues* TextValues() const { return FTextValues.get(); }
    // The "color" property as written ("default" when not given) and its
    // colour; "currentColor" in a paint takes it from here.
    const QString& ColorValue() const { return FColorValue; }
    TColor CurrentColor() const { return FCurrentColor; }
    float StopColorAlpha() const { return FStopColorAlpha; }
    // "nonzero", "evenodd", or "default" when not given (inherited).
    const QString& ClipRuleValue() const { return FClipRuleValue; }
    // A gradient's own geometry, units, spread and transform attributes (and
    // a clip path's units) as written, by name; a linked gradient inherits
    // the ones it lacks.
    const QHash<QString, QString>& PaintAttributes() const { return FPaintAttributes; }

private:
    friend class TKestGraphicsSVGParser;
    friend class TKestGraphicsSVGDeclarations;
    friend class TKestGraphicsSVGReferences;
    friend class TKestGraphicsSVGImage;
    friend class TKestGraphicsSVGStyleSheet;
    friend class TKestGraphicsSVGTextDeclarations;

    std::unique_ptr<TKestBitmap> FBitmap;
    std::unique_ptr<TKestGraphicsPath> FCombinedPath;
    std::unique_ptr<TKestGraphicsSVGElementPathList> FPaths;
    std::unique_ptr<TKestGraphicsSVGElementList> FElements;
    TKestGraphicsSVGElementType FType = etContainer;
    float FWidth = 0;
    float FXV = 0;
    float FYV = 0;
    float FHeight = 0;
    float FRx = 0;
    float FRy = 0;
    TKestGraphicsMatrix FMatrix = MatrixIdentity();
    TColor FFillColor = 0;
    TColor FStrokeColor = 0;
    QString FFillColorValue;
    QString FStrokeColorValue;
    TKestGraphicsSVGElement* FParent = nullptr;
    float FStrokeWidth = 1;
    QString FStrokeWidthValue;
    QString FOpacityValue;
    QString FOffsetValue;
    float FOffset = 0;
    QString FStopColorValue;
    TColor FStopColor = 0;
    QString FStopOpacityValue;
    float FStopOpacity = 1;
    float FOpacity = 1;
    QString FFillOpacityValue;
    float FFillOpacity = 1;
    QString FStrokeOpacityValue;
    float FStrokeOpacity = 1;
    float FFillColorAlpha = 1;
    float FStrokeColorAlpha = 1;
    QString FID;
    QString FClassRefID;
    TKestGraphicsSVGElement* FClassRef = nullptr;
    QString FHRefID;
    QString FURLRefID;
    TKestGraphicsSVGElement* FHRefRef = nullptr;
    TKestGraphicsSVGElement* FPatternRef = nullptr;
    QString FClipPathRefID;
    TKestGraphicsSVGElement* FClipPathRef = nullptr;
    QString FFontFamily;
    QString FFontSizeValue;
    float FFontSize = 0;
    TFontStyles FFontStyle;
    QString FText;
    QString FDisplayValue;
    QString FPreserveAspectRatioValue;
    TKestGraphicsSVGElementPreserveAspectRatio FPreserveAspectRatio = parOther;
    float FFR = 0;
    float FCX = 0;
    float FCY = 0;
    float FFX = 0;
    float FFY = 0;
    bool FHasCX = false;
    bool FHasCY = false;
    TKestGraphicsMatrix FGradientMatrix = MatrixIdentity();
    std::unique_ptr<TKestGraphicsSVGTextValues> FTextValues;
    QString FColorValue;
    TColor FCurrentColor = 0;
    float FStopColorAlpha = 1;
    QString FClipRuleValue;
    QHash<QString, QString> FPaintAttributes;
};

#pragma GCC visibility pop
