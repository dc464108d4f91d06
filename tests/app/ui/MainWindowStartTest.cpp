#include "app/ui/FirstStartDialog.h"
#include "display/ui/DatasheetView.h"
#include "support/ui/MainWindowFixture.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

#include <functional>
#include <tuple>
#include <utility>

using namespace pinatlas;
using namespace pinatlas::test;

using Start = MainWindowFixture;

TEST_F(Start, ReadsTheFileOrAsksAndRewritesItOnExit) {
    // The file found (nullptr: the first start, answered in the language
    // expected), the directories there; then the directory selected, the
    // language, the file after the start dialog and after the exit, and the
    // first line of each box shown.
    const std::tuple<const char*, const char*, int, const char*, const char*, const char*> rows[] =
        {
            {nullptr, "40xx 74xx .hidden", 1, "E", "E\r\n 1 \r\n", ""},
            {nullptr, "cmos", -1, "D", "D\r\n-1 \r\n", ""},
            {"D", "a b", 0, "D", "D\r\n 0 \r\n", ""},
            {"x\r\n 1 \r\nand more", "a", -1, "E", "E\r\n-1 \r\n", ""},
            // Reported once; the program goes on with the choice.
            {nullptr, "74xx pinatlas.ini", 0, "E", "", "The settings could not be saved:"},
        };
    int run = 0;
    for (const auto& [ini, directories, selected, language, written, boxes] : rows) {
        SCOPED_TRACE(directories);
        const QString at = QString::number(++run) + '/';
        for (const QString& name : QString(directories).split(' '))
            dir.mkdir(at + name);
        if (ini)
            dir.write(at + "pinatlas.ini", ini);
        mainWindow = std::make_unique<MainWindow>(settings = Settings(), platform, dir.path() + at);
        mainWindow->start();
        if (!ini) {
            ASSERT_TRUE(mainWindow->firstStartDialog() &&
                        mainWindow->firstStartDialog()->isVisible());
            EXPECT_FALSE(mainWindow->isVisible());
            if (QString(language) == "D") // English is the choice already made
                mainWindow->firstStartDialog()->findChild<QRadioButton*>("Deutsch")->setChecked(
                    true);
            mainWindow->firstStartDialog()->findChild<QPushButton*>("Command1")->click();
            EXPECT_EQ(dir.read(at + "pinatlas.ini"), QByteArray(written));
        }
        EXPECT_TRUE(mainWindow->isVisible());
        EXPECT_EQ(mainWindow->dirBox()->currentIndex(), selected);
        EXPECT_EQ(settings.language, languageOfCode(QString(language)));
        mainWindow->close();
        EXPECT_EQ(dir.read(at + "pinatlas.ini"), QByteArray(written));
        QStringList shown;
        for (const FakePlatform::Box& box : std::exchange(platform.boxes, {})) {
            shown << box.text.section("\r\n", 0, 0);
            EXPECT_FALSE(box.text.section("\r\n", 2).isEmpty()) << "the system's reason";
        }
        EXPECT_EQ(shown.join('/'), boxes);
    }
}

TEST_F(Start, ClosingTheFirstStartDialogEndsTheProgramWithoutWritingAnything) {
    startMainWindow();
    mainWindow->firstStartDialog()->close();
    EXPECT_EQ(platform.endNowCalls, 1);
    EXPECT_FALSE(dir.exists("pinatlas.ini"));
}

TEST_F(Start, EveryMenuCaptionInDisplayOrderInBothLanguages) {
    dir.write("pinatlas.ini", "D\r\n");
    startMainWindow();
    EXPECT_TRUE(mainWindow->windowTitle().startsWith("Pinatlas V1.30"));
    // Name, German and English caption, in the order the menus show them.
    const QStringList rows =
        QString(
            "M_Datei|Datei|File; Drucken|Drucken…|Print…; PDF_speichern|Als PDF speichern…|"
            "Save as PDF…; Datei_Leer1||; Beenden|Beenden|Exit; Bearbeiten|Bearbeiten|Edit; "
            "Suchen|Suchen…|Find…; Familien|Familien…|Families…; Datenblatt|Datenblatt|Datasheet; "
            "D_hinzufügen|hinzufügen|add; "
            "D_ändern|ändern|edit; D_entfernen|entfernen|remove; Verzeichnis|Verzeichnis|"
            "Directory; V_hinzufügen|hinzufügen|add; V_entfernen|entfernen|remove; "
            "Optionen|Optionen|Option; Sortiere|Sortiere ICs|Sort ICs; SortIC1|nach Typ|by type; "
            "SortIC2|nach Beschreibung|by description; Pinrollen|Pin-Rollen zeigen|Show pin roles; "
            "MNU_S|Service|Service; "
            "MNU_S_velkaris|pinatlas.example Homepage|pinatlas.example homepage; "
            "MNU_S_Update|Software Updates|Software updates; MNU_Leer1||; "
            "MNU_S_Bücher|Buch-Schnellsuche|Book-quickfinder; H|?|?; "
            "EDSprache|Language/ Sprache|Language/ Sprache; Englisch|English|English; "
            "Deutsch|Deutsch|Deutsch; Inform|Info/ Update|Info/ Update")
            .split("; ");
    // Each item as "name|caption", walking the menus as they open. Every item
    // has a mnemonic, and no two of one menu share one.
    const auto shown = [this] {
        QStringList items;
        const std::function<void(QWidget*)> walk = [&](QWidget* menu) {
            QString keys;
            for (QAction* a : menu->actions()) {
                const QString text = a->text();
                items << (a->menu() ? a->menu()->objectName() : a->objectName()) + '|' +
                             QString(text).remove(u'&');
                if (a->isSeparator())
                    continue;
                const qsizetype at = text.indexOf(u'&');
                EXPECT_TRUE(at >= 0 && at + 1 < text.size()) << text.toStdString();
                const QChar key =
                    at >= 0 && at + 1 < text.size() ? text[at + 1].toLower() : QChar();
                EXPECT_FALSE(keys.contains(key)) << "mnemonic of " << text.toStdString();
                keys += key;
                if (a->menu())
                    walk(a->menu());
            }
        };
        walk(mainWindow->menuBar());
        return items;
    };
    QStringList items = shown();
    action("Englisch")->trigger();
    for (qsizetype i = 0; const QString& english : shown())
        items[i++] += '|' + english.section(u'|', 1);
    EXPECT_EQ(items, rows);
}

TEST_F(Start, PinRolesTurnOffForTheSessionOnlyAndLeaveTheFileAlone) {
    ASSERT_TRUE(QFile::copy(PINATLAS_SOURCE_DIR "/library/74xx/74125.txt",
                            dir.mkdir("74xx") + "74125.txt"));
    start();
    QWidget* marks = mainWindow->view()->frame()->findChild<QWidget*>("MarksL");
    ASSERT_TRUE(marks && marks->isVisible());
    ASSERT_TRUE(action("Pinrollen")->isChecked());
    action("Pinrollen")->trigger();
    EXPECT_FALSE(marks->isVisible());
    EXPECT_FALSE(mainWindow->view()->frame()->findChild<QWidget*>("PinMarkLegend")->isVisible());
    mainWindow->close();
    EXPECT_EQ(dir.read("pinatlas.ini"), "E\r\n 0 \r\n");
}
