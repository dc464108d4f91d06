#include "editor/ui/GeneralPage.h"
#include "editor/ui/Wizard.h"
#include "library/Cp1252.h"
#include "library/IcList.h"
#include "maintenance/ui/LibraryCommands.h"
#include "support/ui/HauptFixture.h"

#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QScrollBar>
#include <QTableWidget>
#include <QToolTip>

using namespace pinatlas;
using namespace pinatlas::test;

namespace {

QByteArray sheet(const char* de, const char* en, int pins = 14) {
    QString text = QString::fromUtf8(de) + "\r\n" + QString::fromUtf8(en) + "\r\n" +
                   QString::number(pins) + "\r\nTP (totem pole)\r\n";
    for (int p = 1; p <= pins; ++p)
        text += QStringLiteral("P%1\r\n").arg(p);
    text += "'Beschreibung-D:\r\nDeutsch\r\n'Beschreibung-E:\r\nEnglish\r\n'Ende\r\n";
    return encodeCp1252(text);
}

class Liste : public HauptFixture {
protected:
    // A program directory with the directory 74xx selected at start.
    void library() {
        dir.mkdir("74xx");
        dir.write("74xx/7402.txt", sheet("Vier NOR-Gatter", "Quad 2-input NOR"));
        dir.write("74xx/74138.txt", sheet("3-zu-8-Dekoder", "3-to-8 line decoder", 16));
        dir.write("74xx/7400.txt", sheet("Vier NAND-Gatter", "Quad 2-input NAND"));
        dir.write("74xx/74LS00.txt", sheet("Vier NAND (LS)", "Quad NAND, LS family"));
        dir.write("pinatlas.ini", "E\r\n 0 \r\n");
    }

    QTableWidget* liste() const { return haupt->liste(); }
    QString info() const { return haupt->findChild<QLabel*>("Info")->text(); }
    QStringList column(int c) const {
        QStringList out;
        for (int r = 0; r < liste()->rowCount(); ++r)
            out << (liste()->item(r, c) ? liste()->item(r, c)->text() : QString());
        return out;
    }
    QStringList headers() const {
        QStringList out;
        for (int c = 0; c < liste()->columnCount(); ++c)
            out << liste()->horizontalHeaderItem(c)->text();
        return out;
    }
    void clickHeader(int column) {
        QHeaderView* header = liste()->horizontalHeader();
        const QPoint at(header->sectionViewportPosition(column) + 5, header->height() / 2);
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent e(type, at, header->viewport()->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
            QApplication::sendEvent(header->viewport(), &e);
        }
        QApplication::processEvents();
    }
    // Box i is the last one and reports the file in the language's words.
    void expectBox(size_t i, Language language, const QString& file) {
        ASSERT_EQ(platform.boxes.size(), i + 1);
        const FileErrorMessage m = defectiveFileMessage(language, dir.path() + file, "\r\n");
        EXPECT_EQ(platform.boxes[i].icon, MsgIcon::None);
        EXPECT_EQ(platform.boxes[i].buttons, MsgButtons::AbortRetryIgnore);
        EXPECT_EQ(platform.boxes[i].title, m.title);
        EXPECT_EQ(platform.boxes[i].text, m.text);
    }
    void clickRow(int row) {
        const QPoint at = liste()->visualRect(liste()->model()->index(row, 0)).center();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent e(type, at, liste()->viewport()->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
            QApplication::sendEvent(liste()->viewport(), &e);
        }
        QApplication::processEvents();
    }
    QPlainTextEdit* doku() const { return haupt->findChild<QPlainTextEdit*>("Doku"); }
};

} // namespace

TEST_F(Liste, ChoosingADirectoryListsItByTypeInTheLanguageAndLoadsTheFirstSheet) {
    library();
    startHaupt();
    EXPECT_EQ(headers(), QStringList({"Type", "Description", "DIL"}));
    EXPECT_EQ(column(0), QStringList({"74LS00", "7400", "7402", "74138"}));
    EXPECT_EQ(column(1), QStringList({"Quad NAND, LS family", "Quad 2-input NAND",
                                      "Quad 2-input NOR", "3-to-8 line decoder"}));
    EXPECT_EQ(column(2), QStringList({"14", "14", "14", "16"}));
    EXPECT_EQ(liste()->currentRow(), 0);
    EXPECT_EQ(info(), "74LS00:  Quad NAND, LS family");
    EXPECT_EQ(doku()->toPlainText(), "English");
    EXPECT_FALSE(doku()->isHidden());
    EXPECT_TRUE(platform.boxes.empty());
    // Few rows: no room is kept for a scroll bar, until the window is too low
    // for them.
    EXPECT_EQ(liste()->columnWidth(1), 170);
    haupt->resize(haupt->width(), haupt->menuBar()->height() + 100);
    QApplication::processEvents();
    EXPECT_EQ(liste()->columnWidth(1), 153);

    action("Deutsch")->trigger();
    EXPECT_EQ(headers(), QStringList({"Typ", "Beschreibung", "DIL"}));
    EXPECT_EQ(column(1).first(), "Vier NAND (LS)");
    EXPECT_EQ(info(), "74LS00: Vier NAND (LS)");
    EXPECT_EQ(doku()->toPlainText(), "Deutsch");
}

TEST_F(Liste, SortCommandsResortButHeaderClicksAlsoReload) {
    library();
    startHaupt();
    action("SortIC2")->trigger();
    EXPECT_EQ(column(0), QStringList({"74138", "7402", "7400", "74LS00"}));
    EXPECT_EQ(info(), "74LS00:  Quad NAND, LS family"); // still the earlier sheet
    action("SortIC1")->trigger();

    clickHeader(1);
    EXPECT_EQ(settings.sortMode, 1);
    EXPECT_TRUE(action("SortIC2")->isChecked());
    EXPECT_EQ(info(), "74138:  3-to-8 line decoder");
    liste()->setCurrentCell(1, 0);
    EXPECT_EQ(info(), "7402:  Quad 2-input NOR");
    clickHeader(2); // DIL
    EXPECT_EQ(settings.sortMode, 1);
    EXPECT_EQ(liste()->currentRow(), 1);
    EXPECT_EQ(info(), "7402:  Quad 2-input NOR");
    clickHeader(0);
    EXPECT_EQ(settings.sortMode, 0);
    EXPECT_TRUE(action("SortIC1")->isChecked());
    EXPECT_EQ(info(), "74LS00:  Quad NAND, LS family");

    // The header of the present order rebuilds and reloads the first IC; in
    // German the German descriptions decide.
    action("Deutsch")->trigger();
    clickHeader(1);
    liste()->setCurrentCell(1, 0);
    clickHeader(1);
    EXPECT_EQ(column(0), QStringList({"74138", "74LS00", "7400", "7402"}));
    EXPECT_EQ(liste()->currentRow(), 0);
    EXPECT_EQ(info(), "74138: 3-zu-8-Dekoder");
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(Liste, LongListsLeaveRoomForTheScrollBarAndKeepTheChosenRowInView) {
    for (int k = 0; k < 200; ++k)
        dir.write(QStringLiteral("big/%1.txt").arg(1000 + k), sheet("d", "e"));
    dir.write("pinatlas.ini", "E\r\n 0 \r\n");
    startHaupt();
    EXPECT_EQ(liste()->rowCount(), 200);
    EXPECT_EQ(liste()->columnWidth(0), 63);
    EXPECT_EQ(liste()->columnWidth(1), 153);
    EXPECT_EQ(liste()->columnWidth(2), 27);
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
    EXPECT_EQ(info(), QStringLiteral("%1:  e").arg(1000 + last));
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

TEST_F(Liste, TheTooltipShowsTheCellUnderThePointer) {
    library();
    startHaupt();
    auto tipAt = [](QWidget* widget, QPoint at) {
        QToolTip::hideText();
        QHelpEvent e(QEvent::ToolTip, at, widget->mapToGlobal(at));
        QApplication::sendEvent(widget, &e);
        return QToolTip::text();
    };
    const QRect cell = liste()->visualItemRect(liste()->item(0, 1));
    EXPECT_EQ(tipAt(liste()->viewport(), cell.center()), "Quad NAND, LS family");
    QHeaderView* header = liste()->horizontalHeader();
    EXPECT_EQ(tipAt(header->viewport(),
                    QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2)),
              "Description");
}

TEST_F(Liste, NoTypedDirectoryNameEverLeadsOutOfTheLibraries) {
    library();
    dir.mkdir("leer");
    // Another library that the typed names below would reach by a detour, and
    // a bad file in the program directory itself beside the configuration file.
    dir.write("other/7400.txt", sheet("Fremd", "Foreign"));
    dir.write("bad.txt", "x");
    dir.write("pinatlas.ini", "E\r\n-1 \r\n"); // no directory chosen
    const QString self = QDir(dir.path()).dirName();
    startHaupt();
    EXPECT_EQ(haupt->dirBox()->currentText(), "");
    EXPECT_EQ(headers(), QStringList({"Type", "Description", "DIL"}));
    haupt->Liste_aufbauen();
    haupt->Datenblatt_laden();
    for (const QString& typed :
         {QString(), QString("leer"), QString("74xx/../other"),
          QString("..") + QDir::separator() + self + "/other", QString("."), QString(".."),
          QString("./other"), dir.path() + "other", QString("74xx\\..\\other")}) {
        haupt->dirBox()->setEditText(typed);
        haupt->Liste_aufbauen();
        EXPECT_EQ(column(0), QStringList({""})) << typed.toStdString();
    }
    EXPECT_EQ(info(), "");
    EXPECT_TRUE(platform.boxes.empty());

    // A load with a typed name that leaves the directory is refused like a
    // file that cannot be opened.
    haupt->dirBox()->setEditText("74xx");
    haupt->Liste_aufbauen();
    haupt->dirBox()->setEditText("74xx/../other");
    platform.answer(MsgAnswer::Ignore);
    liste()->setCurrentCell(1, 0);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_NE(info(), "7400: Fremd");
    // So is the edit command's reading.
    haupt->wizard()->startEdit();
    EXPECT_EQ(platform.boxes.size(), 2u);
    EXPECT_EQ(haupt->wizard()->page1(), nullptr);
}

TEST_F(Liste, AnUnreadableFileIsReportedIgnoreEmptiesTheGridRetryReadsAgainAbortEnds) {
    library();
    startHaupt();
    ASSERT_EQ(liste()->rowCount(), 4);
    dir.write("74xx/notes", "only\r\ntwo lines\r\n");
    platform.answer(MsgAnswer::Ignore);
    haupt->Liste_aufbauen();
    expectBox(0, Language::English, "74xx/notes");
    EXPECT_EQ(column(0), QStringList({"", "", "", ""}));
    EXPECT_EQ(headers(), QStringList({"Type", "Description", "DIL"}));

    platform.answer(MsgAnswer::Retry);
    platform.answer(MsgAnswer::Abort);
    EXPECT_EQ(platform.endNowCalls, 0);
    haupt->Liste_aufbauen();
    expectBox(2, Language::English, "74xx/notes");
    EXPECT_EQ(platform.endNowCalls, 1);
    EXPECT_EQ(dir.read("pinatlas.ini"), QByteArray("E\r\n 0 \r\n"));
}

TEST_F(Liste, ADefectiveSheetIsReportedWhenLoaded) {
    library();
    dir.write("74xx/7404.txt", sheet("Sechs Inverter", "Hex inverter", 41));
    // Read past its pin names before the defect shows.
    dir.write("74xx/7401.txt", sheet("a", "b").replace("'Ende\r\n", "'Funktionstabelle:\r\n"));
    startHaupt();
    ASSERT_EQ(column(0), QStringList({"74LS00", "7400", "7401", "7402", "7404", "74138"}));

    // Ignore: the previous sheet stays on display, and so does its comment
    // unless the reading had already cleared it.
    platform.answer(MsgAnswer::Ignore);
    liste()->setCurrentCell(4, 0);
    expectBox(0, Language::English, "74xx/7404.txt");
    EXPECT_EQ(info(), "74LS00:  Quad NAND, LS family");
    EXPECT_EQ(doku()->toPlainText(), "English");
    platform.answer(MsgAnswer::Ignore);
    liste()->setCurrentCell(2, 0);
    expectBox(1, Language::English, "74xx/7401.txt");
    EXPECT_EQ(info(), "74LS00:  Quad NAND, LS family");
    EXPECT_TRUE(doku()->isHidden());
    EXPECT_EQ(doku()->toPlainText(), "");

    // Retry rebuilds the list but loads nothing.
    platform.answer(MsgAnswer::Retry);
    liste()->setCurrentCell(4, 0);
    EXPECT_EQ(platform.boxes.size(), 3u);
    EXPECT_EQ(liste()->currentRow(), 0);
    EXPECT_EQ(info(), "74LS00:  Quad NAND, LS family");

    // Clicked, whatever the answer: remove and edit act on the highlighted row.
    for (const MsgAnswer answer : {MsgAnswer::Ignore, MsgAnswer::Retry}) {
        clickRow(1);
        platform.answer(answer);
        clickRow(4);
        const QModelIndexList highlighted = liste()->selectionModel()->selectedRows();
        ASSERT_EQ(highlighted.size(), 1);
        ASSERT_EQ(highlighted[0].row(), liste()->currentRow());
        const QString type = column(0)[liste()->currentRow()] + ".txt";
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
    const size_t shown = platform.boxes.size();
    platform.answer(MsgAnswer::Abort);
    liste()->setCurrentCell(4, 0);
    EXPECT_EQ(platform.boxes.size(), shown + 1);
    EXPECT_EQ(platform.endNowCalls, 1);
    EXPECT_EQ(dir.read("pinatlas.ini"), QByteArray("E\r\n 0 \r\n"));
}

TEST_F(Liste, AFileWithoutTheTxtEndingIsListedButCannotBeLoaded) {
    dir.write("x/readme", "eins\r\nzwei\r\ndrei\r\n");
    dir.write("pinatlas.ini", "D\r\n 0 \r\n");
    platform.answer(MsgAnswer::Ignore);
    startHaupt();
    EXPECT_EQ(column(0), QStringList({"re"}));
    expectBox(0, Language::German, "x/re.txt");
}
