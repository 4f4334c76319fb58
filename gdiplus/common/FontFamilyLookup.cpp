#include "gdiplus/common/FontFamilyLookup.h"

namespace GdiplusFlat {

namespace {

// LF_FACESIZE: the longest family name the interface returns.
constexpr int FamilyNameSize = 32;

// What the library substitutes for a family it does not know.
QString DefaultSubstitute(const TFontFamilyCalls& calls, GpFontCollection* collection)
{
    GpFontFamily* probe = nullptr;
    QString name;
    if (calls.Create(u"kest-no-such-font-family", collection, &probe) == Ok && probe) {
        name = FontFamilyName(calls, probe);
        calls.Delete(probe);
    }
    return name;
}

}

QString FontFamilyName(const TFontFamilyCalls& calls, const GpFontFamily* family)
{
    WCHAR buffer[FamilyNameSize + 1] = {};
    if (!family || calls.GetName(family, buffer, 0) != Ok)
        return QString();
    buffer[FamilyNameSize] = 0;
    return QString::fromUtf16(buffer);
}

GpStatus CreateInstalledFontFamily(const TFontFamilyCalls& calls, const QString& name,
                                   GpFontCollection* collection, GpFontFamily** family)
{
    *family = nullptr;
    GpFontFamily* found = nullptr;
    GpStatus status = calls.Create(reinterpret_cast<const WCHAR*>(name.utf16()), collection, &found);
    if (status != Ok || !found)
        return status != Ok ? status : FontFamilyNotFound;
    QString resolved = FontFamilyName(calls, found);
    bool asked = resolved.compare(name, Qt::CaseInsensitive) == 0;
    if (!asked && resolved.compare(DefaultSubstitute(calls, collection), Qt::CaseInsensitive) == 0) {
        calls.Delete(found);
        return FontFamilyNotFound;
    }
    *family = found;
    return Ok;
}

}
