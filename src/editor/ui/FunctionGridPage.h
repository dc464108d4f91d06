#pragma once

#include "editor/ui/TablePage.h"

class QLabel;

namespace pinatlas {

// The function table page: input columns, then output columns.
class FunctionGridPage : public TablePage {
    Q_OBJECT
public:
    static constexpr WizardPage kId = WizardPage::FunctionTable;

    FunctionGridPage(QWidget* owner, Platform& platform, bool english);

    void nameControls(bool english) override;

    QLineEdit* inputColumnsBox() const { return m_inputColumnsBox; }
    QLineEdit* outputColumnsBox() const { return m_outputColumnsBox; }
    QLineEdit* rowsBox() const { return m_rowsBox; }
    // The input columns of the grid as last applied, never more than it has.
    int inputColumns() const { return m_inputColumns; }

    void Breite_anpassen() override;

private:
    void columnCountChanged(QLineEdit* changed);

    QLineEdit* m_inputColumnsBox = nullptr;
    QLineEdit* m_outputColumnsBox = nullptr;
    QLineEdit* m_rowsBox = nullptr;
    QLabel* m_inputsLabel = nullptr;
    QLabel* m_outputsLabel = nullptr;
    int m_inputColumns = 1;
};

} // namespace pinatlas
