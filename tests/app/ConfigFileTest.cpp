#include "app/ConfigFile.h"

#include "support/TempDir.h"
#include "support/TestName.h"

#include <gtest/gtest.h>

using namespace pinatlas;

struct ConfigCase {
    const char* bytes;
    int directories;
    const char* language; // nullptr: not read
    int selected;
    const char* what;
};

void PrintTo(const ConfigCase& c, std::ostream* os) {
    *os << c.what;
}

class ConfigReading : public ::testing::TestWithParam<ConfigCase> {};

TEST_P(ConfigReading, SelectsTheRememberedDirectoryOrNone) {
    const ConfigCase& c = GetParam();
    const ConfigValues v = parseConfig(QByteArray(c.bytes));
    if (c.language)
        EXPECT_EQ(v.language, QString(c.language));
    else
        EXPECT_FALSE(v.language.has_value());
    EXPECT_EQ(selectedPosition(v, c.directories), c.selected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ConfigReading,
    ::testing::Values(ConfigCase{"E\r\n 3 \r\n", 5, "E", 3, "as written"},
                      ConfigCase{"D,2", 5, "D", 2, "comma form"},
                      ConfigCase{"D", 5, "D", 0, "only the first line"},
                      ConfigCase{"", 5, nullptr, 0, "empty file"},
                      ConfigCase{"E\r\n 5 \r\n", 5, "E", -1, "one past the last entry"},
                      ConfigCase{"E\r\n-1 \r\n", 5, "E", -1, "nothing selected"},
                      ConfigCase{"E\r\n-2\r\n", 5, "E", -1, "below -1"},
                      ConfigCase{"E\r\nzwei\r\n", 5, "E", -1, "not a number"},
                      ConfigCase{"E\r\n2.5\r\n", 5, "E", 2, "half down to even"},
                      ConfigCase{"E\r\n3.5\r\n", 5, "E", 4, "half up to even"},
                      ConfigCase{"E\r\n 1.4 \r\n", 5, "E", 1, "blanks around"},
                      ConfigCase{"d\n0\n", 1, "d", 0, "LF-only, any code"},
                      ConfigCase{"E\r\n0\r\n", 0, "E", -1, "no directories"}),
    [](const auto& info) { return pinatlas::test::testName(info.param.what); });

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
