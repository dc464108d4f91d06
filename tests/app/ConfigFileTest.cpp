#include "app/ConfigFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace pinatlas;

TEST(ConfigFile, ReadingSelectsTheRememberedDirectoryOrNone) {
    // The file's bytes, the number of directories, then the language read ("-":
    // none) and the directory selected.
    const std::tuple<const char*, int, const char*, int> rows[] = {
        {"E\r\n 3 \r\n", 5, "E", 3},
        {"D,2", 5, "D", 2},
        {"D", 5, "D", 0},
        {"", 5, "-", 0},
        {"E\r\n 5 \r\n", 5, "E", -1},
        {"E\r\n-1 \r\n", 5, "E", -1},
        {"E\r\nzwei\r\n", 5, "E", -1},
        {"E\r\n2.5\r\n", 5, "E", 2},
        {"E\r\n3.5\r\n", 5, "E", 4},
        {"d\n0\n", 1, "d", 0},
    };
    for (const auto& [bytes, directories, language, selected] : rows) {
        const ConfigValues v = parseConfig(QByteArray(bytes));
        EXPECT_EQ(v.language.value_or("-"), language) << bytes;
        EXPECT_EQ(selectedPosition(v, directories), selected) << bytes;
    }
}

TEST(ConfigFile, WriteReplacesAnOrdinaryFileAndReportsFailure) {
    test::TempDir dir;
    const QString file = dir.path() + "pinatlas.ini";
    EXPECT_FALSE(configFileExists(file));
    dir.write("pinatlas.ini", "old contents that are longer");
    EXPECT_TRUE(writeConfigFile(file, "D", 1).ok);
    EXPECT_EQ(dir.read("pinatlas.ini"), QByteArray("D\r\n 1 \r\n"));
    EXPECT_TRUE(configFileExists(file));
    // Only the head is read: a huge file does not hold up the start.
    ASSERT_TRUE(QFile::resize(file, qint64(1) << 40));
    EXPECT_EQ(readConfigFile(file).position, 1);
    // A directory standing where the file must go neither counts nor can be replaced.
    dir.mkdir("blocked/pinatlas.ini");
    EXPECT_FALSE(configFileExists(dir.path() + "blocked/pinatlas.ini"));
    EXPECT_FALSE(writeConfigFile(dir.path() + "blocked/pinatlas.ini", "D", 0).ok);
}

TEST(ConfigFile, ScanListsVisibleDirectoriesInNameOrder) {
    test::TempDir dir;
    for (const char* name : {"74xx", "40xx", ".hidden", "Zeta", "alpha"})
        dir.mkdir(name);
    dir.write("pinatlas.ini", "E\r\n");
    dir.write("file.txt", "x");
    EXPECT_EQ(scanLibraryDirectories(dir.path()), QStringList({"40xx", "74xx", "Zeta", "alpha"}));
}
