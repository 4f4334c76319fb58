#include "framework/platform/linux/LinuxShellNamespace.h"

#include "framework/platform/NaturalOrder.h"
#include "framework/platform/linux/FileNameCodec.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QSet>
#include <QStandardPaths>
#include <QStyle>
#include <algorithm>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace Platform {

namespace {

const QString kSep = QStringLiteral("/");

QString WithSeparator(const QString& path) { return path.endsWith(kSep) ? path : path + kSep; }

QString DesktopFolder() { return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation); }

// File systems that hold user data; everything else in the mount table
// (proc, sysfs, cgroup, overlay, tmpfs, ...) is left out of the computer.
bool IsRealFileSystem(const QByteArray& type)
{
    static const QSet<QByteArray> kReal = {
        "ext2", "ext3", "ext4", "xfs", "btrfs", "vfat", "msdos", "exfat", "ntfs", "ntfs3", "fuseblk", "iso9660",
        "udf", "zfs", "f2fs", "jfs", "reiserfs", "hfs", "hfsplus", "nfs", "nfs4", "cifs", "smb3", "smbfs", "9p",
        "virtiofs", "bcachefs", "nilfs2", "ufs",
    };
    return kReal.contains(type);
}

// Mount points are written with octal escapes for space, tab, newline and
// the backslash.
QString Unescape(const QByteArray& field)
{
    QByteArray out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            bool ok = false;
            int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                out.append(char(code));
                i += 3;
                continue;
            }
        }
        out.append(field[i]);
    }
    return FileNameCodec::Decode(out);
}

}

const QString& TLinuxShellNamespace::Home()
{
    if (FHome.isEmpty())
        FHome = QDir::homePath();
    return FHome;
}

const QString& TLinuxShellNamespace::Desktop()
{
    if (FDesktop.isEmpty())
        FDesktop = DesktopFolder();
    return FDesktop;
}

TShellItem TLinuxShellNamespace::DesktopItem()
{
    QString folder = Desktop();
    QString name = QDir(folder).dirName();
    return {folder, name.isEmpty() ? QStringLiteral("Desktop") : name, true, false, QStringLiteral("user-desktop")};
}

TShellItem TLinuxShellNamespace::ComputerItem()
{
    return {QString(), QStringLiteral("Computer"), true, false, QStringLiteral("computer")};
}

std::vector<QString> TLinuxShellNamespace::RealMountPoints(const QByteArray& mountinfo)
{
    std::vector<QString> points;
    QSet<QString> seen;
    for (const QByteArray& line : mountinfo.split('\n')) {
        QList<QByteArray> fields = line.split(' ');
        qsizetype dash = fields.indexOf("-");
        if (dash < 6 || dash + 1 >= fields.size())
            continue;
        if (!IsRealFileSystem(fields[dash + 1]))
            continue;
        QString point = Unescape(fields[4]);
        if (!seen.contains(point)) {
            seen.insert(point);
            points.push_back(point);
        }
    }
    return points;
}

std::vector<TShellItem> TLinuxShellNamespace::ComputerItems()
{
    std::vector<TShellItem> items;
    QSet<QString> seen;
    auto add = [&](const QString& path, bool drive, const QString& icon) {
        QString name = WithSeparator(path);
        if (seen.contains(name))
            return;
        seen.insert(name);
        items.push_back({name, name, true, drive, icon});
    };
    add(kSep, true, QStringLiteral("drive-harddisk"));
    add(Home(), false, QStringLiteral("user-home"));
    QFile mounts(QStringLiteral("/proc/self/mountinfo"));
    if (mounts.open(QIODevice::ReadOnly))
        for (const QString& point : RealMountPoints(mounts.readAll()))
            add(point, true, QStringLiteral("drive-harddisk"));
    return items;
}

bool TLinuxShellNamespace::DirectoryExists(const QString& path)
{
    struct stat st;
    return !path.isEmpty() && stat(FileNameCodec::Encode(path).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool TLinuxShellNamespace::PathTooLong(const QString& path)
{
    // PATH_MAX counts the terminating zero.
    return FileNameCodec::Encode(path).size() >= PATH_MAX;
}

namespace {

// How many entries pass between two calls of the caller's keepResponsive.
constexpr size_t kResponsiveEvery = 256;

using TSortKey = std::pair<QString, size_t>;

// Sorts in runs and merges them pass by pass, calling keepResponsive
// between runs: a hundred thousand names sort in steps of a millisecond or
// two instead of one long pause.
template <typename Less>
void SortResponsively(std::vector<TSortKey>& keys, Less less, const IShellNamespace::TKeepResponsive& keepResponsive)
{
    constexpr size_t kRun = 4096;
    const size_t n = keys.size();
    for (size_t begin = 0; begin < n; begin += kRun) {
        std::sort(keys.begin() + qsizetype(begin), keys.begin() + qsizetype(std::min(n, begin + kRun)), less);
        if (keepResponsive)
            keepResponsive();
    }
    for (size_t width = kRun; width < n; width *= 2) {
        for (size_t begin = 0; begin + width < n; begin += 2 * width) {
            const auto first = keys.begin() + qsizetype(begin);
            std::inplace_merge(first, first + qsizetype(width), keys.begin() + qsizetype(std::min(n, begin + 2 * width)),
                               less);
            if (keepResponsive)
                keepResponsive();
        }
    }
}

}

std::optional<std::vector<TDirEntry>> TLinuxShellNamespace::ListDirectory(const QString& path, bool directoriesOnly,
                                                                         const TKeepResponsive& keepResponsive)
{
    DIR* dir = opendir(FileNameCodec::Encode(path).constData());
    if (!dir)
        return std::nullopt;
    const int fd = dirfd(dir);
    std::vector<TDirEntry> entries;
    size_t seen = 0;
    while (dirent* e = readdir(dir)) {
        if (keepResponsive && ++seen % kResponsiveEvery == 0)
            keepResponsive();
        const char* name = e->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        bool isDir = e->d_type == DT_DIR;
        // Links and file systems without entry types need a look at the target.
        if (e->d_type == DT_LNK || e->d_type == DT_UNKNOWN) {
            struct stat st;
            if (fstatat(fd, name, &st, 0) != 0)
                continue; // a dangling link, a loop, or gone already
            isDir = S_ISDIR(st.st_mode);
        }
        if (directoriesOnly && !isDir)
            continue;
        entries.push_back({FileNameCodec::Decode(name, qsizetype(strlen(name))), isDir, name[0] == '.'});
    }
    closedir(dir);
    // Sort by keys made once; equal keys fall back to the plain names.
    std::vector<TSortKey> keys;
    keys.reserve(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        keys.emplace_back(NaturalOrder::SortKey(entries[i].name), i);
        if (keepResponsive && (i + 1) % kResponsiveEvery == 0)
            keepResponsive();
    }
    SortResponsively(
        keys,
        [&entries](const TSortKey& a, const TSortKey& b) {
            int c = a.first.compare(b.first);
            return c != 0 ? c < 0 : entries[a.second].name < entries[b.second].name;
        },
        keepResponsive);
    std::vector<TDirEntry> sorted;
    sorted.reserve(entries.size());
    for (const auto& k : keys)
        sorted.push_back(std::move(entries[k.second]));
    return sorted;
}

QString TLinuxShellNamespace::DirectoryStamp(const QString& path)
{
    struct stat st;
    if (stat(FileNameCodec::Encode(path).constData(), &st) != 0)
        return QString();
    // File times come from a coarse clock: a change within the same tick
    // as the one before leaves the time as it was. Only a directory left
    // alone for a while has a time that the next change must move.
    struct timespec now;
    clock_gettime(CLOCK_REALTIME_COARSE, &now);
    if (now.tv_sec - st.st_mtim.tv_sec < 2)
        return QString();
    return QStringLiteral("%1.%2:%3:%4")
        .arg(qint64(st.st_mtim.tv_sec))
        .arg(qint64(st.st_mtim.tv_nsec))
        .arg(quint64(st.st_ino))
        .arg(quint64(st.st_dev));
}

TLinuxShellNamespace::~TLinuxShellNamespace()
{
    if (FCheckFd >= 0)
        close(FCheckFd);
}

bool TLinuxShellNamespace::EntryExists(const QString& directory, const QString& name)
{
    // Checked relative to the directory, kept open while the same directory
    // is asked about: a listing checks many entries of one directory.
    if (directory != FCheckDir || FCheckFd < 0) {
        if (FCheckFd >= 0)
            close(FCheckFd);
        FCheckDir = directory;
        FCheckFd = open(FileNameCodec::Encode(directory).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    }
    struct stat st;
    if (FCheckFd >= 0)
        return fstatat(FCheckFd, FileNameCodec::Encode(name).constData(), &st, 0) == 0;
    return stat(FileNameCodec::Encode(directory + kSep + name).constData(), &st) == 0;
}

QString TLinuxShellNamespace::DisplayNameOf(const QString& path)
{
    struct stat st;
    if (path.isEmpty() || stat(FileNameCodec::Encode(path).constData(), &st) != 0)
        return QString();
    QString trimmed = path.size() > 1 && path.endsWith(kSep) ? path.chopped(1) : path;
    QString name = QFileInfo(trimmed).fileName();
    return name.isEmpty() ? trimmed : name;
}

QString TLinuxShellNamespace::IconKeyOfPath(const QString& path)
{
    QString p = path.size() > 1 && path.endsWith(kSep) ? path.chopped(1) : path;
    if (p == kSep)
        return QStringLiteral("drive-harddisk");
    if (p == Home())
        return QStringLiteral("user-home");
    if (p == Desktop())
        return QStringLiteral("user-desktop");
    return QStringLiteral("folder");
}

namespace {

// An icon gives its closest picture no larger than asked for; at scaled
// sizes (24 pixels at 1.5) that can be a smaller one. Then the next larger
// picture is scaled down, which stays sharper than scaling a small one up.
// Sizes are pixels: the pictures are taken at a pixel ratio of 1, or the
// icon would multiply them by the screen's ratio.
QImage ImageOfSize(const QIcon& icon, int size)
{
    QImage image = icon.pixmap(QSize(size, size), 1.0).toImage();
    if (image.width() != size && !image.isNull()) {
        QSize larger;
        for (const QSize& s : icon.availableSizes())
            if (s.width() > size && (!larger.isValid() || s.width() < larger.width()))
                larger = s;
        if (larger.isValid())
            image = icon.pixmap(larger, 1.0).toImage();
        image = image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    image.setDevicePixelRatio(1.0);
    return image;
}

}

QImage TLinuxShellNamespace::IconImage(const QString& key, int size)
{
    QString cacheKey = key + u'@' + QString::number(size);
    if (auto it = FIcons.constFind(cacheKey); it != FIcons.constEnd())
        return *it;
    QIcon icon = QIcon::fromTheme(key);
    if (icon.isNull() && qobject_cast<QApplication*>(QCoreApplication::instance())) {
        static const QHash<QString, QStyle::StandardPixmap> kFallback = {
            {QStringLiteral("folder"), QStyle::SP_DirIcon},
            {QStringLiteral("user-home"), QStyle::SP_DirHomeIcon},
            {QStringLiteral("user-desktop"), QStyle::SP_DesktopIcon},
            {QStringLiteral("computer"), QStyle::SP_ComputerIcon},
            {QStringLiteral("drive-harddisk"), QStyle::SP_DriveHDIcon},
        };
        icon = QApplication::style()->standardIcon(kFallback.value(key, QStyle::SP_DirIcon));
    }
    QImage image = icon.isNull() ? QImage() : ImageOfSize(icon, size);
    FIcons.insert(cacheKey, image);
    return image;
}

template <>
IShellNamespace& NativeService<IShellNamespace>()
{
    static TLinuxShellNamespace native;
    return native;
}

}
