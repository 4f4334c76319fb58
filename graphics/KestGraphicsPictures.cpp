// The canvas's pictures: placement (aspect, stretch, centre, crop), raster
// and SVG pictures, parts of pictures, named and scaled pictures.

#include "graphics/KestGraphics.h"

#include "framework/Bitmap.h"
#include "framework/Graphic.h"
#include "framework/Rounding.h"
#include "graphics/KestGraphicsContext.h"
#include "pictures/KestBitmap.h"
#include "pictures/KestSVGBitmap.h"
#include "pictures/KestSVGImport.h"
#include "pictures/KestScaledBitmap.h"
#include "pictures/KestScaledBitmaps.h"
#include "pictures/PictureContainer.h"
#include "pictures/RectFHelpers.h"
#include "utils/KestUtils.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace {

TRectF ToRectF(double left, double top, double right, double bottom)
{
    return TRectF(float(left), float(top), float(right), float(bottom));
}

int RoundToInt(double value)
{
    constexpr double limit = 2147483520.0;
    return Kest::Round(std::clamp(value, -limit, limit));
}

QRect RoundRect(const TRectF& r)
{
    const int left = RoundToInt(r.Left), top = RoundToInt(r.Top);
    return QRect(left, top, RoundToInt(r.Right) - left, RoundToInt(r.Bottom) - top);
}

TGraphic* DrawableGraphic(TPicture* picture)
{
    if (!picture)
        return nullptr;
    TGraphic* graphic = picture->Graphic();
    return graphic && !graphic->Empty() ? graphic : nullptr;
}

// The SVG importer of an SVG picture whose document has elements.
TKestSVGImport* DrawableSVG(TPicture* picture)
{
    auto* kest = qobject_cast<TKestBitmap*>(picture);
    if (!kest || !kest->HasSVG())
        return nullptr;
    TKestSVGImport* svg = kest->SVG();
    return svg && svg->HasElements() ? svg : nullptr;
}

bool IsSVGPicture(TPicture* picture)
{
    auto* kest = qobject_cast<TKestBitmap*>(picture);
    return kest && kest->HasSVG();
}

float PictureScale(float scale) { return scale > 0 ? scale : float(TKestUtils::GetDPIScale(nullptr, -1)); }

// The scale as written in picture names: "1.5", with a dot in every locale.
QString ScaleText(float scale) { return QLocale::c().toString(double(scale), 'g', 7); }

}

// --- placement ---

void TKestGraphics::GetAspectSize(float& width, float& height, float originalWidth, float originalHeight,
                                  float newWidth, float newHeight, bool aspectRatio, bool stretch, bool)
{
    if (aspectRatio) {
        if (originalWidth <= 0 || originalHeight <= 0 || newWidth <= 0 || newHeight <= 0) {
            width = 0;
            height = 0;
        } else if (newWidth > originalWidth && newHeight > originalHeight && !stretch) {
            width = originalWidth;
            height = originalHeight;
        } else if (newWidth / newHeight > originalWidth / originalHeight) {
            height = newHeight;
            width = newHeight * originalWidth / originalHeight;
        } else {
            width = newWidth;
            height = newWidth * originalHeight / originalWidth;
        }
    } else if (stretch) {
        width = newWidth;
        height = newHeight;
    } else {
        width = originalWidth;
        height = originalHeight;
    }
}

TRectF TKestGraphics::GetBitmapDrawRectangle(const TRectF& rect, TPicture* bitmap, bool aspectRatio, bool stretch,
                                             bool center, bool cropping)
{
    if (!bitmap)
        return TRectF();
    float w = 0, h = 0;
    GetAspectSize(w, h, float(bitmap->Width()), float(bitmap->Height()), rect.Width(), rect.Height(), aspectRatio,
                  stretch, cropping);
    float dx = 0, dy = 0;
    if (center || cropping) {
        dx = float(RoundToInt((rect.Width() - w) / 2));
        dy = float(RoundToInt((rect.Height() - h) / 2));
    }
    return TRectF(rect.Left + dx, rect.Top + dy, rect.Left + dx + w, rect.Top + dy + h);
}

TRectF TKestGraphics::GetBitmapDrawRectangle(double left, double top, double right, double bottom, TPicture* bitmap,
                                             bool aspectRatio, bool stretch, bool center, bool cropping)
{
    return GetBitmapDrawRectangle(ToRectF(left, top, right, bottom), bitmap, aspectRatio, stretch, center, cropping);
}

QRect TKestGraphics::GetBitmapDrawRectangle(int left, int top, int right, int bottom, TPicture* bitmap,
                                            bool aspectRatio, bool stretch, bool center, bool cropping)
{
    return RoundRect(
        GetBitmapDrawRectangle(ToRectF(left, top, right, bottom), bitmap, aspectRatio, stretch, center, cropping));
}

QRect TKestGraphics::GetBitmapDrawRectangle(const QRect& rect, TPicture* bitmap, bool aspectRatio, bool stretch,
                                            bool center, bool cropping)
{
    return RoundRect(GetBitmapDrawRectangle(RectToRectF(rect), bitmap, aspectRatio, stretch, center, cropping));
}

// --- whole pictures ---

void TKestGraphics::DrawBitmap(const TRectF& rect, TPicture* bitmap, bool aspectRatio, bool stretch, bool center,
                               bool cropping)
{
    if (!bitmap)
        return;
    const TRectF target = GetBitmapDrawRectangle(rect, bitmap, aspectRatio, stretch, center, cropping);
    if (TKestSVGImport* svg = DrawableSVG(bitmap)) {
        if (FActiveCanvas)
            svg->Draw(*FActiveCanvas, target, FNative);
        return;
    }
    if (TGraphic* graphic = DrawableGraphic(bitmap))
        Context()->DrawBitmap(graphic, TRectF(0, 0, float(graphic->Width()), float(graphic->Height())), target, 1);
}

void TKestGraphics::DrawBitmap(double left, double top, double right, double bottom, TPicture* bitmap,
                               bool aspectRatio, bool stretch, bool center, bool cropping)
{
    DrawBitmap(ToRectF(left, top, right, bottom), bitmap, aspectRatio, stretch, center, cropping);
}

void TKestGraphics::DrawBitmap(int left, int top, int right, int bottom, TPicture* bitmap, bool aspectRatio,
                               bool stretch, bool center, bool cropping)
{
    DrawBitmap(ToRectF(left, top, right, bottom), bitmap, aspectRatio, stretch, center, cropping);
}

void TKestGraphics::DrawBitmap(const QRect& rect, TPicture* bitmap, bool aspectRatio, bool stretch, bool center,
                               bool cropping)
{
    DrawBitmap(RectToRectF(rect), bitmap, aspectRatio, stretch, center, cropping);
}

void TKestGraphics::DrawBitmap(float left, float top, TPicture* bitmap)
{
    if (!bitmap)
        return;
    DrawBitmap(TRectF(left, top, left + float(bitmap->Width()), top + float(bitmap->Height())), bitmap, true, false,
               true, false);
}

void TKestGraphics::DrawBitmap(int left, int top, TPicture* bitmap) { DrawBitmap(float(left), float(top), bitmap); }

// --- parts of pictures ---

std::unique_ptr<TKestBitmap> TKestGraphics::DrawBitmapPartSync(const TRectF& sourceRect,
                                                               const TRectF& destinationRect, TPicture* bitmap)
{
    TGraphic* graphic = DrawableGraphic(bitmap);
    if (!graphic || RectFIsEmpty(sourceRect) || RectFIsEmpty(destinationRect) || IsSVGPicture(bitmap))
        return nullptr;
    // Only the part of the source that lies on the picture is cut: a source
    // far larger than the picture must not allocate its whole size.
    TRectF part;
    if (!RectFIntersection(part, sourceRect, TRectF(0, 0, float(graphic->Width()), float(graphic->Height()))))
        return nullptr;
    const int w = RoundToInt(part.Width()), h = RoundToInt(part.Height());
    if (w <= 0 || h <= 0)
        return nullptr;

    auto result = std::make_unique<TKestBitmap>();
    if (auto* raster = qobject_cast<TBitmap*>(graphic)) {
        TBitmap cut;
        cut.SetImage(raster->Image().copy(RoundToInt(part.Left), RoundToInt(part.Top), w, h));
        result->Assign(&cut);
        return result;
    }
    // Other graphics draw themselves at natural size onto the cut's pixels.
    std::unique_ptr<TKestGraphics> canvas = CreateBitmapCanvas(w, h, FNative);
    canvas->BeginScene();
    canvas->DrawBitmap(-part.Left, -part.Top, bitmap);
    canvas->EndScene();
    result->Assign(canvas->Bitmap());
    return result;
}

void TKestGraphics::DrawBitmapPart(const TRectF& sourceRect, const TRectF& destinationRect, TPicture* bitmap,
                                   bool aspectRatio, bool stretch, bool center, bool cropping)
{
    if (!bitmap || RectFIsEmpty(sourceRect) || RectFIsEmpty(destinationRect))
        return;
    if (IsSVGPicture(bitmap)) {
        DrawBitmap(destinationRect, bitmap, aspectRatio, stretch, center, cropping);
        return;
    }
    std::unique_ptr<TKestBitmap> cut = DrawBitmapPartSync(sourceRect, destinationRect, bitmap);
    if (!cut)
        return;
    // Where the source reached beyond the picture, the destination shrinks
    // with it, so the part lands where it would have been drawn.
    TRectF part;
    RectFIntersection(part, sourceRect, TRectF(0, 0, float(bitmap->Width()), float(bitmap->Height())));
    const float sx = destinationRect.Width() / sourceRect.Width();
    const float sy = destinationRect.Height() / sourceRect.Height();
    const TRectF target(destinationRect.Left + (part.Left - sourceRect.Left) * sx,
                        destinationRect.Top + (part.Top - sourceRect.Top) * sy,
                        destinationRect.Right - (sourceRect.Right - part.Right) * sx,
                        destinationRect.Bottom - (sourceRect.Bottom - part.Bottom) * sy);
    DrawBitmap(target, cut.get(), aspectRatio, stretch, center, cropping);
}

void TKestGraphics::DrawBitmapPart(double sourceLeft, double sourceTop, double sourceRight, double sourceBottom,
                                   double destinationLeft, double destinationTop, double destinationRight,
                                   double destinationBottom, TPicture* bitmap, bool aspectRatio, bool stretch,
                                   bool center, bool cropping)
{
    DrawBitmapPart(ToRectF(sourceLeft, sourceTop, sourceRight, sourceBottom),
                   ToRectF(destinationLeft, destinationTop, destinationRight, destinationBottom), bitmap, aspectRatio,
                   stretch, center, cropping);
}

void TKestGraphics::DrawBitmapPart(int sourceLeft, int sourceTop, int sourceRight, int sourceBottom,
                                   int destinationLeft, int destinationTop, int destinationRight,
                                   int destinationBottom, TPicture* bitmap, bool aspectRatio, bool stretch,
                                   bool center, bool cropping)
{
    DrawBitmapPart(ToRectF(sourceLeft, sourceTop, sourceRight, sourceBottom),
                   ToRectF(destinationLeft, destinationTop, destinationRight, destinationBottom), bitmap, aspectRatio,
                   stretch, center, cropping);
}

void TKestGraphics::DrawBitmapPart(const QRect& sourceRect, const QRect& destinationRect, TPicture* bitmap,
                                   bool aspectRatio, bool stretch, bool center, bool cropping)
{
    DrawBitmapPart(RectToRectF(sourceRect), RectToRectF(destinationRect), bitmap, aspectRatio, stretch, center,
                   cropping);
}

// --- named and scaled pictures ---

TPicture* TKestGraphics::GetBitmapFromPictureContainer(TPictureContainer* pictureContainer, const QString& name,
                                                       bool applyScale, float scale)
{
    if (!pictureContainer || name.isEmpty())
        return nullptr;
    if (applyScale) {
        const QString scaled = name + QLatin1Char('_') + ScaleText(PictureScale(scale));
        if (TPicture* found = pictureContainer->FindBitmap(scaled))
            return found;
    }
    return pictureContainer->FindBitmap(name);
}

void TKestGraphics::DrawBitmapWithName(const TRectF& rect, const QString& bitmapName, bool applyScale, float scale,
                                       bool aspectRatio, bool stretch, bool center, bool cropping)
{
    if (TPicture* picture = GetBitmapFromPictureContainer(FPictureContainer, bitmapName, applyScale, scale))
        DrawBitmap(rect, picture, aspectRatio, stretch, center, cropping);
}

void TKestGraphics::DrawBitmapWithName(double left, double top, double right, double bottom,
                                       const QString& bitmapName, bool applyScale, float scale, bool aspectRatio,
                                       bool stretch, bool center, bool cropping)
{
    DrawBitmapWithName(ToRectF(left, top, right, bottom), bitmapName, applyScale, scale, aspectRatio, stretch, center,
                       cropping);
}

void TKestGraphics::DrawBitmapWithName(int left, int top, int right, int bottom, const QString& bitmapName,
                                       bool applyScale, float scale, bool aspectRatio, bool stretch, bool center,
                                       bool cropping)
{
    DrawBitmapWithName(ToRectF(left, top, right, bottom), bitmapName, applyScale, scale, aspectRatio, stretch, center,
                       cropping);
}

void TKestGraphics::DrawBitmapWithName(const QRect& rect, const QString& bitmapName, bool applyScale, float scale,
                                       bool aspectRatio, bool stretch, bool center, bool cropping)
{
    DrawBitmapWithName(RectToRectF(rect), bitmapName, applyScale, scale, aspectRatio, stretch, center, cropping);
}

TPicture* TKestGraphics::GetScaledBitmap(TKestScaledBitmaps* bitmaps, float scale,
                                         TPictureContainer* pictureContainer)
{
    if (!bitmaps)
        return nullptr;
    TKestScaledBitmap* item = bitmaps->GetItemByScale(PictureScale(scale));
    if (!item)
        return nullptr;
    if (item->Bitmap() && DrawableGraphic(item->Bitmap()))
        return item->Bitmap();
    TPicture* named = GetBitmapFromPictureContainer(pictureContainer, item->BitmapName(), true, item->Scale());
    if (named && DrawableGraphic(named))
        return named;
    named = GetBitmapFromPictureContainer(pictureContainer, item->BitmapName(), false, item->Scale());
    return named && DrawableGraphic(named) ? named : nullptr;
}

void TKestGraphics::DrawScaledBitmap(const TRectF& rect, TKestScaledBitmaps* bitmaps, float scale, bool aspectRatio,
                                     bool stretch, bool center, bool cropping)
{
    if (!bitmaps)
        return;
    TKestScaledBitmap* item = bitmaps->GetItemByScale(PictureScale(scale));
    if (!item)
        return;
    if (item->Bitmap() && DrawableGraphic(item->Bitmap()))
        DrawBitmap(rect, item->Bitmap(), aspectRatio, stretch, center, cropping);
    else
        DrawBitmapWithName(rect, item->BitmapName(), false, item->Scale(), aspectRatio, stretch, center, cropping);
}

void TKestGraphics::DrawScaledBitmap(double left, double top, double right, double bottom,
                                     TKestScaledBitmaps* bitmaps, float scale, bool aspectRatio, bool stretch,
                                     bool center, bool cropping)
{
    DrawScaledBitmap(ToRectF(left, top, right, bottom), bitmaps, scale, aspectRatio, stretch, center, cropping);
}

void TKestGraphics::DrawScaledBitmap(const QRect& rect, TKestScaledBitmaps* bitmaps, float scale, bool aspectRatio,
                                     bool stretch, bool center, bool cropping)
{
    DrawScaledBitmap(RectToRectF(rect), bitmaps, scale, aspectRatio, stretch, center, cropping);
}

void TKestGraphics::DrawScaledBitmap(int left, int top, int right, int bottom, TKestScaledBitmaps* bitmaps,
                                     float scale, bool aspectRatio, bool stretch, bool center, bool cropping)
{
    DrawScaledBitmap(ToRectF(left, top, right, bottom), bitmaps, scale, aspectRatio, stretch, center, cropping);
}
