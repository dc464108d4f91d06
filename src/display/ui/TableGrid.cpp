#include "display/ui/TableGrid.h"

#include "platform/ui/Fonts.h"
#include "platform/ui/GridCell.h"
#include "platform/ui/Twips.h"

#include <QApplication>
#include <QHash>
#include <QHeaderView>
#include <QPainter>
#include <QPalette>
#include <QScrollBar>
#include <QWheelEvent>

#include <memory>

namespace pinatlas {

void GridModel::setContent(const GridContent& content) {
    beginResetModel();
    m_content = content;
    m_columns.clear();
    m_rows.clear();
    endResetModel();
}

void GridModel::setHighlight(const QList<int>& columns, const QList<int>& rows) {
    if (columns == m_columns && rows == m_rows)
        return;
    m_columns = columns;
    m_rows = rows;
    if (m_content.rows > 0 && m_content.columns > 0)
        Q_EMIT dataChanged(index(0, 0), index(m_content.rows - 1, m_content.columns - 1));
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_content.rows;
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_content.columns;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return m_content.cell(row, column);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(m_content.leftAligned(column)
                                       ? Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter)
                                       : Qt::Alignment(Qt::AlignCenter));
    case Qt::ForegroundRole:
        if (highlighted(row, column))
            return QApplication::palette().color(QPalette::HighlightedText);
        return {};
    case Qt::BackgroundRole:
        if (highlighted(row, column))
            return QApplication::palette().highlight();
        if (row < m_content.fixedRows || column < m_content.fixedColumns)
            return QApplication::palette().button();
        return {};
    default:
        return {};
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
}

TableGrid::TableGrid(QWidget* parent, const QString& name)
    : QTableView(parent), m_model(new GridModel(this)) {
    setObjectName(name);
    setItemDelegate(new GridCellDelegate(this));
    setFont(desktopFont(QStringLiteral("MS Sans Serif"), 8.25));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        header->setMinimumSectionSize(1);
        header->setSectionResizeMode(QHeaderView::Fixed);
    }
}

void TableGrid::fill(const GridContent& content) {
    const Twips tw = Twips::of(this);
    // The view takes its model with the first content: a grid that never
    // shows a table (most sheets have no extra table) spares the start the
    // view's wiring.
    if (model() != m_model)
        setModel(m_model);
    m_model->setContent(content);
    verticalHeader()->setDefaultSectionSize(tw.toPxY(kGridRowHeight));
    // Edges rounded from the running sum, so that the columns add up to the
    // rounded total and rounding never pushes the last column out of the grid.
    int left = 0;
    int sum = 0;
    for (int c = 0; c < content.columnWidths.size(); ++c) {
        sum += content.columnWidths[c];
        const int right = tw.toPxX(sum);
        setColumnWidth(c, right - left);
        left = right;
    }
    resize(tw.toPxX(content.width), tw.toPxY(content.height));
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

TextWidth TableGrid::textWidth() const {
    const Twips tw = Twips::of(this);
    const QFontMetrics metrics = fontMetrics();
    // Tables repeat their few texts (H, L, X, units) thousands of times, and
    // shaping a text costs far more than looking it up: each distinct text is
    // measured once for as long as the font stays, so that a sheet shown
    // again (on every resize of the window, say) is not shaped again.
    constexpr qsizetype kMaxRemembered = 20000;
    const QFont font = this->font();
    const int dpi = logicalDpiX();
    if (!m_advances || m_advancesFont != font || m_advancesDpi != dpi ||
        m_advances->size() > kMaxRemembered) {
        m_advances = std::make_shared<QHash<QString, int>>();
        m_advancesFont = font;
        m_advancesDpi = dpi;
    }
    // The margins, the grid line and a pixel that rounding to twips may take.
    return [tw, metrics, advances = m_advances](const QString& text) {
        auto known = advances->constFind(text);
        if (known == advances->cend())
            known = advances->insert(text, metrics.horizontalAdvance(text));
        return tw.toTwipsX(*known + 2 * kGridCellMargin + 2);
    };
}

QString TableGrid::text(int row, int column) const {
    return m_model->index(row, column).data().toString();
}

void TableGrid::wheelEvent(QWheelEvent* event) {
    // The grid shows all of itself; the wheel scrolls the drawing area.
    event->ignore();
}

} // namespace pinatlas
