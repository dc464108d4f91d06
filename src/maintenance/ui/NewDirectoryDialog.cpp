#include "maintenance/ui/NewDirectoryDialog.h"

#include "platform/ui/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace pinatlas {

NewDirectoryDialog::NewDirectoryDialog(QWidget* parent, bool english) : QDialog(parent) {
    setObjectName(QStringLiteral("Neu_V"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    const Twips tw = Twips::of(this);

    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("Label"));
    tw.place(m_label, 240, 240, 4935, 255);

    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("V_Name"));
    tw.place(m_name, 240, 600, 4935, 315);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("ok"));
    tw.place(m_ok, 2400, 1140, 1335, 375);

    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("Abbrechen"));
    tw.place(m_cancel, 3840, 1140, 1335, 375);

    // Enter in the name box is the one way the keyboard presses ok; the
    // buttons must not also react to it as the dialog's default.
    m_ok->setAutoDefault(false);
    m_cancel->setAutoDefault(false);
    connect(m_name, &QLineEdit::returnPressed, m_ok, &QPushButton::click);
    connect(m_ok, &QPushButton::clicked, this, &NewDirectoryDialog::okPressed);
    connect(m_cancel, &QPushButton::clicked, this, &NewDirectoryDialog::reject);

    if (english) {
        setWindowTitle(QStringLiteral("Add a new directory"));
        m_label->setText(QStringLiteral("Please insert the name of the new directory"));
        m_cancel->setText(QStringLiteral("Abort"));
        m_name->setAccessibleName(QStringLiteral("Name of the new directory"));
    } else {
        setWindowTitle(QStringLiteral("Neues Verzeichnis hinzufügen"));
        m_label->setText(QStringLiteral("Wie soll das neue Verzeichnis heißen?"));
        m_cancel->setText(QStringLiteral("Abbrechen"));
        m_name->setAccessibleName(QStringLiteral("Name des neuen Verzeichnisses"));
    }
    setFixedSize(tw.toPxX(5415), tw.toPxY(1755));
}

QString NewDirectoryDialog::name() const {
    return m_name->text();
}

void NewDirectoryDialog::reject() {
    QDialog::reject();
    Q_EMIT aborted();
}

} // namespace pinatlas
