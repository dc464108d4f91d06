#include "maintenance/LibraryFiles.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

using namespace pinatlas;
using pinatlas::test::TempDir;

TEST(RegularDirectoryName, OnlyPlainNamesEverySystemAccepts) {
    for (const char* name :
         {"74xx", "CMOS 4000", "Opto-Koppler", "Größe", "a.b", "CONSOLE", "COM10", "LPT", "x"})
        EXPECT_TRUE(isRegularDirectoryName(QString::fromUtf8(name))) << name;
    for (const char* name :
         {"",      ".",       "..",     "../x",      "a/b",   "a\\b", "..\\..", "/tmp",
          "C:",    "a:b",     "a*",     "a?",        "\"a\"", "<a>",  "a|b",    "a.",
          "a ",    ".hidden", "CON",    "con",       "Nul",   "COM1", "lpt9",   "CON.txt",
          "aux.d", "PRN",     "CONIN$", "COM\u00B9", "a\nb",  "a\tb", "\x7F"})
        EXPECT_FALSE(isRegularDirectoryName(QString::fromUtf8(name))) << name;
}

class SheetFiles : public ::testing::Test {
protected:
    void SetUp() override {
        lib = dir.mkdir("lib");
        for (const char* name : {"74HC00.txt", "74HC00.bak", "74HC00.txt.bak", "74HC00A.txt",
                                 "74hc00.txt", "74HC00", "x74HC00.txt", "74*.txt", "7400.txt"})
            dir.write(QStringLiteral("lib/") + QString::fromUtf8(name), "a\r\nb\r\n14\r\n");
        dir.mkdir("lib/74HC00.d");
    }
    TempDir dir;
    QString lib;
};

TEST_F(SheetFiles, TheTypeFollowedByADotAndAnythingIsMatchedLiterallyAndRemoved) {
    EXPECT_EQ(sheetFilesOf(lib, "74*"), QStringList({"74*.txt"}));
    EXPECT_TRUE(sheetFilesOf(lib, "74?C00").isEmpty());
    EXPECT_TRUE(sheetFilesOf(lib, "[7]400").isEmpty());
    EXPECT_TRUE(sheetFilesOf(lib, "").isEmpty());

    const SheetRemoval r = removeSheetFiles(lib, "74HC00");
    EXPECT_EQ(r.removed,
              QStringList({lib + "74HC00.bak", lib + "74HC00.txt", lib + "74HC00.txt.bak"}));
    EXPECT_TRUE(r.failed.isEmpty());
    EXPECT_EQ(QDir(lib).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
              QStringList({"74*.txt", "7400.txt", "74HC00", "74HC00.d", "74HC00A.txt", "74hc00.txt",
                           "x74HC00.txt"}));
    const SheetRemoval again = removeSheetFiles(lib, "74HC00");
    EXPECT_TRUE(again.removed.isEmpty());
    EXPECT_TRUE(again.failed.isEmpty());
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
    EXPECT_TRUE(r.removed.isEmpty());
    EXPECT_EQ(r.failed.size(), 3);
    EXPECT_TRUE(dir.exists("lib/74HC00.txt"));
}

TEST(LibraryDirectory, CreatedOnlyAsAPlainNewNameBelowTheProgramDirectory) {
    TempDir dir;
    EXPECT_EQ(createLibraryDirectory(dir.path(), "neu"), DirectoryCreation::Created);
    EXPECT_TRUE(QFileInfo(dir.path() + "neu").isDir());
    EXPECT_EQ(createLibraryDirectory(dir.path(), "neu"), DirectoryCreation::Failed);
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
    // Made by another program: odd elsewhere, but inside the library and removable.
    dir.mkdir("CON");
    EXPECT_EQ(removeLibraryDirectory(p, "CON"), DirectoryRemoval::Removed);
}
