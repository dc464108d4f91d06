#include "library/FileAccess.h"
#include "app/ConfigFile.h"
#include "library/DatasheetReader.h"
#include "library/IcList.h"
#include "library/Names.h"
#include "support/TempDir.h"

#include <QDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace pinatlas;
using pinatlas::test::TempDir;

// Opening a FIFO would wait for a writer forever, so it must be reported like
// an unreadable file by each way of reading.
TEST(FileAccess, SpecialFilesAreReportedAndNeverOpened) {
    TempDir dir;
    const QString lib = dir.mkdir("lib");
    ASSERT_EQ(mkfifo(QFile::encodeName(lib + "fifo.txt").constData(), 0600), 0);
    EXPECT_FALSE(readDatasheetFile(lib + "fifo.txt").file);
    EXPECT_FALSE(readConfigFile(lib + "fifo.txt").language);
    EXPECT_TRUE(scanIcDirectory(lib).failed());
}

// Under a file-size limit (as on a full disk) and through links.
TEST(FileAccess, WritingKeepsTheOldFileAndNeverFollowsALink) {
    TempDir dir;
    dir.write("a/x", "old contents");
    dir.write("elsewhere", "outside");
    const QString path = dir.path() + "a/x";
    const QByteArray bytes(4096, 'x');
    EXPECT_FALSE(saveFileWhole(dir.path() + "nowhere/x", bytes).ok);

    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto* previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 4;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const SaveOutcome full = saveFileWhole(path, bytes);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(full.ok);
    EXPECT_EQ(dir.read("a/x"), "old contents");
    EXPECT_EQ(QDir(dir.path() + "a").entryList(QDir::Files | QDir::Hidden).size(), 1);
    EXPECT_TRUE(saveFileWhole(path, bytes).ok);
    EXPECT_EQ(dir.read("a/x"), bytes);

    ASSERT_TRUE(QFile::link(dir.path() + "elsewhere", dir.path() + "a/link"));
    ASSERT_TRUE(QFile::link(dir.path() + "gone", dir.path() + "a/dangling"));
    for (const char* link : {"a/link", "a/dangling"})
        EXPECT_TRUE(saveFileWhole(dir.path() + link, bytes).refusedLink) << link;
    EXPECT_EQ(dir.read("elsewhere"), "outside");
    EXPECT_FALSE(dir.exists("gone"));

    // A name that is not UTF-8, in a directory whose name is not either.
    ASSERT_EQ(::mkdir(QFile::encodeName(dir.path()) + "l\xe4", 0700), 0);
    EXPECT_TRUE(saveFileWhole(nameFromDisk(QFile::encodeName(dir.path()) + "l\xe4/\xe4"), "1").ok);
    EXPECT_EQ(readRegularFile(dir.path() + nameFromDisk("l\xe4/\xe4"), 9).bytes, "1");
}
