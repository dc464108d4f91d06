#pragma once

#include "editor/ui/CommentPage.h"
#include "editor/ui/ExtraGridPage.h"
#include "editor/ui/FunctionGridPage.h"
#include "editor/ui/GeneralPage.h"
#include "editor/ui/PinoutPage.h"
#include "support/ui/HauptFixture.h"
#include "support/ui/Settle.h"

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
// driving the wizard as a user does: its pages "Neu_D1" to "Neu_D5" and their
// controls are found by name.
class WizardFixture : public HauptFixture {
protected:
    void start(const char* language = "E") {
        dir.mkdir("74xx");
        dir.write("pinatlas.ini", QByteArray(language) + "\r\n 0 \r\n");
        startHaupt();
    }
    void menu(const char* name) {
        action(QString::fromUtf8(name))->trigger();
        settle();
    }
    QWidget* page(int n) const { return haupt->findChild<QWidget*>(QString("Neu_D%1").arg(n)); }
    GeneralPage* d1() const { return haupt->findChild<GeneralPage*>("Neu_D1"); }
    PinoutPage* d2() const { return haupt->findChild<PinoutPage*>("Neu_D2"); }
    CommentPage* d3() const { return haupt->findChild<CommentPage*>("Neu_D3"); }
    FunctionGridPage* d4() const { return haupt->findChild<FunctionGridPage*>("Neu_D4"); }
    ExtraGridPage* d5() const { return haupt->findChild<ExtraGridPage*>("Neu_D5"); }
    static QLineEdit* box(QWidget* onPage, const char* name) {
        return onPage->findChild<QLineEdit*>(QString::fromUtf8(name));
    }
    template <class T = QLineEdit> T* get(int n, const QString& name) const {
        return page(n) ? page(n)->findChild<T*>(name) : nullptr;
    }
    QLineEdit* pinBox(char side, int k) const {
        return get(2, QString("N_Pin%1%2").arg(QChar(side)).arg(k));
    }
    QPlainTextEdit* comment(const char* name) const { return get<QPlainTextEdit>(3, name); }
    QTableWidget* grid(int n) const {
        return get<QTableWidget>(n, n == 4 ? "N_FTabelle" : "N_ZTabelle");
    }
    void setCell(int n, int row, int column, const QString& text) {
        grid(n)->setItem(row, column, new QTableWidgetItem(text));
    }
    // The numbers of the pages on screen in page order, "13" for pages 1 and 3.
    QString shown() const {
        QString numbers;
        for (int n = 1; n <= 5; ++n)
            if (page(n) && page(n)->isVisible())
                numbers += QString::number(n);
        return numbers;
    }
    void press(QWidget* onPage, const char* button) {
        ASSERT_NE(onPage, nullptr);
        onPage->findChild<QPushButton*>(QString::fromUtf8(button))->click();
        settle();
    }
    void press(int n, const char* button) { press(page(n), button); }
    void forward(int n) { press(n, "Weiter"); }
    static void key(QWidget* w, int k, Qt::KeyboardModifiers mods = Qt::NoModifier,
                    const QString& text = {}) {
        for (QEvent::Type t : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent e(t, k, mods, text);
            QApplication::sendEvent(w, &e);
        }
    }
    static void enter(QWidget* w) { key(w, Qt::Key_Return, Qt::NoModifier, "\r"); }
    static void type(QWidget* w, const QString& text) {
        for (const QChar c : text)
            key(w, c.isLetterOrNumber() ? int(c.toUpper().unicode()) : 0, Qt::NoModifier,
                QString(c));
    }
    // Fills page 1 and moves on to page 2.
    void firstPage(const QString& type, bool comments, bool functionTable, bool extraTable) {
        menu("D_hinzufügen");
        get(1, "N_Typ")->setText(type);
        get<QCheckBox>(1, "N_EB")->setChecked(comments);
        get<QCheckBox>(1, "N_FTab")->setChecked(functionTable);
        get<QCheckBox>(1, "N_ZTab")->setChecked(extraTable);
        forward(1);
    }
    // One message naming the problem; nothing written; the wizard still on that page.
    void expectRefused(MsgIcon icon, const QString& part, const QString& onPage) {
        ASSERT_EQ(platform.boxes.size(), 1u);
        EXPECT_EQ(platform.boxes[0].icon, icon);
        EXPECT_EQ(platform.boxes[0].buttons, MsgButtons::Ok);
        EXPECT_EQ(platform.boxes[0].title, "Pinatlas");
        EXPECT_TRUE(platform.boxes[0].text.contains(part)) << platform.boxes[0].text.toStdString();
        EXPECT_TRUE(QDir(dir.path() + "74xx").entryList(QDir::Files | QDir::Hidden).isEmpty());
        EXPECT_EQ(shown(), onPage);
        platform.boxes.clear();
    }
    QByteArray sheet(const QString& type) const { return dir.read("74xx/" + type + ".txt"); }
    void selectInList(const QString& type) {
        QTableWidget* liste = haupt->liste();
        for (int r = 0; r < liste->rowCount(); ++r)
            if (liste->item(r, 0) && liste->item(r, 0)->text() == type)
                liste->setCurrentCell(r, 0);
        settle();
    }
    void edit(const QString& type) {
        selectInList(type);
        menu("D_ändern");
    }
};

} // namespace pinatlas::test
