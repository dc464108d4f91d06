#include "library/ui/SheetListing.h"
#include "library/ui/IcListModel.h"

#include "library/DatasheetDisplay.h"
#include "library/DatasheetReader.h"
#include "library/FileAccess.h"
#include "library/IcList.h"
#include "library/Names.h"
#include "platform/Platform.h"
#include "platform/ui/GridCell.h"
#include "platform/ui/Twips.h"
#include "shared/Session.h"
#include "shared/Settings.h"

#include <QDir>
#include <QHeaderView>
#include <QScopedValueRollback>
#include <QTableView>
#include <QTimer>

#include <algorithm>

namespace pinatlas {
namespace {

// The list grid's row height, as the grid control has it by default.
constexpr int kListRowHeight = 240;

} // namespace

SheetListing::SheetListing(Session& session, QTableView* icList, DatasheetDisplay& display)
    : QObject(session.window()), m_session(session), m_icList(icList),
      m_model(new IcListModel(icList)), m_display(display) {
    setUpIcList();
    connect(&session, &Session::sortOrderChanged, this, &SheetListing::Liste_aufbauen);
    connect(&session, &Session::languageChanged, this, &SheetListing::showHeaders);
    connect(&session, &Session::libraryChanged, this, [this](const QString& directory) {
        if (!directory.isEmpty() && directory == m_session.directory()) {
            Liste_aufbauen();
            Datenblatt_laden();
        }
    });
}

void SheetListing::setUpIcList() {
    QTableView* icList = m_icList;
    icList->setModel(m_model);
    icList->setItemDelegate(new GridCellDelegate(icList));
    icList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    icList->setSelectionBehavior(QAbstractItemView::SelectRows);
    icList->setSelectionMode(QAbstractItemView::SingleSelection);
    icList->setSortingEnabled(false);
    icList->setWordWrap(false);
    icList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Whole rows under the header, whatever the desktop's style prefers.
    icList->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    icList->verticalHeader()->hide();
    QHeaderView* header = icList->horizontalHeader();
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::Fixed);
    QHeaderView* rows = icList->verticalHeader();
    rows->setMinimumSectionSize(1);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(
        std::max(Twips::of(icList).toPxY(kListRowHeight), icList->fontMetrics().height() + 4));
    showHeaders();

    connect(header, &QHeaderView::sectionClicked, this, &SheetListing::onHeaderClicked);
    connect(
        icList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this](const QModelIndex& current, const QModelIndex&) { onCurrentRowChanged(current); });
}

void SheetListing::Liste_aufbauen() {
    const Settings& s = m_session.settings();
    QTableView* icList = m_icList;
    for (;;) {
        const QScopedValueRollback<bool> quiet(m_rebuilding, true);
        m_model->blank();
        followCurrentRow();
        showHeaders();

        // Without a directory, or with a typed name that would leave the
        // program directory, there is nothing to list and nothing is read.
        const QString dir = m_session.directory();
        DirectoryScan scan;
        if (isPlainDirectoryName(dir))
            scan = scanIcDirectory(s.programDir + dir + QDir::separator());
        if (scan.failed()) {
            if (askAboutFile(s.programDir + dir + QDir::separator() + scan.failedFile))
                continue;
            highlightCurrentRow();
            return;
        }

        const std::vector<IcRow> rows = sortIcList(scan.entries, s.sortMode, s.shown());
        m_model->setRows(rows);
        icList->setCurrentIndex(m_model->index(0, 0));
        icList->scrollToTop();
        fitColumns();
        highlightCurrentRow();
        return;
    }
}

void SheetListing::showHeaders() {
    m_model->setHeaders(icListHeaders(m_session.language()));
}

bool SheetListing::askAboutFile(const QString& path) {
    const Settings& s = m_session.settings();
    const FileErrorMessage m = defectiveFileMessage(s.shown(), shownText(path), s.lineBreak);
    switch (m_session.platform().message(m_session.window(), MsgIcon::None, m.title, m.text,
                                         MsgButtons::AbortRetryIgnore)) {
    case MsgAnswer::Abort:
        m_session.platform().endNow();
        return false;
    case MsgAnswer::Retry:
        return true;
    default:
        return false;
    }
}

void SheetListing::highlightCurrentRow() {
    followCurrentRow();
    auto highlight = [this] {
        QTableView* icList = m_icList;
        const QModelIndex current = icList->currentIndex();
        if (current.isValid())
            icList->selectionModel()->select(current, QItemSelectionModel::ClearAndSelect |
                                                          QItemSelectionModel::Rows);
        else
            icList->clearSelection();
    };
    highlight();
    // A rebuild from inside a click on a row is followed by the view's own
    // selection of the clicked row; the highlight must follow the current row
    // again once that is done, or the commands would act on another row than
    // the one shown.
    QTimer::singleShot(0, this, highlight);
}

void SheetListing::fitColumns() {
    QTableView* icList = m_icList;
    const Twips tw = Twips::of(icList);
    // The first data row is on top after a rebuild; the last is visible too
    // when all rows fit below the header.
    const int available = icList->height() - 2 * icList->frameWidth() -
                          icList->horizontalHeader()->sizeHint().height();
    const bool allVisible = icList->verticalHeader()->length() <= available;
    const IcColumnWidths w = icColumnWidths(tw.perPixelX(), allVisible);
    icList->setColumnWidth(0, tw.toPxX(w.type));
    icList->setColumnWidth(1, tw.toPxX(w.description));
    icList->setColumnWidth(2, tw.toPxX(w.pins));
}

void SheetListing::sortBy(IcSort order) {
    if (!m_session.setSortOrder(order))
        Liste_aufbauen();
}

void SheetListing::onHeaderClicked(int column) {
    if (column == 0 || column == 1) {
        sortBy(column == 0 ? IcSort::ByType : IcSort::ByDescription);
        Datenblatt_laden();
    }
}

bool SheetListing::rowVisible(int row) const {
    QTableView* icList = m_icList;
    const QRect rect = icList->visualRect(icList->model()->index(row, 0));
    // Only a row shown whole counts: the view itself scrolls a row that is cut
    // off at the bottom into full view when it becomes current.
    return rect.isValid() && rect.top() >= 0 && rect.bottom() < icList->viewport()->height();
}

void SheetListing::makeTopRow(int row) {
    QTableView* icList = m_icList;
    icList->scrollTo(icList->model()->index(row, 0), QAbstractItemView::PositionAtTop);
}

void SheetListing::onCurrentRowChanged(const QModelIndex& current) {
    // Only through `current`: the list may be going with the window.
    m_session.setCurrentType(current.isValid() ? m_model->typeAt(current.row()) : QString());
    if (m_rebuilding || !current.isValid())
        return;
    const int row = current.row();
    const int rows = m_model->rowCount();
    // Keep the neighbours of the chosen row in view: moving onto the last
    // visible row brings it to the top.
    if (!rowVisible(row))
        makeTopRow(row);
    if (row >= 1 && !rowVisible(row - 1))
        makeTopRow(row);
    if (row < rows - 1 && !rowVisible(row + 1))
        makeTopRow(row);
    Datenblatt_laden();
}

QString SheetListing::currentType() const {
    return m_model->typeAt(m_icList->currentIndex().row());
}

void SheetListing::followCurrentRow() {
    m_session.setCurrentType(currentType());
}

void SheetListing::Datenblatt_laden() {
    showSheet();
    Q_EMIT loadRun();
}

void SheetListing::showSheet() {
    const QString type = currentType();
    const QString dir = m_session.directory();
    if (type.isEmpty() || dir.isEmpty())
        return;

    const Settings& s = m_session.settings();
    const QString fileName = type + QStringLiteral(".txt");
    const QString path = s.programDir + dir + QDir::separator() + fileName;
    ReadResult result;
    // A typed directory name never takes the loader outside the program
    // directory: such a name is reported like a file that cannot be opened.
    if (isPlainDirectoryName(dir) && isListedFileName(fileName)) {
        const std::optional<FileStamp> stamp = fileStamp(path);
        if (stamp && m_lastRead && m_lastRead->path == path && m_lastRead->stamp == *stamp) {
            result = m_lastRead->result;
        } else {
            result = readDatasheetFile(path, type);
            m_lastRead.reset();
            if (result.file && stamp)
                m_lastRead = LastRead{path, *stamp, result};
        }
    }
    if (!result.file) {
        if (result.pastPinNames)
            m_display.clearComment();
        if (askAboutFile(path))
            Liste_aufbauen();
        return;
    }

    const Datasheet& sheet = result.file->sheet;
    const bool english = s.shown() == Language::English;
    const QString title = english ? shownText(type) + QStringLiteral(":  ") +
                                        shownText(sheet.descriptionEn.left(kMaxShownDescription))
                                  : shownText(type) + QStringLiteral(": ") +
                                        shownText(sheet.descriptionDe.left(kMaxShownDescription));
    const QStringList& comment = english ? result.file->commentEn : result.file->commentDe;
    m_display.display(sheet, comment, title, s.shown());
}

} // namespace pinatlas
