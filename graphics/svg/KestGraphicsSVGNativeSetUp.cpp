#include "graphics/svg/KestGraphicsSVGNativeSetUp.h"

#include "gdiplus/api/GdiplusEnums.h"
#include "gdiplus/classes/GPGraphics.h"
#include "graphics/KestGraphics.h"
#include "graphics/KestGraphicsContext.h"

namespace TKestGraphicsSVGNativeSetUp {

void Begin(TKestGraphics& graphics, const TRectF& target)
{
    TKestGraphicsContext& context = *graphics.Context();
    context.SetSize(target.Width(), target.Height());
    context.SetAntiAliasing(true);
    if (graphics.Native())
        if (auto* surface = static_cast<KestGDIPlusClasses::TGPGraphics*>(context.GetNativeCanvas())) {
            surface->SetPixelOffsetMode(GdiplusFlat::PixelOffsetModeHalf);
            surface->SetCompositingQuality(GdiplusFlat::CompositingQualityHighQuality);
        }
    graphics.BeginScene();
}

void End(TKestGraphics& graphics)
{
    graphics.EndScene();
    graphics.Context()->Render();
}

}
