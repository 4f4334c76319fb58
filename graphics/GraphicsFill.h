#pragma once
// The fill: solid colour, two-colour gradient (with an optional mirror
// half), gradient of stops, or texture picture.

#include "persistence/KestJSONMethods.h"
#include "framework/Color.h"
#include "framework/FloatGeometry.h"
#include "framework/Persistent.h"
#include "graphics/GraphicsChangeNotifier.h"
#include "graphics/GraphicsColors.h"
#include "graphics/GraphicsEnums.h"
#include "graphics/GraphicsFillGradientItems.h"
#include "graphics/GraphicsMatrix.h"
#include "pictures/KestBitmap.h"

#include <QObject>
#include <memory>

#pragma GCC visibility push(default)

class TKestCustomGraphicsFill : public QObject,
                                public TPersistent,
                                public TKestGraphicsChangeNotifier,
                                public TKestJSONMethods {
    Q_OBJECT

public:
    TKestCustomGraphicsFill(TKestGraphicsFillKind kind, TColor color, QObject* parent = nullptr);
    ~TKestCustomGraphicsFill() override;

    // From a fill: every value but the gradient matrix; from a stroke: its
    // colour as a solid, vertical, opaque fill without second colours.
    // Notifies once in every case; assigning a fill to itself changes
    // nothing.
    void Assign(TPersistent* source) override;

    void ClearGradientItems();
    TKestGraphicsFillGradientItem* AddGradientItem(TColor color, float position, float opacity);

    TKestGraphicsFillOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TKestGraphicsFillOrientation value) { Update(FOrientation, value); }
    TKestGraphicsFillOrientation GradientOrientation() const { return FOrientation; }
    void SetGradientOrientation(TKestGraphicsFillOrientation value) { SetOrientation(value); }
    TKestGraphicsFillKind Kind() const { return FKind; }
    void SetKind(TKestGraphicsFillKind value) { Update(FKind, value); }
    // The colour setters store clNone as gcNull and clDefault as the button
    // face colour.
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { UpdateColor(FColor, value); }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor value) { UpdateColor(FColorTo, value); }
    TColor ColorMirror() const { return FColorMirror; }
    void SetColorMirror(TColor value) { UpdateColor(FColorMirror, value); }
    TColor ColorMirrorTo() const { return FColorMirrorTo; }
    void SetColorMirrorTo(TColor value) { UpdateColor(FColorMirrorTo, value); }
    float Opacity() const { return FOpacity; }
    void SetOpacity(float value) { Update(FOpacity, value); }
    // The fill keeps owning its texture; the setter copies the picture.
    TKestBitmap* Texture() const { return FTexture.get(); }
    void SetTexture(TKestBitmap* value);
    TKestGraphicsTextureMode TextureMode() const { return FTextureMode; }
    void SetTextureMode(TKestGraphicsTextureMode value) { Update(FTextureMode, value); }
    TKestGraphicsFillGradientMode GradientMode() const { return FGradientMode; }
    void SetGradientMode(TKestGraphicsFillGradientMode value) { Update(FGradientMode, value); }
    TKestGraphicsFillGradientItems* GradientItems() const { return FGradientItems.get(); }
    // Copies the stops; no notification of its own.
    void SetGradientItems(TKestGraphicsFillGradientItems* value);
    TKestGraphicsFillGradientType GradientType() const { return FGradientType; }
    void SetGradientType(TKestGraphicsFillGradientType value) { Update(FGradientType, value); }
    float GradientAngle() const { return FGradientAngle; }
    void SetGradientAngle(float value) { Update(FGradientAngle, value); }
    TPointF GradientCenterPoint() const { return FGradientCenterPoint; }
    // Notifies even when the point is the same.
    void SetGradientCenterPoint(const TPointF& value);
    TColor GradientCenterColor() const { return FGradientCenterColor; }
    void SetGradientCenterColor(TColor value) { Update(FGradientCenterColor, value); }
    // Read and written directly, without notification.
    TKestGraphicsMatrix& GradientMatrix() { return FGradientMatrix; }
    const TKestGraphicsMatrix& GradientMatrix() const { return FGradientMatrix; }
    void SetGradientMatrix(const TKestGraphicsMatrix& value) { FGradientMatrix = value; }

private:
    friend class TKestGraphicsFillGradientItem;
    // A stop of this fill changed.
    void StopChanged() { DoChanged(); }
    void UpdateColor(TColor& field, TColor value);

    TKestGraphicsFillOrientation FOrientation = gfoVertical;
    TKestGraphicsFillKind FKind;
    TColor FColor;
    TColor FColorTo = 0x808080;
    TColor FColorMirror = gcNull;
    TColor FColorMirrorTo = gcNull;
    float FOpacity = 1;
    std::unique_ptr<TKestBitmap> FTexture;
    TKestGraphicsTextureMode FTextureMode = gtmStretch;
    TKestGraphicsFillGradientMode FGradientMode = gfgmDefault;
    std::unique_ptr<TKestGraphicsFillGradientItems> FGradientItems;
    TKestGraphicsFillGradientType FGradientType = gfgtLinear;
    float FGradientAngle = 0;
    TPointF FGradientCenterPoint;
    TColor FGradientCenterColor = gcNull;
    TKestGraphicsMatrix FGradientMatrix = TKestGraphicsMatrix::Identity();
};

class TKestGraphicsFill : public TKestCustomGraphicsFill {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(TNotifyEvent OnChanged READ GetOnChanged WRITE SetOnChanged)
    Q_PROPERTY(KestGraphicsEnums::TKestGraphicsFillKind Kind READ Kind WRITE SetKind)
    Q_PROPERTY(KestGraphicsEnums::TKestGraphicsFillOrientation Orientation READ Orientation WRITE SetOrientation)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(TColor ColorTo READ ColorTo WRITE SetColorTo)
    Q_PROPERTY(TColor ColorMirror READ ColorMirror WRITE SetColorMirror)
    Q_PROPERTY(TColor ColorMirrorTo READ ColorMirrorTo WRITE SetColorMirrorTo)
    Q_PROPERTY(KestGraphicsEnums::TKestGraphicsTextureMode TextureMode READ TextureMode WRITE SetTextureMode)
    Q_PROPERTY(TKestBitmap* Texture READ Texture WRITE SetTexture)
    Q_CLASSINFO("Default:Kind", "gfkSolid")
    Q_CLASSINFO("Default:Orientation", "gfoVertical")
    Q_CLASSINFO("Default:Color", "0xFFFFFF")
    Q_CLASSINFO("Default:ColorTo", "0x808080")
    Q_CLASSINFO("Default:ColorMirror", "-1")
    Q_CLASSINFO("Default:ColorMirrorTo", "-1")
    Q_CLASSINFO("Default:TextureMode", "gtmStretch")

public:
    using TKestCustomGraphicsFill::TKestCustomGraphicsFill;
    ~TKestGraphicsFill() override;
};

#pragma GCC visibility pop
