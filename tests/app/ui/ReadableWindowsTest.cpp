#include "app/ui/Erststart.h"
#include "editor/ui/WizardFixture.h"
#include "platform/ui/QtPlatform.h"

#include <QAbstractItemView>
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
    // Every visible window: each text fits what shows it, and no caption runs
    // into another caption or under a control.
    void expectReadable(const std::string& where) {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && !qobject_cast<QMenu*>(window))
                expectReadable(window, where + " " + window->objectName().toStdString());
    }

    static void expectReadable(QWidget* window, const std::string& where) {
        QApplication::processEvents();
        // The desktop shows the program's name in place of an empty title.
        EXPECT_FALSE(window->windowTitle().isEmpty()) << where;
        std::vector<std::pair<QWidget*, QRect>> captions; // text extents in window coordinates
        std::vector<QWidget*> controls;
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
                controls.push_back(w);
                const QAbstractItemModel* model = view->model();
                for (int r = 0; r < model->rowCount(); ++r)
                    for (int c = 0; c < model->columnCount(); ++c) {
                        const QModelIndex cell = model->index(r, c);
                        // A cell shown whole in its tooltip may be cut.
                        if (cell.data(Qt::ToolTipRole) != cell.data())
                            fits(cell.data().toString(), view->visualRect(cell).width() - 4);
                    }
            } else if (w->focusPolicy() != Qt::NoFocus) {
                controls.push_back(w);
            }
        }
        for (const auto& [owner, text] : captions) {
            const std::string at = where + ": " + owner->objectName().toStdString();
            for (const auto& [other, otherText] : captions)
                EXPECT_TRUE(owner == other || !text.intersects(otherText))
                    << at << " runs into " << other->objectName().toStdString();
            for (QWidget* control : controls)
                EXPECT_TRUE(
                    control->isAncestorOf(owner) ||
                    !text.intersects(QRect(control->mapTo(window, QPoint()), control->size())))
                    << at << " under " << control->objectName().toStdString();
        }
    }
};

} // namespace

TEST_F(ReadableWindows, EveryWindowReadsWholeInBothLanguagesAndBoxButtonsSpeakIt) {
    // Every shipped sheet, in the directory the first start chooses.
    for (const char* shipped : {"74xx", "40xx"})
        for (const QFileInfo& f : QDir(QStringLiteral(PINATLAS_SOURCE_DIR "/library/") + shipped)
                                      .entryInfoList(QDir::Files))
            QFile::copy(f.filePath(), dir.mkdir("74xx") + f.fileName());
    const auto boxButtons = [] {
        auto box = QtPlatform::messageBox(nullptr, MsgIcon::None, "Pinatlas", "?",
                                          MsgButtons::YesNoCancel);
        QStringList buttons;
        for (QAbstractButton* b : box->buttons())
            buttons << b->text().remove(u'&');
        buttons.sort();
        return buttons.join('/');
    };
    for (const char* language : {"D", "E"}) {
        const std::string where = language;
        haupt.reset();
        QFile::remove(dir.path() + "pinatlas.ini");
        startHaupt();
        expectReadable(where + " first start");
        haupt->erststart()
            ->findChild<QRadioButton*>(*language == 'D' ? "Deutsch" : "Englisch")
            ->setChecked(true);
        haupt->erststart()->accept();
        menu(*language == 'D' ? "Deutsch" : "Englisch"); // the same language twice over
        EXPECT_EQ(boxButtons(), *language == 'D' ? "Abbrechen/Ja/Nein" : "Cancel/No/Yes");
        for (int row = 0; row < haupt->liste()->rowCount(); ++row) {
            haupt->liste()->setCurrentCell(row, 0);
            expectReadable(where + " " + haupt->liste()->item(row, 0)->text().toStdString());
        }
        menu("D_hinzufügen");
        expectReadable(where + " page 1");
        d1()->typeBox()->setText("74HC00");
        for (QCheckBox* option : d1()->findChildren<QCheckBox*>())
            option->setChecked(true);
        for (int shown = 1; shown <= 3; ++shown) {
            press(shown, "Weiter");
            expectReadable(where + " after page " + std::to_string(shown));
        }
        press(d4(), "Weiter");
        d5()->setCell(0, 0, "WWWWWW"); // wider than its characters count
        d5()->Breite_anpassen();
        expectReadable(where + " page 5");
        press(d5(), "Weiter");

        menu("Inform");
        menu("V_hinzufügen");
        expectReadable(where + " dialogs");
    }
}
