#pragma once

#include "library/Cp1252.h"
#include "support/ui/HauptFixture.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTableWidget>

namespace pinatlas::test {

// A sheet with `pins` pins P1, P2, ... and the comments "Deutsch" and "English".
inline QByteArray librarySheet(const char* de, const char* en, int pins = 14) {
    QString text = QString::fromUtf8(de) + "\r\n" + QString::fromUtf8(en) + "\r\n" +
                   QString::number(pins) + "\r\nTP (totem pole)\r\n";
    for (int p = 1; p <= pins; ++p)
        text += QStringLiteral("P%1\r\n").arg(p);
    text += "'Beschreibung-D:\r\nDeutsch\r\n'Beschreibung-E:\r\nEnglish\r\n'Ende\r\n";
    return encodeCp1252(text);
}

// A left click at `at` in a view's viewport; a double click when `twice`.
inline void click(QWidget* viewport, QPoint at, bool twice = false) {
    const auto send = [&](QEvent::Type type, Qt::MouseButtons buttons) {
        QMouseEvent e(type, at, viewport->mapToGlobal(at), Qt::LeftButton, buttons, {});
        QApplication::sendEvent(viewport, &e);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
    if (twice)
        send(QEvent::MouseButtonDblClick, Qt::LeftButton);
    QApplication::processEvents();
}

// The main window over a program directory whose list and sheet the tests read.
class LibraryWindow : public HauptFixture {
protected:
    QTableWidget* liste() const { return haupt->liste(); }
    // The directory, the chosen row's type, the title shown and the comment
    // box, "-" when hidden.
    std::string shown() const {
        const auto* doku = haupt->findChild<QPlainTextEdit*>("Doku");
        const QTableWidgetItem* item = liste()->item(liste()->currentRow(), 0);
        return QStringLiteral("%1/%2 %3 [%4%5]")
            .arg(haupt->currentDirectory(), item ? item->text() : QString(),
                 haupt->findChild<QLabel*>("Info")->text(), doku->isHidden() ? "-" : "",
                 doku->toPlainText())
            .toStdString();
    }
};

} // namespace pinatlas::test
