#include "app/UserLibrary.h"
#include "app/ProgramDirectory.h"

#include "support/TempDir.h"
#include "support/ui/FakePlatform.h"

#include <gtest/gtest.h>

using namespace pinatlas;
using namespace pinatlas::test;

TEST(ProgramPlace, BesideTheExecutableUnlessInstalledOrUnwritable) {
    TempDir tree;
    const QString home = tree.mkdir("home");
    const QString user = home + "pinatlas" + QDir::separator();
    tree.write("build/74xx/7400.txt", "");
    tree.write("usr/share/pinatlas/library/74xx/7400.txt", "");
    const QString build = tree.path() + "build";
    const QString bin = tree.mkdir("usr/bin");
    const QString library = tree.path() + QDir::toNativeSeparators("usr/share/pinatlas/library/");

    const ProgramPlace asBuilt = chooseProgramPlace(build, home, true);
    EXPECT_EQ(asBuilt.directory, build + QDir::separator());
    EXPECT_TRUE(asBuilt.shipped.isEmpty());

    for (const bool writable : {true, false}) {
        const ProgramPlace installed = chooseProgramPlace(bin, home, writable);
        EXPECT_EQ(installed.directory, user);
        EXPECT_EQ(installed.shipped, library);
    }
    const ProgramPlace readOnly = chooseProgramPlace(build, home, false);
    EXPECT_EQ(readOnly.directory, user);
    EXPECT_EQ(readOnly.shipped, build + QDir::separator());
}

namespace {

class UserLibrary : public ::testing::Test {
protected:
    bool start() { return updateUserLibrary(shipped.path(), user.path() + "pinatlas", platform); }
    QByteArray mine(const char* sheet) const { return user.read(QString("pinatlas/") + sheet); }

    TempDir shipped;
    TempDir user;
    FakePlatform platform;
};

} // namespace

TEST_F(UserLibrary, TakesNewerShippedSheetsOnlyWhereTheUserChangedNothing) {
    shipped.write("74xx/7400.txt", "a");
    shipped.write("74xx/7402.txt", "b");
    shipped.write("40xx/4001.txt", "c");
    ASSERT_TRUE(start());
    EXPECT_TRUE(platform.boxes.empty());
    EXPECT_EQ(mine("74xx/7400.txt"), "a");
    EXPECT_EQ(mine("40xx/4001.txt"), "c");
    EXPECT_TRUE(user.exists("pinatlas/shipped-library.sha256"));

    user.write("pinatlas/pinatlas.ini", "D\r\n 0 \r\n");
    user.write("pinatlas/74xx/7402.txt", "changed");
    QFile::remove(user.path() + "pinatlas/40xx/4001.txt");
    user.write("pinatlas/74xx/7499.txt", "my own");
    shipped.write("74xx/7400.txt", "a2");
    shipped.write("74xx/7402.txt", "b2");
    shipped.write("40xx/4001.txt", "c2");
    shipped.write("74xx/7404.txt", "d");
    shipped.write("cmos/4000.txt", "e");
    shipped.write("74xx/7499.txt", "same name");

    // Cancel decides nothing: the same question comes at the next start.
    for (const MsgAnswer answer : {MsgAnswer::Cancel, MsgAnswer::Yes}) {
        platform.answer(answer);
        ASSERT_TRUE(start());
        ASSERT_EQ(platform.boxes.size(), 1u);
        EXPECT_EQ(platform.boxes[0].icon, MsgIcon::Question);
        EXPECT_EQ(platform.boxes[0].buttons, MsgButtons::YesNoCancel);
        EXPECT_TRUE(platform.boxes[0].text.startsWith(
            "Eine neuere Bibliothek ist installiert: 2 neue und 1 aktualisierte Datenblätter."))
            << platform.boxes[0].text.toStdString();
        EXPECT_EQ(mine("74xx/7400.txt"), answer == MsgAnswer::Yes ? "a2" : "a");
        EXPECT_EQ(user.exists("pinatlas/cmos/4000.txt"), answer == MsgAnswer::Yes);
        platform.boxes.clear();
    }
    EXPECT_EQ(mine("74xx/7404.txt"), "d");
    EXPECT_EQ(mine("74xx/7402.txt"), "changed");
    EXPECT_EQ(mine("74xx/7499.txt"), "my own");
    EXPECT_FALSE(user.exists("pinatlas/40xx/4001.txt"));

    // No leaves the offered sheets out for good.
    shipped.write("74xx/7400.txt", "a3");
    platform.answer(MsgAnswer::No);
    ASSERT_TRUE(start());
    EXPECT_EQ(platform.boxes.size(), 1u);
    ASSERT_TRUE(start());
    EXPECT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(mine("74xx/7400.txt"), "a2");
}

TEST_F(UserLibrary, AFailedCopyIsReportedInBothLanguagesAndTriedAgain) {
    shipped.write("74xx/7400.txt", "a");
    user.write("pinatlas/74xx", "a file where the directory must go");
    ASSERT_TRUE(start());
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].icon, MsgIcon::Critical);
    const QString where = QDir::toNativeSeparators(user.path() + "pinatlas/74xx/7400.txt");
    EXPECT_EQ(platform.boxes[0].text,
              "The datasheets could not be copied into your library:\r\n" + where +
                  "\r\n\r\nDie Datenblätter konnten nicht in Ihre Bibliothek kopiert werden:\r\n" +
                  where);

    QFile::remove(user.path() + "pinatlas/74xx");
    ASSERT_TRUE(start());
    EXPECT_EQ(mine("74xx/7400.txt"), "a");
    EXPECT_EQ(platform.boxes.size(), 1u);

    // Without a directory of one's own the caller falls back to the shipped one.
    EXPECT_FALSE(updateUserLibrary(shipped.path(), where, platform));
}
