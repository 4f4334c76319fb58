#include "graphics/svg/KestGraphicsSVGImport.h"

#include "framework/Stream.h"
#include "graphics/svg/KestGraphicsSVGElement.h"
#include "graphics/svg/KestGraphicsSVGParser.h"
#include "graphics/svg/KestGraphicsSVGReferences.h"
#include "graphics/svg/KestGraphicsSVGValues.h"
#include "graphics/svg/KestGraphicsSVGViewport_p.h"
#include "graphics/svg/KestGraphicsSVGXmlNode.h"
#include "pictures/KestBitmap.h"

#include "framework/Bitmap.h"
#include "graphics/KestGraphics.h"
#include "graphics/KestGraphicsContext.h"
#include "graphics/svg/KestGraphicsSVGDrawing.h"
#include "graphics/svg/KestGraphicsSVGNativeSetUp.h"

#include <QFileInfo>
#include <cmath>
#include <numbers>

namespace {

bool IsDrawableView(const TRectF& view)
{
    return view.Width() > 0 && view.Height() > 0 && std::isfinite(view.Width()) && std::isfinite(view.Height())
           && !(view == TKestGraphicsSVGImport::EmptyViewRect);
}

bool ReadSize(const TKestGraphicsSVGXmlNode& root, TRectF& rect)
{
    const QString width = root.Attribute(QStringLiteral("width"));
    const QString height = root.Attribute(QStringLiteral("height"));
    if (width.isNull() || height.isNull())
        return false;
    rect = TRectF(0, 0, TKestGraphicsSVGValues::Length(width), TKestGraphicsSVGValues::Length(height));
    return true;
}

}

TKestGraphicsSVGImport::TKestGraphicsSVGImport() { SetViewRect(EmptyViewRect); }

TKestGraphicsSVGImport::~TKestGraphicsSVGImport()
{
    // The lists that point into the owning ones go first.
    Clear();
}

bool TKestGraphicsSVGImport::HasElements() const { return !FElementList.empty(); }

int TKestGraphicsSVGImport::ElementCount() const { return int(FElementList.size()); }

TKestBitmap* TKestGraphicsSVGImport::GenerateBitmap(float AWidth, float AHeight)
{
    if (!HasElements())
        return FCachedBitmap.get();
    FCachedBitmap.reset();
    FCachedBitmap = std::make_unique<TKestBitmap>();
    const TRectF view = ViewRect();
    if (!IsDrawableView(view))
        return FCachedBitmap.get();
    const TRectF target = AWidth > -1 && AHeight > -1 ? TRectF(0, 0, AWidth, AHeight) : view;
    const double width = std::round(double(target.Right));
    const double height = std::round(double(target.Bottom));
    if (!(width >= 1 && height >= 1 && width <= MaxBitmapSide && height <= MaxBitmapSide
          && width * height <= double(MaxBitmapPixels)))
        return FCachedBitmap.get();
    std::unique_ptr<TKestGraphics> canvas = TKestGraphics::CreateBitmapCanvas(int(width), int(height), false, true);
    canvas->BeginScene();
    Draw(*canvas, target, false, true);
    canvas->EndScene();
    TBitmap pixels;
    pixels.SetImage(TKestGraphics::TakeImage(std::move(canvas)));
    FCachedBitmap->Assign(&pixels);
    return FCachedBitmap.get();
}

void TKestGraphicsSVGImport::Clear()
{
    FElementClassList.clear();
    FElementPatternList.clear();
    FElementClipPathList.clear();
    FElementList.clear();
    FDefsList.clear();
    FXML.clear();
    FHasXML = false;
    FMatrix = MatrixIdentity();
    FTextMatrix = MatrixIdentity();
    SetViewRect(EmptyViewRect);
}

void TKestGraphicsSVGImport::Draw(TCanvas& ACanvas, const TRectF& ARect, bool ANative)
{
    std::unique_ptr<TKestGraphics> graphics = TKestGraphics::Create(&ACanvas, ANative);
    Draw(*graphics, ARect, ANative, false);
}

void TKestGraphicsSVGImport::Draw(TKestGraphics& graphics, const TRectF& rect, bool native, bool recreateGraphics)
{
    const TRectF view = ViewRect();
    if (!HasElements() || !IsDrawableView(view))
        return;
    const float sx = rect.Width() / view.Width();
    const float sy = rect.Height() / view.Height();
    if (!(sx != 0 && sy != 0 && std::isfinite(sx) && std::isfinite(sy)))
        return;
    const float halfWidth = view.Width() / 2;
    const float halfHeight = view.Height() / 2;
    const TPointF centre(view.Left + halfWidth, view.Top + halfHeight);
    FMatrix = MatrixCreateTranslation(-centre.X, -centre.Y) * MatrixCreateRotation(RotationAngle() * std::numbers::pi / 180)
              * MatrixCreateTranslation(centre.X, centre.Y) * MatrixCreateTranslation(-view.Left, -view.Top)
              * MatrixCreateTranslation(rect.Left / sx, rect.Top / sy) * MatrixCreateScaling(sx, sy);
    const bool setUp = native && recreateGraphics;
    if (setUp)
        FMatrix = FMatrix * graphics.Context()->GetMatrix();
    std::unique_ptr<TKestGraphics> own;
    if (recreateGraphics)
        own = TKestGraphics::Create(graphics.Canvas(), native);
    TKestGraphics& target = own ? *own : graphics;
    if (setUp)
        TKestGraphicsSVGNativeSetUp::Begin(target, rect);
    const TKestGraphicsSVGOverrides overrides{GrayScale(), TintColor(), CustomFillColor(), CustomStrokeColor(),
                                              CustomOpacity()};
    TKestGraphicsSVGRenderState state(overrides);
    state.SetViewport(view);
    TKestGraphicsSVGDrawing drawing(target, state, FMatrix, FTextMatrix, sx);
    if (recreateGraphics)
        drawing.SetLayerSize(QSize(int(std::ceil(std::max(rect.Right, 0.0f))), int(std::ceil(std::max(rect.Bottom, 0.0f)))));
    drawing.Draw(FElementList);
    if (setUp)
        TKestGraphicsSVGNativeSetUp::End(target);
}

void TKestGraphicsSVGImport::LoadFromText(const QString& AText) { Load(AText, QString()); }

void TKestGraphicsSVGImport::LoadFromFile(const QString& AFile)
{
    TFileStream stream(AFile, QIODevice::ReadOnly);
    Load(QString::fromUtf8(stream.ReadAll()), QFileInfo(AFile).absolutePath());
}

void TKestGraphicsSVGImport::LoadFromStream(TStream& AStream)
{
    AStream.SetPosition(0);
    LoadFromText(QString::fromUtf8(AStream.ReadAll()));
}

void TKestGraphicsSVGImport::SaveToStream(TStream& AStream)
{
    if (!FHasXML)
        return;
    const QByteArray bytes = FXML.toUtf8();
    AStream.WriteBuffer(bytes.constData(), bytes.size());
}

void TKestGraphicsSVGImport::SaveToFile(const QString& AFile)
{
    TMemoryStream memory;
    SaveToStream(memory);
    TFileStream file(AFile, QIODevice::WriteOnly | QIODevice::Truncate);
    file.WriteBuffer(memory.Bytes().constData(), memory.Bytes().size());
}

void TKestGraphicsSVGImport::Load(const QString& text, const QString& baseFolder)
{
    Clear();
    const std::unique_ptr<TKestGraphicsSVGXmlNode> root = TKestGraphicsSVGXmlNode::Read(text);
    FXML = text;
    FHasXML = true;
    if (root->Name() != QLatin1String("svg"))
        return;
    TRectF stated;
    const bool hasViewBox = root->HasAttribute(QStringLiteral("viewBox"));
    const bool hasStated = hasViewBox ? TKestGraphicsSVGViewport::ReadViewBox(root->Attribute(QStringLiteral("viewBox")), stated)
                                      : ReadSize(*root, stated);
    const TKestGraphicsSVGDocumentLists lists{FElementClassList, FElementPatternList, FElementClipPathList, FElementList,
                                              FDefsList};
    TKestGraphicsSVGParser parser(lists, baseFolder);
    try {
        parser.ParseDocument(*root);
        TKestGraphicsSVGReferences::Resolve(lists);
    } catch (...) {
        Clear();
        throw;
    }
    TRectF bounds(0, 0, 0, 0);
    TRectF viewBox, size;
    if (TKestGraphicsSVGViewport::FitsViewBox(*root, viewBox, size))
        bounds = size;
    else if (hasStated)
        bounds = stated;
    else
        parser.Bounds(bounds);
    SetViewRect(bounds);
}
