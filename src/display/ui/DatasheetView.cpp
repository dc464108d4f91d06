#include "display/ui/DatasheetView.h"

#include "display/WindowLayout.h"
#include "display/ui/LineElement.h"
#include "display/ui/PinMarks.h"
#include "display/ui/PinTextBox.h"
#include "display/ui/PinoutList.h"
#include "display/ui/TableGrid.h"
#include "library/Extent.h"
#include "platform/ui/Accessibility.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/PlainText.h"
#include "platform/ui/Twips.h"

#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>

namespace pinatlas {

namespace {

QFont arialBold() {
    return desktopFont(QStringLiteral("Arial"), 9.75, true);
}

QLabel* tableCaption(QWidget* parent, const char* name, const char* caption) {
    auto* label = new QLabel(QString::fromLatin1(caption), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(arialBold());
    label->setAlignment(Qt::AlignCenter);
    // Keeps "Inp" and "Out" apart over narrow columns.
    label->setMargin(1);
    label->hide();
    return label;
}

QPoint toPx(const Twips& tw, int x, int y) {
    return {tw.toPxX(x), tw.toPxY(y)};
}

void setLine(LineElement* line, const Twips& tw, const TwipLine& l) {
    line->setEnds(toPx(tw, l.x1, l.y1), toPx(tw, l.x2, l.y2));
}

// The clipping container, which shows the keyboard focus with a frame of the
// highlight colour along its edges.
class SheetFrame : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* event) override {
        QWidget::paintEvent(event);
        paintKeyboardFocus(this);
    }
    void focusInEvent(QFocusEvent* event) override {
        QWidget::focusInEvent(event);
        update();
    }
    void focusOutEvent(QFocusEvent* event) override {
        QWidget::focusOutEvent(event);
        update();
    }
};

// The scroll action a key asks of the area, for the bar it moves.
struct KeyScroll {
    bool vertical;
    QAbstractSlider::SliderAction action;
};

std::optional<KeyScroll> keyScroll(int key) {
    switch (key) {
    case Qt::Key_Up:
        return KeyScroll{true, QAbstractSlider::SliderSingleStepSub};
    case Qt::Key_Down:
        return KeyScroll{true, QAbstractSlider::SliderSingleStepAdd};
    case Qt::Key_PageUp:
        return KeyScroll{true, QAbstractSlider::SliderPageStepSub};
    case Qt::Key_PageDown:
        return KeyScroll{true, QAbstractSlider::SliderPageStepAdd};
    case Qt::Key_Home:
        return KeyScroll{true, QAbstractSlider::SliderToMinimum};
    case Qt::Key_End:
        return KeyScroll{true, QAbstractSlider::SliderToMaximum};
    case Qt::Key_Left:
        return KeyScroll{false, QAbstractSlider::SliderSingleStepSub};
    case Qt::Key_Right:
        return KeyScroll{false, QAbstractSlider::SliderSingleStepAdd};
    default:
        return std::nullopt;
    }
}

} // namespace

DatasheetView::DatasheetView(QWidget* host) : QObject(host), m_host(host) {
    m_frame = new SheetFrame(host);
    m_frame->setObjectName(QStringLiteral("Frame"));
    m_frame->setFocusPolicy(Qt::StrongFocus);
    setAccessibleRole(m_frame, QAccessible::Pane);
    m_frame->setBackgroundRole(QPalette::Window);
    m_frame->setAutoFillBackground(true);
    m_frame->installEventFilter(this);
    m_hScroll = new QScrollBar(Qt::Horizontal, host);
    m_hScroll->setObjectName(QStringLiteral("HScroll"));
    m_vScroll = new QScrollBar(Qt::Vertical, host);
    m_vScroll->setObjectName(QStringLiteral("VScroll"));
    for (QScrollBar* bar : {m_hScroll, m_vScroll}) {
        // Nothing to scroll before the first datasheet.
        bar->setRange(0, 0);
        // The drawing follows the thumb while it is dragged, not only on release.
        bar->setTracking(true);
        // The keyboard scrolls through the drawing area itself.
        bar->setFocusPolicy(Qt::NoFocus);
        connect(bar, &QScrollBar::valueChanged, this, [this] { PlaceDatasheet(); });
    }
    m_fieldLineX = new LineElement(host, QStringLiteral("FeldlinieX"));
    m_fieldLineY = new LineElement(host, QStringLiteral("FeldlinieY"));
    markDecorative(m_fieldLineX);
    markDecorative(m_fieldLineY);
    m_info = new QLabel(host);
    m_info->setObjectName(QStringLiteral("Info"));
    m_info->setTextFormat(Qt::PlainText); // a type such as "<h1>7400" is no markup
    m_info->setFont(arialBold());
    m_info->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    // Inside Frame, in the order they overlap: the grids below the package.
    m_commentBox = new QPlainTextEdit(m_frame);
    m_commentBox->setObjectName(QStringLiteral("Doku"));
    m_commentBox->setFont(desktopFont(QStringLiteral("Courier New"), 8.25));
    m_commentBox->setReadOnly(true);
    m_commentBox->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_commentBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_commentBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_commentBox->setFrameStyle(QFrame::NoFrame);
    m_commentBox->document()->setDocumentMargin(0);
    m_commentBox->setFocusPolicy(Qt::ClickFocus);
    m_commentBox->hide();

    m_inputLabel = tableCaption(m_frame, "L_Input", "Inp");
    m_outputLabel = tableCaption(m_frame, "L_Output", "Out");
    m_functionGrid = new TableGrid(m_frame, QStringLiteral("Funktion"));
    m_dataGrid = new TableGrid(m_frame, QStringLiteral("Daten"));
    m_extraGrid = new TableGrid(m_frame, QStringLiteral("Zusatz"));
    for (TableGrid* grid : {m_functionGrid, m_dataGrid, m_extraGrid})
        grid->hide();

    m_pinsL = new PinTextBox(m_frame, QStringLiteral("PinsL"), Qt::AlignRight);
    m_pinsR = new PinTextBox(m_frame, QStringLiteral("PinsR"), Qt::AlignLeft);
    m_pinsNrL = new PinTextBox(m_frame, QStringLiteral("PinsNrL"), Qt::AlignLeft);
    m_pinsNrR = new PinTextBox(m_frame, QStringLiteral("PinsNrR"), Qt::AlignRight);
    for (int i = 0; i < 4; ++i)
        m_package[i] = new LineElement(m_frame, QStringLiteral("Package%1").arg(i + 1));
    for (int k = 1; k <= kStubsPerSide; ++k) {
        m_lineL[k - 1] = new LineElement(m_frame, QStringLiteral("LineL%1").arg(k));
        m_lineR[k - 1] = new LineElement(m_frame, QStringLiteral("LineR%1").arg(k));
    }
    // Above the stubs, which show through them.
    m_marksL = new PinMarkStrip(m_frame, QStringLiteral("MarksL"), true);
    m_marksR = new PinMarkStrip(m_frame, QStringLiteral("MarksR"), false);
    m_legend = new PinMarkLegend(m_frame);
    for (QWidget* w : m_frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (qobject_cast<LineElement*>(w) || qobject_cast<PinTextBox*>(w) ||
            qobject_cast<PinMarkStrip*>(w))
            markDecorative(w);
    m_pinout = new PinoutList(m_frame);
    // Pointing at a pin lights its columns and rows; pointing at a column
    // heading lights its pins.
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_pinsL, m_pinsR, m_pinsNrL, m_pinsNrR, m_marksL, m_marksR,
                                         m_functionGrid->viewport()}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
    // Until a datasheet is shown the drawing area stays empty.
    for (QWidget* w : m_frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        w->hide();
    nameControls(m_language);
}

void DatasheetView::nameControls(Language language) {
    m_language = language;
    const bool german = language == Language::German;
    const auto pick = [german](const char* de, const char* en) {
        return QString::fromUtf8(german ? de : en);
    };
    m_frame->setAccessibleName(pick("Datenblatt", "Datasheet"));
    m_frame->setAccessibleDescription(m_title);
    m_hScroll->setAccessibleName(
        pick("Datenblatt waagerecht blättern", "Scroll datasheet sideways"));
    m_vScroll->setAccessibleName(
        pick("Datenblatt senkrecht blättern", "Scroll datasheet up and down"));
    m_commentBox->setAccessibleName(pick("Kommentar", "Comment"));
    m_functionGrid->setAccessibleName(pick("Funktionstabelle", "Function table"));
    m_dataGrid->setAccessibleName(pick("Datentabelle", "Data table"));
    m_extraGrid->setAccessibleName(pick("Zusatztabelle", "Extra table"));
    m_pinout->setAccessibleName(pick("Pinbelegung", "Pinout"));
    QStringList entries;
    for (const PinEntry& pin : std::as_const(m_pins))
        entries << pinEntryText(pin, language);
    m_pinout->setEntries(entries);
}

void DatasheetView::arrange(int width, int listHeight, int presentListHeight) {
    const Twips tw = Twips::of(m_host);
    // A list height that cannot be set leaves the list as it is; the frame
    // then goes on from the list's present height.
    const PreviousGeometry previous{tw.toTwipsY(presentListHeight), tw.toTwipsY(m_frame->height()),
                                    tw.toTwipsX(m_frame->width())};
    const WindowArrangement a =
        arrangeWindow(width, listHeight, tw.pixelX(), tw.pixelY(), kListTop, previous);
    const int frameHeight = a.frameHeight.value_or(previous.frameHeight);
    const int frameWidth = a.frameWidth.value_or(previous.frameWidth);
    m_frame->setGeometry(tw.rect(a.frameLeft, a.frameTop, frameWidth, frameHeight));
    m_vScroll->setGeometry(tw.rect(a.vScroll));
    m_hScroll->setGeometry(tw.rect(a.hScroll));
    setLine(m_fieldLineX, tw, a.fieldLineX);
    setLine(m_fieldLineY, tw, a.fieldLineY);
    m_info->setGeometry(tw.rect(a.infoLeft, 0, a.infoWidth, kInfoHeight));
}

void DatasheetView::display(const Datasheet& sheet, const QStringList& comment,
                            const QString& title, Language language) {
    // Nothing repaints until everything stands in its new place.
    m_frame->setUpdatesEnabled(false);
    const QStringList shown = commentAsShown(comment, language);
    showComment(shown);
    m_info->setText(title);

    const SheetDisplay d =
        prepareSheetDisplay(sheet, int(std::min<qsizetype>(shown.size(), INT_MAX)), language,
                            m_functionGrid->textWidth());
    m_content = d.content;
    m_hasContent = true;
    m_language = language;
    m_roles = pinatlas::pinRoles(sheet, comment);
    m_litPin = -1; // the grids were filled anew
    if (m_marksShown)
        m_content.pins = pinatlas::FillPinBoxes(sheet, m_roles);
    FillPinBoxes(m_content.pins);

    const Twips tw = Twips::of(m_host);
    const auto collapse = [&tw](TableGrid* grid) {
        grid->hide();
        grid->resize(tw.toPxX(kHiddenGridWidth), grid->height());
    };
    if (m_content.functionVisible) {
        m_functionGrid->show();
        ShowFunctionTable(d.function);
    } else {
        collapse(m_functionGrid);
        m_inputLabel->hide();
        m_outputLabel->hide();
    }
    if (m_content.dataVisible) {
        m_dataGrid->show();
        m_dataGrid->fill(d.data);
    } else {
        collapse(m_dataGrid);
    }
    if (m_content.extraVisible) {
        m_extraGrid->show();
        m_extraGrid->fill(d.extra);
    } else {
        collapse(m_extraGrid);
    }

    SetScrollRanges();
    PlaceDatasheet();
    m_frame->setUpdatesEnabled(true);
    m_sheet = sheet;
    m_comment = comment;
    m_title = title;
    m_pins = pinEntries(sheet);
    // A screen reader hears what the marks and the hover link show.
    for (PinEntry& entry : m_pins)
        if (entry.number >= 1 && entry.number <= m_roles.size()) {
            const PinRole& role = m_roles[entry.number - 1];
            entry.role = pinRoleText(role, language);
            entry.column = pinColumnText(sheet, role);
        }
    nameControls(language);
    Q_EMIT displayed();
}

void DatasheetView::showComment(const QStringList& comment) {
    const Twips tw = Twips::of(m_host);
    if (comment.isEmpty()) {
        m_commentBox->hide();
        m_commentBox->clear();
        return;
    }
    // Sized before it is filled, and filled only with a text it does not
    // hold yet, so that the text is laid out once; the box is as high as its
    // text, so there is no scroll position to restore.
    m_commentBox->resize(tw.toPxX(kCommentWidth),
                         tw.toPxY(clampExtent(qint64(comment.size()) * kCommentLineHeight)));
    const QString text = comment.join(QLatin1Char('\n'));
    if (m_commentBox->toPlainText() != text)
        m_commentBox->setPlainText(text);
    m_commentBox->show();
}

void DatasheetView::clearComment() {
    m_commentBox->hide();
    m_commentBox->clear();
    m_content.commentVisible = false;
    m_content.commentHeight = 0;
    m_comment.clear();
}

void DatasheetView::FillPinBoxes(const PinBoxes& boxes) {
    const Twips tw = Twips::of(m_host);
    const int height = tw.toPxY(boxes.height);
    const struct {
        PinTextBox* box;
        const QStringList& lines;
        int width;
    } fills[] = {{m_pinsL, boxes.namesL, boxes.widthL},
                 {m_pinsR, boxes.namesR, kPinsRWidth},
                 {m_pinsNrL, boxes.numbersL, kPinNumberWidth},
                 {m_pinsNrR, boxes.numbersR, kPinNumberWidth}};
    for (const auto& f : fills) {
        f.box->setLines(f.lines);
        f.box->resize(tw.toPxX(f.width), height);
        f.box->show();
    }
    for (LineElement* line : m_package)
        line->show();
    m_marksL->setMarks(boxes.marksL);
    m_marksR->setMarks(boxes.marksR);
    for (PinMarkStrip* strip : {m_marksL, m_marksR}) {
        strip->resize(tw.toPxX(kMarkStripWidth), height);
        strip->setVisible(m_marksShown);
    }
    m_legend->setEntries(boxes.legend, m_language);
    m_legend->setVisible(m_marksShown && !boxes.legend.isEmpty());
    m_pinout->show();
}

void DatasheetView::ShowFunctionTable(const FunctionTableView& view) {
    const Twips tw = Twips::of(m_host);
    m_functionGrid->fill(view.grid);
    const int height = tw.toPxY(kTableLabelHeight);
    m_inputLabel->resize(tw.toPxX(view.inputLabelWidth), height);
    m_inputLabel->setVisible(view.inputLabelShown);
    m_outputLabel->resize(tw.toPxX(view.outputLabelWidth), height);
    m_outputLabel->setVisible(view.outputLabelShown);
    fitCaptionsToWidth(m_frame);
}

void DatasheetView::SetScrollRanges() {
    const Twips tw = Twips::of(m_host);
    const ScrollRanges r =
        pinatlas::SetScrollRanges(m_content, tw.toTwipsX(m_frame->width()),
                                  tw.toTwipsY(m_frame->height()), tw.pixelX(), tw.pixelY());
    // A position beyond the new maximum drops to it, which places the drawing
    // at once; the caller places it again with everything set.
    m_vScroll->setMaximum(r.vMaximum);
    m_vScroll->setSingleStep(r.vSmallChange);
    m_vScroll->setPageStep(r.vLargeChange);
    m_hScroll->setMaximum(r.hMaximum);
    m_hScroll->setSingleStep(r.hSmallChange);
    m_hScroll->setPageStep(r.hLargeChange);
}

void DatasheetView::place(QWidget* widget, TwipPoint at) {
    const Twips tw = Twips::of(m_host);
    widget->move(toPx(tw, at.x, at.y));
}

void DatasheetView::PlaceDatasheet() {
    if (!m_hasContent)
        return;
    const Twips tw = Twips::of(m_host);
    const DatasheetPlacement p =
        pinatlas::PlaceDatasheet(m_content, m_hScroll->value(), m_vScroll->value(), tw.pixelX());
    for (int i = 0; i < 4; ++i)
        setLine(m_package[i], tw, p.package.outline[i]);
    const auto placeStubs = [&tw](const auto& lines, const auto& stubs) {
        for (int k = 0; k < kStubsPerSide; ++k) {
            if (stubs[k].visible) {
                setLine(lines[k], tw, stubs[k].line);
                lines[k]->show();
            } else {
                lines[k]->hide();
            }
        }
    };
    placeStubs(m_lineL, p.package.left);
    placeStubs(m_lineR, p.package.right);
    place(m_pinsL, p.package.pinsL);
    place(m_pinsR, p.package.pinsR);
    place(m_pinsNrL, p.package.pinsNrL);
    place(m_pinsNrR, p.package.pinsNrR);
    place(m_marksL, p.package.marksL);
    place(m_marksR, p.package.marksR);
    place(m_legend, p.package.legend);
    m_pinout->setGeometry(m_pinsL->geometry() | m_pinsR->geometry());

    if (m_content.commentVisible)
        place(m_commentBox, p.comment);
    if (m_content.functionVisible) {
        place(m_inputLabel, p.inputLabel);
        place(m_outputLabel, p.outputLabel);
        place(m_functionGrid, p.function);
    }
    if (m_content.dataVisible)
        place(m_dataGrid, p.data);
    if (m_content.extraVisible)
        place(m_extraGrid, p.extra);
}

void DatasheetView::setPinMarksShown(bool shown) {
    m_marksShown = shown;
    if (m_hasContent)
        display(m_sheet, m_comment, m_title, m_language);
}

QString DatasheetView::pinDescription(int pin) const {
    return pinatlas::pinDescription(m_sheet, m_roles, pin, m_language);
}

int DatasheetView::pinAt(QObject* box, int y) const {
    const double pitch = kPinPitch / Twips::of(m_host).perPixelY();
    const int line = int(y / pitch);
    const int left = int(m_content.pins.namesL.size());
    const int right = int(m_content.pins.namesR.size());
    if (box == m_pinsL || box == m_pinsNrL || box == m_marksL)
        return line >= 0 && line < left ? line + 1 : 0;
    return line >= 0 && line < right ? left + right - line : 0;
}

void DatasheetView::lightPins(const QList<int>& pins) {
    const int left = int(m_content.pins.namesL.size());
    const int total = left + int(m_content.pins.namesR.size());
    QList<int> linesL, linesR;
    for (int pin : pins)
        (pin <= left ? linesL : linesR) << (pin <= left ? pin - 1 : total - pin);
    std::sort(linesR.begin(), linesR.end());
    m_pinsL->setHighlightedLines(linesL);
    m_pinsNrL->setHighlightedLines(linesL);
    m_pinsR->setHighlightedLines(linesR);
    m_pinsNrR->setHighlightedLines(linesR);
}

void DatasheetView::highlightPin(int pin) {
    // The pointer moves many times over one pin; a large extra table is
    // searched once.
    if (pin == m_litPin)
        return;
    m_litPin = pin;
    QList<int> columns, rows;
    if (pin >= 1 && pin <= m_roles.size()) {
        for (int c : m_roles[pin - 1].columns)
            columns << c - 1;
        for (int r : extraRowsNamingPin(m_sheet, pin))
            rows << r - 1;
    }
    lightPins(pin >= 1 && pin <= m_roles.size() ? QList<int>{pin} : QList<int>());
    m_functionGrid->setHighlight(columns, {});
    m_extraGrid->setHighlight({}, rows);
}

void DatasheetView::highlightColumn(int column) {
    m_litPin = -1;
    QList<int> pins;
    for (int pin = 1; pin <= m_roles.size(); ++pin)
        if (m_roles[pin - 1].columns.contains(column))
            pins << pin;
    lightPins(pins);
    m_functionGrid->setHighlight(column >= 1 ? QList<int>{column - 1} : QList<int>(), {});
    m_extraGrid->setHighlight({}, {});
}

bool DatasheetView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Leave && m_hasContent) {
        highlightPin(0);
        return false;
    }
    if (event->type() == QEvent::MouseMove && m_hasContent) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (watched == m_functionGrid->viewport()) {
            const QModelIndex index = m_functionGrid->indexAt(at);
            if (index.isValid() && index.row() == 0)
                highlightColumn(index.column() + 1);
            else
                highlightPin(0);
        } else {
            const int pin = pinAt(watched, at.y());
            highlightPin(pin);
            static_cast<QWidget*>(watched)->setToolTip(pin ? plainToolTip(pinDescription(pin))
                                                           : QString());
        }
        return false;
    }
    if (watched == m_frame && event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        const bool sideways = wheel->angleDelta().x() != 0 && wheel->angleDelta().y() == 0;
        QCoreApplication::sendEvent(sideways ? m_hScroll : m_vScroll, event);
        return true;
    }
    if (watched == m_frame && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (const auto scroll = keyScroll(key->key());
            scroll && !(key->modifiers() & ~(Qt::KeypadModifier | Qt::ControlModifier))) {
            (scroll->vertical ? m_vScroll : m_hScroll)->triggerAction(scroll->action);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

QImage DatasheetView::renderWhole(double scale) {
    m_hScroll->setValue(0);
    m_vScroll->setValue(0);
    if (m_hasContent) {
        const int width = fullFrameWidth(m_content);
        const int height = fullFrameHeight(m_content);
        arrange(width + kFrameWidthAllowance, height + kScrollBarSize);
        // Whole pixels, rounded up, so that nothing is cut off at the edges.
        const Twips tw = Twips::of(m_host);
        m_frame->resize(int(std::ceil(width / tw.perPixelX())),
                        int(std::ceil(height / tw.perPixelY())));
        SetScrollRanges();
        PlaceDatasheet();
    }
    // Lines one pixel wide vanish when widgets are drawn at a fractional
    // scale, so the picture is drawn at the next whole scale and reduced.
    const double drawScale = std::max(1.0, std::ceil(scale));
    // Computed in floating point: a huge sheet times the scale leaves int.
    const double drawX = m_frame->width() * drawScale;
    const double drawY = m_frame->height() * drawScale;
    constexpr double kMaxSide = 32767;
    constexpr double kMaxPixels = 256.0 * 1024 * 1024;
    if (drawX > kMaxSide || drawY > kMaxSide || drawX * drawY > kMaxPixels)
        return {};
    QImage image(int(drawX), int(drawY), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    image.setDevicePixelRatio(drawScale);
    image.fill(m_frame->palette().color(QPalette::Window));
    m_frame->render(&image);
    if (drawScale != scale) {
        image = image.scaled(std::max(1, int(std::round(m_frame->width() * scale))),
                             std::max(1, int(std::round(m_frame->height() * scale))),
                             Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        image.setDevicePixelRatio(scale);
    }
    const int dotsPerMeter = qRound(scale * m_host->logicalDpiX() / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    return image;
}

} // namespace pinatlas
