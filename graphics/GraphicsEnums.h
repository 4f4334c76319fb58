#pragma once
// The enumerations shared by the graphics library, the sets built on them
// and the small array types of paths and matrices.

#include "framework/FloatGeometry.h"

#include <QObject>
#include <array>
#include <initializer_list>
#include <vector>

#pragma GCC visibility push(default)

namespace KestGraphicsEnums {
Q_NAMESPACE

enum TKestGraphicsFillKind { gfkNone, gfkSolid, gfkGradient, gfkTexture };
Q_ENUM_NS(TKestGraphicsFillKind)
enum TKestGraphicsStrokeKind { gskNone, gskSolid, gskDash, gskDot, gskDashDot, gskDashDotDot };
Q_ENUM_NS(TKestGraphicsStrokeKind)
enum TKestGraphicsTextureMode { gtmOriginal, gtmFit, gtmStretch, gtmCenter, gtmTile };
Q_ENUM_NS(TKestGraphicsTextureMode)
enum TKestGraphicsFillGradientMode { gfgmDefault, gfgmCollection };
Q_ENUM_NS(TKestGraphicsFillGradientMode)
enum TKestGraphicsFillGradientType { gfgtLinear, gfgtRadial };
Q_ENUM_NS(TKestGraphicsFillGradientType)
enum TKestGraphicsFillOrientation { gfoHorizontal, gfoVertical, gfoCustom };
Q_ENUM_NS(TKestGraphicsFillOrientation)
enum TKestGraphicsTextAlign { gtaCenter, gtaLeading, gtaTrailing };
Q_ENUM_NS(TKestGraphicsTextAlign)
enum TKestGraphicsTextTrimming { gttNone, gttCharacter, gttWord };
Q_ENUM_NS(TKestGraphicsTextTrimming)
enum TKestGraphicsSide { gsLeft, gsTop, gsRight, gsBottom };
Q_ENUM_NS(TKestGraphicsSide)
enum TKestGraphicsTextQuality { gtqDefault, gtqAntiAliasing, gtqClearType };
Q_ENUM_NS(TKestGraphicsTextQuality)
enum TKestGraphicsPathPointKind : unsigned char { gppMoveTo, gppLineTo, gppCurveTo, gppClose };
Q_ENUM_NS(TKestGraphicsPathPointKind)
enum TKestGraphicsPathDrawMode { pdmPolygon, pdmPolyline, pdmPath };
Q_ENUM_NS(TKestGraphicsPathDrawMode)
enum TKestGraphicsModifyRectMode {
    gcrmNone,
    gcrmExpandAll,
    gcrmShrinkAll,
    gcrmShiftRightAndExpandHeight,
    gcrmShiftDownAndExpandWidth,
    gcrmShiftRightAndShrinkHeight,
    gcrmShiftRightDown,
    gcrmShiftRightUp,
    gcrmShiftLeftUp,
    gcrmShiftLeftDown,
    gcrmShiftUpAndExpandWidth,
    gcrmShiftLeftAndExpandHeight,
};
Q_ENUM_NS(TKestGraphicsModifyRectMode)
enum TKestGraphicsModifyPointMode { gcpmNone, gcpmLeftUp, gcpmRightDown, gcpmLeftDown, gcpmRightUp };
Q_ENUM_NS(TKestGraphicsModifyPointMode)
enum TKestGraphicsExpanderState { gesCollapsed, gesExpanded };
Q_ENUM_NS(TKestGraphicsExpanderState)
enum TKestGraphicsCompactState { gcsCollapsed, gcsExpanded };
Q_ENUM_NS(TKestGraphicsCompactState)
enum TKestGraphicsCorner { gcTopLeft, gcTopRight, gcBottomLeft, gcBottomRight };
Q_ENUM_NS(TKestGraphicsCorner)

}

using namespace KestGraphicsEnums;

// A set of enumeration values stored as a bit mask, bit n for the value n
// (the values are ordinals, not bits, so QFlags does not fit).
template <typename E>
class TKestEnumSet {
public:
    constexpr TKestEnumSet() = default;
    constexpr TKestEnumSet(std::initializer_list<E> values)
    {
        for (E v : values)
            FMask |= Bit(v);
    }
    static constexpr TKestEnumSet FromMask(unsigned mask)
    {
        TKestEnumSet s;
        s.FMask = mask;
        return s;
    }

    constexpr bool Contains(E value) const { return (FMask & Bit(value)) != 0; }
    constexpr void Include(E value) { FMask |= Bit(value); }
    constexpr void Exclude(E value) { FMask &= ~Bit(value); }
    constexpr bool IsEmpty() const { return FMask == 0; }
    constexpr unsigned Mask() const { return FMask; }
    friend constexpr bool operator==(TKestEnumSet, TKestEnumSet) = default;

private:
    static constexpr unsigned Bit(E value) { return 1u << unsigned(value); }
    unsigned FMask = 0;
};

using TKestGraphicsSides = TKestEnumSet<TKestGraphicsSide>;
using TKestGraphicsCorners = TKestEnumSet<TKestGraphicsCorner>;

using TKestGraphicsPathPolygon = std::vector<TPointF>;
// Start, first control, second control, end.
using TKestGraphicsPathCubicBezier = std::array<TPointF, 4>;

#pragma GCC visibility pop
