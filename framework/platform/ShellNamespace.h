#pragma once
// The folder namespace of the desktop as the folder source sees it: the
// desktop and computer items, the computer's drives, directory listings and
// icons. One implementation per platform; tests may install another.

#include "framework/platform/PlatformService.h"

#include <QImage>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#pragma GCC visibility push(default)

namespace Platform {

struct TShellItem {
    QString parsingName; // a drive's ends with the path separator
    QString displayName;
    bool isFolder = true;
    bool isDrive = false; // the root of a file system
    QString iconKey;      // see IconImage
};

struct TDirEntry {
    QString name;
    bool isDirectory = false; // symbolic links followed
    bool isHidden = false;
};

class IShellNamespace {
public:
    virtual ~IShellNamespace();

    virtual TShellItem DesktopItem() = 0;
    virtual TShellItem ComputerItem() = 0;
    // The computer's items in their order: the drives first.
    virtual std::vector<TShellItem> ComputerItems() = 0;

    virtual bool DirectoryExists(const QString& path) = 0;
    // Whether a path is longer than any the system opens.
    virtual bool PathTooLong(const QString& path) = 0;
    // The entries of a directory sorted by name (case-insensitively, numbers
    // in natural order), or nothing when the directory cannot be read.
    // Entries that cannot be examined are left out.
    // keepResponsive is called every few hundred entries of a long listing,
    // so that the caller can let its window handle input meanwhile.
    using TKeepResponsive = std::function<void()>;
    virtual std::optional<std::vector<TDirEntry>> ListDirectory(const QString& path, bool directoriesOnly,
                                                                const TKeepResponsive& keepResponsive) = 0;
    std::optional<std::vector<TDirEntry>> ListDirectory(const QString& path, bool directoriesOnly)
    {
        return ListDirectory(path, directoriesOnly, {});
    }
    // A mark that changes whenever entries are added to or removed from a
    // directory; empty when the platform cannot tell (an unreadable
    // directory, or one changed too recently for its clock to tell that
    // change from the next).
    virtual QString DirectoryStamp(const QString& path) = 0;
    // Whether an entry of a directory listed earlier is still there.
    virtual bool EntryExists(const QString& directory, const QString& name) = 0;
    // The display name of a path; empty when the path cannot be read.
    virtual QString DisplayNameOf(const QString& path) = 0;

    // Icons are named by a key so that equal icons are loaded and kept once.
    virtual QString IconKeyOfPath(const QString& path) = 0;
    // The icon as a square picture of size pixels at a pixel ratio of 1;
    // null when there is none.
    virtual QImage IconImage(const QString& key, int size) = 0;
    // Logical pixels of a small icon at 96 dots per inch.
    virtual int SmallIconSize() = 0;
};

template <>
IShellNamespace& NativeService<IShellNamespace>();

inline IShellNamespace& Shell() { return Current<IShellNamespace>(); }

}

#pragma GCC visibility pop
