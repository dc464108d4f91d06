#pragma once

#include "editor/WizardRules.h"
#include "platform/ui/Twips.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace pinatlas {

// One window of the datasheet wizard: a fixed client area laid out in twips and
// the three buttons every page has. The wizard decides what the buttons do.
class PageWindow : public QWidget {
    Q_OBJECT
public:
    PageWindow(QWidget* owner, WizardPage id, const QString& name, const QString& title,
               int clientWidth, int clientHeight, int buttonTop, bool english);

    WizardPage id() const { return m_id; }
    QPushButton* backButton() const { return m_back; }
    QPushButton* abortButton() const { return m_abort; }
    QPushButton* forwardButton() const { return m_forward; }

    // Shows and activates the page; the first showing opens it centred.
    void showPage();
    // Names the page's fields for assistive technology in the language of
    // the program, which can change while the page is open.
    virtual void nameControls(bool english) { (void)english; }

Q_SIGNALS:
    void forwardPressed();
    void backPressed();
    void abortPressed();
    // The window's own close button.
    void closedByUser();

protected:
    QLabel* addLabel(const char* name, const QString& text, int left, int top, int width,
                     int height);
    void place(QWidget* w, int left, int top, int width, int height) const {
        m_tw.place(w, left, top, width, height);
    }
    const Twips& twips() const { return m_tw; }
    static QString pick(bool english, const char* de, const char* en) {
        return QString::fromUtf8(english ? en : de);
    }
    // Each time the page becomes the active window.
    virtual void activated() {}
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    WizardPage m_id;
    Twips m_tw;
    bool m_shownBefore = false;
    QPushButton* m_back = nullptr;
    QPushButton* m_abort = nullptr;
    QPushButton* m_forward = nullptr;
};

} // namespace pinatlas
