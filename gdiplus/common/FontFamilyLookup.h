#pragma once
// Creating a font family by name so that an uninstalled family is reported
// as FontFamilyNotFound.
//
// libgdiplus never reports an unknown family: fontconfig hands it a
// substitute and the call succeeds. A family counts as installed when it
// resolves to the name asked for, or to anything other than the default
// substitute (which keeps configured aliases such as a metric-compatible
// replacement for a common family).

#include "gdiplus/api/GdiplusFlatTypes.h"

#include <QString>

#pragma GCC visibility push(default)

namespace GdiplusFlat {

struct TFontFamilyCalls {
    GpStatus (*Create)(const WCHAR*, GpFontCollection*, GpFontFamily**);
    GpStatus (*GetName)(const GpFontFamily*, WCHAR*, LANGID);
    GpStatus (*Delete)(GpFontFamily*);
};

// The family's name, empty when it cannot be read.
QString FontFamilyName(const TFontFamilyCalls& calls, const GpFontFamily* family);

GpStatus CreateInstalledFontFamily(const TFontFamilyCalls& calls, const QString& name,
                                   GpFontCollection* collection, GpFontFamily** family);

}

#pragma GCC visibility pop
