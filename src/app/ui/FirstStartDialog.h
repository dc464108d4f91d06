#pragma once

#include <QDialog>

class QRadioButton;

namespace pinatlas {

// The first-start dialog: asks for the language once, before the
// configuration file exists. Its texts are bilingual in themselves.
class FirstStartDialog : public QDialog {
    Q_OBJECT
public:
    explicit FirstStartDialog(QWidget* parent);
    bool englishChosen() const;

Q_SIGNALS:
    // Closed other than by OK (close box, Escape).
    void dismissed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    QRadioButton* m_englishButton;
    QRadioButton* m_germanButton;
};

} // namespace pinatlas
