#include "maintenance/ui/LibraryCommands.h"
#include "maintenance/ui/Neu_V.h"
#include "support/ui/HauptFixture.h"
#include "support/ui/Settle.h"

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
    void expectBox(const QString& title, const QString& text, MsgIcon icon = MsgIcon::Critical,
                   MsgButtons buttons = MsgButtons::Ok) {
        ASSERT_EQ(platform.boxes.size(), 1u) << text.toStdString();
        const FakePlatform::Box& box = platform.boxes[0];
        EXPECT_EQ(box.icon, icon);
        EXPECT_EQ(box.buttons, buttons);
        EXPECT_EQ(box.title, title);
        EXPECT_EQ(box.text, text);
        platform.boxes.clear();
    }
    QStringList listed(QAbstractItemModel* model) const {
        QStringList entries;
        for (int row = 0; row < model->rowCount(); ++row)
            if (const QString text = model->index(row, 0).data().toString(); !text.isEmpty())
                entries << text;
        entries.sort();
        return entries;
    }
    QStringList types() const { return listed(haupt->liste()->model()); }
    QStringList directories() const { return listed(haupt->dirBox()->model()); }
    void select(const QString& type) {
        haupt->liste()->setCurrentItem(haupt->liste()->findItems(type, Qt::MatchExactly).value(0));
    }
    void removeSheet(const QString& type, MsgAnswer answer = MsgAnswer::Yes) {
        select(type);
        platform.answer(answer);
        trigger("D_entfernen");
    }
    void trigger(const char* name) {
        action(QString::fromUtf8(name))->trigger();
        settle();
    }
    Neu_V* openNeuV() {
        trigger("V_hinzufügen");
        return haupt->libraryCommands()->neuV();
    }
    template <class T = QPushButton> static T* in(Neu_V* dialog, const char* name) {
        return dialog->findChild<T*>(QString::fromLatin1(name));
    }
};

} // namespace

TEST_F(Maintenance, TheAnswerDecidesOnlyTheTypeWithAnExtensionGoesAndTheListFollowsTheDisk) {
    for (const char* name : {"74HC00.txt", "74HC00.bak", "74HC00A.txt", "7400.txt"})
        sheet(QStringLiteral("74xx/") + name);
    dir.mkdir("leer");
    start("E");
    haupt->selectDirectory(1);
    trigger("D_entfernen");
    expectBox("Attention!", "No datasheet chosen!", MsgIcon::Information);
    haupt->selectDirectory(0);
    for (MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Cancel}) {
        removeSheet("74HC00", answer);
        expectBox("Attention!", "Are you sure to remove the datasheet 74HC00 ?", MsgIcon::None,
                  MsgButtons::YesNoCancel);
        EXPECT_TRUE(dir.exists("74xx/74HC00.txt"));
    }

    action("Deutsch")->trigger();
    haupt->selectDirectory(1);
    trigger("D_entfernen");
    expectBox("Achtung!", "Sie haben noch kein Datenblatt ausgewählt!", MsgIcon::Information);
    haupt->selectDirectory(0);
    removeSheet("74HC00");
    expectBox("Achtung!",
              "Wollen Sie das momentan ausgewählte Datenblatt vom 74HC00 wirklich löschen?",
              MsgIcon::None, MsgButtons::YesNoCancel);
    EXPECT_FALSE(dir.exists("74xx/74HC00.txt"));
    EXPECT_FALSE(dir.exists("74xx/74HC00.bak"));
    EXPECT_EQ(types(), QStringList({"7400", "74HC00A"}));

    select("7400");
    QFile::remove(dir.path() + "74xx/7400.txt"); // gone behind the program's back
    trigger("D_entfernen");
    ASSERT_EQ(platform.boxes.size(), 2u);
    platform.boxes.erase(platform.boxes.begin()); // the question
    expectBox("Pinatlas", "Das Datenblatt ist nicht mehr vorhanden:\r\n" + dir.path() + "74xx" +
                              QDir::separator() + "7400.txt");
    EXPECT_EQ(types(), QStringList({"74HC00A"}));
}

TEST_F(Maintenance, ATypedDirectoryNeverLeadsARemovalOutsideTheLibrary) {
    sheet("74xx/7400.txt");
    sheet("7400.txt"); // in the program directory itself
    start("E");
    haupt->dirBox()->setEditText("74xx/..");
    removeSheet("7400");
    expectBox("Pinatlas", kRegularName);
    for (const char* typed : {"..", "74xx/..", "", "."}) {
        haupt->dirBox()->setEditText(QString::fromUtf8(typed));
        trigger("V_entfernen");
        expectBox("Pinatlas", kRegularName);
    }
    EXPECT_TRUE(dir.exists("7400.txt"));
    EXPECT_TRUE(dir.exists("74xx/7400.txt"));
}

TEST_F(Maintenance, TheDirectoryDialogSpeaksTheLanguageAndCreatesOnEnter) {
    dir.mkdir("74xx");
    start("E");
    settings.changedCount = 1;
    Neu_V* dialog = openNeuV();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->size(), QSize(361, 117));
    EXPECT_EQ(in<QLineEdit>(dialog, "V_Name")->geometry(), QRect(16, 40, 329, 21));
    const auto captions = [&] {
        return QStringList({dialog->windowTitle(), in<QLabel>(dialog, "Label")->text(),
                            in(dialog, "ok")->text(), in(dialog, "Abbrechen")->text()});
    };
    EXPECT_EQ(captions(),
              QStringList({"Add a new directory", "Please insert the name of the new directory",
                           "OK", "Abort"}));
    in<QLineEdit>(dialog, "V_Name")->setText("neu");
    in(dialog, "Abbrechen")->click();
    settle();
    EXPECT_EQ(haupt->libraryCommands()->neuV(), nullptr);
    EXPECT_FALSE(dir.exists("neu"));
    EXPECT_EQ(settings.changedCount, 1); // Abort leaves the run as it was

    action("Deutsch")->trigger();
    dialog = openNeuV();
    EXPECT_EQ(captions(),
              QStringList({"Neues Verzeichnis hinzufügen", "Wie soll das neue Verzeichnis heißen?",
                           "OK", "Abbrechen"}));
    in(dialog, "ok")->click(); // an empty name closes and still initialises
    settle();
    EXPECT_EQ(haupt->libraryCommands()->neuV(), nullptr);
    EXPECT_EQ(settings.changedCount, 0);
    EXPECT_EQ(directories(), QStringList({"74xx"}));

    QLineEdit* name = in<QLineEdit>(openNeuV(), "V_Name");
    name->setText("neu");
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    settings.changedCount = 1;
    QApplication::sendEvent(name, &press);
    settle();
    EXPECT_TRUE(QFileInfo(dir.path() + "neu").isDir());
    EXPECT_EQ(haupt->libraryCommands()->neuV(), nullptr);
    EXPECT_EQ(directories(), QStringList({"74xx", "neu"}));
    EXPECT_EQ(settings.changedCount, 0);
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(Maintenance, ARefusedNameKeepsTheDialogOpenForCorrection) {
    dir.mkdir("74xx");
    start("E");
    Neu_V* dialog = openNeuV();
    QLineEdit* name = in<QLineEdit>(dialog, "V_Name");
    for (const char* text : {"74xx", "../draussen", "a\\b", "CON"}) {
        name->setText(QString::fromUtf8(text));
        in(dialog, "ok")->click();
        settle();
        expectBox("Pinatlas", kRegularName);
        ASSERT_EQ(haupt->libraryCommands()->neuV(), dialog) << text;
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(name->text(), QString::fromUtf8(text));
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList({"74xx"}));
    action("Deutsch")->trigger();
    in(dialog, "ok")->click();
    expectBox("Pinatlas", "Bitte beachten Sie die Regeln für Verzeichnisnamen!");
}

TEST_F(Maintenance, OnlyAnEmptyDirectoryIsRemovedAndEveryRefusalNamesThePath) {
    dir.write("a/.versteckt", "x"); // the file system refuses
    dir.mkdir("a/unter");
    sheet("b/7400.txt"); // ordinary files remain
    dir.mkdir("c");      // empty
    dir.mkdir("d");      // removed behind the program's back
    start("E");
    const QString english = QString::fromUtf8("Can\u00B4t remove directory!");
    const QString german = "Verzeichnis kann nicht gelöscht werden!";
    trigger("V_entfernen");
    expectBox(english, "The directory still holds hidden files or sub-directories, or you lack "
                       "the rights to remove it:\r\n" +
                           dir.path() + "a");
    EXPECT_TRUE(dir.exists("a/.versteckt"));
    haupt->selectDirectory(1);
    trigger("V_entfernen");
    expectBox(english, "There are files in the directory:\r\n" + dir.path() + "b");
    action("Deutsch")->trigger();
    trigger("V_entfernen");
    expectBox(german, "Es befinden sich noch Dateien in dem Verzeichnis:\r\n" + dir.path() + "b");
    EXPECT_TRUE(dir.exists("b/7400.txt"));

    QDir(dir.path()).rmdir("d");
    haupt->selectDirectory(3);
    trigger("V_entfernen");
    expectBox(german, "Das Verzeichnis ist nicht mehr vorhanden:\r\n" + dir.path() + "d");
    EXPECT_EQ(directories(), QStringList({"a", "b", "c"}));

    settings.changedCount = 1;
    haupt->selectDirectory(2);
    trigger("V_entfernen");
    EXPECT_TRUE(platform.boxes.empty());
    EXPECT_FALSE(dir.exists("c"));
    EXPECT_EQ(directories(), QStringList({"a", "b"}));
    EXPECT_EQ(settings.changedCount, 0);
}
