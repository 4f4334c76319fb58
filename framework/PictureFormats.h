#pragma once
// The registry of picture formats: which graphic class reads files of an
// extension, and which classes a picture holder asks, in registration order,
// whether they read a stream. The framework's bitmap is registered from the
// start for the raster formats it reads; modules add their own at start-up.

#include <QString>
#include <memory>
#include <vector>

#pragma GCC visibility push(default)

class TGraphic;
class TStream;
struct QMetaObject;

struct TGraphicClass {
    const QMetaObject* Meta = nullptr;
    std::unique_ptr<TGraphic> (*Create)() = nullptr;
    bool (*CanLoadFromStream)(TStream& stream) = nullptr;

    template <typename T>
    static TGraphicClass Of()
    {
        return {&T::staticMetaObject, []() -> std::unique_ptr<TGraphic> { return std::make_unique<T>(); },
                &T::CanLoadFromStream};
    }
    bool operator==(const TGraphicClass& other) const { return Meta == other.Meta; }
};

struct TPictureFormat {
    QString Extension; // without the dot, compared ignoring case
    QString Description;
    TGraphicClass GraphicClass;
};

namespace PictureFormats {

void Register(const QString& extension, const QString& description, const TGraphicClass& graphicClass);
// Removes every extension of the class.
void Unregister(const TGraphicClass& graphicClass);
const TPictureFormat* FindExtension(const QString& extension);
// The registered class of that class name (as stored with a picture).
const TGraphicClass* FindClassName(const QString& className);
// The first registered class that reads the stream's data.
const TGraphicClass* FindForStream(TStream& stream);
const std::vector<TPictureFormat>& Formats();

}

#pragma GCC visibility pop
