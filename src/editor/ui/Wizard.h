#pragma once

#include "editor/WizardRules.h"
#include "library/FileAccess.h"
#include "platform/Platform.h"
#include "shared/Language.h"

#include <QHash>
#include <QList>
#include <QObject>

#include <array>
#include <optional>

class QAction;

namespace pinatlas {

class Session;
class PageWindow;
struct DatasheetFile;
struct EncodedSheet;
struct ForeignCharacter;
struct SheetContent;

// The five-page datasheet wizard: adds a new datasheet or edits the selected one.
// The pages are its storage; it owns their lifetimes and the moves between them.
// It follows the session's language and announces the files it writes.
class Wizard : public QObject {
    Q_OBJECT
public:
    explicit Wizard(Session& session);

    void startNew();  // D_hinzufügen
    void startEdit(); // D_ändern
    // D_hinzufügen and D_ändern, in menu order.
    const QList<QAction*>& actions() const { return m_actions; }
    void retranslate(Language language);
    // The loaded pages name their fields in the program's language again.
    void nameControls();

    // Writes the file from the pages; on success closes the wizard and
    // announces the changed directory, on failure tells why and shows the page
    // it came from.
    void Datenblatt_speichern();

private:
    PageWindow* loaded(WizardPage id) const;
    // Loads a page with its design content when it is not loaded.
    PageWindow* load(WizardPage id);
    PageWindow* create(WizardPage id);
    // The page of that class, loaded if need be.
    template <class Page> Page& page() { return static_cast<Page&>(*load(Page::kId)); }
    void showPage(WizardPage id);
    void forward(PageWindow* current);
    void back(PageWindow* current);
    void unload(WizardPage id);
    void unloadAll();
    void backToMainWindow();
    bool english() const;
    void tell(MsgIcon icon, const QString& de, const QString& en);
    // The type check of the first page; false after telling the user.
    bool typeAccepted();
    bool commentsAccepted();

    // The record the pages hold, as the file receives it.
    SheetContent gatheredSheet();
    // Each false after telling the user and showing the page to correct.
    bool charactersAccepted(const SheetContent& content, WizardPage returnTo);
    // Shows the page of that text with the keyboard on it; `otherwise` when
    // no page holds it.
    void showForCorrection(const ForeignCharacter& at, WizardPage otherwise);
    bool cellsAccepted(const EncodedSheet& encoded, WizardPage returnTo);
    bool saved(const QString& path, const QByteArray& bytes, WizardPage returnTo);
    // Asks before a save replaces a file holding text the reader passed over;
    // false when the user keeps the file.
    bool replacingLosesNothing(const QString& path);
    // Asks before a save replaces a file that changed on disk since the wizard
    // began (another instance, an editor, a sync tool); false when the user
    // keeps the version on disk.
    bool replacingOverwritesNoChange(const QString& path);
    // Remembers the current directory's files as they are when the wizard begins.
    void noteDirectory();
    // The file the pages are written to: the edited file itself while its type
    // is unchanged, however its name is spelt on disk.
    QString targetPath();

    // The file of `type` when the pages can hold it; otherwise tells why.
    std::optional<DatasheetFile> editableFile(const QString& type);
    void fillPages(const QString& type, const DatasheetFile& file);
    void fillTablePages(const Datasheet& sheet);

    Session& m_session;
    std::array<PageWindow*, kWizardPages> m_pages{};
    WizardPage m_finishedFrom = WizardPage::None;

    // What the wizard saw on disk when it began.
    QString m_seenDirectory;
    QHash<QString, FileStamp> m_seenFiles;   // by name, in m_seenDirectory
    QString m_editedType;                    // the name on disk; empty for a new sheet
    std::optional<QByteArray> m_editedBytes; // the edited file as read
    QList<QAction*> m_actions;
};

} // namespace pinatlas
