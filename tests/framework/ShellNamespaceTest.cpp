#include "framework/platform/NaturalOrder.h"
#include "framework/platform/linux/LinuxShellNamespace.h"

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

#include "support/QtPrinters.h"

TEST(NaturalOrder, NumbersByValueLettersWithoutCase)
{
    QStringList names = {"file10", "File2", "file1", "b", "A", "a", "file02", "x9y", "x10y", "", "_z", "10", "9"};
    QStringList byCompare = names;
    std::sort(byCompare.begin(), byCompare.end(),
              [](const QString& a, const QString& b) { return NaturalOrder::Compare(a, b) < 0; });
    EXPECT_EQ(byCompare, (QStringList{"", "9", "10", "_z", "A", "a", "b", "file1", "File2", "file02", "file10", "x9y", "x10y"}));

    // The sort keys order every pair as the comparison does.
    for (const QString& a : names)
        for (const QString& b : names) {
            int byKey = NaturalOrder::SortKey(a).compare(NaturalOrder::SortKey(b));
            int direct = NaturalOrder::Compare(a, b);
            if (byKey != 0) {
                EXPECT_EQ(byKey < 0, direct < 0) << a.toStdString() << " / " << b.toStdString();
            }
        }
}

TEST(LinuxShell, RealMountPointsSkipPseudoFileSystemsAndRepeats)
{
    QByteArray mountinfo =
        "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
        "23 22 0:5 / /proc rw - proc proc rw\n"
        "24 22 0:6 / /sys rw - sysfs sysfs rw\n"
        "25 22 8:2 / /mnt/my\\040disk rw - vfat /dev/sdb1 rw\n"
        "26 22 0:30 / /run rw - tmpfs tmpfs rw\n"
        "27 22 8:2 / /mnt/my\\040disk rw - vfat /dev/sdb1 rw\n"
        "28 22 0:40 / /srv/share rw shared:5 master:1 - nfs4 host:/export rw\n"
        "garbage line\n";
    std::vector<QString> points = LinuxShellNamespace::RealMountPoints(mountinfo);
    EXPECT_EQ(points, (std::vector<QString>{"/", "/mnt/my disk", "/srv/share"}));
}

TEST(LinuxShell, ListingGivesFoldersSortedWithHiddenMarked)
{
    QTemporaryDir temp;
    for (const char* d : {"b", "a10", "a9", ".dot"})
        QDir(temp.path()).mkdir(d);
    LinuxShellNamespace shell;
    auto entries = shell.ListDirectory(temp.path(), true);
    ASSERT_TRUE(entries.has_value());
    QStringList names;
    for (const auto& e : *entries)
        names << (e.isHidden ? "(" + e.name + ")" : e.name);
    EXPECT_EQ(names, (QStringList{"(.dot)", "a9", "a10", "b"}));
    EXPECT_FALSE(shell.ListDirectory(temp.path() + "/none", true).has_value());
    EXPECT_TRUE(shell.EntryExists(temp.path(), "b"));
    EXPECT_FALSE(shell.EntryExists(temp.path(), "c"));
    EXPECT_EQ(shell.DisplayNameOf(temp.path() + "/b/"), "b");
    EXPECT_EQ(shell.DisplayNameOf(temp.path() + "/none"), "");

    auto items = shell.ComputerItems();
    ASSERT_GE(items.size(), 1u);
    EXPECT_EQ(items[0].parsingName, "/");
    EXPECT_TRUE(items[0].isDrive);
    if (QDir::homePath() != "/") {
        ASSERT_GE(items.size(), 2u);
        EXPECT_EQ(items[1].parsingName, QDir::homePath() + "/");
        EXPECT_FALSE(items[1].isDrive);
    }
}

// Sizes are pixels whatever the screen's ratio (this test runs again with the
// screen at a ratio of 2, where icons on their own give twice the pixels).
TEST(LinuxShellScreenRatio, IconsHaveExactlyThePixelsAskedFor)
{
    LinuxShellNamespace shell;
    for (int size : {16, 24, 32}) {
        const QImage image = shell.IconImage(QStringLiteral("folder"), size);
        ASSERT_FALSE(image.isNull()) << size;
        EXPECT_EQ(image.size(), QSize(size, size)) << size;
        EXPECT_EQ(image.devicePixelRatio(), 1.0) << size;
    }
}
