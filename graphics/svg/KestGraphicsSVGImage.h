#pragma once
// The picture of an image element: a "data:" reference in base 64, or a
// file. A file is read only when it is a regular file of at most
// MaxFileBytes (never a device, a pipe or a folder), relative names against
// the document's folder. A picture that does not load leaves no bitmap.

#include <QString>

#pragma GCC visibility push(default)

class TKestGraphicsSVGElement;

class TKestGraphicsSVGImage {
public:
    static constexpr qint64 MaxFileBytes = 64LL * 1024 * 1024;
    // Pictures inside pictures (an SVG image showing an SVG document) are
    // loaded this many levels deep at most, so a document showing itself
    // ends.
    static constexpr int MaxNesting = 4;

    // Loads reference into the element's Bitmap; baseFolder may be empty.
    static void Load(TKestGraphicsSVGElement& element, const QString& reference, const QString& baseFolder);
};

#pragma GCC visibility pop
