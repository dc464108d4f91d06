#pragma once

#include "display/PinRoles.h"
#include "display/PinoutText.h"
#include "display/SheetLayout.h"
#include "library/Datasheet.h"
#include "library/DatasheetDisplay.h"

#include <QObject>
#include <QStringList>

#include <array>

class QImage;
class QLabel;
class QPlainTextEdit;
class QScrollBar;
class QWidget;

namespace pinatlas {

class LineElement;
class PinMarkLegend;
class PinMarkStrip;
class PinoutList;
class PinTextBox;
class TableGrid;

// The drawing area of the main window: the clipping container `Frame` with
// the package drawing, the comment box and the three tables, its scroll bars,
// the separator lines and the title label `Info`. Its widgets are children of
// the main window's client area and carry the names the rest of the program
// and the tests look them up by.
class DatasheetView : public QObject, public DatasheetDisplay {
    Q_OBJECT
public:
    explicit DatasheetView(QWidget* host);

    // Lays the area out for a client width and a list height, in twips;
    // `presentListHeight` is the list's height as it stands, in pixels.
    void arrange(int width, int listHeight, int presentListHeight = 0);

    // The loader's display steps for a sheet read without defect: the title,
    // the comment lines, the pin boxes and tables, then the scroll ranges and
    // the placement.
    void display(const Datasheet& sheet, const QStringList& comment, const QString& title,
                 Language language) override;
    void clearComment() override;

    // Names the area and its parts for assistive technology in `language`,
    // the pinout's pins included.
    void nameControls(Language language);
    // The pins on display, in pin order; a later sheet replaces them.
    const QList<PinEntry>& pins() const { return m_pins; }
    PinoutList* pinout() const { return m_pinout; }

    QWidget* frame() const { return m_frame; }
    QScrollBar* hScroll() const { return m_hScroll; }
    QScrollBar* vScroll() const { return m_vScroll; }

    // Sizes and visibility of what is on display, in twips.
    const DrawingContent& content() const { return m_content; }
    bool hasContent() const { return m_hasContent; }

    // The sheet on display, its comment lines and title, as display() got
    // them: what printing draws again.
    const Datasheet& sheet() const { return m_sheet; }
    const QStringList& comment() const { return m_comment; }
    const QString& title() const { return m_title; }

    // The drawing at scroll position 0, sized to show all of it, drawn
    // `scale` times the screen size. The view is left arranged for that size.
    // A null image when the picture is too large for one image.
    QImage renderWhole(double scale);

    // The role marks beside the pins and their legend, on unless turned off
    // for the session; off, the drawing is exactly as it was without them.
    void setPinMarksShown(bool shown);
    bool pinMarksShown() const { return m_marksShown; }
    // The pin roles of the sheet on display, and what pin `pin` (from 1)
    // is and which function-table columns name it, in the display's language.
    const QList<PinRole>& pinRoles() const { return m_roles; }
    QString pinDescription(int pin) const;
    // Lights pin `pin` with the function-table columns and extra-table rows
    // that name it; 0 lights nothing.
    void highlightPin(int pin);
    // Lights function-table column `column` (from 1) and every pin it names.
    void highlightColumn(int column);

Q_SIGNALS:
    // A sheet was put on display.
    void displayed();

protected:
    // Turns the wheel over the drawing area, and the arrow and page keys
    // while it has the focus, into steps of its scroll bars.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showComment(const QStringList& comment);
    void FillPinBoxes(const PinBoxes& boxes);
    void ShowFunctionTable(const FunctionTableView& view);
    void SetScrollRanges();
    void PlaceDatasheet();
    void place(QWidget* widget, TwipPoint at);
    int pinAt(QObject* box, int y) const;
    void lightPins(const QList<int>& pins);

    QWidget* m_host;
    QWidget* m_frame;
    QScrollBar* m_hScroll;
    QScrollBar* m_vScroll;
    LineElement* m_fieldLineX;
    LineElement* m_fieldLineY;
    QLabel* m_info;

    std::array<LineElement*, 4> m_package{};
    std::array<LineElement*, kStubsPerSide> m_lineL{};
    std::array<LineElement*, kStubsPerSide> m_lineR{};
    PinTextBox* m_pinsL;
    PinTextBox* m_pinsR;
    PinTextBox* m_pinsNrL;
    PinTextBox* m_pinsNrR;
    PinMarkStrip* m_marksL;
    PinMarkStrip* m_marksR;
    PinMarkLegend* m_legend;
    QPlainTextEdit* m_commentBox;
    QLabel* m_inputLabel;
    QLabel* m_outputLabel;
    TableGrid* m_functionGrid;
    TableGrid* m_dataGrid;
    TableGrid* m_extraGrid;
    PinoutList* m_pinout;
    QList<PinEntry> m_pins;
    Language m_language = Language::English;

    DrawingContent m_content;
    bool m_hasContent = false;
    Datasheet m_sheet;
    QStringList m_comment;
    QString m_title;
    QList<PinRole> m_roles;
    int m_litPin = 0; // -1 after a column was lit
    bool m_marksShown = true;
};

} // namespace pinatlas
