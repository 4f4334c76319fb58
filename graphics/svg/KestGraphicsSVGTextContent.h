#pragma once
// The characters a text element shows, in order, after white-space
// handling, each with the element whose style it takes and the position
// values (x, y, dx, dy, rotate) that address it.

#include <QChar>
#include <vector>

#pragma GCC visibility push(default)

class TKestGraphicsSVGElement;

struct TKestGraphicsSVGTextCharacter {
    QChar Char;
    // The second half of a surrogate pair: not addressed on its own.
    bool Continuation = false;
    // Not the first of its cluster (a combining mark, say): drawn with the
    // characters before it, where the first of them is placed.
    bool Joined = false;
    const TKestGraphicsSVGElement* Owner = nullptr;
    bool HasX = false;
    bool HasY = false;
    bool HasRotate = false;
    float X = 0;
    float Y = 0;
    float DX = 0;
    float DY = 0;
    float Rotate = 0;

    // Anything that places this character apart from the one before it.
    bool IsPlaced() const { return HasX || HasY || DX != 0 || DY != 0 || (HasRotate && Rotate != 0); }
};

using TKestGraphicsSVGTextCharacters = std::vector<TKestGraphicsSVGTextCharacter>;

class TKestGraphicsSVGTextContent {
public:
    // text is a text element; spans with display "none" are left out.
    static TKestGraphicsSVGTextCharacters Collect(const TKestGraphicsSVGElement& text);
};

#pragma GCC visibility pop
