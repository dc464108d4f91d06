#include "maintenance/ui/LibraryCommands.h"
#include "maintenance/ui/NewDirectoryDialog.h"
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

const QString kRegularName = "Please choose a regular name!";

class Maintenance : public HauptFixture {
protected:
    // Starts on the first directory in the given language.
    void start(const char* language) {
        dir.write("pinatlas.ini", QByteArray(language) + "\r\n 0 \r\n");
        startHaupt();
        platform.boxes.clear();
    }
    void sheet(const QString& relative) const {
        dir.write(relative, "Zwei Pins\r\nTwo pins\r\n2\r\nTP (totem pole)\r\nA\r\nB\r\n'Ende\r\n");
    }
    // The one box shown since the last check, then forgets it.
    void expectBox(MsgIcon icon, MsgButtons buttons, const QString& title, const QString& text) {
        ASSERT_EQ(platform.boxes.size(), 1u) << text.toStdString();
        const FakePlatform::Box& box = platform.boxes[0];
        EXPECT_EQ(box.icon, icon);
        EXPECT_EQ(box.buttons, buttons);
        EXPECT_EQ(box.title, title);
        EXPECT_EQ(box.text, text);
        platform.boxes.clear();
    }
    QStringList listedTypes() const {
        QStringList types;
        for (int row = 0; row < haupt->liste()->rowCount(); ++row)
            if (const QTableWidgetItem* item = haupt->liste()->item(row, 0);
                item && !item->text().isEmpty())
                types << item->text();
        return types;
    }
    void selectType(const QString& type) const {
        const QList<QTableWidgetItem*> found = haupt->liste()->findItems(type, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty()) << type.toStdString();
        haupt->liste()->setCurrentItem(found[0]);
    }
    void trigger(const char* name) {
        action(QString::fromUtf8(name))->trigger();
        settle();
    }
    NewDirectoryDialog* openNeuV() {
        trigger("V_hinzufügen");
        return haupt->libraryCommands()->newDirectoryDialog();
    }
    template <class T> static T* in(NewDirectoryDialog* dialog, const char* name) {
        return dialog->findChild<T*>(QString::fromLatin1(name));
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

TEST_F(Maintenance, TheAnswerDecidesOnlyTheTypeWithAnExtensionGoesAndTheListFollowsTheDisk) {
    for (const char* name : {"74HC00.txt", "74HC00.bak", "74HC00A.txt", "7400.txt"})
        sheet(QStringLiteral("74xx/") + name);
    dir.mkdir("leer");
    start("E");
    haupt->selectDirectory(1);
    trigger("D_entfernen");
    expectBox(MsgIcon::Information, MsgButtons::Ok, "Attention!", "No datasheet chosen!");
    haupt->selectDirectory(0);
    for (MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Cancel}) {
        selectType("74HC00");
        platform.answer(answer);
        trigger("D_entfernen");
        expectBox(MsgIcon::None, MsgButtons::YesNoCancel, "Attention!",
                  "Are you sure to remove the datasheet 74HC00 ?");
        EXPECT_TRUE(dir.exists("74xx/74HC00.txt"));
    }

    action("Deutsch")->trigger();
    haupt->selectDirectory(1);
    trigger("D_entfernen");
    expectBox(MsgIcon::Information, MsgButtons::Ok, "Achtung!",
              "Sie haben noch kein Datenblatt ausgewählt!");
    haupt->selectDirectory(0);
    selectType("74HC00");
    trigger("D_entfernen");
    expectBox(MsgIcon::None, MsgButtons::YesNoCancel, "Achtung!",
              "Wollen Sie das momentan ausgewählte Datenblatt vom 74HC00 wirklich löschen?");
    EXPECT_FALSE(dir.exists("74xx/74HC00.txt"));
    EXPECT_FALSE(dir.exists("74xx/74HC00.bak"));
    QStringList listed = listedTypes();
    listed.sort();
    EXPECT_EQ(listed, QStringList({"7400", "74HC00A"}));

    selectType("7400");
    QFile::remove(dir.path() + "74xx/7400.txt"); // gone behind the program's back
    trigger("D_entfernen");
    ASSERT_EQ(platform.boxes.size(), 2u);
    platform.boxes.erase(platform.boxes.begin()); // the question
    expectBox(MsgIcon::Critical, MsgButtons::Ok, "Pinatlas",
              "Das Datenblatt ist nicht mehr vorhanden:\r\n" + dir.path() + "74xx" +
                  QDir::separator() + "7400.txt");
    EXPECT_EQ(listedTypes(), QStringList({"74HC00A"}));
}

TEST_F(Maintenance, ATypedDirectoryNeverLeadsARemovalOutsideTheLibrary) {
    sheet("74xx/7400.txt");
    sheet("7400.txt"); // in the program directory itself
    start("E");
    selectType("7400");
    haupt->dirBox()->setEditText("74xx/..");
    trigger("D_entfernen");
    expectBox(MsgIcon::Critical, MsgButtons::Ok, "Pinatlas", kRegularName);
    for (const char* typed : {"..", "74xx/..", "", "."}) {
        haupt->dirBox()->setEditText(QString::fromUtf8(typed));
        trigger("V_entfernen");
        expectBox(MsgIcon::Critical, MsgButtons::Ok, "Pinatlas", kRegularName);
    }
    EXPECT_TRUE(dir.exists("7400.txt"));
    EXPECT_TRUE(dir.exists("74xx/7400.txt"));
}

// --- V_hinzufügen and Neu_V --------------------------------------------------

TEST_F(Maintenance, TheDirectoryDialogSpeaksTheLanguageAndCreatesOnEnter) {
    dir.mkdir("74xx");
    start("E");
    settings.changedCount = 1;
    NewDirectoryDialog* dialog = openNeuV();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->windowTitle(), "Add a new directory");
    EXPECT_EQ(in<QLabel>(dialog, "Label")->text(), "Please insert the name of the new directory");
    EXPECT_EQ(in<QPushButton>(dialog, "ok")->text(), "OK");
    EXPECT_EQ(in<QPushButton>(dialog, "Abbrechen")->text(), "Abort");
    in<QLineEdit>(dialog, "V_Name")->setText("neu");
    in<QPushButton>(dialog, "Abbrechen")->click();
    settle();
    EXPECT_EQ(haupt->libraryCommands()->newDirectoryDialog(), nullptr);
    EXPECT_FALSE(dir.exists("neu"));
    EXPECT_EQ(settings.changedCount, 1); // Abort leaves the run as it was

    action("Deutsch")->trigger();
    dialog = openNeuV();
    EXPECT_EQ(dialog->windowTitle(), "Neues Verzeichnis hinzufügen");
    EXPECT_EQ(in<QLabel>(dialog, "Label")->text(), "Wie soll das neue Verzeichnis heißen?");
    EXPECT_EQ(in<QPushButton>(dialog, "Abbrechen")->text(), "Abbrechen");
    in<QPushButton>(dialog, "ok")->click(); // an empty name closes and still initialises
    settle();
    EXPECT_EQ(haupt->libraryCommands()->newDirectoryDialog(), nullptr);
    EXPECT_EQ(settings.changedCount, 0);
    EXPECT_EQ(dirBoxEntries(), QStringList({"74xx"}));

    QLineEdit* name = in<QLineEdit>(openNeuV(), "V_Name");
    name->setText("neu");
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    settings.changedCount = 1;
    QApplication::sendEvent(name, &press);
    settle();
    EXPECT_TRUE(QFileInfo(dir.path() + "neu").isDir());
    EXPECT_EQ(haupt->libraryCommands()->newDirectoryDialog(), nullptr);
    EXPECT_EQ(dirBoxEntries(), QStringList({"74xx", "neu"}));
    EXPECT_EQ(settings.changedCount, 0);
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(Maintenance, ARefusedNameKeepsTheDialogOpenForCorrection) {
    dir.mkdir("74xx");
    start("E");
    NewDirectoryDialog* dialog = openNeuV();
    QLineEdit* name = in<QLineEdit>(dialog, "V_Name");
    for (const char* text : {"74xx", "../draussen", "a\\b", "CON"}) {
        name->setText(QString::fromUtf8(text));
        in<QPushButton>(dialog, "ok")->click();
        settle();
        expectBox(MsgIcon::Critical, MsgButtons::Ok, "Pinatlas", kRegularName);
        ASSERT_EQ(haupt->libraryCommands()->newDirectoryDialog(), dialog) << text;
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(name->text(), QString::fromUtf8(text));
    }
    EXPECT_FALSE(QFileInfo::exists(dir.path() + "../draussen"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList({"74xx"}));

    action("Deutsch")->trigger();
    in<QPushButton>(dialog, "ok")->click();
    expectBox(MsgIcon::Critical, MsgButtons::Ok, "Pinatlas",
              "Bitte beachten Sie die Regeln für Verzeichnisnamen!");
}

// --- V_entfernen ------------------------------------------------------------

TEST_F(Maintenance, OnlyAnEmptyDirectoryIsRemovedAndEveryRefusalNamesThePath) {
    dir.write("a/.versteckt", "x"); // the file system refuses
    dir.mkdir("a/unter");
    sheet("b/7400.txt"); // ordinary files remain
    dir.mkdir("c");      // empty
    dir.mkdir("d");      // removed behind the program's back
    start("E");
    const QString refused = QString::fromUtf8("Can\u00B4t remove directory!");
    trigger("V_entfernen");
    expectBox(MsgIcon::Critical, MsgButtons::Ok, refused,
              "The directory still holds hidden files or sub-directories, or you lack the rights "
              "to remove it:\r\n" +
                  dir.path() + "a");
    EXPECT_TRUE(dir.exists("a/.versteckt"));

    haupt->selectDirectory(1);
    trigger("V_entfernen");
    expectBox(MsgIcon::Critical, MsgButtons::Ok, refused,
              "There are files in the directory:\r\n" + dir.path() + "b");
    action("Deutsch")->trigger();
    trigger("V_entfernen");
    expectBox(MsgIcon::Critical, MsgButtons::Ok, "Verzeichnis kann nicht gelöscht werden!",
              "Es befinden sich noch Dateien in dem Verzeichnis:\r\n" + dir.path() + "b");
    EXPECT_TRUE(dir.exists("b/7400.txt"));

    QDir(dir.path()).rmdir("d");
    haupt->selectDirectory(3);
    trigger("V_entfernen");
    expectBox(MsgIcon::Critical, MsgButtons::Ok, "Verzeichnis kann nicht gelöscht werden!",
              "Das Verzeichnis ist nicht mehr vorhanden:\r\n" + dir.path() + "d");
    EXPECT_EQ(dirBoxEntries(), QStringList({"a", "b", "c"}));

    settings.changedCount = 1;
    haupt->selectDirectory(2);
    trigger("V_entfernen");
    EXPECT_TRUE(platform.boxes.empty());
    EXPECT_FALSE(dir.exists("c"));
    EXPECT_EQ(dirBoxEntries(), QStringList({"a", "b"}));
    EXPECT_EQ(settings.changedCount, 0);
}
