#pragma once
// The drawing library loaded by name at run time, with every flat function
// looked up by its exported name into a table of entry points.

#include "gdiplus/api/GdiplusApiTable.h"
#include "gdiplus/api/GdiplusError.h"

#include <QString>
#include <QStringList>

#pragma GCC visibility push(default)

namespace GdiplusFlat {

class TGdiplusLibrary {
public:
    TGdiplusLibrary() = default;
    TGdiplusLibrary(const TGdiplusLibrary&) = delete;
    TGdiplusLibrary& operator=(const TGdiplusLibrary&) = delete;
    ~TGdiplusLibrary();

    // Loads the library (once; a loaded library stays) and fills the table.
    // False when it cannot be loaded; Error() then says why.
    bool Load(const QString& fileName);
    // Clears the table and releases the library.
    void Unload();

    bool Loaded() const { return FHandle != nullptr; }
    const QString& FileName() const { return FFileName; }
    const QString& Error() const { return FError; }
    const TGdiplusApiTable& Table() const { return FTable; }
    // The names the loaded library does not export.
    QStringList MissingEntries() const;

    // The entry point or, when it is empty, EGdiplusError naming the missing
    // library or function: an empty entry is never called.
    template <class F>
    F Entry(F TGdiplusApiTable::*member, const char* name) const
    {
        F entry = FTable.*member;
        if (!entry)
            RaiseMissing(name);
        return entry;
    }

private:
    [[noreturn]] void RaiseMissing(const char* name) const;

    void* FHandle = nullptr;
    TGdiplusApiTable FTable;
    QString FFileName;
    QString FError;
};

}

#pragma GCC visibility pop
