#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>

namespace {

const QString kTable = QStringLiteral(PINATLAS_SOURCE_DIR "/families/pinatlas-families.txt");
const QString kLibrary = QStringLiteral(PINATLAS_SOURCE_DIR "/library");

} // namespace

// The exit status tells a script the verdict, and 3 whatever cannot be judged.
TEST(FamilyCommands, CompatAndFamiliesAnswerWithTheirExitStatus) {
    const struct {
        QStringList args;
        int status;
        const char* shown; // in the output or the error output
    } rows[] = {
        {{"compat", "LS", "HC"}, 2, "74LS → 74HC, 5 V → 5 V: does not work"},
        {{"compat", "74LS04", "74HCT"}, 0, "74LS04 (74LS) → 74HCT, 5 V → 5 V: works"},
        {{"compat", "SN74HC00N", "74LS"}, 1, "[if] Fan-out limit: at most 11 74LS inputs"},
        {{"compat", "74LVC", "74HC", "--supply", "3.3", "--receiver-supply", "5", "--lang", "D"},
         2,
         "3,3 V → 5 V: funktioniert nicht"},
        {{"compat", "74LS05", "74HC"}, 1, "needs a pull-up resistor to 5 V"},
        {{"compat", "74ALS00", "LS"}, 3, "[??] High level: cannot judge"},
        {{"compat", "foo", "HC"}, 3, "foo is neither a family of the table nor a part number"},
        {{"compat", "LS"}, 3, "DRIVER and RECEIVER are needed"},
        {{"compat", "LS", "HC", "--supply", "x"}, 3, "--supply takes a voltage"},
        {{"families", "4049", "--lang", "D"}, 0, "Gleiche Anschlüsse, andere Nummer: 74HC4049"},
        {{"families", "9999"}, 1, "no sheet of the type 9999"},
        {{"families", "7418"},
         1,
         "of the type 7418 in " PINATLAS_SOURCE_DIR "/library (types that begin so: 74181"},
        {{"families"}, 2, "one TYPE is needed"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.args.join(u' ').toStdString());
        QProcess p;
        p.start(PINATLAS_TOOL, r.args + QStringList{"--table", kTable, "--library", kLibrary});
        ASSERT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), r.status);
        const QString shown =
            QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
        EXPECT_TRUE(shown.contains(QString::fromUtf8(r.shown))) << shown.toStdString();
    }
}

TEST(FamilyCommands, AMissingTableCannotJudge) {
    QProcess p;
    p.start(PINATLAS_TOOL, {"compat", "LS", "HC", "--table", "/nonexistent/families.txt"});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 3);
    EXPECT_TRUE(p.readAllStandardError().contains("the family table is missing"));
}
