#include "maintenance/ui/LibraryCommands.h"
#include "maintenance/ui/NewDirectoryDialog.h"
#include "support/ui/MainWindowFixture.h"

#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

using namespace pinatlas;
using namespace pinatlas::test;

namespace {

class Maintenance : public MainWindowFixture {
protected:
    void sheet(const QString& relative) const {
        dir.write(relative, "Zwei Pins\r\nTwo pins\r\n2\r\nTP (totem pole)\r\nA\r\nB\r\n'Ende\r\n");
    }
    // The last box shown, then forgets every box.
    void expectBox(const QString& title, const QString& text, MsgIcon icon = MsgIcon::Critical) {
        ASSERT_FALSE(platform.boxes.empty()) << text.toStdString();
        const FakePlatform::Box& box = platform.boxes.back();
        EXPECT_EQ(box.icon, icon);
        EXPECT_EQ(box.buttons, icon == MsgIcon::None ? MsgButtons::YesNoCancel : MsgButtons::Ok);
        EXPECT_EQ(box.title, title);
        EXPECT_EQ(box.text, text);
        platform.boxes.clear();
    }
    static QStringList entries(QAbstractItemModel* model) {
        QStringList names;
        for (int row = 0; row < model->rowCount(); ++row)
            if (const QString text = model->index(row, 0).data().toString(); !text.isEmpty())
                names << text;
        names.sort();
        return names;
    }
    void select(const QString& type) {
        QAbstractItemModel* list = mainWindow->icList()->model();
        mainWindow->icList()->setCurrentIndex(
            list->match(list->index(0, 0), Qt::DisplayRole, type, 1, Qt::MatchExactly).value(0));
    }
    NewDirectoryDialog* shown() const {
        return mainWindow->libraryCommands()->newDirectoryDialog();
    }
    template <class T = QPushButton> static T* in(NewDirectoryDialog* dialog, const char* name) {
        return dialog->findChild<T*>(QString::fromLatin1(name));
    }
};

} // namespace

TEST_F(Maintenance, RemovingAsksOrRefusesAndTheListsFollowTheDisk) {
    for (const char* name : {"74HC00.txt", "74HC00.bak", "74HC00A.txt", "7400.txt"})
        sheet(QStringLiteral("74xx/") + name);
    sheet("74HC00A.txt");           // in the program directory itself
    dir.write("a/.versteckt", "x"); // the file system refuses
    dir.mkdir("a/unter");
    sheet("b/7400.txt"); // ordinary files remain
    dir.mkdir("c");      // empty
    dir.mkdir("d");
    start();
    // Each row: in a language, a command on a directory of the list with a type
    // selected or none, and the answer to its question; then the box shown last,
    // its text ending in the path of `named`, if any.
    using Text = const char*;
    const std::tuple<Text, Text, int, Text, MsgAnswer, MsgIcon, Text, Text, Text> rows[] = {
        {"Englisch", "D_entfernen", 1, "", MsgAnswer::Yes, MsgIcon::Information, "Attention!",
         "No datasheet chosen!", ""},
        {"Englisch", "D_entfernen", 0, "74HC00", MsgAnswer::No, MsgIcon::None, "Attention!",
         "Are you sure to remove the datasheet 74HC00 ?", ""},
        {"Englisch", "V_entfernen", 1, "", MsgAnswer::Yes, MsgIcon::Critical,
         "Can\u00B4t remove directory!",
         "The directory still holds hidden files or sub-directories, or you lack the rights to "
         "remove it:",
         "a"},
        {"Deutsch", "V_entfernen", 2, "", MsgAnswer::Yes, MsgIcon::Critical,
         "Verzeichnis kann nicht gelöscht werden!",
         "Es befinden sich noch Dateien in dem Verzeichnis:", "b"},
        {"Deutsch", "D_entfernen", 0, "74HC00", MsgAnswer::Yes, MsgIcon::None, "Achtung!",
         "Wollen Sie das momentan ausgewählte Datenblatt vom 74HC00 wirklich löschen?", ""},
    };
    for (const auto& [language, command, directory, type, answer, icon, title, text, named] :
         rows) {
        SCOPED_TRACE(std::string(command) + " " + text);
        action(language)->trigger();
        mainWindow->selectDirectory(directory);
        select(type);
        platform.answer(answer);
        menu(command);
        expectBox(title, QString::fromUtf8(text) + (*named ? "\r\n" + dir.path() + named : ""),
                  icon);
        EXPECT_EQ(dir.exists("74xx/74HC00.txt"), answer != MsgAnswer::Yes || !*type);
    }
    EXPECT_EQ(entries(mainWindow->icList()->model()), QStringList({"7400", "74HC00A"}));

    // Gone behind the program's back: told, and the lists follow the disk.
    select("7400");
    QFile::remove(dir.path() + "74xx/7400.txt");
    menu("D_entfernen");
    expectBox("Pinatlas", "Das Datenblatt ist nicht mehr vorhanden:\r\n" + dir.path() + "74xx" +
                              QDir::separator() + "7400.txt");
    EXPECT_EQ(entries(mainWindow->icList()->model()), QStringList({"74HC00A"}));
    QDir(dir.path()).rmdir("d");
    mainWindow->selectDirectory(4);
    menu("V_entfernen");
    expectBox("Verzeichnis kann nicht gelöscht werden!",
              "Das Verzeichnis ist nicht mehr vorhanden:\r\n" + dir.path() + "d");
    EXPECT_EQ(entries(mainWindow->dirBox()->model()), QStringList({"74xx", "a", "b", "c"}));
    mainWindow->selectDirectory(3);
    menu("V_entfernen");
    EXPECT_EQ(entries(mainWindow->dirBox()->model()), QStringList({"74xx", "a", "b"}));

    // A directory typed into the box never leads a removal outside the library.
    action("Englisch")->trigger();
    select("74HC00A");
    mainWindow->dirBox()->setEditText("74xx/..");
    for (const char* command : {"D_entfernen", "V_entfernen"}) {
        menu(command);
        expectBox("Pinatlas", "Please choose a regular name!");
    }
    EXPECT_TRUE(dir.exists("74HC00A.txt"));
}

TEST_F(Maintenance, TheDirectoryDialogSpeaksTheLanguageAndCreatesOnEnter) {
    start();
    settings.changedCount = 1;
    menu("V_hinzufügen");
    NewDirectoryDialog* dialog = shown();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->size(), QSize(361, 117));
    EXPECT_EQ(in<QLineEdit>(dialog, "V_Name")->geometry(), QRect(16, 40, 329, 21));
    const auto captions = [&] {
        return QStringList({dialog->windowTitle(), in<QLabel>(dialog, "Label")->text(),
                            in(dialog, "ok")->text(), in(dialog, "Abbrechen")->text()});
    };
    EXPECT_EQ(captions(),
              QStringList({"Add a new directory", "Please insert the name of the new directory",
                           "OK", "Abort"}));
    in(dialog, "Abbrechen")->click();
    settle();
    EXPECT_EQ(shown(), nullptr);
    EXPECT_EQ(settings.changedCount, 1); // Abort leaves the run as it was

    action("Deutsch")->trigger();
    menu("V_hinzufügen");
    dialog = shown();
    EXPECT_EQ(captions(),
              QStringList({"Neues Verzeichnis hinzufügen", "Wie soll das neue Verzeichnis heißen?",
                           "OK", "Abbrechen"}));
    // A name taken keeps the dialog open for correction; Enter then creates it.
    QLineEdit* name = in<QLineEdit>(dialog, "V_Name");
    name->setText("74xx");
    in(dialog, "ok")->click();
    settle();
    expectBox("Pinatlas", "Bitte beachten Sie die Regeln für Verzeichnisnamen!");
    ASSERT_EQ(shown(), dialog);
    name->setText("neu");
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(name, &press);
    settle();
    EXPECT_EQ(shown(), nullptr);
    EXPECT_EQ(entries(mainWindow->dirBox()->model()), QStringList({"74xx", "neu"}));
}
