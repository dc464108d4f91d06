#include "app/ui/Erststart.h"
#include "support/ui/HauptFixture.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

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

struct StartCase {
    const char* ini;
    int directories; // named a, b, ...
    int selected;
    const char* language;
    const char* rewritten; // the file after exit
};

class NormalStart : public HauptFixture, public ::testing::WithParamInterface<StartCase> {};

} // namespace

TEST_P(NormalStart, ReadsTheFileAndRewritesItOnExit) {
    const StartCase& c = GetParam();
    for (int i = 0; i < c.directories; ++i)
        dir.mkdir(QString(QChar('a' + i)));
    dir.write("pinatlas.ini", c.ini);
    startHaupt();
    EXPECT_TRUE(haupt->isVisible());
    EXPECT_EQ(haupt->dirBox()->currentIndex(), c.selected);
    EXPECT_EQ(settings.language, c.language);
    const bool german = settings.language == "D";
    EXPECT_EQ(action("Deutsch")->isChecked(), german);
    EXPECT_EQ(action("Englisch")->isChecked(), !german);
    haupt->close();
    EXPECT_EQ(dir.read("pinatlas.ini"), QByteArray(c.rewritten));
    EXPECT_TRUE(platform.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NormalStart,
    ::testing::Values(StartCase{"D", 2, 0, "D", "D\r\n 0 \r\n"},            // only the language
                      StartCase{"E,1\r\n", 2, 1, "E", "E\r\n 1 \r\n"},      // comma form
                      StartCase{"x\r\n 1 \r\n", 1, -1, "E", "E\r\n-1 \r\n"} // past the end; not D
                      ));

namespace {

class Running : public HauptFixture {};

} // namespace

TEST_F(Running, InitialisierenReturnsToTheStoredLanguageAndPosition) {
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

TEST_F(Running, TheSortCommandsMoveTheCheckMark) {
    dir.write("pinatlas.ini", "E\r\n");
    startHaupt();
    EXPECT_TRUE(action("SortIC1")->isChecked());
    for (int mode : {1, 0}) {
        action(mode == 1 ? "SortIC2" : "SortIC1")->trigger();
        EXPECT_EQ(settings.sortMode, mode);
        EXPECT_EQ(action("SortIC1")->isChecked(), mode == 0);
        EXPECT_EQ(action("SortIC2")->isChecked(), mode == 1);
    }
}

TEST_F(Running, EveryMenuCaptionInDisplayOrderInBothLanguages) {
    dir.write("pinatlas.ini", "E\r\n");
    startHaupt();
    EXPECT_TRUE(haupt->windowTitle().startsWith("Pinatlas V1.30"));
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
        {"MNU_Leer1", "", ""},
        {"MNU_S_Bücher", "Buch-Schnellsuche", "Book-quickfinder"},
        {"H", "?", "?"},
        {"EDSprache", "Language/ Sprache", "Language/ Sprache"},
        {"Englisch", "English", "English"},
        {"Deutsch", "Deutsch", "Deutsch"},
        {"Inform", "Info/ Update", "Info/ Update"},
    };
    QStringList shown;
    const std::function<void(const QList<QAction*>&)> walk = [&](const QList<QAction*>& actions) {
        for (QAction* a : actions) {
            shown << (a->menu() ? a->menu()->objectName() : a->objectName());
            if (a->menu())
                walk(a->menu()->actions());
        }
    };
    walk(haupt->menuBar()->actions());
    QStringList expected;
    for (const Row& r : rows)
        expected << QString::fromUtf8(r.name);
    EXPECT_EQ(shown, expected);
    EXPECT_TRUE(action("MNU_Leer1")->isSeparator());

    for (const Row& r : rows)
        EXPECT_EQ(caption(QString::fromUtf8(r.name)), QString::fromUtf8(r.en)) << r.name;
    action("Deutsch")->trigger();
    for (const Row& r : rows)
        EXPECT_EQ(caption(QString::fromUtf8(r.name)), QString::fromUtf8(r.de)) << r.name;
}
