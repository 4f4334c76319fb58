#include "pictures/BitmapFunctions.h"

#include "framework/Exception.h"
#include "framework/Graphic.h"
#include "framework/Stream.h"
#include "utils/KestUtils.h"

bool IsBitmapEmpty(const TPicture* ABitmap)
{
    return !ABitmap || !ABitmap->Graphic() || ABitmap->Graphic()->Empty();
}

std::unique_ptr<TKestBitmap> BitmapFromResource(const QString& AName) { return BitmapFromResource(AName, 0); }

std::unique_ptr<TKestBitmap> BitmapFromResource(const QString& AName, quintptr AInstance)
{
    auto bitmap = std::make_unique<TKestBitmap>();
    std::unique_ptr<TStream> stream = TKestUtils::GetResourceStream(AName, AInstance);
    bitmap->LoadFromStream(*stream);
    return bitmap;
}

void LoadBitmapFromResource(TPicture* ABitmap, const QString& AName, quintptr AInstance)
{
    std::unique_ptr<TStream> stream;
    try {
        stream = TKestUtils::GetResourceStream(AName, AInstance);
    } catch (const EResNotFound&) {
        return;
    }
    if (ABitmap)
        ABitmap->LoadFromStream(*stream);
}
