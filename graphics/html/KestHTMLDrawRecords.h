#pragma once
// What one DrawHTML call takes and gives, grouped: the caller's inputs
// (point, link and control states, flags, colours, picture sources) and the
// results (anchor under the point, plain text, size, link and control hit).

#include "framework/Color.h"
#include "framework/Enums.h"
#include "framework/FloatGeometry.h"

#include <QString>

#pragma GCC visibility push(default)

class TImageList;
class TPictureContainer;

struct TKestHTMLDrawInput {
    QString Text;
    TRectF Rect;
    // The point to hit-test (mouse position).
    int PointX = -1;
    int PointY = -1;
    // Zero-based: the link numbered FocusLink + 1 has the focus.
    int FocusLink = -1;
    // Compared with the one-based link number.
    int HoverLink = -1;
    float ShadowOffset = 1;
    // The drawing pass only hit-tests; a control whose ID is ControlID
    // counts as hit.
    bool HotSpotCheck = false;
    bool MeasureOnly = false;
    bool NoImageListDrawing = false;
    // Colour changes by tags are suppressed: the caller's selection colours stay.
    bool Selected = false;
    bool BlinkPhase = true;
    // Underline and hover colours apply to the hovered link only.
    bool LinkStyle = false;
    bool WordWrap = false;
    bool ControlFocusFlag = false;
    QString FocusedControlID;
    double ScaleFactor = 1.0;
    TColor LinkColor = clBlue;
    // -1: none.
    TColor HoverColor = TColor(-1);
    TColor HoverFontColor = TColor(-1);
    TColor ShadowColor = clGray;
    QString ControlID;
    float LineSpacing = 0;
    TPictureContainer* PictureContainer = nullptr;
    bool LinkUnderline = true;
    TImageList* ImageList = nullptr;
    TColor HighlightBackground = clYellow;
    TColor HighlightTextColor = clBlack;
    TFontStyles HighlightFontStyle;

    bool operator==(const TKestHTMLDrawInput&) const = default;
};

struct TKestHTMLDrawOutput {
    // The point is over a link within the text band of its line, or over a control.
    bool Hit = false;
    // The target of the link under the point, or "ctrl" for a control.
    QString Anchor;
    // The text without tags, line breaks as carriage returns.
    QString PlainText;
    QString FocusAnchor;
    // The widest line plus 2.
    float Width = 0;
    float Height = 0;
    int LinkCount = 0;
    // The number of the link under the point, -1 when none.
    int HoveredLink = -1;
    TRectF LinkRect;
    TRectF ControlRect;
    QString ControlID;
    QString ControlValue;
    QString ControlType;
    int LineCount = 0;

    bool operator==(const TKestHTMLDrawOutput&) const = default;
};

#pragma GCC visibility pop
