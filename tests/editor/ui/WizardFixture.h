#pragma once

#include "editor/ui/TablePage.h"
#include "library/ui/IcListModel.h"
#include "support/ui/MainWindowFixture.h"

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
class WizardFixture : public MainWindowFixture {
protected:
    QWidget* page(int n) const {
        return mainWindow->findChild<QWidget*>(QString("Neu_D%1").arg(n));
    }
    TablePage* tablePage(int n) const { return static_cast<TablePage*>(page(n)); }
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
        EXPECT_EQ(
            std::tuple(platform.boxes[0].icon, platform.boxes[0].buttons, platform.boxes[0].title),
            std::tuple(icon, MsgButtons::Ok, QString("Pinatlas")));
        EXPECT_TRUE(platform.boxes[0].text.contains(part)) << platform.boxes[0].text.toStdString();
        EXPECT_TRUE(QDir(dir.path() + "74xx").entryList(QDir::Files | QDir::Hidden).isEmpty());
        EXPECT_EQ(shown(), onPage);
        platform.boxes.clear();
    }
    QByteArray sheet(const QString& type) const { return dir.read("74xx/" + type + ".txt"); }
    void edit(const QString& type) {
        const auto* list = static_cast<const IcListModel*>(mainWindow->icList()->model());
        if (const int r = list->rowOfType(type); r >= 0)
            mainWindow->icList()->setCurrentIndex(list->index(r, 0));
        menu("D_ändern");
    }
};

} // namespace pinatlas::test
