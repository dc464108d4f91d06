#include "library/ui/FindCommands.h"
#include "library/ui/IcListModel.h"

#include "lang/ui/CommandActions.h"
#include "library/FileAccess.h"
#include "library/Names.h"

#include "platform/Platform.h"
#include "shared/Session.h"
#include "shared/Settings.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace pinatlas {

FoundModel::FoundModel(const Settings& settings, QObject* parent)
    : QAbstractTableModel(parent), m_settings(settings) {}

void FoundModel::setMatches(const std::vector<PartRecord>* records,
                            std::vector<PartMatch> matches) {
    beginResetModel();
    m_records = records;
    m_matches = std::move(matches);
    endResetModel();
}

void FoundModel::languageChanged() {
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 2), index(rowCount() - 1, 2));
}

const PartRecord& FoundModel::record(int row) const {
    return (*m_records)[m_matches[row].record];
}

int FoundModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_matches.size());
}

int FoundModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant FoundModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const PartRecord& r = record(index.row());
    switch (index.column()) {
    case 0:
        return shownText(r.directory);
    case 1:
        return shownText(r.type);
    default:
        return shownText(m_settings.pick(r.descriptionDe, r.descriptionEn));
    }
}

QVariant FoundModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case 0:
        return m_settings.pick(QStringLiteral("Verzeichnis"), QStringLiteral("Directory"));
    case 1:
        return m_settings.pick(QStringLiteral("Typ"), QStringLiteral("Type"));
    default:
        return m_settings.pick(QStringLiteral("Beschreibung"), QStringLiteral("Description"));
    }
}

FindWindow::FindWindow(Session& session, PartIndex& index)
    : QWidget(session.window(), Qt::Window), m_session(session), m_index(index) {
    setObjectName(QStringLiteral("Suche"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("S_Text"));
    m_text->setClearButtonEnabled(true);
    m_text->installEventFilter(this);
    m_results = new QTreeView(this);
    m_results->setObjectName(QStringLiteral("S_Liste"));
    m_results->setRootIsDecorated(false);
    m_results->setUniformRowHeights(true);
    m_results->setAllColumnsShowFocus(true);
    m_results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_results->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_results->setSelectionMode(QAbstractItemView::SingleSelection);
    m_model = new FoundModel(session.settings(), this);
    m_results->setModel(m_model);
    m_results->header()->setStretchLastSection(true);
    m_results->setColumnWidth(0, 90);
    m_results->setColumnWidth(1, 90);
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("S_Hinweis"));
    m_note->setWordWrap(true);
    m_note->setTextFormat(Qt::PlainText);
    m_note->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(m_results);
    layout->addWidget(m_note);
    resize(560, 380);

    connect(m_text, &QLineEdit::textChanged, this, &FindWindow::search);
    connect(m_results, &QTreeView::activated, this, &FindWindow::choose);
    connect(m_results, &QTreeView::doubleClicked, this, &FindWindow::choose);
    applyCaptions();
}

void FindWindow::applyCaptions() {
    const Settings& s = m_session.settings();
    setWindowTitle(s.pick(QStringLiteral("Suchen"), QStringLiteral("Find")));
    m_text->setPlaceholderText(s.pick(QStringLiteral("Typ oder Wörter der Beschreibung"),
                                      QStringLiteral("Type or words of the description")));
    m_text->setAccessibleName(s.pick(QStringLiteral("Suchtext"), QStringLiteral("Search text")));
    for (QToolButton* clear : m_text->findChildren<QToolButton*>())
        clear->setAccessibleName(
            s.pick(QStringLiteral("Suchtext leeren"), QStringLiteral("Clear search text")));
    m_results->setAccessibleName(
        s.pick(QStringLiteral("Gefundene Datenblätter"), QStringLiteral("Datasheets found")));
}

QString FindWindow::note() const {
    return m_note->isHidden() ? QString() : m_note->text();
}

void FindWindow::showNote(const QString& text) {
    m_note->setText(text);
    m_note->setHidden(text.isEmpty());
}

void FindWindow::setOpenable(std::function<bool(const QString&)> openable) {
    m_openable = std::move(openable);
}

void FindWindow::search() {
    const Settings& settings = m_session.settings();
    const QString text = m_text->text();
    std::vector<PartMatch> matches = m_index.find(text, settings.shown());
    const std::vector<PartRecord>& records = m_index.records();
    // A directory renamed or added since the directory box was filled cannot
    // be chosen there: its sheets are not offered, and the user is told why.
    QStringList unlisted;
    if (m_openable)
        std::erase_if(matches, [&](const PartMatch& m) {
            const QString& directory = records[m.record].directory;
            if (m_openable(directory))
                return false;
            if (!unlisted.contains(shownText(directory)))
                unlisted << shownText(directory);
            return true;
        });
    const PartQuery query = makePartQuery(text);
    const PartRecord* best = matches.empty() ? nullptr : &records[matches.front().record];
    // Only a query naming a family asks which families the sheet shows.
    const QStringList families =
        best && !query.family.isEmpty() ? dataTableFamilies(m_index.pathOf(*best)) : QStringList();
    QStringList notes(searchNote(query, best, families, settings.shown()));
    if (!unlisted.isEmpty())
        notes << settings.pick(
            QStringLiteral("Nicht angeboten: Datenblätter in %1, das die Verzeichnisliste nicht "
                           "enthält.")
                .arg(unlisted.join(QStringLiteral(", "))),
            QStringLiteral("Not offered: sheets in %1, which the directory box does not list.")
                .arg(unlisted.join(QStringLiteral(", "))));
    if (!m_index.complete())
        notes << settings.pick(
            QStringLiteral("Die Bibliothek ist zu groß: Nur die ersten %L1 Datenblätter werden "
                           "durchsucht.")
                .arg(kMaxIndexedSheets),
            QStringLiteral("The library is too large: only the first %L1 sheets are searched.")
                .arg(kMaxIndexedSheets));
    notes.removeAll(QString());
    m_model->setMatches(&records, std::move(matches));
    showNote(notes.join(u'\n'));
    if (m_model->rowCount() > 0)
        m_results->setCurrentIndex(m_model->index(0, 0));
}

void FindWindow::refresh() {
    applyCaptions();
    m_model->languageChanged();
    // The notes and the order follow the language; the row chosen stays.
    const QModelIndex current = m_results->currentIndex();
    const std::optional<std::pair<QString, QString>> chosen =
        current.isValid() ? std::optional(std::pair(m_model->record(current.row()).directory,
                                                    m_model->record(current.row()).type))
                          : std::nullopt;
    search();
    for (int row = 0; chosen && row < m_model->rowCount(); ++row)
        if (std::pair(m_model->record(row).directory, m_model->record(row).type) == *chosen)
            m_results->setCurrentIndex(m_model->index(row, 0));
}

void FindWindow::choose(const QModelIndex& index) {
    if (!index.isValid())
        return;
    const PartRecord r = m_model->record(index.row());
    if (!isDirectory(m_session.settings().programDir + r.directory)) {
        // Renamed or removed since the search: say so rather than only beep.
        search();
        showNote(QStringList{
            m_session.settings().pick(
                QStringLiteral("Das Verzeichnis %1 gibt es nicht mehr: Es wurde umbenannt oder "
                               "entfernt.")
                    .arg(shownText(r.directory)),
                QStringLiteral("The directory %1 is gone: it was renamed or removed.")
                    .arg(shownText(r.directory))),
            note()}
                     .join(u'\n')
                     .trimmed());
        m_session.platform().beep();
        return;
    }
    Q_EMIT chosen(r.directory, r.type);
}

bool FindWindow::eventFilter(QObject* watched, QEvent* event) {
    // The arrow keys in the text box move through the results.
    if (watched == m_text && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QApplication::sendEvent(m_results, event);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            choose(m_results->currentIndex());
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FindWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    // Find Next and Previous step through the results, round at either end.
    if (event->key() == Qt::Key_F3 && m_model->rowCount() > 0) {
        const int rows = m_model->rowCount();
        const int step = (event->modifiers() & Qt::ShiftModifier) ? rows - 1 : 1;
        const int row = (std::max(0, m_results->currentIndex().row()) + step) % rows;
        m_results->setCurrentIndex(m_model->index(row, 0));
        return;
    }
    QWidget::keyPressEvent(event);
}

void FindWindow::closeEvent(QCloseEvent* event) {
    Q_EMIT closed();
    QWidget::closeEvent(event);
}

void FindWindow::changeEvent(QEvent* event) {
    // Back in the window after working elsewhere: the files may have changed
    // on disk, so look at every one of them once.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        if (m_index.refresh(true))
            search();
    }
    QWidget::changeEvent(event);
}

namespace {

std::span<const CommandCaption> findCaption() {
    static const CommandCaption c[] = {
        {"Suchen", QStringLiteral("&Suchen…"), QStringLiteral("&Find…")}};
    return c;
}

} // namespace

FindCommands::FindCommands(Session& session, QComboBox* dirBox, QTableView* icList)
    : QObject(session.window()), m_session(session), m_dirBox(dirBox), m_icList(icList),
      m_findAction(makeActions(this, findCaption()).front()) {
    m_findAction->setShortcut(QKeySequence::Find);
    connect(m_findAction, &QAction::triggered, this, [this] { showFind(); });
    retranslate(session.language());
    connect(&session, &Session::languageChanged, this, [this](Language language) {
        retranslate(language);
        if (m_window)
            m_window->refresh();
    });
    // Added or removed directories change what the open window may offer.
    connect(&session, &Session::libraryChanged, this, [this](const QString& directory) {
        if (m_window && directory.isEmpty())
            m_window->refresh();
    });
}

void FindCommands::retranslate(Language language) {
    retranslateActions({m_findAction}, findCaption(), language);
}

PartIndex& FindCommands::index() {
    const QString dir = m_session.settings().programDir;
    if (!m_index || m_indexedDir != dir) {
        m_index.emplace(dir);
        m_indexedDir = dir;
    }
    return *m_index;
}

void FindCommands::showFind() {
    if (!m_window) {
        m_window = new FindWindow(m_session, index());
        m_window->setOpenable(
            [this](const QString& directory) { return m_dirBox->findData(directory) >= 0; });
        connect(m_window, &FindWindow::chosen, this,
                [this](const QString& directory, const QString& type) {
                    if (!showSheet(directory, type))
                        m_session.platform().beep();
                });
        // Without a window manager nothing else would hand the keyboard back.
        connect(m_window, &FindWindow::closed, this, [this] {
            m_session.window()->raise();
            m_session.window()->activateWindow();
        });
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    m_window->textBox()->setFocus();
    m_window->textBox()->selectAll();
    m_window->search();
}

bool FindCommands::showSheet(const QString& directory, const QString& type) {
    QComboBox* dirBox = m_dirBox;
    // Entries and rows keep the names on disk; their texts are only shown.
    const int position = dirBox->findData(directory);
    if (position < 0)
        return false;
    QTableView* icList = m_icList;
    const auto rowOf = [icList, &type] {
        const auto* list = qobject_cast<const IcListModel*>(icList->model());
        return list ? list->rowOfType(type) : -1;
    };
    // A list that does not show the sheet (another directory, or one changed
    // since it was built) is chosen anew, as the user would.
    if (m_session.directory() != directory || dirBox->currentIndex() != position || rowOf() < 0) {
        dirBox->setCurrentIndex(position);
        Q_EMIT dirBox->activated(position);
    }
    const int row = rowOf();
    if (row < 0)
        return false;
    if (row != icList->currentIndex().row())
        icList->setCurrentIndex(icList->model()->index(row, 0));
    return true;
}

} // namespace pinatlas
