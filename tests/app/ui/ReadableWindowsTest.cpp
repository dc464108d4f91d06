#include "app/ui/FirstStartDialog.h"
#include "editor/ui/WizardFixture.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/QtPlatform.h"

#include <QAbstractItemView>
#include <QFontInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QStyle>

using namespace pinatlas;
using namespace pinatlas::test;

namespace {

class ReadableWindows : public WizardFixture {
protected:
    // Every visible window: each text fits what shows it, no caption runs into
    // another caption or under a control, and the desktop shows the program's
    // name in place of an empty title.
    static void expectReadable(const std::string& when) {
        QApplication::processEvents();
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && !qobject_cast<QMenu*>(window))
                expectReadable(window, when + " " + window->objectName().toStdString());
    }

    static void expectReadable(QWidget* window, const std::string& where) {
        EXPECT_FALSE(window->windowTitle().isEmpty()) << where;
        // Text extents and controls, in window coordinates.
        std::vector<std::pair<QWidget*, QRect>> captions, controls;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->isVisible() || w->window() != window)
                continue;
            const std::string at = where + ": " + w->objectName().toStdString();
            const QFontMetrics fm = w->fontMetrics();
            const auto fits = [&](const QString& text, int room) {
                EXPECT_LE(fm.horizontalAdvance(text), room) << at << " \"" << text.toStdString();
            };
            // A caption drawn smaller than the window's font had no room.
            const auto caption = [&](const QRect& r) {
                EXPECT_GE(w->font().pointSizeF(), window->font().pointSizeF()) << at;
                captions.emplace_back(w, QRect(w->mapTo(window, r.topLeft()), r.size()));
            };
            if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty()) {
                const QRect room =
                    label->contentsRect().adjusted(label->margin(), 0, -label->margin(), 0);
                const QRect text = fm.boundingRect(
                    room, int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0),
                    label->textFormat() == Qt::RichText ? QString() : label->text());
                EXPECT_TRUE(room.contains(text)) << at << " \"" << label->text().toStdString();
                caption(text);
            } else if (auto* button = qobject_cast<QPushButton*>(w)) {
                const QString text = button->text().remove(u'&');
                fits(text, button->width() -
                               2 * w->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, w));
                QRect r(QPoint(), fm.size(0, text));
                r.moveCenter(button->rect().center());
                caption(r);
            } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
                caption(QRect(0, 0, std::min(w->sizeHint().width(), w->width()), w->height()));
            } else if (auto* view = qobject_cast<QAbstractItemView*>(w);
                       view && !qobject_cast<QHeaderView*>(w)) {
                controls.emplace_back(w, QRect(w->mapTo(window, QPoint()), w->size()));
                const QAbstractItemModel* model = view->model();
                for (int r = 0; r < model->rowCount(); ++r)
                    for (int c = 0; c < model->columnCount(); ++c) {
                        const QModelIndex cell = model->index(r, c);
                        // A cell shown whole in its tooltip may be cut.
                        if (cell.data(Qt::ToolTipRole) != cell.data())
                            fits(cell.data().toString(), view->visualRect(cell).width() - 4);
                    }
            } else if (w->focusPolicy() != Qt::NoFocus) {
                controls.emplace_back(w, QRect(w->mapTo(window, QPoint()), w->size()));
            }
        }
        for (const auto& [owner, text] : captions)
            for (const auto* others : {&captions, &controls})
                for (const auto& [other, area] : *others)
                    EXPECT_TRUE(other == owner || other->isAncestorOf(owner) ||
                                !text.intersects(area))
                        << where << ": " << owner->objectName().toStdString() << " runs into "
                        << other->objectName().toStdString();
    }
};

} // namespace

TEST_F(ReadableWindows, EveryWindowReadsWholeInBothLanguagesAndBoxButtonsSpeakIt) {
    // Every shipped sheet, in the directory the first start chooses.
    for (const char* shipped : {"74xx", "40xx"})
        for (const QFileInfo& f :
             QDir(QString(PINATLAS_SOURCE_DIR "/library/") + shipped).entryInfoList(QDir::Files))
            QFile::copy(f.filePath(), dir.mkdir("74xx") + f.fileName());
    for (const char* language : {"D", "E"}) {
        const std::string where = language;
        mainWindow.reset();
        QFile::remove(dir.path() + "pinatlas.ini");
        startMainWindow();
        expectReadable(where + " first start");
        mainWindow->firstStartDialog()
            ->findChild<QRadioButton*>(*language == 'D' ? "Deutsch" : "Englisch")
            ->setChecked(true);
        mainWindow->firstStartDialog()->accept();
        menu(*language == 'D' ? "Deutsch" : "Englisch"); // the same language twice over
        // Message boxes word their buttons in the language chosen.
        QtPlatform().useToolkitLanguage(platform.toolkitGerman);
        const auto box = QtPlatform::messageBox(nullptr, {}, "", "<h1>7400", MsgButtons::OkCancel);
        EXPECT_EQ(box->button(QMessageBox::Cancel)->text(),
                  *language == 'D' ? "Abbrechen" : "Cancel");
        EXPECT_EQ(box->textFormat(), Qt::PlainText); // a name is never markup
        QTableView* list = mainWindow->icList();
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            list->setCurrentIndex(list->model()->index(row, 0));
            expectReadable(where + " " + list->currentIndex().data().toString().toStdString());
        }
        menu("D_hinzufügen");
        expectReadable(where + " page 1");
        get(1, "N_Typ")->setText("74HC00");
        for (QCheckBox* option : page(1)->findChildren<QCheckBox*>())
            option->setChecked(true);
        for (int shown = 1; shown <= 3; ++shown) {
            press(shown, "Weiter");
            expectReadable(where + " after page " + std::to_string(shown));
        }
        press(4, "Weiter");
        tablePage(5)->setCell(0, 0, "WWWWWW"); // wider than its characters count
        tablePage(5)->Breite_anpassen();
        expectReadable(where + " page 5");
        press(5, "Weiter");

        menu("Inform");
        menu("V_hinzufügen");
        expectReadable(where + " dialogs");
    }
}

// Named by their installed twins, the classic fonts must still be the faces
// the toolkit's own substitution gives, or every twips layout would shift.
TEST(DesktopFonts, AreTheFacesTheToolkitWouldSubstitute) {
    const struct {
        const char* family;
        double points;
        bool bold;
    } rows[] = {{"MS Sans Serif", 8.25, false},
                {"MS Sans Serif", 8.25, true},
                {"Arial", 9.75, true},
                {"Courier New", 8.25, false}};
    for (const auto& r : rows) {
        QFont classic(QString::fromLatin1(r.family));
        classic.setPointSizeF(r.points);
        classic.setBold(r.bold);
        const QFontInfo want(classic);
        const QFontInfo got(desktopFont(QString::fromLatin1(r.family), r.points, r.bold));
        EXPECT_EQ(got.family(), want.family()) << r.family;
        EXPECT_EQ(got.pixelSize(), want.pixelSize()) << r.family;
        EXPECT_EQ(got.bold(), want.bold()) << r.family;
    }
}
