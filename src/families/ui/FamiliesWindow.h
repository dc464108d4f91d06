#pragma once

#include "families/FamilyTable.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QTableWidget;

namespace pinatlas {

class Session;

// The Families view: the families of the table side by side, what changes
// between the families the sheet on display is made in, and the verdict
// for a driver family and a receiver family at their supplies. It follows
// the sheet and the language while it stays open.
class FamiliesWindow : public QDialog {
    Q_OBJECT
public:
    explicit FamiliesWindow(Session& session);

    // Reads the sheet on display again and writes every text anew in the
    // current language.
    void refresh();

    QTableWidget* table() const { return m_table; }
    QComboBox* driverBox() const { return m_driver; }
    QComboBox* receiverBox() const { return m_receiver; }
    QDoubleSpinBox* driverSupplyBox() const { return m_driverSupply; }
    QDoubleSpinBox* receiverSupplyBox() const { return m_receiverSupply; }
    QLabel* verdictLabel() const { return m_verdict; }
    QPlainTextEdit* reasonsText() const { return m_reasons; }
    QPlainTextEdit* substitutesText() const { return m_substitutes; }
    QLabel* hintLabel() const { return m_hint; }

private:
    void fillTable();
    void judge();
    void chooseFamily(QComboBox* box, QDoubleSpinBox* supply);
    QString pick(const char* de, const char* en) const;

    Session& m_session;
    std::optional<FamilyTable> m_families;
    QString m_tablePath;
    QString m_tableError;
    QStringList m_sheetFamilies;
    bool m_sheetOpenCollector = false; // the sheet on display has open-collector outputs
    bool m_chosenByHand = false;

    QLabel* m_hint;
    QTableWidget* m_table;
    QGroupBox* m_substitutesBox;
    QPlainTextEdit* m_substitutes;
    QGroupBox* m_compatBox;
    QLabel* m_driverLabel;
    QLabel* m_receiverLabel;
    QComboBox* m_driver;
    QComboBox* m_receiver;
    QDoubleSpinBox* m_driverSupply;
    QDoubleSpinBox* m_receiverSupply;
    QLabel* m_verdict;
    QPlainTextEdit* m_reasons;
};

} // namespace pinatlas
