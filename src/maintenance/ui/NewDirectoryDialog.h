#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace pinatlas {

// Asks for the name of a new library directory. Not modal: it reports the
// user's choice and leaves the work to its owner.
class NewDirectoryDialog : public QDialog {
    Q_OBJECT
public:
    NewDirectoryDialog(QWidget* parent, bool english);

    QString name() const;

Q_SIGNALS:
    // `ok` pressed (or Enter in the name box).
    void okPressed();
    // `Abbrechen`, Escape or the close box.
    void aborted();

protected:
    void reject() override;

private:
    QLabel* m_label;
    QLineEdit* m_name;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

} // namespace pinatlas
