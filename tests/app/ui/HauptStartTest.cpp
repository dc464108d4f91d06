#include "app/ui/Erststart.h"
#include "support/ui/HauptFixture.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

using namespace pinatlas;
using namespace pinatlas::test;

namespace {

class FirstStart : public HauptFixture {
protected:
    Erststart* dialog() const { return haupt->findChild<Erststart*>("Erststart"); }
    void pressOk() {
        dialog()->findChild<QPushButton*>("Command1")->click();
        QApplication::processEvents();
    }
};

} // namespace

TEST_F(FirstStart, PreselectsThe74xxDirectoryAndWritesTheChoice) {
    dir.mkdir("40xx");
    dir.mkdir("74xx");
    startHaupt();
    ASSERT_NE(dialog(), nullptr);
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_FALSE(haupt->isVisible());
    EXPECT_EQ(dialog()->windowTitle(), "Welcome / Willkommen ");
    EXPECT_TRUE(dialog()->findChild<QRadioButton*>("Englisch")->isChecked());

    pressOk();
    EXPECT_EQ(dir.read("pinatlas.ini"), QByteArray("E\r\n 1 \r\n"));
    EXPECT_TRUE(haupt->isVisible());
    EXPECT_EQ(haupt->dirBox()->currentText(), "74xx");
    EXPECT_EQ(settings.language, "E");
    EXPECT_EQ(caption("M_Datei"), "File");
    EXPECT_EQ(haupt->erststart(), nullptr);
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(FirstStart, WithoutA74xxDirectoryNothingIsSelected) {
    dir.mkdir("cmos");
    startHaupt();
    dialog()->findChild<QRadioButton*>("Deutsch")->setChecked(true);
    pressOk();
    EXPECT_EQ(dir.read("pinatlas.ini"), QByteArray("D\r\n-1 \r\n"));
    EXPECT_EQ(haupt->dirBox()->currentIndex(), -1);
    EXPECT_EQ(caption("M_Datei"), "Datei");
}

TEST_F(FirstStart, ClosingTheDialogEndsTheProgramWithoutWritingAnything) {
    startHaupt();
    dialog()->close();
    EXPECT_EQ(platform.endNowCalls, 1);
    EXPECT_FALSE(dir.exists("pinatlas.ini"));
}

TEST_F(FirstStart, AnUnwritableConfigurationIsReportedOnceAndTheProgramGoesOn) {
    dir.mkdir("74xx");
    dir.mkdir("pinatlas.ini"); // a directory where the file must go
    startHaupt();
    pressOk();
    EXPECT_TRUE(haupt->isVisible());
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].buttons, MsgButtons::Ok);
    EXPECT_TRUE(platform.boxes[0].text.contains("pinatlas.ini"));
    haupt->close();
    EXPECT_EQ(platform.boxes.size(), 1u);
}

namespace {

class NormalStart : public HauptFixture {};

} // namespace

TEST_F(NormalStart, AFileOfOnlyDStartsInGermanOnTheFirstDirectory) {
    dir.mkdir("a");
    dir.mkdir("b");
    dir.write("pinatlas.ini", "D");
    startHaupt();
    EXPECT_TRUE(haupt->isVisible());
    EXPECT_EQ(haupt->dirBox()->currentText(), "a");
    EXPECT_EQ(settings.language, "D");
    EXPECT_TRUE(action("Deutsch")->isChecked());
    EXPECT_FALSE(action("Englisch")->isChecked());
}

TEST_F(NormalStart, TheCommaFormReadsLikeTwoLines) {
    dir.mkdir("a");
    dir.mkdir("b");
    dir.write("pinatlas.ini", "E,1\r\n");
    startHaupt();
    EXPECT_EQ(haupt->dirBox()->currentText(), "b");
    EXPECT_EQ(settings.language, "E");
}

TEST_F(NormalStart, APositionPastTheEndSelectsNothingAndExitWritesMinusOne) {
    dir.mkdir("a");
    dir.write("pinatlas.ini", "x\r\n 1 \r\n");
    startHaupt();
    EXPECT_EQ(haupt->dirBox()->currentIndex(), -1);
    EXPECT_EQ(settings.language, "E"); // any code but D reads English
    haupt->close();
    EXPECT_EQ(dir.read("pinatlas.ini"), QByteArray("E\r\n-1 \r\n"));
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(NormalStart, ExitAlwaysRewritesTheFile) {
    dir.mkdir("a");
    dir.mkdir("b");
    dir.write("pinatlas.ini", "D\r\n1\r\n");
    startHaupt();
    haupt->close();
    EXPECT_EQ(dir.read("pinatlas.ini"), QByteArray("D\r\n 1 \r\n"));
}

TEST_F(NormalStart, InitialisierenReturnsToTheStoredLanguageAndPosition) {
    dir.mkdir("a");
    dir.mkdir("b");
    dir.write("pinatlas.ini", "D\r\n 1 \r\n");
    startHaupt();
    action("Englisch")->trigger();
    EXPECT_EQ(settings.language, "E");
    haupt->selectDirectory(0);
    dir.mkdir("c");
    settings.changedCount = 2;
    haupt->Initialisieren();
    EXPECT_EQ(settings.language, "D");
    EXPECT_EQ(caption("Bearbeiten"), "Bearbeiten");
    EXPECT_EQ(haupt->dirBox()->count(), 3);
    EXPECT_EQ(haupt->dirBox()->currentText(), "b");
    EXPECT_EQ(settings.changedCount, 0);
}

TEST_F(NormalStart, TheSortCommandsMoveTheCheckMark) {
    dir.write("pinatlas.ini", "E\r\n");
    startHaupt();
    EXPECT_TRUE(action("SortIC1")->isChecked());
    action("SortIC2")->trigger();
    EXPECT_EQ(settings.sortMode, 1);
    EXPECT_FALSE(action("SortIC1")->isChecked());
    EXPECT_TRUE(action("SortIC2")->isChecked());
    action("SortIC1")->trigger();
    EXPECT_EQ(settings.sortMode, 0);
    EXPECT_TRUE(action("SortIC1")->isChecked());
    EXPECT_FALSE(action("SortIC2")->isChecked());
}

TEST_F(NormalStart, EveryMenuCaptionInBothLanguages) {
    dir.write("pinatlas.ini", "E\r\n");
    startHaupt();
    struct Row {
        const char* name;
        const char* de;
        const char* en;
    };
    const Row rows[] = {
        {"M_Datei", "Datei", "File"},
        {"Beenden", "Beenden", "Exit"},
        {"Bearbeiten", "Bearbeiten", "Edit"},
        {"Datenblatt", "Datenblatt", "Datasheet"},
        {"D_hinzufügen", "hinzufügen", "add"},
        {"D_ändern", "ändern", "edit"},
        {"D_entfernen", "entfernen", "remove"},
        {"Verzeichnis", "Verzeichnis", "Directory"},
        {"V_hinzufügen", "hinzufügen", "add"},
        {"V_entfernen", "entfernen", "remove"},
        {"Optionen", "Optionen", "Option"},
        {"Sortiere", "Sortiere ICs", "Sort ICs"},
        {"SortIC1", "nach Typ", "by type"},
        {"SortIC2", "nach Beschreibung", "by description"},
        {"MNU_S", "Service", "Service"},
        {"MNU_S_velkaris", "pinatlas.example Homepage", "pinatlas.example homepage"},
        {"MNU_S_Update", "Software Updates", "Software updates"},
        {"MNU_S_Bücher", "Buch-Schnellsuche", "Book-quickfinder"},
        {"H", "?", "?"},
        {"EDSprache", "Language/ Sprache", "Language/ Sprache"},
        {"Englisch", "English", "English"},
        {"Deutsch", "Deutsch", "Deutsch"},
        {"Inform", "Info/ Update", "Info/ Update"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(caption(QString::fromUtf8(r.name)), QString::fromUtf8(r.en)) << r.name;
    action("Deutsch")->trigger();
    for (const Row& r : rows)
        EXPECT_EQ(caption(QString::fromUtf8(r.name)), QString::fromUtf8(r.de)) << r.name;
    EXPECT_TRUE(action("MNU_Leer1")->isSeparator());
}

TEST_F(NormalStart, TheMenuBarStandsInDisplayOrder) {
    dir.write("pinatlas.ini", "E\r\n");
    startHaupt();
    QStringList names;
    for (QAction* a : haupt->menuBar()->actions())
        names << a->menu()->objectName();
    EXPECT_EQ(names, QStringList({"M_Datei", "Bearbeiten", "Optionen", "MNU_S", "H"}));
    QStringList service;
    for (QAction* a : haupt->findChild<QMenu*>("MNU_S")->actions())
        service << a->objectName();
    EXPECT_EQ(service,
              QStringList({"MNU_S_velkaris", "MNU_S_Update", "MNU_Leer1", "MNU_S_Bücher"}));
    EXPECT_TRUE(haupt->windowTitle().startsWith("Pinatlas V1.30"));
}
