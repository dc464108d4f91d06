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
