#pragma once

#include "editor/ui/PageWindow.h"

class QPlainTextEdit;

namespace pinatlas {

// The comment page: free text in English and German.
class CommentPage : public PageWindow {
    Q_OBJECT
public:
    static constexpr WizardPage kId = WizardPage::Comments;

    CommentPage(QWidget* owner, bool english);

    void nameControls(bool english) override;

    QPlainTextEdit* englishBox() const { return m_englishBox; }
    QPlainTextEdit* germanBox() const { return m_germanBox; }
    // The texts with CR LF between their lines.
    QString germanText() const;
    QString englishText() const;
    void setGermanText(const QString& text);
    void setEnglishText(const QString& text);

private:
    QPlainTextEdit* m_englishBox = nullptr;
    QPlainTextEdit* m_germanBox = nullptr;
};

} // namespace pinatlas
