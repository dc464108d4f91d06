#include "app/ui/Erststart.h"
#include "support/TestName.h"
#include "support/ui/HauptFixture.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

using namespace pinatlas;
using namespace pinatlas::test;

namespace {

class Start : public HauptFixture {
protected:
    Erststart* dialog() const { return haupt->findChild<Erststart*>("Erststart"); }
    void pressOk() {
        dialog()->findChild<QPushButton*>("Command1")->click();
        QApplication::processEvents();
    }
};

struct StartCase {
    const char* ini; // nullptr: the first start, answered in `language`
    const char* directories;
    int selected;
    const char* language;
    const char* written; // the file after the start dialog and after exit
    const char* what;
};

void PrintTo(const StartCase& c, std::ostream* os) {
    *os << c.what;
}

class Starts : public Start, public ::testing::WithParamInterface<StartCase> {};

} // namespace

TEST_P(Starts, ReadTheFileOrAskAndRewriteItOnExit) {
    const StartCase& c = GetParam();
    for (const QString& name : QString(c.directories).split(' '))
        dir.mkdir(name);
    const bool german = QString(c.language) == "D";
    if (c.ini) {
        dir.write("pinatlas.ini", c.ini);
        startHaupt();
    } else {
        startHaupt();
        ASSERT_NE(dialog(), nullptr);
        EXPECT_TRUE(dialog()->isVisible());
        EXPECT_FALSE(haupt->isVisible());
        EXPECT_EQ(dialog()->windowTitle(), "Welcome / Willkommen ");
        EXPECT_TRUE(dialog()->findChild<QRadioButton*>("Englisch")->isChecked());
        dialog()->findChild<QRadioButton*>(german ? "Deutsch" : "Englisch")->setChecked(true);
        pressOk();
        EXPECT_EQ(haupt->erststart(), nullptr);
        EXPECT_EQ(dir.read("pinatlas.ini"), QByteArray(c.written));
    }
    EXPECT_TRUE(haupt->isVisible());
    EXPECT_EQ(haupt->dirBox()->currentIndex(), c.selected);
    EXPECT_EQ(settings.language, c.language);
    EXPECT_EQ(caption("M_Datei"), german ? "Datei" : "File");
    EXPECT_EQ(action("Deutsch")->isChecked(), german);
    EXPECT_EQ(action("Englisch")->isChecked(), !german);
    haupt->close();
    EXPECT_EQ(dir.read("pinatlas.ini"), QByteArray(c.written));
    EXPECT_TRUE(platform.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Starts,
    ::testing::Values(StartCase{nullptr, "40xx 74xx", 1, "E", "E\r\n 1 \r\n", "74xx preselected"},
                      StartCase{nullptr, "cmos", -1, "D", "D\r\n-1 \r\n", "no 74xx"},
                      StartCase{"D", "a b", 0, "D", "D\r\n 0 \r\n", "only the language"},
                      StartCase{"x\r\n 1 \r\n", "a", -1, "E", "E\r\n-1 \r\n",
                                "past the end; not D"}),
    [](const auto& info) { return testName(info.param.what); });

TEST_F(Start, ClosingTheFirstStartDialogEndsTheProgramWithoutWritingAnything) {
    startHaupt();
    dialog()->close();
    EXPECT_EQ(platform.endNowCalls, 1);
    EXPECT_FALSE(dir.exists("pinatlas.ini"));
}

TEST_F(Start, AnUnwritableConfigurationIsReportedOnceAndTheProgramGoesOn) {
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

TEST_F(Start, InitialisierenReturnsToTheStoredLanguageAndPosition) {
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

TEST_F(Start, TheSortCommandsMoveTheCheckMark) {
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

TEST_F(Start, EveryMenuCaptionInDisplayOrderInBothLanguages) {
    dir.write("pinatlas.ini", "E\r\n");
    startHaupt();
    EXPECT_TRUE(haupt->windowTitle().startsWith("Pinatlas V1.30"));
    // Name, German and English caption, in the order the menus show them.
    const QStringList rows =
        QString(
            "M_Datei|Datei|File; Drucken|Drucken…|Print…; PDF_speichern|Als PDF speichern…|"
            "Save as PDF…; Datei_Leer1||; Beenden|Beenden|Exit; Bearbeiten|Bearbeiten|Edit; "
            "Suchen|Suchen…|Find…; Datenblatt|Datenblatt|Datasheet; D_hinzufügen|hinzufügen|add; "
            "D_ändern|ändern|edit; D_entfernen|entfernen|remove; Verzeichnis|Verzeichnis|"
            "Directory; V_hinzufügen|hinzufügen|add; V_entfernen|entfernen|remove; "
            "Optionen|Optionen|Option; Sortiere|Sortiere ICs|Sort ICs; SortIC1|nach Typ|by type; "
            "SortIC2|nach Beschreibung|by description; MNU_S|Service|Service; "
            "MNU_S_velkaris|pinatlas.example Homepage|pinatlas.example homepage; "
            "MNU_S_Update|Software Updates|Software updates; MNU_Leer1||; "
            "MNU_S_Bücher|Buch-Schnellsuche|Book-quickfinder; H|?|?; "
            "EDSprache|Language/ Sprache|Language/ Sprache; Englisch|English|English; "
            "Deutsch|Deutsch|Deutsch; Inform|Info/ Update|Info/ Update")
            .split("; ");
    QStringList shown;
    const std::function<void(const QList<QAction*>&)> walk = [&](const QList<QAction*>& actions) {
        for (QAction* a : actions) {
            shown << (a->menu() ? a->menu()->objectName() : a->objectName());
            if (a->menu())
                walk(a->menu()->actions());
        }
    };
    walk(haupt->menuBar()->actions());
    const auto column = [&rows](int c) {
        QStringList texts;
        for (const QString& row : rows)
            texts << row.section(u'|', c, c);
        return texts;
    };
    EXPECT_EQ(shown, column(0));
    EXPECT_TRUE(action("MNU_Leer1")->isSeparator());
    const auto captions = [&] {
        QStringList texts;
        for (const QString& name : column(0))
            texts << caption(name);
        return texts;
    };
    EXPECT_EQ(captions(), column(2));
    action("Deutsch")->trigger();
    EXPECT_EQ(captions(), column(1));
}
