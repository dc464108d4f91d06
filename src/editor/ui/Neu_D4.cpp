#include "editor/ui/Neu_D4.h"

#include "library/TextInput.h"
#include "platform/Platform.h"
#include "platform/ui/Fonts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace pinatlas {

namespace {
constexpr int kHeaderLeft = 285;
constexpr int kHeaderTop = 720;
constexpr int kHeaderHeight = 255;
} // namespace

Neu_D4::Neu_D4(QWidget* owner, Platform& platform, bool english)
    : TablePage(owner, platform, WizardPage::D4, QStringLiteral("Neu_D4"),
                QStringLiteral("Function table / Funktionstabelle"), 11670, 8580, english) {
    // The captions run wider in this desktop's font than in the one the row
    // was drawn for: each count box stands clear of its caption.
    addLabel("Label1", QStringLiteral("Columns (Inputs) / Spalten (Eingänge):"), 240, 255, 2940,
             255);
    m_icol = makeCountBox("N_FTab_ICol", QStringLiteral("1"), 3240, 220);
    addLabel("Label3", QStringLiteral("Columns (Outputs) / Spalten (Ausgänge):"), 3960, 255, 3135,
             255);
    m_ocol = makeCountBox("N_FTab_OCol", QStringLiteral("1"), 7140, 220);
    addLabel("Label2", QStringLiteral("Rows / Reihen:"), 7860, 255, 1215, 255);
    m_rows = makeCountBox("N_FTab_Rows", QStringLiteral("2"), 9060, 220);
    m_inputs =
        addLabel("L_Inputs", QStringLiteral("Inputs"), kHeaderLeft, kHeaderTop, 975, kHeaderHeight);
    m_outputs =
        addLabel("L_Outputs", QStringLiteral("Outputs"), 1275, kHeaderTop, 975, kHeaderHeight);
    for (QLabel* header : {m_inputs, m_outputs}) {
        header->setAlignment(Qt::AlignCenter);
        header->setFrameStyle(QFrame::Box | QFrame::Plain);
    }
    makeGrid("N_FTabelle", 240, 960, 11415, 6975);

    QWidget* order[] = {m_icol,        m_ocol,          m_rows,      grid(),
                        abortButton(), forwardButton(), backButton()};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    m_icol->setFocus();

    connect(m_icol, &QLineEdit::textChanged, this, [this] { columnCountChanged(m_icol); });
    connect(m_ocol, &QLineEdit::textChanged, this, [this] { columnCountChanged(m_ocol); });
    connect(m_rows, &QLineEdit::textChanged, this, [this] { applyRowRule(m_rows); });
}

void Neu_D4::columnCountChanged(QLineEdit* changed) {
    const double inputs = leadingNumber(m_icol->text());
    const ColumnDecision decision =
        columnDecision(changed->text(), inputs + leadingNumber(m_ocol->text()));
    if (decision.beep)
        platform().beep();
    if (!decision.apply)
        return;
    setGridColumns(decision.columns);
    m_inputColumns = qBound(0, roundHalfEven(inputs), decision.columns);
    Breite_anpassen();
}

void Neu_D4::Breite_anpassen() {
    TablePage::Breite_anpassen();
    const int columns = grid()->columnCount();
    // A header over a single narrow column would have to shrink its caption;
    // the last column of its group widens to hold it instead.
    const QFontMetrics metrics(font());
    const auto fit = [&](QLabel* header, int first, int end) {
        int width = 0;
        for (int column = first; column < end; ++column)
            width += columnWidth(column);
        const int needed = twips().toTwipsX(metrics.horizontalAdvance(header->text()) +
                                            2 * header->frameWidth() + 2);
        if (end > first && width < needed) {
            widenColumn(end - 1, columnWidth(end - 1) + needed - width);
            width = needed;
        }
        return width;
    };
    const int inputsWidth = fit(m_inputs, 0, qMin(m_inputColumns, columns));
    const int outputsWidth = fit(m_outputs, qMin(m_inputColumns, columns), columns);
    place(m_inputs, kHeaderLeft, kHeaderTop, inputsWidth, kHeaderHeight);
    place(m_outputs, kHeaderLeft + inputsWidth, kHeaderTop, outputsWidth, kHeaderHeight);
    m_inputs->setVisible(inputsWidth > 0);
    m_outputs->setVisible(outputsWidth > 0);
    fitCaptionsToWidth(this);
}

} // namespace pinatlas
