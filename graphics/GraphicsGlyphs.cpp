#include "graphics/GraphicsGlyphs.h"

#include "framework/Bitmap.h"
#include "framework/Exception.h"
#include "framework/Rounding.h"
#include "graphics/GraphicsStroke.h"
#include "graphics/KestGraphics.h"
#include "pictures/KestBitmap.h"
#include "pictures/KestSVGImport.h"

#include <cmath>
#include <map>
#include <memory>
#include <span>
#include <tuple>

static void InitGlyphResources() { Q_INIT_RESOURCE(resources); }

namespace {

struct TGlyphLine {
    float X1, Y1, X2, Y2;
};

struct TGlyphShape {
    int Side;   // pixels a side at scale 1
    float Width; // stroke width
    std::span<const TGlyphLine> Lines;
};

constexpr TGlyphLine CloseLines[] = {{3, 3, 12, 12}, {3, 12, 12, 3}};
constexpr TGlyphLine DownLines[] = {{5, 6, 8, 9}, {8, 9, 11, 6}};
constexpr TGlyphLine UpLines[] = {{5, 9, 8, 6}, {8, 6, 11, 9}};
constexpr TGlyphLine RightLines[] = {{6, 5, 9, 8}, {9, 8, 6, 11}};
constexpr TGlyphLine LeftLines[] = {{9, 5, 6, 8}, {6, 8, 9, 11}};
constexpr TGlyphLine DropDownLines[] = {{0, 1, 6, 1}, {0, 2, 6, 2}, {1, 3, 5, 3}, {2, 4, 4, 4}, {3, 5, 3, 5}};

TGlyphShape Shape(TKestGlyph glyph)
{
    switch (glyph) {
    case TKestGlyph::Close:
        return {16, 2, CloseLines};
    case TKestGlyph::Down:
        return {16, 2, DownLines};
    case TKestGlyph::Up:
        return {16, 2, UpLines};
    case TKestGlyph::Right:
        return {16, 2, RightLines};
    case TKestGlyph::Left:
        return {16, 2, LeftLines};
    case TKestGlyph::DropDown:
        break;
    }
    return {7, 1, DropDownLines};
}

// No control is larger than this; a glyph scale beyond it is a mistake.
constexpr int MaxGlyphSide = 1024;
// Kept glyphs before the store starts afresh (scales and colours in use
// are few; this only bounds a client that keeps changing them).
constexpr size_t MaxKeptGlyphs = 256;

template <typename Key>
using TGlyphStore = std::map<Key, std::unique_ptr<TKestBitmap>>;

template <typename Key>
TKestBitmap* Keep(TGlyphStore<Key>& store, const Key& key, std::unique_ptr<TKestBitmap> picture)
{
    if (store.size() >= MaxKeptGlyphs)
        store.clear();
    return store.emplace(key, std::move(picture)).first->second.get();
}

std::unique_ptr<TKestBitmap> DrawGlyph(const TGlyphShape& shape, double scale, int side, TColor color)
{
    // Transparent around the lines: any glyph colour, white included, stays.
    std::unique_ptr<TKestGraphics> canvas = TKestGraphics::CreateBitmapCanvas(side, side, false);
    canvas->BeginScene();
    canvas->Stroke()->BeginUpdate();
    canvas->Stroke()->SetKind(gskSolid);
    canvas->Stroke()->SetColor(color);
    canvas->Stroke()->SetWidth(shape.Width);
    canvas->Stroke()->EndUpdate();
    const float s = float(scale);
    for (const TGlyphLine& line : shape.Lines)
        canvas->DrawLine(TPointF(line.X1 * s, line.Y1 * s), TPointF(line.X2 * s, line.Y2 * s));
    canvas->EndScene();
    auto picture = std::make_unique<TKestBitmap>();
    picture->Assign(canvas->Bitmap());
    return picture;
}

}

TPicture* DrawnGlyph(TKestGlyph glyph, double scale, TColor color)
{
    const TGlyphShape shape = Shape(glyph);
    if (!(scale > 0) || !(scale * shape.Side <= MaxGlyphSide))
        return nullptr;
    const int side = Kest::Round(shape.Side * scale);
    if (side <= 0)
        return nullptr;
    using TKey = std::tuple<int, double, qint32>;
    static TGlyphStore<TKey> store;
    const TKey key(int(glyph), scale, color.Value);
    if (auto found = store.find(key); found != store.end())
        return found->second.get();
    return Keep(store, key, DrawGlyph(shape, scale, side, color));
}

TPicture* ResourceGlyph(const QString& name)
{
    static TGlyphStore<QString> store;
    if (auto found = store.find(name); found != store.end())
        return found->second.get();
    InitGlyphResources();
    auto picture = std::make_unique<TKestBitmap>();
    try {
        picture->LoadFromResource(name);
    } catch (const Exception&) {
        // A missing or unreadable glyph draws nothing.
        picture = std::make_unique<TKestBitmap>();
    }
    return Keep(store, name, std::move(picture));
}

TPicture* ResourceGlyphAt(const QString& name, int width, int height)
{
    auto* loaded = static_cast<TKestBitmap*>(ResourceGlyph(name));
    TKestSVGImport* svg = loaded->HasSVG() ? loaded->SVG() : nullptr;
    if (!svg || !svg->HasElements() || width <= 0 || height <= 0 || width > MaxGlyphSide || height > MaxGlyphSide)
        return loaded;
    using TKey = std::tuple<QString, int, int>;
    static TGlyphStore<TKey> store;
    const TKey key(name, width, height);
    if (auto found = store.find(key); found != store.end())
        return found->second.get();
    auto rendered = std::make_unique<TKestBitmap>();
    rendered->Assign(svg->GenerateBitmap(float(width), float(height)));
    return Keep(store, key, std::move(rendered));
}
