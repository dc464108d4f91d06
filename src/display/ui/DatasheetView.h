#pragma once

#include "library/Datasheet.h"

#include <QObject>
#include <QStringList>

class QLabel;
class QScrollBar;
class QWidget;

namespace pinatlas {

class LineElement;
struct Settings;

// The drawing area of the main window: the clipping container `Frame` with
// the package drawing, the comment box and the three tables, its scroll bars,
// the separator lines and the title label `Info`. Its widgets are children of
// the main window's client area and carry the names the rest of the program
// and the tests look them up by.
class DatasheetView : public QObject {
    Q_OBJECT
public:
    DatasheetView(QWidget* host, Settings& settings);

    // Lays the area out for a client width and a list height, in twips.
    void arrange(int width, int listHeight);

    // The loader's display steps for a sheet read without defect: the title,
    // the comment lines of the current language, the pin boxes and tables,
    // then the scroll ranges and the placement.
    void display(const Datasheet& sheet, const QStringList& comment, const QString& title);
    // What a failed read leaves behind: the comment box hidden and empty.
    void clearComment();

    QWidget* frame() const { return m_frame; }

private:
    QWidget* m_host;
    Settings& m_settings;
    QWidget* m_frame;
    QScrollBar* m_hScroll;
    QScrollBar* m_vScroll;
    LineElement* m_feldlinieX;
    LineElement* m_feldlinieY;
    QLabel* m_info;
};

} // namespace pinatlas
