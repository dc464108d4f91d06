#include "library/Names.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace pinatlas;

// One table for the three rules: the type's problem, and whether the name may
// be reached as an existing directory and given to a new one.
TEST(Names, TypesNewAndExistingDirectories) {
    using P = NameProblem;
    struct Row {
        P type;
        bool plain;
        QStringList names;
    };
    const Row rows[] = {
        {P::None, true, {"74HC00", "74 LS 00", "con-trol", "CONSOLE", "COM10", "LPT", "a.b"}},
        {P::None, true, {QString::fromUtf8("Gatter-ä"), QString(251, 'x')}},
        {P::TooLong, true, {QString(252, 'x')}},
        {P::Empty, false, {""}},
        {P::Separator, false, {"a/b", "a\\b", "../x", "/etc/passwd", "\\\\server\\share"}},
        {P::ForbiddenCharacter, false, {"a:b", "C:", "C:\\Windows"}},
        {P::ForbiddenCharacter, true, {"a*", "a?", "a\"b", "<a", "a>", "a|b"}},
        {P::ControlCharacter, false, {"a\tb", "a\nb", QString(QChar(0)), QString(QChar(0x85))}},
        {P::ControlCharacter, false, {QString("a") + QChar(0x7F)}},
        {P::DotName, false, {".", ".."}},
        {P::LeadingDot, false, {".hidden"}},
        {P::TrailingDotOrBlank, true, {"7400.", "7400 ", "   "}},
        {P::DeviceName, true, {"CON", "con", "Nul", "PRN", "AUX", "COM0", "COM1", "lpt9", "CON.x"}},
        {P::DeviceName, true, {"NUL .a", "CONIN$", "conout$.txt", "CLOCK$", "LPT\u00B3.d"}},
        {P::DeviceName, true, {QString::fromUtf8("COM\u00B9")}}};
    for (const Row& row : rows)
        for (const QString& name : row.names) {
            EXPECT_EQ(typeNameProblem(name), row.type) << name.toStdString();
            EXPECT_EQ(isPlainDirectoryName(name), row.plain) << name.toStdString();
            // A directory name gets no ".txt": 252 characters are not too long.
            EXPECT_EQ(isRegularDirectoryName(name), row.type == P::None || row.type == P::TooLong)
                << name.toStdString();
        }
}

// Every name on disk comes back as its own bytes; as shown, it can neither
// pass for another name nor rearrange the text around it.
TEST(Names, NamesOnDiskAndAsShown) {
    const std::pair<QByteArray, QString> rows[] = {
        {"74\xc3\xa4"
         "99",
         QString::fromUtf8("74ä99")},
        {"74\xe4"
         "99",
         QString::fromUtf8("74ä99 (1252)")},               // its legacy twin
        {"\xc3\xa4\xe4", QString::fromUtf8("Ã¤ä (1252)")}, // one bad byte: all are legacy
        {"\x80\xff", QString::fromUtf8("€ÿ (1252)")},
        {"/l\xe4/74\xc3\xa4.txt", QString::fromUtf8("/lä (1252)/74ä.txt")},
        {"a\x1b]0;x\x07", "a\\e]0;x\\a"},
        {"a\x01"
         "b\x7f\xc2\x9d\xc2\x9f",
         "a\\x01b\\x7f\\x9d\\x9f"},
        {"74\xe2\x80\xae"
         "00",
         "74<U+202E>00"},
        {"\xd7\xa9\xd7\x9c", QString(QChar(0x2068)) + QString::fromUtf8("של") + QChar(0x2069)}};
    for (const auto& [disk, shown] : rows) {
        const QString name = nameFromDisk(disk);
        EXPECT_EQ(std::pair(nameToDisk(name), shownText(name)), std::pair(disk, shown));
    }
    EXPECT_EQ(readableName(nameFromDisk("74\xe4"
                                        "99")),
              QString::fromUtf8("74ä99"));
    for (const char* name : {"a\x1b.txt", "a\\b:c.txt", "74\xe4.txt", "", ".hidden"})
        EXPECT_EQ(isListedFileName(nameFromDisk(name)), *name && *name != '.') << name;
}
