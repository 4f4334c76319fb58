// The mixed scene the canvas benchmarks paint: items laid in cells of
// 32 x 24 over the surface, cycling through a filled and outlined
// rectangle, ellipse, rounded rectangle, line and triangle, each with a fill
// colour of its own and a short text. The same items are drawn through the
// canvas (either back-end) and through plain QPainter, so both sides of a
// comparison paint the same thing.
#pragma once

#include "graphics/KestGraphicsTypes.h"

#include <QRectF>
#include <QString>
#include <vector>

class QPainter;
class TKestGraphics;

struct TSceneItem {
    int Kind;
    TRectF Rect;
    TColor Color;
    QString Text;
};

std::vector<TSceneItem> SceneItems(int count, int width, int height);

void DrawShape(TKestGraphics& canvas, const TSceneItem& item);
void DrawShape(QPainter& painter, const TSceneItem& item);
void DrawItemText(TKestGraphics& canvas, const TSceneItem& item);
void DrawItemText(QPainter& painter, const TSceneItem& item);

// The font both sides write the texts in.
void SetSceneFont(TKestGraphics& canvas);
void SetSceneFont(QPainter& painter);

QRectF ToQRectF(const TRectF& rect);

// Whether the canvas can be made on the back-end at all in this build.
bool BackEndBuiltIn(bool native);
