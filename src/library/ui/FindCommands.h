#pragma once

#include "library/PartIndex.h"
#include "shared/Language.h"

#include <QAbstractTableModel>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;
class QTreeView;

namespace pinatlas {

class Session;
struct Settings;

// The matches of one search as the Find window lists them: directory, type
// and the description in the current language.
class FoundModel : public QAbstractTableModel {
    Q_OBJECT
public:
    FoundModel(const Settings& settings, QObject* parent);

    void setMatches(const std::vector<PartRecord>* records, std::vector<PartMatch> matches);
    const PartRecord& record(int row) const;
    // The headers and descriptions of the language now chosen.
    void languageChanged();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const Settings& m_settings;
    const std::vector<PartRecord>* m_records = nullptr;
    std::vector<PartMatch> m_matches;
};

// The Find window: a text box and the matching sheets of every library
// directory, updated as the user types.
class FindWindow : public QWidget {
    Q_OBJECT
public:
    FindWindow(Session& session, PartIndex& index);

    QLineEdit* textBox() const { return m_text; }
    QTreeView* results() const { return m_results; }
    FoundModel* model() const { return m_model; }
    // What the window says beside the matches; empty when hidden.
    QString note() const;
    // Only the sheets of directories this accepts are offered: those the
    // directory box lists.
    void setOpenable(std::function<bool(const QString& directory)> openable);
    // Searches again for the text in the box.
    void search();
    // Titles and names in the current language.
    void applyCaptions();
    // Searches again in the language now chosen, keeping the chosen row.
    void refresh();

Q_SIGNALS:
    void chosen(const QString& directory, const QString& type);
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void choose(const QModelIndex& index);
    void showNote(const QString& text);

    Session& m_session;
    PartIndex& m_index;
    QLineEdit* m_text;
    QTreeView* m_results;
    FoundModel* m_model;
    QLabel* m_note;
    std::function<bool(const QString&)> m_openable;
};

// The Find command of the main window and the index it searches, which
// lives as long as the window so that the directories are read only once.
// The open window follows the session's language and its directories.
class FindCommands : public QObject {
    Q_OBJECT
public:
    FindCommands(Session& session, QComboBox* dirBox, QTableView* icList);

    void showFind();
    // Suchen, for the Edit menu.
    QAction* findAction() const { return m_findAction; }
    void retranslate(Language language);
    FindWindow* window() const { return m_window; }
    // The index of the program directory now in use.
    PartIndex& index();

    // Shows a sheet as the user's own choice would: the directory chosen in
    // the directory box, then the sheet's row selected in the IC list.
    bool showSheet(const QString& directory, const QString& type);

private:
    Session& m_session;
    QComboBox* m_dirBox;
    QTableView* m_icList;
    std::optional<PartIndex> m_index;
    QString m_indexedDir;
    QPointer<FindWindow> m_window;
    QAction* m_findAction;
};

} // namespace pinatlas
