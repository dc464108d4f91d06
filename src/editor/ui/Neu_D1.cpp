#include "editor/ui/Neu_D1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace pinatlas {

namespace {

QComboBox* oneLineList(QWidget* parent, const char* name, const QStringList& items) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromUtf8(name));
    box->addItems(items);
    box->setCurrentIndex(-1);
    return box;
}

} // namespace

Neu_D1::Neu_D1(QWidget* owner, bool english)
    : PageWindow(owner, WizardPage::D1, QStringLiteral("Neu_D1"),
                 QStringLiteral("Add datasheet / Neues Datenblatt hinzufügen"), 6480, 6720, 6120,
                 english) {
    addLabel("Label1", QStringLiteral("Type / Typ:"), 240, 360, 1095, 255);
    m_typ = new QLineEdit(this);
    m_typ->setObjectName(QStringLiteral("N_Typ"));
    place(m_typ, 240, 600, 5775, 285);
    addLabel("Label2", QStringLiteral("Short english description / Kurze englische Beschreibung:"),
             240, 1080, 5775, 255);
    m_et = new QLineEdit(this);
    m_et->setObjectName(QStringLiteral("N_ET"));
    place(m_et, 240, 1320, 5775, 285);
    addLabel("Label3", QStringLiteral("Short german description / Kurze deutsche Beschreibung:"),
             240, 1800, 5775, 255);
    m_dt = new QLineEdit(this);
    m_dt->setObjectName(QStringLiteral("N_DT"));
    place(m_dt, 240, 2040, 5775, 285);
    addLabel("Label4", QStringLiteral("Package / Gehäuse:"), 240, 2520, 2295, 255);
    m_geh = oneLineList(this, "N_Geh", {QStringLiteral("DIL (Dual in Line)")});
    place(m_geh, 240, 2760, 2055, 255);
    addLabel("Label6", QStringLiteral("Output type / Ausgangstyp:"), 240, 3240, 2295, 255);
    m_out = oneLineList(this, "N_out",
                        {QStringLiteral("TP (totem pole)"), QStringLiteral("OD (open drain)"),
                         QStringLiteral("OC (open collector)"), QStringLiteral("Tri-state"),
                         QStringLiteral("Other")});
    place(m_out, 240, 3480, 2055, 255);

    m_eb = new QCheckBox(
        QStringLiteral("With comments or extra description / Mit Kommentar oder extra "
                       "Beschreibung"),
        this);
    m_eb->setObjectName(QStringLiteral("N_EB"));
    // Its caption is the longest of the page: the page is a little wider than
    // drawn so that it keeps the font of the other two.
    place(m_eb, 240, 4200, 6120, 375);
    m_ftab = new QCheckBox(QStringLiteral("With Function table / Mit Funktionstabelle"), this);
    m_ftab->setObjectName(QStringLiteral("N_FTab"));
    place(m_ftab, 240, 4680, 5775, 375);
    m_ztab = new QCheckBox(
        QStringLiteral("With free available table / Mit frei verfügbarer Tabelle"), this);
    m_ztab->setObjectName(QStringLiteral("N_ZTab"));
    place(m_ztab, 240, 5160, 5895, 375);

    backButton()->setEnabled(false);

    QWidget* order[] = {m_typ,  m_et,   m_dt,         m_geh,         m_out,          m_eb,
                        m_ftab, m_ztab, backButton(), abortButton(), forwardButton()};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    m_typ->setFocus();
}

WizardOptions Neu_D1::options() const {
    return {m_eb->isChecked(), m_ftab->isChecked(), m_ztab->isChecked()};
}

QString Neu_D1::outputType() const {
    return m_out->currentIndex() < 0 ? QString() : m_out->currentText();
}

void Neu_D1::setOutputType(const QString& text) {
    int index = m_out->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0 && !text.isEmpty()) {
        m_out->addItem(text);
        index = m_out->count() - 1;
    }
    m_out->setCurrentIndex(index);
}

} // namespace pinatlas
