#include "app/UserLibrary.h"
#include "app/ProgramDirectory.h"

#include "support/TempDir.h"
#include "support/ui/FakePlatform.h"

#include <gtest/gtest.h>

using namespace pinatlas;
using namespace pinatlas::test;

namespace {

class UserLibrary : public ::testing::Test {
protected:
    bool start() { return updateUserLibrary(shipped.path(), user.path(), platform); }

    TempDir shipped;
    TempDir user;
    FakePlatform platform;
};

} // namespace

// The installed case is the installed program's start.
TEST_F(UserLibrary, ABuildDirectoryIsTheProgramDirectoryWhileItCanBeWritten) {
    EXPECT_EQ(chooseProgramPlace(shipped.path(), user.path(), true).directory, shipped.path());
    EXPECT_EQ(chooseProgramPlace(shipped.path(), user.path(), false).shipped, shipped.path());
}

TEST_F(UserLibrary, TakesNewerShippedSheetsOnlyWhereTheUserChangedNothing) {
    for (const char* sheet : {"74xx/7400.txt", "74xx/7402.txt", "40xx/4001.txt"})
        shipped.write(sheet, "old");
    ASSERT_TRUE(start());
    user.write("pinatlas.ini", "D\r\n 0 \r\n");
    user.write("74xx/7402.txt", "changed");
    QFile::remove(user.path() + "40xx/4001.txt");
    user.write("74xx/7499.txt", "my own");
    // Edited on Windows, the manifest may end its lines with CR LF.
    user.write(kShippedManifestName, user.read(kShippedManifestName).replace("\n", "\r\n"));
    for (const char* sheet :
         {"74xx/7400.txt", "74xx/7402.txt", "40xx/4001.txt", "74xx/7499.txt", "cmos/4000.txt"})
        shipped.write(sheet, "new");

    // Cancel decides nothing: the same question comes at the next start.
    for (const MsgAnswer answer : {MsgAnswer::Cancel, MsgAnswer::Yes}) {
        platform.answer(answer);
        ASSERT_TRUE(start());
        ASSERT_EQ(platform.boxes.size(), 1u);
        EXPECT_TRUE(platform.boxes[0].text.startsWith(
            "Eine neuere Bibliothek ist installiert: 1 neues Datenblatt und 1 aktualisiertes "
            "Datenblatt. Sollen sie"));
        EXPECT_TRUE(platform.boxes[0].toolkitGerman); // the buttons too
        EXPECT_EQ(user.read("74xx/7400.txt") + '|' + user.read("cmos/4000.txt"),
                  answer == MsgAnswer::Yes ? "new|new" : "old|");
        platform.boxes.clear();
    }
    EXPECT_EQ(user.read("74xx/7402.txt") + '|' + user.read("40xx/4001.txt") + '|' +
                  user.read("74xx/7499.txt"),
              "changed||my own");

    // No leaves the offered sheets out for good.
    shipped.write("74xx/7400.txt", "newer");
    platform.answer(MsgAnswer::No);
    for (int run = 0; run < 2; ++run)
        ASSERT_TRUE(start());
    EXPECT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(user.read("74xx/7400.txt"), "new");
    EXPECT_TRUE(platform.boxes[0].text.contains("1 aktualisiertes Datenblatt. Soll es"));
}

// Without the manifest a deleted sheet would look new: one that cannot be read
// copies nothing.
TEST_F(UserLibrary, AnUnreadableManifestCopiesNothingAndSaysSo) {
    shipped.write("74xx/7400.txt", "a");
    QDir().mkpath(user.path() + kShippedManifestName); // a directory in its place
    ASSERT_TRUE(start());
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_TRUE(platform.boxes[0].text.contains(kShippedManifestName));
    EXPECT_FALSE(QFile::exists(user.path() + "74xx/7400.txt"));
}

TEST_F(UserLibrary, AFailedCopyIsReportedInBothLanguagesAndTriedAgain) {
    shipped.write("74xx/7400.txt", "a");
    user.write("74xx", "a file where the directory must go");
    ASSERT_TRUE(start());
    ASSERT_EQ(platform.boxes.size(), 1u);
    const QString where = user.path() + "74xx/7400.txt";
    // Each language names the file and the system's reason.
    const QString reason = platform.boxes[0].text.section("\r\n", 2, 2);
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_EQ(platform.boxes[0].text,
              "The datasheets could not be copied into your library:\r\n" + where + "\r\n" +
                  reason +
                  "\r\n\r\nDie Datenblätter konnten nicht in Ihre Bibliothek kopiert werden:\r\n" +
                  where + "\r\n" + reason);

    QFile::remove(user.path() + "74xx");
    ASSERT_TRUE(start());
    EXPECT_EQ(user.read("74xx/7400.txt"), "a");
    // Without a directory of its own the caller falls back to the shipped one.
    EXPECT_FALSE(updateUserLibrary(shipped.path(), where, platform));
}
