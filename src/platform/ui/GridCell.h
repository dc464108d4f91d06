#pragma once

#include <QStyledItemDelegate>

namespace pinatlas {

// Room between a cell's text and its grid lines, in pixels.
inline constexpr int kGridCellMargin = 2;

// Draws a cell as the grid control does: its text with a small margin, cut
// at the cell's edges, never elided or wrapped; a selected cell in the
// desktop's highlight colours, the current one with a focus frame while its
// view has the keyboard. One line of text is laid out once, where the
// desktop style would lay it out three times to elide it, which is most of
// what painting a list costs.
class GridCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

} // namespace pinatlas
