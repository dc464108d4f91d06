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

// The bytes written and a blocked file are the main window's start rows.
TEST(ConfigFile, OnlyTheHeadOfAHugeFileIsRead) {
    test::TempDir dir;
    dir.write("pinatlas.ini", "D\r\n 1 \r\n");
    ASSERT_TRUE(QFile::resize(dir.path() + "pinatlas.ini", qint64(1) << 40));
    EXPECT_EQ(readConfigFile(dir.path() + "pinatlas.ini").position, 1);
}
