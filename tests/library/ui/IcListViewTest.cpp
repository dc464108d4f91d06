#include "library/Cp1252.h"
#include "library/ui/FindCommands.h"
#include "support/ui/MainWindowFixture.h"

#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QTableView>

#include <chrono>
#include <filesystem>
#include <fstream>

#include <sys/stat.h>
#include <unistd.h>

using namespace pinatlas;
using namespace pinatlas::test;

namespace {

// A sheet with `pins` pins named P and the comments "Deutsch" and "English".
QByteArray librarySheet(const char* de, const char* en, int pins = 14) {
    return encodeCp1252(QStringLiteral("%1\r\n%2\r\n%3\r\nTP (totem pole)\r\n")
                            .arg(QString::fromUtf8(de), QString::fromUtf8(en))
                            .arg(pins) +
                        QString("P\r\n").repeated(pins) +
                        "'Beschreibung-D:\r\nDeutsch\r\n'Beschreibung-E:\r\nEnglish\r\n'Ende\r\n");
}

// A left click at `at` in a view's viewport.
void click(QWidget* viewport, QPoint at) {
    const auto send = [&](QEvent::Type type, Qt::MouseButtons buttons) {
        QMouseEvent e(type, at, viewport->mapToGlobal(at), Qt::LeftButton, buttons, {});
        QApplication::sendEvent(viewport, &e);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
    QApplication::processEvents();
}

void press(QWidget* w, int key, const QString& text = {}) {
    QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &e);
}

class IcListView : public MainWindowFixture {
protected:
    // A program directory with the directory 74xx (the second) selected at start.
    void library(const char* ini = "E\r\n 1 \r\n") {
        dir.write("40xx/4011.txt", librarySheet("Vier NAND-Gatter", "Quad NAND gate"));
        dir.write("40xx/4017.txt", librarySheet("Dezimalzähler", "Decade counter"));
        dir.write("74xx/7402.txt", librarySheet("Vier NOR-Gatter", "Quad 2-input NOR"));
        dir.write("74xx/74138.txt", librarySheet("3-zu-8-Dekoder", "3-to-8 line decoder", 16));
        dir.write("74xx/7400.txt", librarySheet("Vier NAND-Gatter", "Quad 2-input NAND"));
        dir.write("74xx/74LS00.txt", librarySheet("Vier NAND (LS)", "Quad NAND, LS family"));
        dir.write("74xx/74595.txt", librarySheet("Schieberegister", "8-bit shift register"));
        dir.write("pinatlas.ini", ini);
        startMainWindow();
    }
    QTableView* icList() const { return mainWindow->icList(); }
    // The directory, the chosen row's type, the title shown and the comment
    // box, "-" when hidden.
    std::string shown() const {
        const auto* commentBox = mainWindow->findChild<QPlainTextEdit*>("Doku");
        return QStringLiteral("%1/%2 %3 [%4%5]")
            .arg(mainWindow->currentDirectory(), icList()->currentIndex().data().toString(),
                 mainWindow->findChild<QLabel*>("Info")->text(), commentBox->isHidden() ? "-" : "",
                 commentBox->toPlainText())
            .toStdString();
    }
    // Each row of a list, cells joined by '|'.
    static QStringList rows(const QAbstractItemModel* model) {
        QStringList out;
        for (int r = 0; r < model->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < model->columnCount(); ++c)
                cells << model->index(r, c).data().toString();
            out << cells.join(u'|');
        }
        return out;
    }
    QStringList grid() const { return rows(icList()->model()); }
    void clickHeader(int column) {
        QHeaderView* header = icList()->horizontalHeader();
        click(header->viewport(),
              QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
    }
    // The wording is pinned by the core test of the message; here the box and its file.
    void expectBoxes(size_t count, const QString& file) {
        ASSERT_EQ(platform.boxes.size(), count);
        const FakePlatform::Box& b = platform.boxes.back();
        EXPECT_EQ(std::tuple(b.icon, b.buttons, b.text.contains(dir.path() + file)),
                  std::tuple(MsgIcon::None, MsgButtons::AbortRetryIgnore, true));
    }
    // The results for a text in the box.
    static QStringList find(FindWindow& w, const char* text) {
        w.textBox()->setText(QString::fromUtf8(text));
        return rows(w.model());
    }
};

} // namespace

TEST_F(IcListView, ChoosingADirectoryListsItByTypeInTheLanguageAndLoadsTheFirstSheet) {
    library();
    EXPECT_EQ(grid(), QStringList({"74LS00|Quad NAND, LS family|14", "7400|Quad 2-input NAND|14",
                                   "7402|Quad 2-input NOR|14", "74138|3-to-8 line decoder|16",
                                   "74595|8-bit shift register|14"}));
    EXPECT_EQ(shown(), "74xx/74LS00 74LS00:  Quad NAND, LS family [English]");
    EXPECT_EQ(icList()->columnWidth(1), 170); // few rows: no room kept for a scroll bar
    // Typing in the list moves to the first type starting with what was typed;
    // a key that continues no type starts over.
    for (const QChar c : QString("745"))
        press(icList(), c.unicode(), c);
    EXPECT_EQ(shown(), "74xx/74595 74595:  8-bit shift register [English]");
    press(icList(), '7', "7");
    EXPECT_EQ(shown(), "74xx/74LS00 74LS00:  Quad NAND, LS family [English]");
    // The function number alone finds a type, as in Find.
    for (const QChar c : QString("138"))
        press(icList(), c.unicode(), c);
    EXPECT_EQ(shown(), "74xx/74138 74138:  3-to-8 line decoder [English]");
    action("Deutsch")->trigger();
    EXPECT_EQ(shown(), "74xx/74LS00 74LS00: Vier NAND (LS) [Deutsch]");

    // Printed and saved as PDF; the scripted dialog prints into a file.
    platform.savePath = dir.path() + "sheet.pdf";
    platform.printToFile = dir.path() + "printed.pdf";
    action("PDF_speichern")->trigger();
    action("Drucken")->trigger();
    EXPECT_TRUE(platform.saveDialogs.value(0).endsWith(QDir::separator() + QString("74LS00.pdf")));
    // Without a printer the first print goes into a file, named after the type.
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        EXPECT_TRUE(
            platform.printSuggestions.value(0).endsWith(QDir::separator() + QString("74LS00.pdf")));
    }
    EXPECT_EQ(std::tuple(platform.printDialogs, dir.read("sheet.pdf").left(4),
                         dir.read("printed.pdf").left(4), platform.boxes.size()),
              std::tuple(1, QByteArray("%PDF"), QByteArray("%PDF"), size_t(0)));
    // Both dialogs go on in the folder last written to, with the type as the name.
    action("Drucken")->trigger();
    action("PDF_speichern")->trigger();
    const QString again = QDir::toNativeSeparators(dir.path() + "74LS00.pdf");
    EXPECT_EQ(platform.printSuggestions.value(1), "74LS00|" + again);
    EXPECT_EQ(platform.saveDialogs.value(1), "Als PDF speichern|" + again);
}

TEST_F(IcListView, SortCommandsResortButHeaderClicksAlsoReload) {
    library();
    action("SortIC2")->trigger();
    EXPECT_EQ(grid().first(), "74138|3-to-8 line decoder|16");
    EXPECT_EQ(shown(), "74xx/74138 74LS00:  Quad NAND, LS family [English]"); // not reloaded
    action("SortIC1")->trigger();
    // Clicked with the second row current: a header click rebuilds and reloads
    // the first IC; DIL sorts nothing and loads nothing.
    const std::tuple<int, int, std::string> clicks[] = {
        {1, 1, "74xx/74138 74138:  3-to-8 line decoder [English]"},
        {2, 1, "74xx/74595 74595:  8-bit shift register [English]"},
        {0, 0, "74xx/74LS00 74LS00:  Quad NAND, LS family [English]"}};
    for (const auto& [column, mode, after] : clicks) {
        icList()->setCurrentIndex(icList()->model()->index(1, 0));
        clickHeader(column);
        EXPECT_EQ(std::tuple(int(settings.sortMode), action("SortIC2")->isChecked(), shown()),
                  std::tuple(mode, mode == 1, after));
    }
    // A sheet shown again is read again only when its file changed, even in
    // place and to the same size.
    const std::filesystem::path file = (dir.path() + "74xx/74LS00.txt").toStdString();
    const auto time = std::filesystem::last_write_time(file);
    dir.write("74xx/74LS00.txt",
              librarySheet("Vier NAND (LS)", "Quad NAND, LS family").replace("English", "Changed"));
    std::filesystem::last_write_time(file, time + std::chrono::seconds(2));
    clickHeader(0);
    EXPECT_EQ(shown(), "74xx/74LS00 74LS00:  Quad NAND, LS family [Changed]");
}

// The windows follow the session: each setter signals a real change once and
// the same value not at all; menus, list and an open Find window follow it
// without being told, and a typed directory rebuilds nothing.
TEST_F(IcListView, WindowsFollowTheSessionsSignalsOnRealChangesOnly) {
    library();
    Session& session = mainWindow->session();
    int changes = 0;
    QObject::connect(&session, &Session::languageChanged, [&] { ++changes; });
    QObject::connect(&session, &Session::sortOrderChanged, [&] { ++changes; });
    mainWindow->findCommands()->showFind();
    // Braces keep the calls in order.
    const std::vector<bool> changed{
        session.setLanguage(Language::English), session.setLanguage(Language::German),
        session.setLanguage(Language::German), session.setSortOrder(IcSort::ByDescription),
        session.setSortOrder(IcSort::ByDescription)};
    EXPECT_EQ(changed, std::vector<bool>({false, true, false, true, false}));
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(mainWindow->findCommands()->window()->windowTitle(), "Suchen");
    EXPECT_TRUE(action("Deutsch")->isChecked() && action("SortIC2")->isChecked());
    EXPECT_EQ(grid().first(), "74138|3-zu-8-Dekoder|16");
    // A sheet saved in another directory leaves the list and its row alone.
    icList()->setCurrentIndex(icList()->model()->index(2, 0));
    Q_EMIT session.libraryChanged(QStringLiteral("40xx"));
    EXPECT_EQ(icList()->currentIndex().row(), 2);
    mainWindow->dirBox()->setEditText("40xx");
    EXPECT_EQ(std::pair(session.directory(), grid().first()),
              std::pair(QString("40xx"), QString("74138|3-zu-8-Dekoder|16")));
}

TEST_F(IcListView, LongListsLeaveRoomForTheScrollBarAndKeepTheChosenRowInView) {
    for (int k = 0; k < 200; ++k)
        dir.write(QStringLiteral("big/%1.txt").arg(1000 + k), librarySheet("d", "e"));
    dir.write("pinatlas.ini", "E\r\n 0 \r\n");
    startMainWindow();
    EXPECT_EQ(icList()->columnWidth(1), 153);
    const int last = icList()->rowAt(icList()->viewport()->height()) - 1; // the last shown whole
    icList()->setCurrentIndex(icList()->model()->index(last - 1, 0));     // neighbour below shown
    EXPECT_EQ(icList()->rowAt(0), 0);
    icList()->setCurrentIndex(icList()->model()->index(last, 0));
    EXPECT_EQ(icList()->rowAt(0), last);
    // Upwards onto a row above the top: it becomes the top row.
    icList()->setCurrentIndex(icList()->model()->index(last - 1, 0));
    EXPECT_EQ(icList()->rowAt(0), last - 1);
    // Onto the second row shown: the row above it is in view, nothing moves.
    icList()->setCurrentIndex(icList()->model()->index(last, 0));
    EXPECT_EQ(icList()->rowAt(0), last - 1);
    // A row found by typing lands where a choice puts it.
    for (const QChar c : QString("1150"))
        press(icList(), c.unicode(), c);
    EXPECT_EQ(std::pair(icList()->currentIndex().row(), icList()->rowAt(0)), std::pair(150, 150));
    // At the end of the list the top row is still shown whole.
    icList()->setCurrentIndex(icList()->model()->index(199, 0));
    EXPECT_EQ(icList()->visualRect(icList()->model()->index(icList()->rowAt(0), 0)).top(), 0);
}

TEST_F(IcListView, NoTypedDirectoryNameEverLeadsOutOfTheLibraries) {
    // Another library the typed names below would reach by a detour.
    dir.write("other/7400.txt", librarySheet("Fremd", "Foreign"));
    library("E\r\n-1 \r\n"); // no directory chosen: nothing to print
    EXPECT_FALSE(action("Drucken")->isEnabled() || action("PDF_speichern")->isEnabled());
    mainWindow->dirBox()->setEditText(dir.path() + "other");
    mainWindow->Liste_aufbauen();
    EXPECT_EQ(std::pair(grid(), platform.boxes.size()), std::pair(QStringList("||"), size_t(0)));

    // A load with a typed name that leaves the directory is refused like a
    // file that cannot be opened.
    mainWindow->dirBox()->setEditText("74xx");
    mainWindow->Liste_aufbauen();
    mainWindow->dirBox()->setEditText("74xx/../other");
    platform.answer(MsgAnswer::Ignore);
    icList()->setCurrentIndex(icList()->model()->index(1, 0));
    expectBoxes(1, "74xx/../other/7400.txt");
}

TEST_F(IcListView, ADefectiveSheetIsReportedWhenLoaded) {
    dir.write("74xx/7404.txt", librarySheet("Sechs Inverter", "Hex inverter", 41));
    // Read past its pin names before the defect shows.
    dir.write("74xx/7401.txt",
              librarySheet("a", "b").replace("'Ende\r\n", "'Funktionstabelle:\r\n"));
    library(); // 74LS00 7400 7401 7402 7404 74138

    // Ignore: the previous sheet stays on display, and so does its comment
    // unless the reading had already cleared it.
    const std::string before = "74LS00:  Quad NAND, LS family [";
    platform.answer(MsgAnswer::Ignore);
    icList()->setCurrentIndex(icList()->model()->index(4, 0));
    expectBoxes(1, "74xx/7404.txt");
    EXPECT_EQ(shown(), "74xx/7404 " + before + "English]");
    platform.answer(MsgAnswer::Ignore);
    icList()->setCurrentIndex(icList()->model()->index(2, 0));
    expectBoxes(2, "74xx/7401.txt");
    EXPECT_EQ(shown(), "74xx/7401 " + before + "-]");

    // A file the list cannot read: Ignore empties the grid, Retry reads again,
    // Abort ends the program at once and writes nothing.
    dir.write("74xx/notes", "only\r\ntwo lines\r\n");
    platform.answer(MsgAnswer::Ignore);
    mainWindow->Liste_aufbauen();
    EXPECT_EQ(grid(), QStringList(7, "||"));
    platform.answer(MsgAnswer::Retry);
    platform.answer(MsgAnswer::Abort);
    mainWindow->Liste_aufbauen();
    expectBoxes(5, "74xx/notes");
    EXPECT_EQ(platform.endNowCalls, 1);
}

TEST_F(IcListView, FindTypingListsTheBestMatchesInTheLanguageAndEnterShowsOne) {
    library();
    action("Suchen")->trigger();
    FindWindow& w = *mainWindow->findCommands()->window();
    EXPECT_EQ(find(w, "40"),
              QStringList({"40xx|4011|Quad NAND gate", "40xx|4017|Decade counter",
                           "74xx|74LS00|Quad NAND, LS family", "74xx|7400|Quad 2-input NAND",
                           "74xx|7402|Quad 2-input NOR"}));
    // Down moves through the results; Enter shows the sheet in its directory.
    press(w.textBox(), Qt::Key_Down);
    press(w.textBox(), Qt::Key_Return);
    EXPECT_EQ(shown(), "40xx/4017 4017:  Decade counter [English]");

    // A sheet gone since it was found only beeps, after its directory was chosen anew.
    find(w, "decoder");
    QFile::remove(dir.path() + "74xx/74138.txt");
    press(w.textBox(), Qt::Key_Return);
    EXPECT_EQ(std::pair(platform.beeps, shown()),
              std::pair(1, std::string("74xx/74LS00 74LS00:  Quad NAND, LS family [English]")));

    // A family named: the base part, and what its data table shows.
    EXPECT_EQ(find(w, "74HCT00").mid(0, 2),
              QStringList({"74xx|7400|Quad 2-input NAND", "74xx|74LS00|Quad NAND, LS family"}));
    EXPECT_EQ(w.note(), "7400 has no data table.");

    // Switched to German, the window speaks it at once; accents are ignored.
    action("Deutsch")->trigger();
    EXPECT_EQ(std::tuple(w.windowTitle(), w.textBox()->placeholderText(),
                         w.model()->headerData(2, Qt::Horizontal, Qt::DisplayRole),
                         rows(w.model())[0]),
              std::tuple("Suchen", "Typ oder Wörter der Beschreibung", "Beschreibung",
                         "74xx|7400|Vier NAND-Gatter"));
    EXPECT_EQ(find(w, "ZAHLER"), QStringList({"40xx|4017|Dezimalzähler"}));

    // Its directory renamed since: Enter says so, and the new name, which the
    // directory box does not list, is not offered.
    QDir(dir.path()).rename("40xx", "cmos");
    press(w.textBox(), Qt::Key_Return);
    EXPECT_EQ(std::tuple(platform.beeps, rows(w.model()), w.note()),
              std::tuple(2, QStringList(),
                         "Das Verzeichnis 40xx gibt es nicht mehr: Es wurde umbenannt oder "
                         "entfernt.\nNicht angeboten: Datenblätter in cmos, das die "
                         "Verzeichnisliste nicht enthält."));

    press(w.textBox(), Qt::Key_Escape);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(mainWindow->findCommands()->window(), nullptr);
}

// Every row and directory stands for one name on disk, shown so that no name
// can pass for another, break a line or turn the text around it; and the
// toolkit speaks the language from the first box on.
TEST_F(IcListView, EveryRowIsOneFileOnDiskAndNoNameMisleads) {
    const std::string lib = QFile::encodeName(dir.path()).toStdString();
    const auto put = [&](const std::string& name, const char* de) {
        std::ofstream(lib + name, std::ios::binary) << librarySheet(de, "").toStdString();
    };
    for (const char* sub : {"odd", "l\xe4"})
        ::mkdir((lib + sub).c_str(), 0700);
    put("odd/74\xe4"
        "99.txt",
        "Alt");
    put("odd/74\xc3\xa4"
        "99.txt",
        "Neu");
    put("odd/74\x1b"
        "01.txt",
        "Steuer");
    put("odd/74\xe2\x80\xae"
        "00.txt",
        "Umgekehrt");
    put("l\xe4/4000.txt", "Zwei NOR");
    put("l\xe4/<h1>4001.txt", "Fett");
    dir.write("40xx/notes", "only\r\ntwo lines\r\n");
    dir.write("pinatlas.ini", "D\r\n 0 \r\n");
    platform.answer(MsgAnswer::Ignore);
    startMainWindow();
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_TRUE(platform.boxes[0].toolkitGerman);

    mainWindow->selectDirectory(2);
    const QStringList titles =
        QString::fromUtf8("74\\e01: Steuer|74ä99: Neu|74<U+202E>00: Umgekehrt|74ä99 (1252): Alt")
            .split(u'|');
    for (int row : {3, 2, 1, 0}) {
        icList()->setCurrentIndex(icList()->model()->index(row, 0));
        EXPECT_EQ(mainWindow->findChild<QLabel*>("Info")->text(), titles[row]);
        EXPECT_EQ(icList()->currentIndex().data().toString(), titles[row].section(':', 0, 0));
    }
    EXPECT_EQ(platform.boxes.size(), 1u); // every listed file loads

    icList()->setCurrentIndex(icList()->model()->index(3, 0));
    platform.answer(MsgAnswer::Yes);
    action("D_entfernen")->trigger();
    EXPECT_EQ(std::pair(::access((lib + "odd/74\xe4"
                                        "99.txt")
                                     .c_str(),
                                 F_OK),
                        ::access((lib + "odd/74\xc3\xa4"
                                        "99.txt")
                                     .c_str(),
                                 F_OK)),
              std::pair(-1, 0));
    action("Suchen")->trigger();
    FindWindow& w = *mainWindow->findCommands()->window();
    EXPECT_EQ(find(w, "NOR"), QStringList(QString::fromUtf8("lä (1252)|4000|Zwei NOR")));
    press(w.textBox(), Qt::Key_Return);
    EXPECT_EQ(grid(), QStringList({"<h1>4001|Fett|14", "4000|Zwei NOR|14"}));
    // Nor is a name taken for markup.
    EXPECT_EQ(mainWindow->findChild<QLabel*>("Info")->textFormat(), Qt::PlainText);
}

// The list draws its own cells: the chosen row in the desktop's highlight
// colours, the others in the plain ones.
TEST_F(IcListView, TheChosenRowIsDrawnInTheHighlightColours) {
    library();
    const QImage shot = icList()->viewport()->grab().toImage();
    const QPalette p = icList()->palette();
    const QPalette::ColorGroup group =
        icList()->isActiveWindow() ? QPalette::Active : QPalette::Inactive;
    // Whether a pixel of the cell has the colour, and the colour at its far right.
    const auto cell = [&](int row, int column, QPalette::ColorRole role) {
        const QRect r = icList()->visualRect(icList()->model()->index(row, column));
        bool found = false;
        for (int x = r.left(); x <= r.right(); ++x)
            for (int y = r.top(); y <= r.bottom(); ++y)
                found = found || shot.pixelColor(x, y) == p.color(group, role);
        return std::pair(found, shot.pixelColor(r.right() - 2, r.center().y()));
    };
    EXPECT_EQ(cell(0, 0, QPalette::HighlightedText),
              std::pair(true, p.color(group, QPalette::Highlight)));
    EXPECT_EQ(cell(1, 0, QPalette::Text), std::pair(true, p.color(group, QPalette::Base)));
}
