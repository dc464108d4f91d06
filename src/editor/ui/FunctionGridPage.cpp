#include "editor/ui/FunctionGridPage.h"

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

FunctionGridPage::FunctionGridPage(QWidget* owner, Platform& platform, bool english)
    : TablePage(owner, platform, kId, QStringLiteral("Neu_D4"),
                QStringLiteral("Function table / Funktionstabelle"), 11670, 8580, english) {
    // The captions run wider in this desktop's font than in the one the row
    // was drawn for: each count box stands clear of its caption.
    addLabel("Label1", QStringLiteral("Columns (Inputs) / Spalten (Eingänge):"), 240, 255, 2940,
             255);
    m_inputColumnsBox = makeCountBox("N_FTab_ICol", QStringLiteral("1"), 3240, 220);
    addLabel("Label3", QStringLiteral("Columns (Outputs) / Spalten (Ausgänge):"), 3960, 255, 3135,
             255);
    m_outputColumnsBox = makeCountBox("N_FTab_OCol", QStringLiteral("1"), 7140, 220);
    addLabel("Label2", QStringLiteral("Rows / Reihen:"), 7860, 255, 1215, 255);
    m_rowsBox = makeCountBox("N_FTab_Rows", QStringLiteral("2"), 9060, 220);
    m_inputsLabel =
        addLabel("L_Inputs", QStringLiteral("Inputs"), kHeaderLeft, kHeaderTop, 975, kHeaderHeight);
    m_outputsLabel =
        addLabel("L_Outputs", QStringLiteral("Outputs"), 1275, kHeaderTop, 975, kHeaderHeight);
    for (QLabel* header : {m_inputsLabel, m_outputsLabel}) {
        header->setAlignment(Qt::AlignCenter);
        header->setFrameStyle(QFrame::Box | QFrame::Plain);
    }
    makeGrid("N_FTabelle", 240, 960, 11415, 6975);

    // The buttons in the order they stand, as on the first two pages.
    QWidget* order[] = {m_inputColumnsBox, m_outputColumnsBox, m_rowsBox,      grid(),
                        backButton(),      abortButton(),      forwardButton()};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    m_inputColumnsBox->setFocus();

    connect(m_inputColumnsBox, &QLineEdit::textChanged, this,
            [this] { columnCountChanged(m_inputColumnsBox); });
    connect(m_outputColumnsBox, &QLineEdit::textChanged, this,
            [this] { columnCountChanged(m_outputColumnsBox); });
    connect(m_rowsBox, &QLineEdit::textChanged, this, [this] { applyRowRule(m_rowsBox); });
}

void FunctionGridPage::nameControls(bool english) {
    m_inputColumnsBox->setAccessibleName(pick(english, "Spalten (Eingänge)", "Columns (inputs)"));
    m_outputColumnsBox->setAccessibleName(pick(english, "Spalten (Ausgänge)", "Columns (outputs)"));
    m_rowsBox->setAccessibleName(pick(english, "Reihen", "Rows"));
    grid()->setAccessibleName(pick(english, "Funktionstabelle", "Function table"));
}

void FunctionGridPage::columnCountChanged(QLineEdit* changed) {
    const ColumnDecision decision = functionColumnDecision(
        changed->text(), m_inputColumnsBox->text(), m_outputColumnsBox->text());
    if (decision.beep)
        platform().beep();
    if (!decision.apply)
        return;
    setGridColumns(decision.columns);
    m_inputColumns = decision.inputColumns;
    Breite_anpassen();
}

void FunctionGridPage::Breite_anpassen() {
    TablePage::Breite_anpassen();
    const int columns = grid()->columnCount();
    const int inputs = qMin(m_inputColumns, columns);
    const QFontMetrics metrics(font());
    const auto needs = [&](const QLabel* header) {
        return twips().toTwipsX(metrics.horizontalAdvance(header->text()) +
                                2 * header->frameWidth() + 2);
    };
    QList<int> widths = columnWidths();
    const int inputsWidth = widthUnderCaption(widths, 0, inputs, needs(m_inputsLabel));
    const int outputsWidth = widthUnderCaption(widths, inputs, columns, needs(m_outputsLabel));
    widenColumns(widths);
    place(m_inputsLabel, kHeaderLeft, kHeaderTop, inputsWidth, kHeaderHeight);
    place(m_outputsLabel, kHeaderLeft + inputsWidth, kHeaderTop, outputsWidth, kHeaderHeight);
    m_inputsLabel->setVisible(inputsWidth > 0);
    m_outputsLabel->setVisible(outputsWidth > 0);
    fitCaptionsToWidth(this);
}

} // namespace pinatlas
