#pragma once

#include "editor/ui/PageWindow.h"
#include "library/Datasheet.h"

class QLineEdit;
class QTableWidget;

namespace pinatlas {

class Platform;

// A wizard page around one grid. The grid only displays: the page turns the
// keys typed into it into cell editing and sizes the columns to their texts.
class TablePage : public PageWindow {
    Q_OBJECT
public:
    TablePage(QWidget* owner, Platform& platform, WizardPage id, const QString& name,
              const QString& title, int clientWidth, int clientHeight, bool english);

    QTableWidget* grid() const { return m_grid; }
    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString& text);
    // The grid's cells at its own size: what the file receives.
    CellTable cells() const;
    // Width of a grid column in twips, as last sized.
    int columnWidth(int column) const;

    virtual void Breite_anpassen();

protected:
    void makeGrid(const char* name, int left, int top, int width, int height);
    QLineEdit* makeCountBox(const char* name, const QString& text, int left, int top);
    void setGridColumns(int columns);
    // The widths of the columns in twips, as last sized.
    const QList<int>& columnWidths() const { return m_widths; }
    // Gives each column at least its width in `widths`, until it is sized again.
    void widenColumns(const QList<int>& widths);
    // The row-count rule for the text of `box`.
    void applyRowRule(QLineEdit* box);
    void activated() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    Platform& platform() const { return m_platform; }

private:
    void editCell(QChar code);

    Platform& m_platform;
    QTableWidget* m_grid = nullptr;
    QList<int> m_widths;
};

} // namespace pinatlas
