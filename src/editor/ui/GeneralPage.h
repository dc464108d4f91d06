#pragma once

#include "editor/ui/PageWindow.h"
#include "library/Datasheet.h"

#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace pinatlas {

// The general page: type, short descriptions, package, output type and the
// choice of the optional pages.
class GeneralPage : public PageWindow {
    Q_OBJECT
public:
    static constexpr WizardPage kId = WizardPage::General;

    GeneralPage(QWidget* owner, bool english);

    void nameControls(bool english) override;

    QLineEdit* typeBox() const { return m_typeBox; }
    QLineEdit* germanBox() const { return m_germanBox; }
    QLineEdit* englishBox() const { return m_englishBox; }
    QCheckBox* commentsBox() const { return m_commentsBox; }
    QCheckBox* functionTableBox() const { return m_functionTableBox; }
    QCheckBox* extraTableBox() const { return m_extraTableBox; }

    WizardOptions options() const;
    // The text of the selected output type; empty when none is selected.
    QString outputType() const;
    // Selects the entry with exactly this text. A text the list does not offer
    // becomes an entry of its own, so that an edited sheet keeps it.
    void setOutputType(const QString& text);

    // The data table of the sheet being edited, written back unchanged.
    const std::optional<CellTable>& carriedDataTable() const { return m_dataTable; }
    void setCarriedDataTable(std::optional<CellTable> table) { m_dataTable = std::move(table); }

private:
    QLineEdit* m_typeBox = nullptr;
    QLineEdit* m_englishBox = nullptr;
    QLineEdit* m_germanBox = nullptr;
    QComboBox* m_packageBox = nullptr;
    QComboBox* m_outputBox = nullptr;
    QCheckBox* m_commentsBox = nullptr;
    QCheckBox* m_functionTableBox = nullptr;
    QCheckBox* m_extraTableBox = nullptr;
    std::optional<CellTable> m_dataTable;
};

} // namespace pinatlas
