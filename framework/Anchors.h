#pragma once
// Anchors: where a control stood in its parent when its bounds were last
// set, and where its anchors put it once the parent has another size.

#include "framework/Enums.h"

#include <QRect>
#include <QSize>

#pragma GCC visibility push(default)

struct TAnchorOrigin {
    QRect Bounds;
    QSize ParentSize;

    // An edge anchored on both sides stretches with the parent; anchored on
    // the far side only it moves with it; anchored on neither side the
    // control's centre keeps its place in proportion.
    QRect Place(TAnchors anchors, QSize parent) const;
};

#pragma GCC visibility pop
