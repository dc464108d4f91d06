#include "maintenance/ui/LibraryCommands.h"
#include "maintenance/ui/Neu_V.h"
#include "support/ui/HauptFixture.h"

#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

using namespace pinatlas;
using namespace pinatlas::test;

namespace {

class Maintenance : public HauptFixture {
protected:
    // Starts on the first directory in the given language.
    void start(const char* language) {
        dir.write("pinatlas.ini", QByteArray(language) + "\r\n 0 \r\n");
        startHaupt();
        platform.boxes.clear();
    }
    // A small but complete datasheet.
    void sheet(const QString& relative) const {
        dir.write(relative, "Zwei Pins\r\nTwo pins\r\n2\r\nTP (totem pole)\r\nA\r\nB\r\n'Ende\r\n");
    }
    QStringList listedTypes() const {
        QStringList types;
        const QTableWidget* liste = haupt->liste();
        for (int row = 0; row < liste->rowCount(); ++row) {
            if (const QTableWidgetItem* item = liste->item(row, 0); item && !item->text().isEmpty())
                types << item->text();
        }
        return types;
    }
    bool selectType(const QString& type) const {
        QTableWidget* liste = haupt->liste();
        for (int row = 0; row < liste->rowCount(); ++row) {
            if (const QTableWidgetItem* item = liste->item(row, 0); item && item->text() == type) {
                liste->setCurrentCell(row, 0);
                return true;
            }
        }
        return false;
    }
    void removeDatasheet() {
        action("D_entfernen")->trigger();
        QApplication::processEvents();
    }
    void removeDirectory() {
        action("V_entfernen")->trigger();
        QApplication::processEvents();
    }
    Neu_V* openNeuV() {
        action("V_hinzufügen")->trigger();
        QApplication::processEvents();
        return haupt->libraryCommands()->neuV();
    }
    template <class T> T* in(Neu_V* dialog, const char* name) const {
        return dialog->findChild<T*>(QString::fromLatin1(name));
    }
    void pressEnterIn(QWidget* w) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(w, &release);
        settle();
    }
    static void settle() {
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QStringList dirBoxEntries() const {
        QStringList names;
        for (int i = 0; i < haupt->dirBox()->count(); ++i)
            names << haupt->dirBox()->itemText(i);
        return names;
    }
};

} // namespace

// --- D_entfernen ------------------------------------------------------------

TEST_F(Maintenance, RemovingWithNothingSelectedOnlyInforms) {
    dir.mkdir("leer");
    start("E");
    removeDatasheet();
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].icon, MsgIcon::Information);
    EXPECT_EQ(platform.boxes[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(platform.boxes[0].title, "Attention!");
    EXPECT_EQ(platform.boxes[0].text, "No datasheet chosen!");

    action("Deutsch")->trigger();
    platform.boxes.clear();
    removeDatasheet();
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].title, "Achtung!");
    EXPECT_EQ(platform.boxes[0].text, "Sie haben noch kein Datenblatt ausgewählt!");
}

TEST_F(Maintenance, YesRemovesTheTypeWithEveryExtensionButNoLongerType) {
    sheet("74xx/74HC00.txt");
    sheet("74xx/74HC00.bak");
    sheet("74xx/74HC00A.txt");
    sheet("74xx/7400.txt");
    start("D");
    ASSERT_TRUE(selectType("74HC00"));
    removeDatasheet();
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].icon, MsgIcon::None);
    EXPECT_EQ(platform.boxes[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(platform.boxes[0].title, "Achtung!");
    EXPECT_EQ(platform.boxes[0].text,
              "Wollen Sie das momentan ausgewählte Datenblatt vom 74HC00 wirklich löschen?");
    EXPECT_FALSE(dir.exists("74xx/74HC00.txt"));
    EXPECT_FALSE(dir.exists("74xx/74HC00.bak"));
    EXPECT_TRUE(dir.exists("74xx/74HC00A.txt"));
    EXPECT_TRUE(dir.exists("74xx/7400.txt"));
    EXPECT_FALSE(listedTypes().contains("74HC00"));
    EXPECT_TRUE(listedTypes().contains("74HC00A"));
}

TEST_F(Maintenance, NoAndCancelKeepTheSheet) {
    sheet("74xx/7400.txt");
    start("E");
    for (MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Cancel}) {
        ASSERT_TRUE(selectType("7400"));
        platform.answer(answer);
        removeDatasheet();
        EXPECT_TRUE(dir.exists("74xx/7400.txt"));
    }
    ASSERT_EQ(platform.boxes.size(), 2u);
    EXPECT_EQ(platform.boxes[0].title, "Attention!");
    EXPECT_EQ(platform.boxes[0].text, "Are you sure to remove the datasheet 7400 ?");
}

TEST_F(Maintenance, ASheetAlreadyGoneIsReportedAndTheListFollowsTheDisk) {
    sheet("74xx/7400.txt");
    sheet("74xx/7402.txt");
    start("E");
    ASSERT_TRUE(selectType("7402"));
    QFile::remove(dir.path() + "74xx/7402.txt");
    removeDatasheet();
    ASSERT_EQ(platform.boxes.size(), 2u);
    EXPECT_EQ(platform.boxes[1].icon, MsgIcon::Critical);
    EXPECT_EQ(platform.boxes[1].text, "The datasheet is no longer there:\r\n" + dir.path() +
                                          "74xx" + QDir::separator() + "7402.txt");
    EXPECT_EQ(listedTypes(), QStringList({"7400"}));
}

TEST_F(Maintenance, ATypedDirectoryOutsideTheLibraryIsRefused) {
    sheet("74xx/7400.txt");
    sheet("7400.txt"); // in the program directory itself
    start("E");
    ASSERT_TRUE(selectType("7400"));
    haupt->dirBox()->setEditText("74xx/..");
    removeDatasheet();
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].icon, MsgIcon::Critical);
    EXPECT_EQ(platform.boxes[0].title, "Pinatlas");
    EXPECT_EQ(platform.boxes[0].text, "Please choose a regular name!");
    EXPECT_TRUE(dir.exists("7400.txt"));
    EXPECT_TRUE(dir.exists("74xx/7400.txt"));
}

// --- V_hinzufügen and Neu_V --------------------------------------------------

TEST_F(Maintenance, TheDirectoryDialogSpeaksTheLanguageAndIsNotModal) {
    dir.mkdir("74xx");
    start("E");
    Neu_V* dialog = openNeuV();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->objectName(), "Neu_V");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->windowTitle(), "Add a new directory");
    EXPECT_EQ(in<QLabel>(dialog, "Label")->text(), "Please insert the name of the new directory");
    EXPECT_EQ(in<QPushButton>(dialog, "ok")->text(), "OK");
    EXPECT_EQ(in<QPushButton>(dialog, "Abbrechen")->text(), "Abort");
    EXPECT_NE(in<QLineEdit>(dialog, "V_Name"), nullptr);
    in<QPushButton>(dialog, "Abbrechen")->click();
    settle();
    EXPECT_EQ(haupt->libraryCommands()->neuV(), nullptr);

    action("Deutsch")->trigger();
    dialog = openNeuV();
    EXPECT_EQ(dialog->windowTitle(), "Neues Verzeichnis hinzufügen");
    EXPECT_EQ(in<QLabel>(dialog, "Label")->text(), "Wie soll das neue Verzeichnis heißen?");
    EXPECT_EQ(in<QPushButton>(dialog, "Abbrechen")->text(), "Abbrechen");
}

TEST_F(Maintenance, EnterCreatesTheDirectoryAndRunsInitialisieren) {
    dir.mkdir("a");
    dir.mkdir("b");
    dir.write("pinatlas.ini", "D\r\n 1 \r\n");
    startHaupt();
    action("Englisch")->trigger();
    haupt->selectDirectory(0);
    settings.changedCount = 1;
    settings.changedFiles = QStringList({dir.path() + "b/7400.txt"});

    Neu_V* dialog = openNeuV();
    in<QLineEdit>(dialog, "V_Name")->setText("neu");
    pressEnterIn(in<QLineEdit>(dialog, "V_Name"));
    EXPECT_TRUE(QFileInfo(dir.path() + "neu").isDir());
    EXPECT_EQ(haupt->libraryCommands()->neuV(), nullptr);
    EXPECT_EQ(dirBoxEntries(), QStringList({"a", "b", "neu"}));
    // Back to what the configuration file holds, and nothing left to mail.
    EXPECT_EQ(settings.language, "D");
    EXPECT_EQ(haupt->dirBox()->currentText(), "b");
    EXPECT_EQ(settings.changedCount, 0);
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(Maintenance, ARefusedNameKeepsTheDialogOpenForCorrection) {
    dir.mkdir("74xx");
    start("E");
    Neu_V* dialog = openNeuV();
    QLineEdit* name = in<QLineEdit>(dialog, "V_Name");
    const char* refused[] = {"74xx", "../draussen", "a/b", "a\\b", "..", "CON", "x.", "a:b"};
    for (const char* text : refused) {
        name->setText(QString::fromUtf8(text));
        in<QPushButton>(dialog, "ok")->click();
        settle();
        ASSERT_EQ(haupt->libraryCommands()->neuV(), dialog) << text;
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(name->text(), QString::fromUtf8(text));
    }
    ASSERT_EQ(platform.boxes.size(), std::size(refused));
    for (const FakePlatform::Box& box : platform.boxes) {
        EXPECT_EQ(box.icon, MsgIcon::Critical);
        EXPECT_EQ(box.buttons, MsgButtons::Ok);
        EXPECT_EQ(box.title, "Pinatlas");
        EXPECT_EQ(box.text, "Please choose a regular name!");
    }
    EXPECT_FALSE(QFileInfo::exists(dir.path() + "../draussen"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList({"74xx"}));

    action("Deutsch")->trigger();
    platform.boxes.clear();
    name->setText("74xx");
    in<QPushButton>(dialog, "ok")->click();
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, "Bitte beachten Sie die Regeln für Verzeichnisnamen!");
}

TEST_F(Maintenance, AnEmptyNameClosesTheDialogAndStillRunsInitialisieren) {
    dir.mkdir("74xx");
    start("E");
    settings.changedCount = 1;
    Neu_V* dialog = openNeuV();
    in<QPushButton>(dialog, "ok")->click();
    settle();
    EXPECT_EQ(haupt->libraryCommands()->neuV(), nullptr);
    EXPECT_EQ(settings.changedCount, 0);
    EXPECT_EQ(dirBoxEntries(), QStringList({"74xx"}));
}

TEST_F(Maintenance, AbortCreatesNothingAndLeavesTheRunAsItWas) {
    dir.mkdir("74xx");
    start("E");
    settings.changedCount = 1;
    Neu_V* dialog = openNeuV();
    in<QLineEdit>(dialog, "V_Name")->setText("neu");
    in<QPushButton>(dialog, "Abbrechen")->click();
    settle();
    EXPECT_EQ(haupt->libraryCommands()->neuV(), nullptr);
    EXPECT_FALSE(dir.exists("neu"));
    EXPECT_EQ(settings.changedCount, 1);
}

// --- V_entfernen ------------------------------------------------------------

TEST_F(Maintenance, ADirectoryWithFilesIsRefusedWithItsPath) {
    sheet("74xx/7400.txt");
    start("E");
    removeDirectory();
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].icon, MsgIcon::Critical);
    EXPECT_EQ(platform.boxes[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(platform.boxes[0].title, QString::fromUtf8("Can\u00B4t remove directory!"));
    EXPECT_EQ(platform.boxes[0].text,
              "There are files in the directory:\r\n" + dir.path() + "74xx");
    EXPECT_TRUE(dir.exists("74xx/7400.txt"));

    action("Deutsch")->trigger();
    platform.boxes.clear();
    removeDirectory();
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].title, "Verzeichnis kann nicht gelöscht werden!");
    EXPECT_EQ(platform.boxes[0].text,
              "Es befinden sich noch Dateien in dem Verzeichnis:\r\n" + dir.path() + "74xx");
}

TEST_F(Maintenance, AnEmptyDirectoryIsRemovedAndTheListRebuilt) {
    dir.mkdir("alt");
    sheet("neu/7400.txt");
    start("E");
    settings.changedCount = 1;
    ASSERT_EQ(haupt->dirBox()->currentText(), "alt");
    removeDirectory();
    EXPECT_TRUE(platform.boxes.empty());
    EXPECT_FALSE(dir.exists("alt"));
    EXPECT_EQ(dirBoxEntries(), QStringList({"neu"}));
    EXPECT_EQ(settings.changedCount, 0);
}

TEST_F(Maintenance, ARemovalTheFileSystemRefusesIsReported) {
    dir.write("a/.versteckt", "x");
    dir.mkdir("a/unter");
    dir.mkdir("b");
    start("E");
    removeDirectory();
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].icon, MsgIcon::Critical);
    EXPECT_EQ(platform.boxes[0].text, "The directory still holds hidden files or sub-directories, "
                                      "or you lack the rights to remove it:\r\n" +
                                          dir.path() + "a");
    EXPECT_TRUE(dir.exists("a/.versteckt"));
    EXPECT_EQ(dirBoxEntries(), QStringList({"a", "b"}));
}

TEST_F(Maintenance, ADirectoryAlreadyGoneIsReportedAndLeavesTheList) {
    dir.mkdir("a");
    dir.mkdir("b");
    start("D");
    QDir(dir.path()).rmdir("a");
    removeDirectory();
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text,
              "Das Verzeichnis ist nicht mehr vorhanden:\r\n" + dir.path() + "a");
    EXPECT_EQ(dirBoxEntries(), QStringList({"b"}));
}

TEST_F(Maintenance, ATypedNameNeverRemovesAnythingOutsideTheLibrary) {
    dir.mkdir("74xx");
    start("E");
    const QString parent = QDir(dir.path() + "..").canonicalPath();
    for (const char* typed : {"..", "74xx/..", "", "."}) {
        platform.boxes.clear();
        haupt->dirBox()->setEditText(QString::fromUtf8(typed));
        removeDirectory();
        ASSERT_EQ(platform.boxes.size(), 1u) << typed;
        EXPECT_EQ(platform.boxes[0].text, "Please choose a regular name!") << typed;
    }
    EXPECT_TRUE(QFileInfo(parent).isDir());
    EXPECT_TRUE(dir.exists("74xx"));
}
