#pragma once
// The pictures one DrawHTML call refers to, resolved once per source value
// and kept until the call ends: named pictures of the picture container,
// image-list entries ("IDX:n"), program resources ("RES://"), files
// ("FILE://") and inline data ("DATA:...BASE64,..."). Every holder here is
// the call's own copy, freed with it.

#include <QString>
#include <memory>
#include <map>

#pragma GCC visibility push(default)

class TImageList;
class TPicture;
class TPictureContainer;

class TKestHTMLPictures {
public:
    // Files larger than this are not read: a picture reference must not
    // make the engine swallow an arbitrary file.
    static constexpr qint64 MaxFileSize = 32 * 1024 * 1024;

    TKestHTMLPictures(TPictureContainer* container, TImageList* imageList);
    ~TKestHTMLPictures();

    // The picture of the source, or none when it is missing, empty or of
    // zero size. indexAllowed: "IDX:" sources count (pictures, not
    // backgrounds).
    TPicture* Find(const QString& source, bool indexAllowed);
    // Some source was looked up: what the call laid out depends on
    // pictures that may change between calls.
    bool Consulted() const { return !FLoaded.empty(); }
    // The source names an image-list entry.
    static bool IsIndex(const QString& source);

private:
    std::unique_ptr<TPicture> Load(const QString& source, bool indexAllowed);
    std::unique_ptr<TPicture> LoadIndex(const QString& number);
    std::unique_ptr<TPicture> LoadFile(const QString& path);
    std::unique_ptr<TPicture> LoadResource(const QString& name);
    std::unique_ptr<TPicture> LoadData(const QString& source);
    std::unique_ptr<TPicture> LoadNamed(const QString& name);

    TPictureContainer* FContainer;
    TImageList* FImageList;
    // By source and whether "IDX:" counted; a null entry remembers a miss.
    std::map<QString, std::unique_ptr<TPicture>> FLoaded;
};

#pragma GCC visibility pop
