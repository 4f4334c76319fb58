#pragma once
// The folder namespace on Linux: the desktop is the user's desktop folder,
// the computer lists the root folder, the home folder and every mounted
// volume of a real file system.

#include "framework/platform/ShellNamespace.h"

#include <QHash>

namespace Platform {

class TLinuxShellNamespace : public IShellNamespace {
public:
    TLinuxShellNamespace() = default;
    ~TLinuxShellNamespace() override;
    TLinuxShellNamespace(const TLinuxShellNamespace&) = delete;
    TLinuxShellNamespace& operator=(const TLinuxShellNamespace&) = delete;

    TShellItem DesktopItem() override;
    TShellItem ComputerItem() override;
    std::vector<TShellItem> ComputerItems() override;
    bool DirectoryExists(const QString& path) override;
    using IShellNamespace::ListDirectory;
    std::optional<std::vector<TDirEntry>> ListDirectory(const QString& path, bool directoriesOnly,
                                                        const TKeepResponsive& keepResponsive) override;
    QString DirectoryStamp(const QString& path) override;
    bool PathTooLong(const QString& path) override;
    bool EntryExists(const QString& directory, const QString& name) override;
    QString DisplayNameOf(const QString& path) override;
    QString IconKeyOfPath(const QString& path) override;
    QImage IconImage(const QString& key, int size) override;
    int SmallIconSize() override { return 16; }

    // Mount points of real file systems in a mountinfo text, in order, each
    // once ("/" included).
    static std::vector<QString> RealMountPoints(const QByteArray& mountinfo);

private:
    // Asked for at every icon lookup; they do not change while running.
    const QString& Home();
    const QString& Desktop();

    QHash<QString, QImage> FIcons;
    QString FHome;
    QString FDesktop;
    QString FCheckDir;
    int FCheckFd = -1;
};

}
