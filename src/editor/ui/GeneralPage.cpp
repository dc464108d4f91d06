#include "editor/ui/GeneralPage.h"

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

GeneralPage::GeneralPage(QWidget* owner, bool english)
    : PageWindow(owner, kId, QStringLiteral("Neu_D1"),
                 QStringLiteral("Add datasheet / Neues Datenblatt hinzufügen"), 6480, 6720, 6120,
                 english) {
    addLabel("Label1", QStringLiteral("Type / Typ:"), 240, 360, 1095, 255);
    m_typeBox = new QLineEdit(this);
    m_typeBox->setObjectName(QStringLiteral("N_Typ"));
    place(m_typeBox, 240, 600, 5775, 285);
    addLabel("Label2", QStringLiteral("Short english description / Kurze englische Beschreibung:"),
             240, 1080, 5775, 255);
    m_englishBox = new QLineEdit(this);
    m_englishBox->setObjectName(QStringLiteral("N_ET"));
    place(m_englishBox, 240, 1320, 5775, 285);
    addLabel("Label3", QStringLiteral("Short german description / Kurze deutsche Beschreibung:"),
             240, 1800, 5775, 255);
    m_germanBox = new QLineEdit(this);
    m_germanBox->setObjectName(QStringLiteral("N_DT"));
    place(m_germanBox, 240, 2040, 5775, 285);
    addLabel("Label4", QStringLiteral("Package / Gehäuse:"), 240, 2520, 2295, 255);
    m_packageBox = oneLineList(this, "N_Geh", {QStringLiteral("DIL (Dual in Line)")});
    place(m_packageBox, 240, 2760, 2055, 255);
    addLabel("Label6", QStringLiteral("Output type / Ausgangstyp:"), 240, 3240, 2295, 255);
    m_outputBox = oneLineList(this, "N_out",
                              {QStringLiteral("TP (totem pole)"), QStringLiteral("OD (open drain)"),
                               QStringLiteral("OC (open collector)"), QStringLiteral("Tri-state"),
                               QStringLiteral("Other")});
    place(m_outputBox, 240, 3480, 2055, 255);

    m_commentsBox = new QCheckBox(
        QStringLiteral("With comments or extra description / Mit Kommentar oder extra "
                       "Beschreibung"),
        this);
    m_commentsBox->setObjectName(QStringLiteral("N_EB"));
    // Its caption is the longest of the page: the page is a little wider than
    // drawn so that it keeps the font of the other two.
    place(m_commentsBox, 240, 4200, 6120, 375);
    m_functionTableBox =
        new QCheckBox(QStringLiteral("With Function table / Mit Funktionstabelle"), this);
    m_functionTableBox->setObjectName(QStringLiteral("N_FTab"));
    place(m_functionTableBox, 240, 4680, 5775, 375);
    m_extraTableBox = new QCheckBox(
        QStringLiteral("With free available table / Mit frei verfügbarer Tabelle"), this);
    m_extraTableBox->setObjectName(QStringLiteral("N_ZTab"));
    place(m_extraTableBox, 240, 5160, 5895, 375);

    backButton()->setEnabled(false);

    QWidget* order[] = {m_typeBox,    m_englishBox,  m_germanBox,        m_packageBox,
                        m_outputBox,  m_commentsBox, m_functionTableBox, m_extraTableBox,
                        backButton(), abortButton(), forwardButton()};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    m_typeBox->setFocus();
}

void GeneralPage::nameControls(bool english) {
    m_typeBox->setAccessibleName(pick(english, "Typ", "Type"));
    m_englishBox->setAccessibleName(
        pick(english, "Kurze englische Beschreibung", "Short english description"));
    m_germanBox->setAccessibleName(
        pick(english, "Kurze deutsche Beschreibung", "Short german description"));
    m_packageBox->setAccessibleName(pick(english, "Gehäuse", "Package"));
    m_outputBox->setAccessibleName(pick(english, "Ausgangstyp", "Output type"));
}

WizardOptions GeneralPage::options() const {
    return {m_commentsBox->isChecked(), m_functionTableBox->isChecked(),
            m_extraTableBox->isChecked()};
}

QString GeneralPage::outputType() const {
    return m_outputBox->currentIndex() < 0 ? QString() : m_outputBox->currentText();
}

void GeneralPage::setOutputType(const QString& text) {
    int index = m_outputBox->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0 && !text.isEmpty()) {
        m_outputBox->addItem(text);
        index = m_outputBox->count() - 1;
    }
    m_outputBox->setCurrentIndex(index);
}

} // namespace pinatlas
