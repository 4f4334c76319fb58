#include "graphics/html/KestHTMLFontMeasures.h"

#include "graphics/KestGraphics.h"
#include "graphics/KestGraphicsContext.h"

#include <typeinfo>

namespace {

// One per thread: canvases are drawn on the thread that owns them.
thread_local const void* owner = nullptr;
thread_local const std::type_info* ownerType = nullptr;
thread_local TKestHTMLFontMeasureMap measures;

}

void TKestHTMLMeasureStore::Clear() { measures.clear(); }

TKestHTMLFontMeasureMap& TKestHTMLMeasureStore::For(const TKestGraphics& canvas)
{
    const TKestGraphicsContext* context = canvas.Context();
    const std::type_info* type = context ? &typeid(*context) : nullptr;
    qsizetype sizes = 0;
    for (const auto& font : measures)
        sizes += font.second.Sizes.size();
    if (context != owner || type != ownerType || sizes > MaxSizes) {
        measures.clear();
        owner = context;
        ownerType = type;
    }
    return measures;
}
