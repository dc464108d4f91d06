#include "display/ui/DatasheetView.h"

#include "app/Settings.h"
#include "display/WindowLayout.h"
#include "display/ui/LineElement.h"
#include "platform/ui/Twips.h"

#include <QLabel>
#include <QScrollBar>

namespace pinatlas {

DatasheetView::DatasheetView(QWidget* host, Settings& settings)
    : QObject(host), m_host(host), m_settings(settings) {
    m_frame = new QWidget(host);
    m_frame->setObjectName(QStringLiteral("Frame"));
    m_hScroll = new QScrollBar(Qt::Horizontal, host);
    m_hScroll->setObjectName(QStringLiteral("HScroll"));
    m_vScroll = new QScrollBar(Qt::Vertical, host);
    m_vScroll->setObjectName(QStringLiteral("VScroll"));
    m_feldlinieX = new LineElement(host, QStringLiteral("FeldlinieX"));
    m_feldlinieY = new LineElement(host, QStringLiteral("FeldlinieY"));
    m_info = new QLabel(host);
    m_info->setObjectName(QStringLiteral("Info"));
    QFont infoFont(QStringLiteral("Arial"));
    infoFont.setPointSizeF(9.75);
    infoFont.setBold(true);
    m_info->setFont(infoFont);
    m_info->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void DatasheetView::arrange(int width, int listHeight) {
    const Twips tw = Twips::of(m_host);
    const PreviousGeometry previous{0, tw.toTwipsY(m_frame->height()),
                                    tw.toTwipsX(m_frame->width())};
    const WindowArrangement a =
        arrangeWindow(width, listHeight, tw.pixelX(), tw.pixelY(), kListeTop, previous);
    const int frameHeight = a.frameHeight.value_or(previous.frameHeight);
    const int frameWidth = a.frameWidth.value_or(previous.frameWidth);
    m_frame->setGeometry(tw.rect(a.frameLeft, a.frameTop, frameWidth, frameHeight));
    m_vScroll->setGeometry(tw.rect(a.vScroll));
    m_hScroll->setGeometry(tw.rect(a.hScroll));
    m_feldlinieX->setEnds(QPoint(tw.toPxX(a.feldlinieX.x1), tw.toPxY(a.feldlinieX.y1)),
                          QPoint(tw.toPxX(a.feldlinieX.x2), tw.toPxY(a.feldlinieX.y2)));
    m_feldlinieY->setEnds(QPoint(tw.toPxX(a.feldlinieY.x1), tw.toPxY(a.feldlinieY.y1)),
                          QPoint(tw.toPxX(a.feldlinieY.x2), tw.toPxY(a.feldlinieY.y2)));
    m_info->setGeometry(tw.rect(a.infoLeft, 0, a.infoWidth, kInfoHeight));
}

void DatasheetView::display(const Datasheet&, const QStringList&, const QString& title) {
    m_info->setText(title);
}

void DatasheetView::clearComment() {}

} // namespace pinatlas
