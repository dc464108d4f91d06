#include "editor/ui/TablePage.h"

#include "platform/Platform.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QTableWidget>

namespace pinatlas {

namespace {

constexpr int kRowHeightTwips = 240;

} // namespace

TablePage::TablePage(QWidget* owner, Platform& platform, WizardPage id, const QString& name,
                     const QString& title, int clientWidth, int clientHeight, bool english)
    : PageWindow(owner, id, name, title, clientWidth, clientHeight, 8040, english),
      m_platform(platform) {}

void TablePage::makeGrid(const char* name, int left, int top, int width, int height) {
    m_grid = new QTableWidget(2, 2, this);
    m_grid->setObjectName(QString::fromUtf8(name));
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setTabKeyNavigation(false);
    m_grid->verticalHeader()->setMinimumSectionSize(1);
    m_grid->verticalHeader()->setDefaultSectionSize(twips().toPxY(kRowHeightTwips));
    m_grid->horizontalHeader()->setMinimumSectionSize(1);
    place(m_grid, left, top, width, height);
    m_grid->setCurrentCell(0, 0);
    m_grid->installEventFilter(this);
}

QLineEdit* TablePage::makeCountBox(const char* name, const QString& text, int left, int top) {
    auto* box = new QLineEdit(text, this);
    box->setObjectName(QString::fromUtf8(name));
    place(box, left, top, 495, 285);
    return box;
}

QString TablePage::cell(int row, int column) const {
    const QTableWidgetItem* item = m_grid->item(row, column);
    return item ? item->text() : QString();
}

void TablePage::setCell(int row, int column, const QString& text) {
    if (QTableWidgetItem* item = m_grid->item(row, column))
        item->setText(text);
    else
        m_grid->setItem(row, column, new QTableWidgetItem(text));
}

CellTable TablePage::cells() const {
    CellTable table;
    table.resize(m_grid->columnCount(), m_grid->rowCount());
    for (int row = 0; row < m_grid->rowCount(); ++row)
        for (int column = 0; column < m_grid->columnCount(); ++column)
            table.at(column + 1, row + 1) = cell(row, column);
    return table;
}

int TablePage::columnWidth(int column) const {
    return m_widths.value(column);
}

void TablePage::widenColumns(const QList<int>& widths) {
    for (int column = 0; column < m_widths.size() && column < widths.size(); ++column) {
        if (m_widths[column] >= widths[column])
            continue;
        m_widths[column] = widths[column];
        m_grid->setColumnWidth(column, twips().toPxX(widths[column]));
    }
}

void TablePage::setGridColumns(int columns) {
    m_grid->setColumnCount(columns);
    if (m_grid->currentColumn() < 0)
        m_grid->setCurrentCell(qMax(0, m_grid->currentRow()), 0);
}

void TablePage::Breite_anpassen() {
    m_widths.clear();
    // The rule counts characters; a text this font draws wider widens its
    // column, with the margins the grid keeps on both sides of a cell's text.
    const QFontMetrics metrics = m_grid->fontMetrics();
    const int margins =
        2 * (m_grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_grid) + 1) + 1;
    for (int column = 0; column < m_grid->columnCount(); ++column) {
        qsizetype longest = 0;
        int measured = 0;
        for (int row = 0; row < m_grid->rowCount(); ++row) {
            longest = qMax(longest, cell(row, column).size());
            measured = qMax(measured, metrics.horizontalAdvance(cell(row, column)) + margins);
        }
        const int width = qMax(columnWidthTwips(longest), twips().toTwipsX(measured));
        m_widths.append(width);
        m_grid->setColumnWidth(column, twips().toPxX(width));
    }
}

void TablePage::applyRowRule(QLineEdit* box) {
    const RowDecision decision = rowDecision(box->text());
    if (decision.tooMany) {
        box->setText(QString::number(kMaxTableRows));
        m_platform.beep();
    }
    m_grid->setRowCount(decision.rows);
    if (m_grid->currentRow() < 0)
        m_grid->setCurrentCell(0, qMax(0, m_grid->currentColumn()));
    Breite_anpassen();
}

void TablePage::activated() {
    Breite_anpassen();
}

bool TablePage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString typed = typedCharacters(key->key(), key->modifiers(), key->text());
        if (!typed.isEmpty()) {
            for (const QChar c : typed)
                editCell(c);
            return true;
        }
    }
    return PageWindow::eventFilter(watched, event);
}

void TablePage::editCell(QChar code) {
    int row = m_grid->currentRow();
    int column = m_grid->currentColumn();
    if (row < 0 || column < 0) {
        row = 0;
        column = 0;
        m_grid->setCurrentCell(0, 0);
    }
    const QString text = cell(row, column);
    const CellKey key = cellKey(code);
    if (key == CellKey::Enter) {
        const CellPos next =
            cellAfterEnter({row, column}, m_grid->rowCount(), m_grid->columnCount());
        m_grid->setCurrentCell(next.row, next.column);
        return;
    }
    if (key == CellKey::Copy || key == CellKey::Cut)
        m_platform.setClipboardText(text);
    const QString clipboard = key == CellKey::Paste ? m_platform.clipboardText() : QString();
    if (const QString after = cellTextAfter(key, code, text, clipboard); after != text)
        setCell(row, column, after);
    Breite_anpassen();
}

} // namespace pinatlas
