#include "service/ui/ServiceCommands.h"
#include "maintenance/ui/LibraryCommands.h"
#include "maintenance/ui/NewDirectoryDialog.h"
#include "service/ui/Information.h"
#include "support/ui/HauptFixture.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
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
        QApplication::processEvents();
        return haupt->serviceCommands()->information();
    }
    static void settle() {
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    template <class T> static QString text(Information* box, const char* name) {
        return box->findChild<T*>(QString::fromLatin1(name))->text();
    }
    QString sheetPath(const char* type) const {
        return dir.path() + "74xx" + QDir::separator() + type + ".txt";
    }
    // The exit sequence, with `count` sheets recorded as written.
    void closeAfterWriting(const QStringList& files) {
        settings.changedFiles = files;
        settings.changedCount = static_cast<qint16>(files.size());
        haupt->close();
    }
};

const QString kEnglishNote =
    "If you have any suggestions for improvement or if you find any mistakes, please let me "
    "know.\n\nYou can always download the most current version at pinatlas.example";
const QString kGermanNote =
    "Ich hoffe Ihnen gefällt das Stiftatlas.\nWenn Sie Verbesserungsvorschläge haben, können "
    "Sie mir diese gerne schreiben. Die neueste Version können Sie jederzeit unter "
    "pinatlas.example herunterladen.\n\n";

} // namespace

// --- the about box -----------------------------------------------------------

TEST_F(Service, TheAboutBoxFollowsTheLanguageOnlyWhenShownAgain) {
    start("D");
    Information* box = showAbout();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), "https://www.pinatlas.example/de/");
    EXPECT_EQ(box->findChild<QPlainTextEdit*>("DBInfo")->toPlainText(), kGermanNote);
    EXPECT_EQ(text<QLabel>(box, "lblVersion"), "Version 1.3.0");

    action("Englisch")->trigger();
    EXPECT_EQ(showAbout(), box); // still open: the same box, still German
    EXPECT_EQ(box->findChild<QPlainTextEdit*>("DBInfo")->toPlainText(), kGermanNote);

    box->findChild<QPushButton*>("cmdOK")->click();
    settle();
    EXPECT_EQ(haupt->serviceCommands()->information(), nullptr);
    box = showAbout();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_FALSE(box->isModal());
    EXPECT_EQ(box->parentWidget(), nullptr); // no owner window
    EXPECT_EQ(box->windowTitle(), "https://www.pinatlas.example/");
    EXPECT_EQ(text<QLabel>(box, "lblTitle"), "Pinatlas");
    EXPECT_EQ(text<QLabel>(box, "lblVersion"), "Version 1.3.0");
    EXPECT_EQ(box->findChild<QPlainTextEdit*>("DBInfo")->toPlainText(), kEnglishNote);
    EXPECT_TRUE(box->findChild<QPlainTextEdit*>("DBInfo")->isReadOnly());
    EXPECT_EQ(text<QLabel>(box, "Label1"), "Pinatlas - written by the Pinatlas developers");
    EXPECT_EQ(text<QLabel>(box, "Label2"), "contact@pinatlas.example");
    EXPECT_EQ(text<QPushButton>(box, "cmdOK"), "OK");

    QPointer<Information> open = box;
    haupt.reset(); // the box ends with the main window
    EXPECT_TRUE(open.isNull());
}

// --- web links ---------------------------------------------------------------

TEST_F(Service, TheServiceMenuOpensThePagesOfTheLanguage) {
    start("D");
    for (const char* language : {"Deutsch", "Englisch"}) {
        action(language)->trigger();
        action("MNU_S_velkaris")->trigger();
        action("MNU_S_Update")->trigger();
        action("MNU_S_Bücher")->trigger();
    }
    EXPECT_EQ(platform.opened, QStringList({"https://www.pinatlas.example/de/",
                                            "https://www.pinatlas.example/de/download.html",
                                            "https://books.example.de/?partner=pinatlas",
                                            "https://www.pinatlas.example/",
                                            "https://www.pinatlas.example/en/pinatlas.html",
                                            "https://books.example.com/?partner=pinatlas"}));
    EXPECT_TRUE(platform.boxes.empty());
}

// --- the contribution mail on exit ------------------------------------------

TEST_F(Service, OneWrittenSheetIsOfferedInEnglish) {
    start("E");
    closeAfterWriting({sheetPath("7400")});
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].icon, MsgIcon::None);
    EXPECT_EQ(platform.boxes[0].buttons, MsgButtons::OkCancel);
    EXPECT_EQ(platform.boxes[0].title, "Pinatlas");
    EXPECT_EQ(platform.boxes[0].text,
              "You have create one or more datasheets or you have edit some of them. Please send "
              "the new/changed datasheet per email to datasheets@pinatlas.example. This will "
              "help to complete the pinatlas and the author would be very grateful!");
    EXPECT_EQ(platform.opened,
              QStringList({"mailto:datasheets@pinatlas.example?Subject=New data for the "
                           "pinatlas software!&Body=<html>Please attach the following file(s) to "
                           "this email:<br><br>" +
                           sheetPath("7400") +
                           "<br><br>(please do not copy the text of this files directly into the "
                           "mail!).<br>Thank you!<br></html>"}));
    EXPECT_FALSE(haupt->isVisible());
    EXPECT_EQ(dir.read("pinatlas.ini"), QByteArray("E\r\n 0 \r\n"));
}

TEST_F(Service, TwoWrittenSheetsAreOfferedInGerman) {
    start("D");
    closeAfterWriting({sheetPath("7400"), sheetPath("74HC00")});
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text,
              "Sie haben ein oder mehrere neue Datenblätter eingefügt oder vorhandene geändert. "
              "Bitte helfen Sie dabei mit, diese Stiftatlas Software zu erweitern und senden Sie "
              "die Datenblätter an datasheets@pinatlas.example, damit diese Software um die "
              "neuen Datenblätter erweitert werden kann. Dankeschön!");
    EXPECT_EQ(platform.opened,
              QStringList({"mailto:datasheets@pinatlas.example?Subject=Neue Daten für die "
                           "Stiftatlas Software!&Body=<html>Bitte hängen Sie dieser E-Mail die "
                           "folgenden Datei(en) als Anhang an:<br><br>" +
                           sheetPath("7400") + ",<br>" + sheetPath("74HC00") +
                           "<br><br>(bitte nicht den Text der Daten direkt in die Mail "
                           "kopieren!).<br>Dankeschön!<br></html>"}));
}

TEST_F(Service, CancelEndsWithoutAMail) {
    start("E");
    platform.answer(MsgAnswer::Cancel);
    closeAfterWriting({sheetPath("7400")});
    EXPECT_EQ(platform.boxes.size(), 1u);
    EXPECT_TRUE(platform.opened.isEmpty());
    EXPECT_FALSE(haupt->isVisible());
}

TEST_F(Service, ASheetWrittenThenADirectoryAddedIsNotOffered) {
    start("E");
    settings.changedFiles = QStringList({sheetPath("7400")});
    settings.changedCount = 1;
    action("V_hinzufügen")->trigger();
    NewDirectoryDialog* dialog = haupt->libraryCommands()->newDirectoryDialog();
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QLineEdit*>("V_Name")->setText("neu");
    dialog->findChild<QPushButton*>("ok")->click();
    settle();
    haupt->close();
    EXPECT_TRUE(platform.boxes.empty());
    EXPECT_TRUE(platform.opened.isEmpty());
}
