#pragma once

#include "editor/ui/TablePage.h"

namespace pinatlas {

// The extra table page: a free grid of one column count and one row count.
class ExtraGridPage : public TablePage {
    Q_OBJECT
public:
    static constexpr WizardPage kId = WizardPage::ExtraTable;

    ExtraGridPage(QWidget* owner, Platform& platform, bool english);

    void nameControls(bool english) override;

    QLineEdit* columnsBox() const { return m_columnsBox; }
    QLineEdit* rowsBox() const { return m_rowsBox; }

private:
    void columnCountChanged();

    QLineEdit* m_columnsBox = nullptr;
    QLineEdit* m_rowsBox = nullptr;
};

} // namespace pinatlas
