#pragma once
// The abstract SVG importer: parses an SVG document, draws it and renders it
// to a bitmap. The SVG engine supplies the real one through the factory it
// registers at start-up; until then no importer exists and SVG pictures only
// keep their bytes.

#include "persistence/KestJSONMethods.h"
#include "framework/Color.h"
#include "framework/FloatGeometry.h"
#include "framework/Persistent.h"

#include <QObject>
#include <functional>
#include <memory>

#pragma GCC visibility push(default)

class TCanvas;
class TKestBitmap;
class TStream;

class TKestSVGImport : public QObject, public TPersistent, public TKestJSONMethods {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(bool GrayScale READ GrayScale WRITE SetGrayScale)
    Q_PROPERTY(TColor CustomFillColor READ CustomFillColor WRITE SetCustomFillColor)
    Q_PROPERTY(TColor CustomStrokeColor READ CustomStrokeColor WRITE SetCustomStrokeColor)
    Q_PROPERTY(TColor TintColor READ TintColor WRITE SetTintColor)
    Q_PROPERTY(float CustomOpacity READ CustomOpacity WRITE SetCustomOpacity)
    Q_PROPERTY(float RotationAngle READ RotationAngle WRITE SetRotationAngle)
    Q_CLASSINFO("Default:GrayScale", "false")
public:
    TKestSVGImport();
    ~TKestSVGImport() override;

    virtual bool HasElements() const = 0;
    virtual int ElementCount() const = 0;
    // The document rendered at that size; the bitmap belongs to the importer
    // and is replaced by the next call.
    virtual TKestBitmap* GenerateBitmap(float AWidth, float AHeight) = 0;
    virtual void Clear() = 0;
    virtual void Draw(TCanvas& ACanvas, const TRectF& ARect, bool ANative) = 0;
    virtual void LoadFromText(const QString& AText) = 0;
    virtual void LoadFromFile(const QString& AFile) = 0;
    virtual void LoadFromStream(TStream& AStream) = 0;
    virtual void SaveToStream(TStream& AStream) = 0;
    virtual void SaveToFile(const QString& AFile) = 0;

    // The virtual constructor: a new importer of the registered kind, or
    // none while no SVG engine registered itself.
    using TFactory = std::function<std::unique_ptr<TKestSVGImport>()>;
    static std::unique_ptr<TKestSVGImport> Create();
    static void RegisterFactory(TFactory factory);
    static void UnregisterFactory();

    float RotationAngle() const { return FRotationAngle; }
    void SetRotationAngle(float Value) { FRotationAngle = Value; }
    const TRectF& ViewRect() const { return FViewRect; }
    void SetViewRect(const TRectF& Value) { FViewRect = Value; }
    bool GrayScale() const { return FGrayScale; }
    void SetGrayScale(bool Value) { FGrayScale = Value; }
    TColor CustomFillColor() const { return FCustomFillColor; }
    void SetCustomFillColor(TColor Value) { FCustomFillColor = Value; }
    TColor CustomStrokeColor() const { return FCustomStrokeColor; }
    void SetCustomStrokeColor(TColor Value) { FCustomStrokeColor = Value; }
    TColor TintColor() const { return FTintColor; }
    void SetTintColor(TColor Value) { FTintColor = Value; }
    float CustomOpacity() const { return FCustomOpacity; }
    void SetCustomOpacity(float Value) { FCustomOpacity = Value; }

private:
    float FRotationAngle = 0;
    TRectF FViewRect;
    bool FGrayScale = false;
    // -1 (all bits set): not set.
    TColor FCustomFillColor = -1;
    TColor FCustomStrokeColor = -1;
    TColor FTintColor = -1;
    float FCustomOpacity = -1.0f;
};

#pragma GCC visibility pop
