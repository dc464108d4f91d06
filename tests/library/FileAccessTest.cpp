#include "library/FileAccess.h"
#include "app/ConfigFile.h"
#include "library/DatasheetReader.h"
#include "library/IcList.h"
#include "support/TempDir.h"

#include <QDir>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace pinatlas;
using pinatlas::test::TempDir;

// Each way of reading meets a FIFO and a link to one: opening it would wait
// for a writer forever, so it must be reported like an unreadable file.
TEST(FileAccess, SpecialFilesAreReportedAndNeverOpened) {
    TempDir dir;
    const QString lib = dir.mkdir("lib");
    ASSERT_EQ(mkfifo(QFile::encodeName(lib + "fifo.txt").constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(lib + "fifo.txt", lib + "link.txt"));
    for (const char* name : {"fifo.txt", "link.txt"}) {
        EXPECT_FALSE(readDatasheetFile(lib + name).file) << name;
        EXPECT_FALSE(readIcHead(lib + name, name)) << name;
        EXPECT_FALSE(readConfigFile(lib + name).language) << name;
    }
    EXPECT_TRUE(scanIcDirectory(lib).failed());
}

// Both writers, under a file-size limit (as on a full disk) and through links.
TEST(FileAccess, EveryWriterKeepsTheOldFileAndNeverFollowsALink) {
    const std::pair<const char*, std::function<SaveOutcome(const QString&)>> writers[] = {
        {"sheet", [](const QString& p) { return saveFileWhole(p, QByteArray(4096, 'x')); }},
        {"config", [](const QString& p) { return writeConfigFile(p, Language::German, 3); }}};
    for (const auto& [what, write] : writers) {
        TempDir dir;
        dir.write("a/x", "old contents");
        dir.write("elsewhere", "outside");
        const QString path = dir.path() + "a/x";
        EXPECT_TRUE(write(path).ok) << what;
        EXPECT_FALSE(write(dir.path() + "nowhere/x").ok) << what;
        dir.write("a/x", "old contents");

        struct rlimit saved {};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
        auto* previous = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = saved;
        small.rlim_cur = 4;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        const SaveOutcome full = write(path);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);
        EXPECT_FALSE(full.ok) << what;
        EXPECT_EQ(dir.read("a/x"), "old contents") << what;
        EXPECT_EQ(QDir(dir.path() + "a").entryList(QDir::Files | QDir::Hidden).size(), 1) << what;

        ASSERT_TRUE(QFile::link(dir.path() + "elsewhere", dir.path() + "a/link"));
        ASSERT_TRUE(QFile::link(dir.path() + "gone", dir.path() + "a/dangling"));
        for (const char* link : {"a/link", "a/dangling"})
            EXPECT_TRUE(write(dir.path() + link).refusedLink) << what << link;
        EXPECT_EQ(dir.read("elsewhere"), "outside") << what;
        EXPECT_FALSE(dir.exists("gone")) << what;
        EXPECT_TRUE(QFileInfo(dir.path() + "a/link").isSymLink()) << what;
    }
}
