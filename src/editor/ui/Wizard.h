#pragma once

#include "editor/WizardRules.h"
#include "platform/Platform.h"

#include <QObject>

namespace pinatlas {

class RunningProgram;
class GeneralPage;
class PinoutPage;
class CommentPage;
class FunctionGridPage;
class ExtraGridPage;
class PageWindow;

// The five-page datasheet wizard: adds a new datasheet or edits the selected one.
// The pages are its storage; it owns their lifetimes and the moves between them.
class Wizard : public QObject {
    Q_OBJECT
public:
    explicit Wizard(RunningProgram& program);

    void startNew();  // D_hinzufügen
    void startEdit(); // D_ändern

    // Writes the file from the pages; on success closes the wizard and refreshes
    // the main window, on failure tells why and shows the page it came from.
    void Datenblatt_speichern();

    // The loaded pages; null when a page is not loaded.
    GeneralPage* page1() const { return m_d1; }
    PinoutPage* page2() const { return m_d2; }
    CommentPage* page3() const { return m_d3; }
    FunctionGridPage* page4() const { return m_d4; }
    ExtraGridPage* page5() const { return m_d5; }

private:
    PageWindow* loaded(WizardPage id) const;
    // Loads a page with its design content when it is not loaded.
    PageWindow* load(WizardPage id);
    GeneralPage& d1();
    PinoutPage& d2();
    CommentPage& d3();
    FunctionGridPage& d4();
    ExtraGridPage& d5();
    void showPage(WizardPage id);
    void forward(PageWindow* page);
    void back(PageWindow* page);
    void unload(WizardPage id);
    void unloadAll();
    bool english() const;
    void tell(MsgIcon icon, const QString& de, const QString& en);
    // The type check of the first page; false after telling the user.
    bool typeAccepted();
    bool commentsAccepted();
    bool fillFromFile(const QString& type);
    // Asks before a save replaces a file holding text the reader passed over;
    // false when the user keeps the file.
    bool replacingLosesNothing(const QString& path);

    RunningProgram& m_program;
    GeneralPage* m_d1 = nullptr;
    PinoutPage* m_d2 = nullptr;
    CommentPage* m_d3 = nullptr;
    FunctionGridPage* m_d4 = nullptr;
    ExtraGridPage* m_d5 = nullptr;
    WizardPage m_finishedFrom = WizardPage::None;
};

} // namespace pinatlas
