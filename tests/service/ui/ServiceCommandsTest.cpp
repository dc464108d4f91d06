#include "service/ui/ServiceCommands.h"
#include "service/ui/Information.h"
#include "support/ui/HauptFixture.h"
#include "support/ui/Settle.h"

#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace pinatlas;
using namespace pinatlas::test;

namespace {

class Service : public HauptFixture {
protected:
    void start(const char* language) {
        haupt.reset();
        dir.mkdir("74xx");
        dir.write("pinatlas.ini", QByteArray(language) + "\r\n 0 \r\n");
        startHaupt();
        platform.boxes.clear();
        platform.opened.clear();
    }
    Information* showAbout() {
        action("Inform")->trigger();
        settle();
        return haupt->serviceCommands()->information();
    }
};

} // namespace

TEST_F(Service, TheAboutBoxFollowsTheLanguageOnlyWhenShownAgain) {
    start("D");
    Information* box = showAbout();
    ASSERT_NE(box, nullptr);
    const auto note = [&] { return box->findChild<QPlainTextEdit*>("DBInfo")->toPlainText(); };
    EXPECT_TRUE(note().startsWith("Ich hoffe"));
    action("Englisch")->trigger();
    EXPECT_EQ(showAbout(), box); // still open: the same box, still German
    EXPECT_TRUE(note().startsWith("Ich hoffe"));
    box->findChild<QPushButton*>("cmdOK")->click();
    settle();
    EXPECT_EQ(haupt->serviceCommands()->information(), nullptr);
    box = showAbout();
    EXPECT_EQ(box->parentWidget(), nullptr); // no owner window
    EXPECT_EQ(box->windowTitle(), "https://www.pinatlas.example/");
    EXPECT_TRUE(note().endsWith("\n\nYou can always download the most current version at "
                                "pinatlas.example"));
    EXPECT_EQ(box->findChild<QLabel*>("lblVersion")->text(), "Version 1.3.0");
    EXPECT_EQ(box->size(), QSize(376, 316));
    EXPECT_EQ(box->findChild<QPlainTextEdit*>("DBInfo")->geometry(), QRect(16, 84, 344, 136));
    EXPECT_EQ(box->findChild<QPushButton*>("cmdOK")->geometry(), QRect(272, 280, 88, 25));
    QPointer<Information> open = box;
    haupt.reset(); // the box ends with the main window
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
    EXPECT_TRUE(platform.boxes.empty());
}

// On exit the sheets written in this run are offered by mail, in the language
// of the program; Cancel ends without one.
TEST_F(Service, WrittenSheetsAreOfferedByMailOnExit) {
    const QString a = dir.path() + "74xx" + QDir::separator() + "7400.txt";
    const QString b = dir.path() + "74xx" + QDir::separator() + "74HC00.txt";
    const struct {
        const char* language;
        QStringList files;
        MsgAnswer answer;
        const char* question; // its start
        const char* subject;
        QString listed; // in the body
    } rows[] = {
        {"E", {a}, MsgAnswer::Ok, "You have create", "New data for the pinatlas software!", a},
        {"D",
         {a, b},
         MsgAnswer::Ok,
         "Sie haben ein",
         "Neue Daten für die Stiftatlas Software!",
         a + ",<br>" + b},
        {"E", {a}, MsgAnswer::Cancel, "You have create", "", ""},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.language + r.files.join(' ').toStdString());
        start(r.language);
        platform.answer(r.answer);
        settings.changedFiles = r.files;
        settings.changedCount = static_cast<qint16>(r.files.size());
        haupt->close();
        ASSERT_EQ(platform.boxes.size(), 1u);
        EXPECT_EQ(platform.boxes[0].icon, MsgIcon::None);
        EXPECT_EQ(platform.boxes[0].buttons, MsgButtons::OkCancel);
        EXPECT_TRUE(platform.boxes[0].text.startsWith(r.question));
        ASSERT_EQ(platform.opened.size(), r.answer == MsgAnswer::Ok ? 1 : 0);
        for (const QString& mail : platform.opened) {
            EXPECT_TRUE(mail.startsWith(QString::fromUtf8("mailto:datasheets@pinatlas.example"
                                                          "?Subject=") +
                                        QString::fromUtf8(r.subject) + "&Body=<html>"));
            EXPECT_TRUE(mail.contains("<br><br>" + r.listed + "<br><br>")) << mail.toStdString();
        }
        EXPECT_FALSE(haupt->isVisible());
    }
}
