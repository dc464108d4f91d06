#include "service/ui/ServiceCommands.h"
#include "service/ui/Information.h"
#include "support/ui/MainWindowFixture.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace pinatlas;
using namespace pinatlas::test;

namespace {

class Service : public MainWindowFixture {
protected:
    Information* showAbout() {
        menu("Inform");
        return mainWindow->serviceCommands()->information();
    }
};

} // namespace

TEST_F(Service, TheAboutBoxFollowsTheLanguageOnlyWhenShownAgain) {
    start("D");
    Information* box = showAbout();
    const auto note = [&] { return box->findChild<QPlainTextEdit*>("DBInfo")->toPlainText(); };
    action("Englisch")->trigger();
    EXPECT_EQ(showAbout(), box); // still open: the same box, still German
    EXPECT_TRUE(note().startsWith("Ich hoffe"));
    box->findChild<QPushButton*>("cmdOK")->click();
    settle();
    EXPECT_EQ(QApplication::activeWindow(), mainWindow.get()); // the keyboard goes back
    box = showAbout();                                         // a new box
    EXPECT_TRUE(note().startsWith("If you have"));
    EXPECT_EQ(box->size(), QSize(376, 332));
    EXPECT_EQ(box->findChild<QPlainTextEdit*>("DBInfo")->geometry(), QRect(16, 84, 344, 136));
    EXPECT_EQ(box->findChild<QPushButton*>("cmdOK")->geometry(), QRect(272, 296, 88, 25));
    QPointer<Information> open = box;
    mainWindow.reset(); // the box ends with the main window
    EXPECT_TRUE(open.isNull());
}

TEST_F(Service, TheServiceMenuOpensThePagesOfTheLanguage) {
    start("D");
    for (const char* language : {"Deutsch", "Englisch"}) {
        action(language)->trigger();
        for (const char* page : {"MNU_S_velkaris", "MNU_S_Update", "MNU_S_Bücher"})
            action(page)->trigger();
    }
    EXPECT_EQ(platform.opened, QStringList({"https://www.pinatlas.example/de/",
                                            "https://www.pinatlas.example/de/download.html",
                                            "https://books.example.de/?partner=pinatlas",
                                            "https://www.pinatlas.example/",
                                            "https://www.pinatlas.example/en/pinatlas.html",
                                            "https://books.example.com/?partner=pinatlas"}));
}

// On exit the sheets written in this run are offered by mail, in the language
// of the program; Cancel ends without one, and so does a run that wrote none.
TEST_F(Service, WrittenSheetsAreOfferedByMailOnExit) {
    const QString a = dir.path() + "74xx" + QDir::separator() + "7400.txt";
    const QStringList files = {a, a + "x"};
    // In a language, the sheets written and the answer to the question; then
    // the start of the mail sent, if any, and after it the files listed in its body.
    const std::tuple<const char*, int, MsgAnswer, const char*> rows[] = {
        {"D", 1, MsgAnswer::Ok, "Neue Daten für die Stiftatlas Software!&Body=<html>Bitte hängen"},
        {"E", 2, MsgAnswer::Ok, "New data for the pinatlas software!&Body=<html>Please attach"},
        {"E", 1, MsgAnswer::Cancel, ""},
        {"E", 0, MsgAnswer::Ok, ""},
    };
    for (const auto& [language, written, answer, sent] : rows) {
        SCOPED_TRACE(language + std::to_string(written));
        start(language);
        platform.answer(answer);
        settings.changedFiles = files;
        settings.changedCount = static_cast<qint16>(written);
        mainWindow->close();
        ASSERT_EQ(platform.boxes.size(), written > 0 ? 1u : 0u);
        const QString mail = platform.opened.join(' ');
        const QString listed = "<br><br>" + files.mid(0, written).join(",<br>") + "<br><br>";
        EXPECT_EQ(mail.startsWith("mailto:datasheets@pinatlas.example?Subject=" +
                                  QString::fromUtf8(sent)) &&
                      mail.contains(listed),
                  *sent != 0)
            << mail.toStdString();
    }
}
