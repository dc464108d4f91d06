#pragma once

#include "editor/ui/CommentPage.h"
#include "editor/ui/ExtraGridPage.h"
#include "editor/ui/FunctionGridPage.h"
#include "editor/ui/GeneralPage.h"
#include "editor/ui/PinoutPage.h"
#include "editor/ui/Wizard.h"
#include "support/ui/HauptFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>

namespace pinatlas::test {

// A main window over a program directory with the library directory "74xx",
// driving the wizard through its windows.
class WizardFixture : public HauptFixture {
protected:
    void start(const char* language = "E") {
        dir.mkdir("74xx");
        dir.write("pinatlas.ini", QByteArray(language) + "\r\n 0 \r\n");
        startHaupt();
    }
    static void settle() {
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void menu(const char* name) {
        action(QString::fromUtf8(name))->trigger();
        settle();
    }
    template <class T = QWidget> T* page(const char* name) const {
        return haupt->findChild<T*>(QString::fromUtf8(name));
    }
    GeneralPage* d1() const { return page<GeneralPage>("Neu_D1"); }
    PinoutPage* d2() const { return page<PinoutPage>("Neu_D2"); }
    CommentPage* d3() const { return page<CommentPage>("Neu_D3"); }
    FunctionGridPage* d4() const { return page<FunctionGridPage>("Neu_D4"); }
    ExtraGridPage* d5() const { return page<ExtraGridPage>("Neu_D5"); }
    // The names of the wizard pages that are visible, in page order.
    QStringList visiblePages() const {
        QStringList names;
        for (const char* n : {"Neu_D1", "Neu_D2", "Neu_D3", "Neu_D4", "Neu_D5"})
            if (QWidget* p = page(n); p && p->isVisible())
                names << QString::fromUtf8(n);
        return names;
    }
    void press(QWidget* onPage, const char* button) {
        ASSERT_NE(onPage, nullptr);
        auto* b = onPage->findChild<QPushButton*>(QString::fromUtf8(button));
        ASSERT_NE(b, nullptr);
        b->click();
        settle();
    }
    // Presses a button and expects only the page `then` on screen afterwards.
    void move(QWidget* onPage, const char* button, const QString& then) {
        press(onPage, button);
        EXPECT_EQ(visiblePages(), QStringList({then}));
    }
    static QLineEdit* box(QWidget* onPage, const char* name) {
        return onPage->findChild<QLineEdit*>(QString::fromUtf8(name));
    }
    static void key(QWidget* w, int k, Qt::KeyboardModifiers mods = Qt::NoModifier,
                    const QString& text = {}) {
        QKeyEvent press(QEvent::KeyPress, k, mods, text);
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, k, mods, text);
        QApplication::sendEvent(w, &release);
    }
    static void type(QWidget* w, const QString& text) {
        for (const QChar c : text)
            key(w, c.isLetterOrNumber() ? int(c.toUpper().unicode()) : 0, Qt::NoModifier,
                QString(c));
    }
    // Fills page 1 and moves on to page 2.
    void firstPage(const QString& type, bool comments, bool functionTable, bool extraTable) {
        menu("D_hinzufügen");
        d1()->typeBox()->setText(type);
        d1()->commentsBox()->setChecked(comments);
        d1()->functionTableBox()->setChecked(functionTable);
        d1()->extraTableBox()->setChecked(extraTable);
        press(d1(), "Weiter");
    }
    // One message naming the problem; nothing written; the wizard still on that page.
    void expectRefused(const QString& part, const QString& onPage) {
        ASSERT_EQ(platform.boxes.size(), 1u);
        EXPECT_EQ(platform.boxes[0].title, "Pinatlas");
        EXPECT_TRUE(platform.boxes[0].text.contains(part)) << platform.boxes[0].text.toStdString();
        EXPECT_TRUE(QDir(dir.path() + "74xx").entryList(QDir::Files | QDir::Hidden).isEmpty());
        EXPECT_EQ(visiblePages(), QStringList({onPage}));
    }
    QByteArray sheet(const QString& type) const { return dir.read("74xx/" + type + ".txt"); }
    void selectInList(const QString& type) {
        QTableWidget* liste = haupt->liste();
        for (int r = 0; r < liste->rowCount(); ++r)
            if (liste->item(r, 0) && liste->item(r, 0)->text() == type)
                liste->setCurrentCell(r, 0);
        settle();
    }
};

} // namespace pinatlas::test
