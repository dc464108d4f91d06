#include "app/ui/FirstStartDialog.h"

#include "platform/ui/Twips.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace pinatlas {

FirstStartDialog::FirstStartDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Erststart"));
    setWindowTitle(QStringLiteral("Welcome / Willkommen "));
    const Twips tw = Twips::of(this);

    auto* frame = new QGroupBox(
        QStringLiteral("Please choose your language: / Bitte wählen Sie Ihre Sprache:"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    tw.place(frame, 240, 240, 5760, 1320);
    m_englishButton = new QRadioButton(QStringLiteral("English"), frame);
    m_englishButton->setObjectName(QStringLiteral("Englisch"));
    tw.place(m_englishButton, 360, 420, 2400, 300);
    m_germanButton = new QRadioButton(QStringLiteral("Deutsch"), frame);
    m_germanButton->setObjectName(QStringLiteral("Deutsch"));
    tw.place(m_germanButton, 360, 840, 2400, 300);
    m_englishButton->setChecked(true);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    tw.place(ok, 2400, 1800, 1455, 420);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(tw.toPxX(6240), tw.toPxY(2460));
}

bool FirstStartDialog::englishChosen() const {
    return m_englishButton->isChecked();
}

void FirstStartDialog::reject() {
    QDialog::reject();
    Q_EMIT dismissed();
}

void FirstStartDialog::closeEvent(QCloseEvent* event) {
    // The close box goes through reject(), so Escape and the box behave alike.
    event->ignore();
    reject();
}

} // namespace pinatlas
