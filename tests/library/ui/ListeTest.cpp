#include "editor/ui/Neu_D1.h"
#include "editor/ui/Wizard.h"
#include "library/IcList.h"
#include "maintenance/ui/LibraryCommands.h"
#include "support/ui/LibraryWindow.h"

#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QProxyStyle>
#include <QScrollBar>

using namespace pinatlas;
using namespace pinatlas::test;

namespace {

class Liste : public LibraryWindow {
protected:
    // A program directory with the directory 74xx selected at start.
    void library() {
        dir.write("74xx/7402.txt", librarySheet("Vier NOR-Gatter", "Quad 2-input NOR"));
        dir.write("74xx/74138.txt", librarySheet("3-zu-8-Dekoder", "3-to-8 line decoder", 16));
        dir.write("74xx/7400.txt", librarySheet("Vier NAND-Gatter", "Quad 2-input NAND"));
        dir.write("74xx/74LS00.txt", librarySheet("Vier NAND (LS)", "Quad NAND, LS family"));
        dir.write("pinatlas.ini", "E\r\n 0 \r\n");
    }
    // The header, then each row, cells joined by '|'.
    QStringList grid() const {
        QStringList out;
        for (int r = -1; r < liste()->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < 3; ++c) {
                const auto* item = r < 0 ? liste()->horizontalHeaderItem(c) : liste()->item(r, c);
                cells << (item ? item->text() : QString());
            }
            out << cells.join(u'|');
        }
        return out;
    }
    QString types() const {
        QStringList out;
        for (int r = 0; r < liste()->rowCount(); ++r)
            out << liste()->item(r, 0)->text();
        return out.join(u' ');
    }
    void clickHeader(int column) {
        QHeaderView* header = liste()->horizontalHeader();
        click(header->viewport(),
              QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
    }
    void clickRow(int row) {
        click(liste()->viewport(), liste()->visualRect(liste()->model()->index(row, 0)).center());
    }
    // Box i is the last one and reports the file in the language's words.
    void expectBox(size_t i, const char* language, const QString& file) {
        ASSERT_EQ(platform.boxes.size(), i + 1);
        const FileErrorMessage m = defectiveFileMessage(language, dir.path() + file, "\r\n");
        const FakePlatform::Box& b = platform.boxes[i];
        EXPECT_EQ(std::tuple(b.icon, b.buttons, b.title, b.text),
                  std::tuple(MsgIcon::None, MsgButtons::AbortRetryIgnore, m.title, m.text));
    }
};

} // namespace

TEST_F(Liste, ChoosingADirectoryListsItByTypeInTheLanguageAndLoadsTheFirstSheet) {
    library();
    startHaupt();
    EXPECT_EQ(grid(), QStringList({"Type|Description|DIL", "74LS00|Quad NAND, LS family|14",
                                   "7400|Quad 2-input NAND|14", "7402|Quad 2-input NOR|14",
                                   "74138|3-to-8 line decoder|16"}));
    EXPECT_EQ(shown(), "74xx/74LS00 74LS00:  Quad NAND, LS family [English]");
    EXPECT_TRUE(platform.boxes.empty());
    // Texts the narrow columns cut are shown whole as tooltips.
    EXPECT_EQ(liste()->item(0, 1)->toolTip(), "Quad NAND, LS family");
    EXPECT_EQ(liste()->horizontalHeaderItem(1)->toolTip(), "Description");
    // Few rows: no room is kept for a scroll bar, until the window is too low
    // for them.
    EXPECT_EQ(liste()->columnWidth(1), 170);
    haupt->resize(haupt->width(), haupt->menuBar()->height() + 100);
    QApplication::processEvents();
    EXPECT_EQ(liste()->columnWidth(1), 153);

    action("Deutsch")->trigger();
    EXPECT_EQ(grid().mid(0, 2), QStringList({"Typ|Beschreibung|DIL", "74LS00|Vier NAND (LS)|14"}));
    EXPECT_EQ(shown(), "74xx/74LS00 74LS00: Vier NAND (LS) [Deutsch]");
}

TEST_F(Liste, SortCommandsResortButHeaderClicksAlsoReload) {
    library();
    startHaupt();
    action("SortIC2")->trigger();
    EXPECT_EQ(types(), "74138 7402 7400 74LS00");
    EXPECT_EQ(shown(), "74xx/74138 74LS00:  Quad NAND, LS family [English]"); // not reloaded
    action("SortIC1")->trigger();

    clickHeader(1);
    EXPECT_EQ(std::pair(int(settings.sortMode), action("SortIC2")->isChecked()),
              std::pair(1, true));
    EXPECT_EQ(shown(), "74xx/74138 74138:  3-to-8 line decoder [English]");
    liste()->setCurrentCell(1, 0);
    clickHeader(2); // DIL
    EXPECT_EQ(settings.sortMode, 1);
    EXPECT_EQ(shown(), "74xx/7402 7402:  Quad 2-input NOR [English]");
    clickHeader(0);
    EXPECT_EQ(std::pair(int(settings.sortMode), action("SortIC1")->isChecked()),
              std::pair(0, true));
    EXPECT_EQ(shown(), "74xx/74LS00 74LS00:  Quad NAND, LS family [English]");

    // The header of the present order rebuilds and reloads the first IC; in
    // German the German descriptions decide.
    action("Deutsch")->trigger();
    clickHeader(1);
    liste()->setCurrentCell(1, 0);
    clickHeader(1);
    EXPECT_EQ(types(), "74138 74LS00 7400 7402");
    EXPECT_EQ(shown(), "74xx/74138 74138: 3-zu-8-Dekoder [Deutsch]");
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(Liste, LongListsLeaveRoomForTheScrollBarAndKeepTheChosenRowInView) {
    for (int k = 0; k < 200; ++k)
        dir.write(QStringLiteral("big/%1.txt").arg(1000 + k), librarySheet("d", "e"));
    dir.write("pinatlas.ini", "E\r\n 0 \r\n");
    startHaupt();
    EXPECT_EQ(liste()->rowCount(), 200);
    EXPECT_EQ(std::tuple(liste()->columnWidth(0), liste()->columnWidth(1), liste()->columnWidth(2)),
              std::tuple(63, 153, 27));
    // The last row shown whole.
    const int height = liste()->viewport()->height();
    int last = liste()->rowAt(height - 1);
    if (liste()->visualItemRect(liste()->item(last, 0)).bottom() >= height)
        --last;
    ASSERT_GT(last, 2);
    ASSERT_LT(last, 150);
    liste()->setCurrentCell(last - 1, 0); // its neighbour below is still in view
    EXPECT_EQ(liste()->rowAt(0), 0);
    liste()->setCurrentCell(last, 0);
    EXPECT_EQ(liste()->rowAt(0), last);
    EXPECT_EQ(shown(), QStringLiteral("big/%1 %1:  e [English]").arg(1000 + last).toStdString());
    // Upwards onto a row above the top: it becomes the top row.
    liste()->setCurrentCell(last - 1, 0);
    EXPECT_EQ(liste()->rowAt(0), last - 1);
    // The scroll bar moves by whole rows, even where the desktop's style
    // scrolls by pixels: none is cut under the header.
    struct PixelScrolling : QProxyStyle {
        int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                      QStyleHintReturn* data) const override {
            return hint == SH_ItemView_ScrollMode
                       ? QAbstractItemView::ScrollPerPixel
                       : QProxyStyle::styleHint(hint, option, widget, data);
        }
    } pixelScrolling;
    liste()->setStyle(&pixelScrolling);
    for (int step = 1; step < 4; ++step) {
        liste()->verticalScrollBar()->setValue(liste()->verticalScrollBar()->value() + step);
        EXPECT_EQ(liste()->rowViewportPosition(liste()->rowAt(0)), 0);
    }
    liste()->setStyle(nullptr);
}

TEST_F(Liste, NoTypedDirectoryNameEverLeadsOutOfTheLibraries) {
    library();
    dir.mkdir("leer");
    // Another library that the typed names below would reach by a detour, and
    // a bad file in the program directory itself beside the configuration file.
    dir.write("other/7400.txt", librarySheet("Fremd", "Foreign"));
    dir.write("bad.txt", "x");
    dir.write("pinatlas.ini", "E\r\n-1 \r\n"); // no directory chosen
    const QString self = QDir(dir.path()).dirName();
    startHaupt();
    EXPECT_EQ(grid(), QStringList({"Type|Description|DIL", "||"}));
    haupt->Liste_aufbauen();
    haupt->Datenblatt_laden();
    for (const QString& typed :
         {QString(), QString("leer"), QString("74xx/../other"),
          QString("..") + QDir::separator() + self + "/other", QString("."), QString(".."),
          QString("./other"), dir.path() + "other", QString("74xx\\..\\other")}) {
        haupt->dirBox()->setEditText(typed);
        haupt->Liste_aufbauen();
        EXPECT_EQ(grid(), QStringList({"Type|Description|DIL", "||"})) << typed.toStdString();
    }
    EXPECT_EQ(haupt->findChild<QLabel*>("Info")->text(), "");
    EXPECT_TRUE(platform.boxes.empty());

    // A load with a typed name that leaves the directory is refused like a
    // file that cannot be opened, and so is the edit command's reading.
    haupt->dirBox()->setEditText("74xx");
    haupt->Liste_aufbauen();
    haupt->dirBox()->setEditText("74xx/../other");
    platform.answer(MsgAnswer::Ignore);
    liste()->setCurrentCell(1, 0);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_NE(haupt->findChild<QLabel*>("Info")->text(), "7400: Fremd");
    haupt->wizard()->startEdit();
    EXPECT_EQ(platform.boxes.size(), 2u);
    EXPECT_EQ(haupt->wizard()->page1(), nullptr);
}

TEST_F(Liste, AnUnreadableFileIsReportedIgnoreEmptiesTheGridRetryReadsAgainAbortEnds) {
    library();
    startHaupt();
    dir.write("74xx/notes", "only\r\ntwo lines\r\n");
    platform.answer(MsgAnswer::Ignore);
    haupt->Liste_aufbauen();
    expectBox(0, "E", "74xx/notes");
    EXPECT_EQ(grid(), QStringList({"Type|Description|DIL", "||", "||", "||", "||"}));

    platform.answer(MsgAnswer::Retry);
    platform.answer(MsgAnswer::Abort);
    EXPECT_EQ(platform.endNowCalls, 0);
    haupt->Liste_aufbauen();
    expectBox(2, "E", "74xx/notes");
    EXPECT_EQ(platform.endNowCalls, 1);
    EXPECT_EQ(dir.read("pinatlas.ini"), QByteArray("E\r\n 0 \r\n"));
}

TEST_F(Liste, ADefectiveSheetIsReportedWhenLoaded) {
    library();
    dir.write("74xx/7404.txt", librarySheet("Sechs Inverter", "Hex inverter", 41));
    // Read past its pin names before the defect shows.
    dir.write("74xx/7401.txt",
              librarySheet("a", "b").replace("'Ende\r\n", "'Funktionstabelle:\r\n"));
    startHaupt();
    ASSERT_EQ(types(), "74LS00 7400 7401 7402 7404 74138");

    // Ignore: the previous sheet stays on display, and so does its comment
    // unless the reading had already cleared it.
    const std::string before = "74LS00:  Quad NAND, LS family [English]";
    platform.answer(MsgAnswer::Ignore);
    liste()->setCurrentCell(4, 0);
    expectBox(0, "E", "74xx/7404.txt");
    EXPECT_EQ(shown(), "74xx/7404 " + before);
    platform.answer(MsgAnswer::Ignore);
    liste()->setCurrentCell(2, 0);
    expectBox(1, "E", "74xx/7401.txt");
    EXPECT_EQ(shown(), "74xx/7401 74LS00:  Quad NAND, LS family [-]");

    // Retry rebuilds the list but loads nothing.
    platform.answer(MsgAnswer::Retry);
    liste()->setCurrentCell(4, 0);
    EXPECT_EQ(platform.boxes.size(), 3u);
    EXPECT_EQ(shown(), "74xx/74LS00 74LS00:  Quad NAND, LS family [-]");

    // Clicked, whatever the answer: remove and edit act on the highlighted row.
    for (const MsgAnswer answer : {MsgAnswer::Ignore, MsgAnswer::Retry}) {
        clickRow(1);
        platform.answer(answer);
        clickRow(4);
        const QModelIndexList highlighted = liste()->selectionModel()->selectedRows();
        ASSERT_EQ(highlighted.size(), 1);
        ASSERT_EQ(highlighted[0].row(), liste()->currentRow());
        const QString type = liste()->item(liste()->currentRow(), 0)->text() + ".txt";
        platform.answer(MsgAnswer::No);
        haupt->libraryCommands()->removeDatasheet();
        EXPECT_TRUE(platform.boxes.back().text.contains(type.chopped(4) + " ?"));
        const size_t boxes = platform.boxes.size();
        haupt->wizard()->startEdit();
        if (haupt->wizard()->page1())
            EXPECT_EQ(haupt->wizard()->page1()->typeBox()->text() + ".txt", type);
        else
            EXPECT_TRUE(platform.boxes.at(boxes).text.contains(type));
    }

    // Abort ends the program at once and writes nothing.
    const size_t shownBoxes = platform.boxes.size();
    platform.answer(MsgAnswer::Abort);
    liste()->setCurrentCell(4, 0);
    EXPECT_EQ(platform.boxes.size(), shownBoxes + 1);
    EXPECT_EQ(platform.endNowCalls, 1);
    EXPECT_EQ(dir.read("pinatlas.ini"), QByteArray("E\r\n 0 \r\n"));
}
