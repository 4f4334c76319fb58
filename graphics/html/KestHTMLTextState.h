#pragma once
// The layout state of one DrawHTML call that tags change: font, colours,
// the link being inside, list level, text effects, and the values closing
// tags restore. A copy taken at a line's start lets the drawing pass
// replay the line from the state the measuring pass started with.

#include "framework/Color.h"
#include "framework/Enums.h"

#include <QString>

#pragma GCC visibility push(default)

struct TKestHTMLTextState {
    QString FontName;
    // The framework font's height: pixels, negative for the character height.
    int FontHeight = -11;
    TFontStyles Style;
    TColor TextColor = clBlack;
    // -1: none.
    TColor TextBackground = TColor(-1);
    TColor FillColor = clWhite;

    bool InLink = false;
    int LinkNumber = 0;
    QString LinkTarget;
    int LinkCount = 0;

    int ListLevel = 0;
    bool Subscript = false;
    bool Superscript = false;
    bool Shadow = false;
    bool ErrorMark = false;
    bool Hidden = false;
    bool ParagraphBackground = false;
    TColor ParagraphColor = TColor(-1);
    QString ParagraphPicture;
    float Offset = 0;

    // Restored by closing tags.
    TColor SavedColor = clBlack;
    TColor SavedBackground = TColor(-1);
    TColor HilightSavedColor = clBlack;
    TColor HilightSavedBackground = TColor(-1);
    TFontStyles HilightSavedStyle;
    TColor LinkSavedColor = clBlack;
    TColor LinkSavedBackground = TColor(-1);
    TColor FontSavedFill = clWhite;
    TColor ParagraphSavedFill = clWhite;
};

#pragma GCC visibility pop
