#include "editor/ui/ExtraGridPage.h"

#include "platform/Platform.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace pinatlas {

ExtraGridPage::ExtraGridPage(QWidget* owner, Platform& platform, bool english)
    : TablePage(owner, platform, kId, QStringLiteral("Neu_D5"), QString(), 11700, 8535, english) {
    makeGrid("N_ZTabelle", 240, 975, 11415, 6975);
    m_rowsBox = makeCountBox("N_ZTab_Rows", QStringLiteral("2"), 3480, 240);
    m_columnsBox = makeCountBox("N_ZTab_Col", QStringLiteral("1"), 1680, 240);
    addLabel("Label2", QStringLiteral("Rows / Reihen:"), 2280, 270, 1215, 255);
    addLabel("Label1", QStringLiteral("Columns / Spalten:"), 240, 270, 1455, 255);
    // The grid starts with as many columns as its box says.
    setGridColumns(1);

    // The buttons in the order they stand, as on the first two pages.
    QWidget* order[] = {grid(),       m_rowsBox,     m_columnsBox,
                        backButton(), abortButton(), forwardButton()};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    grid()->setFocus();

    connect(m_columnsBox, &QLineEdit::textChanged, this, &ExtraGridPage::columnCountChanged);
    connect(m_rowsBox, &QLineEdit::textChanged, this, [this] { applyRowRule(m_rowsBox); });
    Breite_anpassen();
}

void ExtraGridPage::nameControls(bool english) {
    // The title bar stays empty; the window still needs a name.
    setAccessibleName(pick(english, "Frei verfügbare Tabelle", "Free available table"));
    m_columnsBox->setAccessibleName(pick(english, "Spalten", "Columns"));
    m_rowsBox->setAccessibleName(pick(english, "Reihen", "Rows"));
    grid()->setAccessibleName(pick(english, "Frei verfügbare Tabelle", "Free available table"));
}

void ExtraGridPage::columnCountChanged() {
    const ColumnDecision decision = extraColumnDecision(m_columnsBox->text());
    if (decision.beep)
        platform().beep();
    if (!decision.apply)
        return;
    setGridColumns(decision.columns);
    Breite_anpassen();
}

} // namespace pinatlas
