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
        dir.mkdir("74xx");
        dir.write("pinatlas.ini", QByteArray(language) + "\r\n 0 \r\n");
        startHaupt();
        platform.boxes.clear();
    }
    Information* showAbout() {
        action("Inform")->trigger();
        settle();
        return haupt->serviceCommands()->information();
    }
    template <class T = QLabel> static QString text(Information* box, const char* name) {
        return box->findChild<T*>(QString::fromLatin1(name))->text();
    }
    static QString note(Information* box) {
        return box->findChild<QPlainTextEdit*>("DBInfo")->toPlainText();
    }
};

const QString kGermanNote =
    "Ich hoffe Ihnen gefällt das Stiftatlas.\nWenn Sie Verbesserungsvorschläge haben, können "
    "Sie mir diese gerne schreiben. Die neueste Version können Sie jederzeit unter "
    "pinatlas.example herunterladen.\n\n";

} // namespace

TEST_F(Service, TheAboutBoxFollowsTheLanguageOnlyWhenShownAgain) {
    start("D");
    Information* box = showAbout();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), "https://www.pinatlas.example/de/");
    EXPECT_EQ(note(box), kGermanNote);
    action("Englisch")->trigger();
    EXPECT_EQ(showAbout(), box); // still open: the same box, still German
    EXPECT_EQ(note(box), kGermanNote);

    box->findChild<QPushButton*>("cmdOK")->click();
    settle();
    EXPECT_EQ(haupt->serviceCommands()->information(), nullptr);
    box = showAbout();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_FALSE(box->isModal());
    EXPECT_EQ(box->parentWidget(), nullptr); // no owner window
    EXPECT_EQ(box->windowTitle(), "https://www.pinatlas.example/");
    EXPECT_EQ(note(box), "If you have any suggestions for improvement or if you find any "
                         "mistakes, please let me know.\n\nYou can always download the most "
                         "current version at pinatlas.example");
    EXPECT_TRUE(box->findChild<QPlainTextEdit*>("DBInfo")->isReadOnly());
    const QStringList texts = {text(box, "lblTitle"), text(box, "lblVersion"), text(box, "Label1"),
                               text(box, "Label2"), text<QPushButton>(box, "cmdOK")};
    EXPECT_EQ(texts, QStringList({"Pinatlas", "Version 1.3.0",
                                  "Pinatlas - written by the Pinatlas developers",
                                  "contact@pinatlas.example", "OK"}));
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
    const QString path = dir.path() + "74xx" + QDir::separator();
    const QString english =
        "mailto:datasheets@pinatlas.example?Subject=New data for the pinatlas software!&Body="
        "<html>Please attach the following file(s) to this email:<br><br>" +
        path +
        "7400.txt<br><br>(please do not copy the text of this files directly into the "
        "mail!).<br>Thank you!<br></html>";
    const QString german =
        "mailto:datasheets@pinatlas.example?Subject=Neue Daten für die Stiftatlas Software!&Body="
        "<html>Bitte hängen Sie dieser E-Mail die folgenden Datei(en) als Anhang an:<br><br>" +
        path + "7400.txt,<br>" + path +
        "74HC00.txt<br><br>(bitte nicht den Text der Daten "
        "direkt in die Mail kopieren!).<br>Dankeschön!<br></html>";
    const struct {
        const char* language;
        QStringList files;
        MsgAnswer answer;
        QString question; // its start
        QStringList opened;
    } rows[] = {
        {"E",
         {path + "7400.txt"},
         MsgAnswer::Ok,
         "You have create one or more datasheets or you have edit some of them. Please send the "
         "new/changed datasheet per email to datasheets@pinatlas.example. This will help to "
         "complete the pinatlas and the author would be very grateful!",
         {english}},
        {"D",
         {path + "7400.txt", path + "74HC00.txt"},
         MsgAnswer::Ok,
         "Sie haben ein oder mehrere neue Datenblätter eingefügt oder vorhandene geändert. Bitte "
         "helfen Sie dabei mit, diese Stiftatlas Software zu erweitern und senden Sie die "
         "Datenblätter an datasheets@pinatlas.example, damit diese Software um die neuen "
         "Datenblätter erweitert werden kann. Dankeschön!",
         {german}},
        {"E", {path + "7400.txt"}, MsgAnswer::Cancel, "You have create", {}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.language + r.files.join(' ').toStdString());
        haupt.reset();
        platform.opened.clear();
        start(r.language);
        platform.answer(r.answer);
        settings.changedFiles = r.files;
        settings.changedCount = static_cast<qint16>(r.files.size());
        haupt->close();
        ASSERT_EQ(platform.boxes.size(), 1u);
        EXPECT_EQ(platform.boxes[0].icon, MsgIcon::None);
        EXPECT_EQ(platform.boxes[0].buttons, MsgButtons::OkCancel);
        EXPECT_EQ(platform.boxes[0].title, "Pinatlas");
        EXPECT_TRUE(platform.boxes[0].text.startsWith(r.question));
        EXPECT_EQ(platform.opened, r.opened);
        EXPECT_FALSE(haupt->isVisible());
    }
}
