#include "framework/platform/NaturalOrder.h"
#include "framework/platform/linux/LinuxShellNamespace.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <time.h>

#include "support/QtPrinters.h"

TEST(NaturalOrder, NumbersByValueLettersWithoutCase)
{
    QStringList names = {"file10", "File2", "file1", "b", "A", "a", "file02", "x9y", "x10y", "", "_z", "10", "9"};
    QStringList byCompare = names;
    std::sort(byCompare.begin(), byCompare.end(),
              [](const QString& a, const QString& b) { return NaturalOrder::Compare(a, b) < 0; });
    EXPECT_EQ(byCompare, (QStringList{"", "9", "10", "_z", "A", "a", "b", "file1", "File2", "file02", "file10", "x9y", "x10y"}));
}

namespace {

// The listing's order: by sort key, equal keys by the plain names.
int ListingOrder(const QString& a, const QString& b)
{
    const int byKey = NaturalOrder::SortKey(a).compare(NaturalOrder::SortKey(b));
    return byKey != 0 ? byKey : a.compare(b);
}

int Sign(int value) { return (value > 0) - (value < 0); }

}

TEST(NaturalOrder, SortKeysOrderAsTheComparisonDoes)
{
    // Leading zeros, equal numbers of different width, letter case, digits
    // beside other characters.
    const QStringList names = {
        "file3", "file02", "file2", "File2", "FILE2", "file002", "file10", "file010", "file2a", "file02B",
        "a0", "a00", "a0b", "a000b", "A0B", "x9y", "x09y", "x10y", "x009z", "v1.2", "v1.02", "v1.10",
        "file1", "a", "A", "ab", "Ab", "aB", "AB", "b", "B", "", "0", "00", "9", "09", "10", "1a", "01A", "_z", "z_", "a b", "a-1",
    };
    for (const QString& a : names)
        for (const QString& b : names)
            EXPECT_EQ(Sign(ListingOrder(a, b)), Sign(NaturalOrder::Compare(a, b)))
                << a.toStdString() << " / " << b.toStdString();

    QStringList listed = {"file10", "file3", "file2", "file010", "file02", "File2", "FILE2", "file002"};
    std::sort(listed.begin(), listed.end(), [](const QString& a, const QString& b) { return ListingOrder(a, b) < 0; });
    EXPECT_EQ(listed, (QStringList{"FILE2", "File2", "file002", "file02", "file2", "file3", "file010", "file10"}));
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
    std::vector<QString> points = Platform::TLinuxShellNamespace::RealMountPoints(mountinfo);
    EXPECT_EQ(points, (std::vector<QString>{"/", "/mnt/my disk", "/srv/share"}));
}

TEST(LinuxShell, ListingGivesFoldersSortedWithHiddenMarked)
{
    QTemporaryDir temp;
    for (const char* d : {"b", "a10", "a9", ".dot"})
        QDir(temp.path()).mkdir(d);
    Platform::TLinuxShellNamespace shell;
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

TEST(LinuxShell, ALongListingIsSortedWhileItsCallerKeepsResponsive)
{
    // More names than one sorting run holds, created in a scrambled order.
    QTemporaryDir temp;
    const int n = 9000;
    for (int i = 0; i < n; ++i)
        ASSERT_TRUE(QDir(temp.path()).mkdir(QStringLiteral("d%1").arg((i * 7919) % n)));
    Platform::TLinuxShellNamespace shell;
    int calls = 0;
    auto entries = shell.ListDirectory(temp.path(), true, [&] { ++calls; });
    ASSERT_TRUE(entries.has_value());
    ASSERT_EQ(entries->size(), size_t(n));
    for (int i = 0; i < n; ++i)
        ASSERT_EQ((*entries)[size_t(i)].name, QStringLiteral("d%1").arg(i)) << "natural order";
    EXPECT_GE(calls, n / 256);
}

TEST(LinuxShell, DirectoryStampMovesWithTheEntries)
{
    QTemporaryDir temp;
    Platform::TLinuxShellNamespace shell;
    EXPECT_EQ(shell.DirectoryStamp(temp.path()), "") << "just changed: the clock cannot tell the next change";
    EXPECT_EQ(shell.DirectoryStamp(temp.path() + "/none"), "");
    // Left alone for a while.
    const struct timespec past[2] = {{time(nullptr) - 60, 0}, {time(nullptr) - 60, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(temp.path()).constData(), past, 0), 0);
    const QString stamp = shell.DirectoryStamp(temp.path());
    EXPECT_NE(stamp, "");
    EXPECT_EQ(shell.DirectoryStamp(temp.path()), stamp);
    ASSERT_TRUE(QDir(temp.path()).mkdir("new"));
    EXPECT_NE(shell.DirectoryStamp(temp.path()), stamp);
}

// Sizes are pixels whatever the screen's ratio (this test runs again with the
// screen at a ratio of 2, where icons on their own give twice the pixels).
TEST(LinuxShellScreenRatio, IconsHaveExactlyThePixelsAskedFor)
{
    Platform::TLinuxShellNamespace shell;
    for (int size : {16, 24, 32}) {
        const QImage image = shell.IconImage(QStringLiteral("folder"), size);
        ASSERT_FALSE(image.isNull()) << size;
        EXPECT_EQ(image.size(), QSize(size, size)) << size;
        EXPECT_EQ(image.devicePixelRatio(), 1.0) << size;
    }
}
