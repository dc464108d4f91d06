#include "maintenance/LibraryFiles.h"
#include "library/Names.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cstdio>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

using namespace pinatlas;
using pinatlas::test::TempDir;

class SheetFiles : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name :
             {"74HC00.txt", "74HC00.bak", "74HC00.txt.bak", "74HC00A.txt", "74HC00.5.txt",
              "74hc00.txt", "74HC00", "x74HC00.txt", "74*.txt", "7400.txt"})
            dir.write(QStringLiteral("lib/") + QString::fromUtf8(name), "a\r\nb\r\n14\r\n");
        lib = dir.mkdir("lib");
        dir.mkdir("lib/74HC00.d");
    }
    TempDir dir;
    QString lib;
};

TEST_F(SheetFiles, TheTypeFollowedByADotAndAnythingIsMatchedLiterallyAndRemoved) {
    EXPECT_EQ(sheetFilesOf(lib, "74*"), QStringList({"74*.txt"}));
    for (const char* none : {"74?C00", "[7]400", ""})
        EXPECT_TRUE(sheetFilesOf(lib, none).isEmpty()) << none;
    const SheetRemoval r = removeSheetFiles(lib, "74HC00");
    EXPECT_EQ(r.removed,
              QStringList({lib + "74HC00.bak", lib + "74HC00.txt", lib + "74HC00.txt.bak"}));
    EXPECT_TRUE(r.failed.isEmpty());
    EXPECT_EQ(QDir(lib).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
              QStringList({"74*.txt", "7400.txt", "74HC00", "74HC00.5.txt", "74HC00.d",
                           "74HC00A.txt", "74hc00.txt", "x74HC00.txt"}));
    const SheetRemoval again = removeSheetFiles(lib, "74HC00");
    EXPECT_TRUE(again.removed.isEmpty() && again.failed.isEmpty());
}

// Stops deletions inside a directory whoever runs the test: the immutable
// flag stops even root, and where it cannot be set, taking away the write
// right stops everyone else.
void lockEntries(const QString& path, bool locked) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(fd, 0);
    int flags = 0;
    bool flagged = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (flagged) {
        flags = locked ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        flagged = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    if (!flagged)
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner |
                                        (locked ? QFile::Permissions() : QFile::WriteOwner));
}

TEST_F(SheetFiles, AFileThatCannotBeDeletedIsReported) {
    lockEntries(lib, true);
    const SheetRemoval r = removeSheetFiles(lib, "74HC00");
    lockEntries(lib, false);
    EXPECT_EQ(std::pair(r.removed.size(), r.failed.size()), std::pair(qsizetype(0), qsizetype(3)));
    EXPECT_TRUE(dir.exists("lib/74HC00.txt"));
}

TEST(LibraryDirectory, CreatedOnlyAsAPlainNewNameBelowTheProgramDirectory) {
    TempDir dir;
    EXPECT_EQ(createLibraryDirectory(dir.path(), "neu"), DirectoryCreation::Created);
    EXPECT_TRUE(QFileInfo(dir.path() + "neu").isDir());
    for (const char* taken : {"neu", "NEU", "Neu"})
        EXPECT_EQ(createLibraryDirectory(dir.path(), taken), DirectoryCreation::Failed) << taken;
    dir.write("datei", "x");
    EXPECT_EQ(createLibraryDirectory(dir.path(), "datei"), DirectoryCreation::Failed);
    EXPECT_EQ(createLibraryDirectory(dir.path(), "../draussen"), DirectoryCreation::NotRegularName);
    EXPECT_FALSE(QFileInfo::exists(dir.path() + "../draussen"));
}

TEST(LibraryDirectory, RemovalStaysInsideAndNeverEmptiesADirectory) {
    TempDir dir;
    dir.mkdir("mitunter/unter");
    dir.mkdir("ziel");
    ASSERT_TRUE(QFile::link(dir.path() + "ziel", dir.path() + "link"));
    const QString p = dir.path();
    EXPECT_EQ(removeLibraryDirectory(p, "mitunter"), DirectoryRemoval::Failed);
    EXPECT_EQ(removeLibraryDirectory(p, "link"), DirectoryRemoval::Failed); // not followed
    EXPECT_EQ(removeLibraryDirectory(p, ".."), DirectoryRemoval::NotPlainName);
    EXPECT_EQ(removeLibraryDirectory(p, "mitunter/unter"), DirectoryRemoval::NotPlainName);
    EXPECT_TRUE(dir.exists("mitunter/unter"));
    EXPECT_TRUE(dir.exists("ziel"));
    // A Windows-1252 name from an archive counts as a file and is removed by its bytes.
    dir.mkdir("alt");
    std::fclose(
        std::fopen(QFile::encodeName(p + "alt/Z").append("\xe4hler.txt").constData(), "wb"));
    EXPECT_EQ(removeLibraryDirectory(p, "alt"), DirectoryRemoval::HoldsFiles);
    EXPECT_EQ(removeSheetFiles(p + "alt/", nameFromDisk("Z\xe4hler")).failed, QStringList());
    EXPECT_EQ(removeLibraryDirectory(p, "alt"), DirectoryRemoval::Removed);
    // Made by another program: odd elsewhere, but inside the library and removable.
    dir.mkdir("CON");
    EXPECT_EQ(removeLibraryDirectory(p, "CON"), DirectoryRemoval::Removed);
}
