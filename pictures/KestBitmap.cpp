#include "pictures/KestBitmap.h"

#include "framework/Stream.h"
#include "pictures/KestSVGBitmap.h"
#include "utils/KestUtils.h"

TKestBitmap::TKestBitmap(QObject* parent) : TPicture(parent) {}

TKestBitmap::~TKestBitmap() = default;

bool TKestBitmap::HasSVG() const
{
    auto* svg = qobject_cast<TKestSVGBitmap*>(Graphic());
    return svg && svg->HasSVG();
}

TKestSVGImport* TKestBitmap::SVG() const
{
    return HasSVG() ? static_cast<TKestSVGBitmap*>(Graphic())->SVG() : nullptr;
}

void TKestBitmap::LoadFromResource(const QString& Name)
{
    std::unique_ptr<TStream> stream = TKestUtils::GetResourceStream(Name);
    LoadFromStream(*stream);
}
