// Every task by keyboard alone, and every window readable by a screen reader.
#include "display/ui/DatasheetView.h"
#include "display/ui/PinoutList.h"
#include "editor/ui/WizardFixture.h"
#include "library/ui/FindCommands.h"
#include "platform/ui/QtPlatform.h"

#include <QAccessible>
#include <QDialog>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <functional>

namespace pinatlas::test {
namespace {

class Access : public WizardFixture {
protected:
    void startWithSheets(const char* language) {
        const QString shipped = PINATLAS_SOURCE_DIR "/library/";
        for (const char* sheet : {"74xx/7400.txt", "74xx/7402.txt", "40xx/4001.txt"})
            QFile::copy(shipped + sheet, dir.mkdir(QString(sheet).section('/', 0, 0)) +
                                             QString(sheet).section('/', 1));
        start(language);
        mainWindow->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(mainWindow.get()));
    }

    // Where the keyboard types now: an open menu, else the focused widget.
    static QWidget* target() {
        if (QWidget* popup = QApplication::activePopupWidget())
            return popup;
        return QApplication::focusWidget() ? QApplication::focusWidget()
                                           : QApplication::activeWindow();
    }
    // Keys as "Alt+E D A" or "Tab Tab Return"; a word in quotes is typed.
    static void keys(const QString& sequence) {
        for (const QString& step : sequence.split(u' ', Qt::SkipEmptyParts)) {
            ASSERT_NE(target(), nullptr) << step.toStdString();
            if (step.startsWith(u'"')) {
                QTest::keyClicks(target(), step.mid(1, step.size() - 2));
            } else {
                const QKeyCombination k = QKeySequence(step)[0];
                QTest::keyClick(target(), k.key(), k.keyboardModifiers());
            }
            settle();
        }
    }
    // Tab until the focus rests on `to` or inside it; the names passed.
    static QStringList tabTo(QWidget* to) {
        const auto there = [to] {
            QWidget* focus = QApplication::focusWidget();
            return focus && (focus == to || to->isAncestorOf(focus));
        };
        QStringList passed;
        for (int i = 0; i < 60 && !there(); ++i) {
            keys("Tab");
            passed << QApplication::focusWidget()->objectName();
        }
        EXPECT_TRUE(there()) << to->objectName().toStdString();
        return passed;
    }
    // Forward by Tab and Enter; Tab meets the buttons in the order they stand.
    void forwardByKeys(int n) {
        onPage(n);
        const QString passed = tabTo(get<QPushButton>(n, "Weiter")).join(' ');
        EXPECT_TRUE(passed.endsWith(n == 1 ? "Abbrechen Weiter" : "Zurück Abbrechen Weiter"))
            << n << ": " << passed.toStdString();
        keys("Return");
    }
    // The desktop gives the main window back the focus when another closes.
    // A window closed by Escape hands the keyboard back by itself.
    void backToMain() { ASSERT_TRUE(QTest::qWaitForWindowActive(mainWindow.get())); }
    // The wizard page on screen, active and ready for keys.
    void onPage(int n) {
        ASSERT_NE(page(n), nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(page(n))) << n;
    }

    // Every object that takes the focus or the user's input has a name; a
    // window reports itself as one. Tables and lists are not entered: their
    // cells speak their text.
    static void expectNamed(QWidget* window) {
        const std::function<void(QAccessibleInterface*, const QString&)> walk =
            [&](QAccessibleInterface* at, const QString& path) {
                const QAccessible::State state = at->state();
                const QAccessible::Role role = at->role();
                const QString where = path + '/' + (at->object() ? at->object()->objectName() : "");
                static const QList<QAccessible::Role> interactive = {
                    QAccessible::PushButton,   QAccessible::CheckBox,  QAccessible::ComboBox,
                    QAccessible::EditableText, QAccessible::List,      QAccessible::Table,
                    QAccessible::Tree,         QAccessible::ScrollBar, QAccessible::SpinBox};
                const QString name = at->text(QAccessible::Name).trimmed();
                if (!state.invisible && (state.focusable || interactive.contains(role))) {
                    // A combo box whose name is its current text is as good as nameless.
                    EXPECT_FALSE(name.isEmpty() || (role == QAccessible::ComboBox &&
                                                    name == at->text(QAccessible::Value)))
                        << where.toStdString() << " role " << role;
                }
                if (interactive.contains(role) || state.invisible)
                    return;
                for (int i = 0; i < at->childCount(); ++i)
                    walk(at->child(i), where);
            };
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window);
        EXPECT_TRUE(root->role() == QAccessible::Window || root->role() == QAccessible::Dialog)
            << window->objectName().toStdString();
        walk(root, window->objectName());
    }
    // Every stop of the Tab chain looks different while it holds the focus.
    static void expectFocusShown(QWidget* window) {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QWidget* first = nullptr;
        for (keys("Tab"); QApplication::focusWidget() != first; keys("Tab")) {
            QWidget* focus = QApplication::focusWidget();
            ASSERT_NE(focus, nullptr);
            first = first ? first : focus;
            if (auto* button = qobject_cast<QPushButton*>(focus); button && button->isDefault())
                continue; // drawn alike with the focus or without, as the desktop does
            const QImage focused = focus->grab().toImage();
            focus->clearFocus();
            EXPECT_NE(focused, focus->grab().toImage()) << focus->objectName().toStdString();
            focus->setFocus(Qt::TabFocusReason);
        }
    }
    // What a screen reader reads from the drawn package, item by item.
    QStringList pinout() const {
        QAccessibleInterface* list =
            QAccessible::queryAccessibleInterface(mainWindow->view()->pinout());
        QStringList items{list->text(QAccessible::Name) + ':'};
        EXPECT_EQ(list->parent()->object(), mainWindow->view()->frame());
        for (int i = 0; i < list->childCount(); ++i)
            items << list->child(i)->text(QAccessible::Name);
        return items;
    }
};

TEST_F(Access, EveryWindowNamesItsControlsAndReadsThePinoutPinByPinInBothLanguages) {
    startWithSheets("E");
    keys("Ctrl+F \"7400\" Return");
    firstPage("7499", true, true, true);
    for (int n = 2; n < 5; ++n)
        forward(n);
    for (const bool german : {false, true}) {
        menu(german ? "Deutsch" : "Englisch");
        // Every pin in order, with its role and column (the roles are the core's).
        const QStringList spoken = pinout();
        ASSERT_EQ(spoken.size(), 15);
        EXPECT_EQ(spoken[0], german ? "Pinbelegung:" : "Pinout:");
        EXPECT_EQ(spoken[1],
                  german ? "Pin 1, 1A, Eingang, Spalte A" : "Pin 1, 1A, input, column A");
        EXPECT_EQ(spoken[7], german ? "Pin 7, GND, Versorgung" : "Pin 7, GND, supply");
        EXPECT_EQ(spoken[14], german ? "Pin 14, VCC, Versorgung" : "Pin 14, VCC, supply");
        // The names follow the language, the pins' too.
        EXPECT_EQ(mainWindow->dirBox()->accessibleName(), german ? "Verzeichnis" : "Directory");
        EXPECT_EQ(pinBox('R', 1)->accessibleName(), german ? "Pin 14 Name" : "Pin 14 name");
        expectNamed(mainWindow.get());
        expectNamed(mainWindow->findCommands()->window());
        for (const char* window : {"Familien", "Inform", "V_hinzufügen"}) {
            menu(window);
            expectNamed(QApplication::activeWindow());
        }
        for (int n = 1; n <= 5; ++n)
            expectNamed(page(n));
    }
    for (int n = 1; n <= 5; ++n)
        expectFocusShown(page(n));
    expectFocusShown(mainWindow.get());
    for (const char* window : {"Inform", "V_hinzufügen"}) {
        menu(window);
        expectFocusShown(QApplication::activeWindow());
    }
    // Drawn lines and boxes are not announced: the frame holds the pinout,
    // the comment and the tables.
    QAccessibleInterface* frame =
        QAccessible::queryAccessibleInterface(mainWindow->view()->frame());
    EXPECT_LE(frame->childCount(), 8);
    // Children are counted from 0, and a reader asking past either end gets none.
    QAccessibleInterface* dirBox = QAccessible::queryAccessibleInterface(mainWindow->dirBox());
    for (QAccessibleInterface* at : {frame, dirBox}) {
        EXPECT_EQ(
            std::tuple(at->child(-1), at->child(at->childCount()), at->indexOfChild(at->child(0))),
            std::tuple(nullptr, nullptr, 0));
    }
    EXPECT_TRUE(dirBox->state().expandable);
    // A count of 2 names the right box pin 2.
    get<QScrollBar>(2, "VScroll")->setValue(2);
    EXPECT_EQ(pinBox('R', 1)->accessibleName(), "Pin 2 Name");
}

TEST_F(Access, AMessageBoxGivesTheKeyboardBackToTheWindowThatHadIt) {
    startWithSheets("E");
    mainWindow->icList()->setFocus();
    QWidget* const owners[] = {mainWindow.get(), nullptr};
    for (QWidget* owner : owners) {
        QTimer::singleShot(
            50, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
        QtPlatform().message(owner, MsgIcon::Information, "Pinatlas", "text", MsgButtons::Ok);
        settle();
        const std::pair<QWidget*, QWidget*> expected(mainWindow.get(), mainWindow->icList());
        EXPECT_EQ(std::pair(QApplication::activeWindow(), QApplication::focusWidget()), expected);
    }
}

TEST_F(Access, EveryTaskWithTheKeyboardAlone) {
    startWithSheets("E");
    platform.savePath = dir.path() + "sheet.pdf";
    // Directory and sheet: Tab runs directory box, list, sheet view and round.
    mainWindow->dirBox()->setFocus();
    const QString firstDir = mainWindow->currentDirectory();
    keys("Down");
    EXPECT_NE(mainWindow->currentDirectory(), firstDir);
    if (mainWindow->currentDirectory() != "74xx")
        keys("Up");
    keys("Tab Down");
    EXPECT_EQ(mainWindow->currentType(), "7402");
    keys("Tab");
    EXPECT_EQ(QApplication::focusWidget(), mainWindow->view()->frame());
    keys("End");
    EXPECT_EQ(mainWindow->view()->vScroll()->value(), mainWindow->view()->vScroll()->maximum());
    EXPECT_GT(mainWindow->view()->vScroll()->value(), 0);
    keys("Home Tab");
    EXPECT_TRUE(mainWindow->dirBox()->isAncestorOf(QApplication::focusWidget()) ||
                QApplication::focusWidget() == mainWindow->dirBox());
    // No Alt+letter becomes part of the directory name.
    keys("Alt+J Alt+Z");
    EXPECT_EQ(mainWindow->currentDirectory(), "74xx");

    keys("Alt+? L D");
    EXPECT_TRUE(settings.german());
    keys("Ctrl+F \"4001\" Return Escape");
    EXPECT_EQ(mainWindow->currentType(), "4001");
    backToMain();
    keys("Ctrl+F \"7400\" F3 Shift+F3 Return Escape");
    backToMain();
    keys("Ctrl+Shift+F Escape");
    backToMain();
    EXPECT_EQ(std::pair(mainWindow->currentDirectory(), mainWindow->currentType()),
              std::pair(QString("74xx"), QString("7400")));

    // A new sheet through all five pages, by Tab, Space and Enter.
    keys("Alt+B D H");
    onPage(1);
    keys("\"7499\" Tab \"Test\" Tab \"Probe\" Tab Tab Tab Space Tab Space Tab Space");
    forwardByKeys(1);
    onPage(2);
    keys("Down Tab \"A\" Return \"B\"");
    forwardByKeys(2);
    onPage(3);
    keys("\"note\"");
    forwardByKeys(3);
    onPage(4);
    keys("Tab Tab Tab \"H\"");
    forwardByKeys(4);
    onPage(5);
    keys("\"x\"");
    forwardByKeys(5);
    EXPECT_TRUE(sheet("7499").startsWith("Probe\r\nTest\r\n16\r\n\r\nA\r\nB\r\n"))
        << sheet("7499").left(40).toStdString();

    // Delete asks first, with No as the button Enter presses.
    tabTo(mainWindow->icList());
    platform.answer(MsgAnswer::Yes);
    keys("Delete");
    EXPECT_EQ(platform.boxes.back().defaultButton, MsgAnswer::No);

    // A directory added; adding one starts over in the language of the
    // configuration file.
    keys("Alt+B V H");
    ASSERT_TRUE(QTest::qWaitForWindowActive(mainWindow->findChild<QDialog*>("Neu_V")));
    keys("\"neu\" Return");
    EXPECT_TRUE(dir.exists("neu"));
    EXPECT_FALSE(settings.german());

    keys("Alt+F S");
    EXPECT_TRUE(dir.exists("sheet.pdf"));
    keys("Ctrl+Q");
    EXPECT_FALSE(mainWindow->isVisible());
}

} // namespace
} // namespace pinatlas::test
