#include "platform/ui/GridCell.h"

#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <QWidget>

namespace pinatlas {

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (option.state & QStyle::State_Active) ? QPalette::Active
                                                                               : QPalette::Inactive;
    // The view has painted a chosen row's highlight under the cells already.
    const QVariant background = index.data(Qt::BackgroundRole);
    if (!selected && background.canConvert<QBrush>())
        painter->fillRect(option.rect, background.value<QBrush>());
    const QVariant foreground = index.data(Qt::ForegroundRole);
    painter->setPen(selected ? option.palette.color(group, QPalette::HighlightedText)
                    : foreground.canConvert<QColor>()
                        ? foreground.value<QColor>()
                        : option.palette.color(group, QPalette::Text));
    painter->setClipRect(option.rect);
    painter->setFont(option.font);
    const QVariant aligned = index.data(Qt::TextAlignmentRole);
    const Qt::Alignment alignment =
        aligned.isValid() ? aligned.value<Qt::Alignment>() : (Qt::AlignLeft | Qt::AlignVCenter);
    const QRect room = option.rect.adjusted(kGridCellMargin, 0, -kGridCellMargin, 0);
    const QString text = index.data().toString();
    if ((alignment & Qt::AlignHorizontal_Mask) == Qt::AlignLeft &&
        (alignment & Qt::AlignVertical_Mask) == Qt::AlignVCenter) {
        // Most cells: the text from the left edge, centred in the height, set
        // down at its baseline without the paragraph layout a rectangle takes.
        const QFontMetrics metrics = painter->fontMetrics();
        painter->drawText(QPoint(room.left(), room.top() + (room.height() - metrics.height()) / 2 +
                                                  metrics.ascent()),
                          text);
    } else {
        painter->drawText(room, int(alignment | Qt::TextSingleLine), text);
    }
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect frame;
        frame.QStyleOption::operator=(option);
        frame.backgroundColor =
            option.palette.color(group, selected ? QPalette::Highlight : QPalette::Base);
        const QStyle* style = option.widget ? option.widget->style() : nullptr;
        if (style)
            style->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, painter, option.widget);
    }
    painter->restore();
}

} // namespace pinatlas
