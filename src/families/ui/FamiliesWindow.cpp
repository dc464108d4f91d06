#include "families/ui/FamiliesWindow.h"

#include "families/Compatibility.h"
#include "families/Substitutes.h"
#include "library/DatasheetReader.h"
#include "library/Names.h"
#include "platform/ui/PlainText.h"
#include "shared/Session.h"
#include "shared/Settings.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pinatlas {
namespace {

struct Row {
    const char* de;
    const char* en;
    FamilyKey key;
};

// The rows of the side-by-side table, each family at its own usual supply.
constexpr Row kRows[] = {
    {"VIH min.", "VIH min.", FamilyKey::Vih},
    {"VIL max.", "VIL max.", FamilyKey::Vil},
    {"VOH min.", "VOH min.", FamilyKey::Voh},
    {"VOL max.", "VOL max.", FamilyKey::Vol},
    {"IOH (bei VOH)", "IOH (at VOH)", FamilyKey::Ioh},
    {"IOL (bei VOL)", "IOL (at VOL)", FamilyKey::Iol},
    {"IIH", "IIH", FamilyKey::Iih},
    {"IIL", "IIL", FamilyKey::Iil},
    {"Gatterlaufzeit typ.", "Gate delay typ.", FamilyKey::TpdTyp},
    {"Gatterlaufzeit max.", "Gate delay max.", FamilyKey::TpdMax},
    {"Eingänge bis", "Inputs take up to", FamilyKey::InputsMax},
};
constexpr int kLeadRows = 2; // the supply range and the supply the column is given at

QString cellText(const Family& f, FamilyKey key, double supply, Language l) {
    const auto v = f.at(key, supply);
    if (!v)
        return QStringLiteral("–");
    switch (key) {
    case FamilyKey::Ioh:
    case FamilyKey::Iol:
    case FamilyKey::Iih:
    case FamilyKey::Iil:
        return formatCurrent(*v, l);
    case FamilyKey::TpdTyp:
    case FamilyKey::TpdMax:
        return formatNumber(*v, l) + QStringLiteral(" ns");
    default:
        return formatVolts(*v, l);
    }
}

QDoubleSpinBox* supplyBox(const char* name, QWidget* parent) {
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(1, 18);
    box->setDecimals(2);
    box->setSingleStep(0.1);
    box->setSuffix(QStringLiteral(" V"));
    return box;
}

} // namespace

FamiliesWindow::FamiliesWindow(Session& session) : QDialog(session.window()), m_session(session) {
    setObjectName(QStringLiteral("Familien"));
    setModal(false);

    m_hint = new QLabel(this);
    m_hint->setObjectName(QStringLiteral("FamilienHinweis"));
    m_hint->setWordWrap(true);
    m_hint->setTextFormat(Qt::PlainText); // it quotes the sheet
    m_table = new QTableWidget(this);
    m_table->setObjectName(QStringLiteral("FamilienTabelle"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);

    m_substitutesBox = new QGroupBox(this);
    m_substitutes = new QPlainTextEdit(m_substitutesBox);
    m_substitutes->setObjectName(QStringLiteral("FamilienErsatz"));
    m_substitutes->setReadOnly(true);
    (new QVBoxLayout(m_substitutesBox))->addWidget(m_substitutes);

    m_compatBox = new QGroupBox(this);
    m_driverLabel = new QLabel(m_compatBox);
    m_receiverLabel = new QLabel(m_compatBox);
    m_driver = new QComboBox(m_compatBox);
    m_driver->setObjectName(QStringLiteral("Treiber"));
    m_receiver = new QComboBox(m_compatBox);
    m_receiver->setObjectName(QStringLiteral("Empfaenger"));
    m_driverLabel->setBuddy(m_driver);
    m_receiverLabel->setBuddy(m_receiver);
    m_driverSupply = supplyBox("TreiberVersorgung", m_compatBox);
    m_receiverSupply = supplyBox("EmpfaengerVersorgung", m_compatBox);
    m_verdict = new QLabel(m_compatBox);
    m_verdict->setObjectName(QStringLiteral("Urteil"));
    m_verdict->setTextFormat(Qt::PlainText);
    QFont bold = m_verdict->font();
    bold.setBold(true);
    m_verdict->setFont(bold);
    m_reasons = new QPlainTextEdit(m_compatBox);
    m_reasons->setObjectName(QStringLiteral("Gruende"));
    m_reasons->setReadOnly(true);
    auto* grid = new QGridLayout(m_compatBox);
    grid->addWidget(m_driverLabel, 0, 0);
    grid->addWidget(m_driver, 0, 1);
    grid->addWidget(m_driverSupply, 0, 2);
    grid->addWidget(m_receiverLabel, 1, 0);
    grid->addWidget(m_receiver, 1, 1);
    grid->addWidget(m_receiverSupply, 1, 2);
    grid->addWidget(m_verdict, 2, 0, 1, 3);
    grid->addWidget(m_reasons, 3, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    // Tab reads the grid row by row: a family, then its supply beside it.
    setTabOrder(m_driver, m_driverSupply);
    setTabOrder(m_driverSupply, m_receiver);
    setTabOrder(m_receiver, m_receiverSupply);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_hint);
    layout->addWidget(m_table, 3);
    layout->addWidget(m_substitutesBox, 2);
    layout->addWidget(m_compatBox, 3);
    resize(980, 720);

    const FamilyTableLoad load = loadFamilyTable(familyTableCandidates(
        m_session.settings().programDir, QCoreApplication::applicationDirPath()));
    m_families = load.table;
    m_tablePath = load.path;
    m_tableError = load.error;
    if (m_families) {
        for (const Family& f : m_families->families()) {
            m_driver->addItem(f.name);
            m_receiver->addItem(f.name);
        }
    }
    m_compatBox->setEnabled(m_families.has_value());
    // Once the user picks a family, the sheet no longer chooses for him.
    connect(m_driver, &QComboBox::activated, this, [this] { m_chosenByHand = true; });
    connect(m_receiver, &QComboBox::activated, this, [this] { m_chosenByHand = true; });
    connect(m_driver, &QComboBox::currentIndexChanged, this,
            [this] { chooseFamily(m_driver, m_driverSupply); });
    connect(m_receiver, &QComboBox::currentIndexChanged, this,
            [this] { chooseFamily(m_receiver, m_receiverSupply); });
    for (QDoubleSpinBox* box : {m_driverSupply, m_receiverSupply})
        connect(box, &QDoubleSpinBox::valueChanged, this, [this] { judge(); });
    refresh();
    connect(&session, &Session::languageChanged, this, &FamiliesWindow::refresh);
    // The sheet's file or its whole directory may have gone.
    connect(&session, &Session::libraryChanged, this, &FamiliesWindow::refresh);
}

QString FamiliesWindow::pick(const char* de, const char* en) const {
    return m_session.settings().pick(QString::fromUtf8(de), QString::fromUtf8(en));
}

void FamiliesWindow::chooseFamily(QComboBox* box, QDoubleSpinBox* supply) {
    if (m_families)
        if (const Family* f = m_families->find(box->currentText())) {
            const QSignalBlocker quiet(supply);
            supply->setValue(defaultSupply(*f));
        }
    judge();
}

void FamiliesWindow::refresh() {
    const Language l = m_session.settings().shown();
    setWindowTitle(pick("Familien", "Families"));
    m_substitutesBox->setTitle(
        pick("Ersatz in derselben Fassung", "Substitutes in the same socket"));
    m_compatBox->setTitle(pick("Treiber und Empfänger", "Driver and receiver"));
    m_driverLabel->setText(pick("&Treiber (Ausgang):", "&Driver (output):"));
    m_receiverLabel->setText(pick("&Empfänger (Eingang):", "&Receiver (input):"));
    for (QDoubleSpinBox* box : {m_driverSupply, m_receiverSupply})
        box->setLocale(QLocale(l == Language::German ? QLocale::German : QLocale::English));
    // What a screen reader says for the controls no label stands beside.
    m_table->setAccessibleName(pick("Familien im Vergleich", "Families compared"));
    m_substitutes->setAccessibleName(m_substitutesBox->title());
    m_reasons->setAccessibleName(pick("Gründe", "Reasons"));
    m_driver->setAccessibleName(pick("Treiber", "Driver"));
    m_receiver->setAccessibleName(pick("Empfänger", "Receiver"));
    m_driverSupply->setAccessibleName(pick("Versorgung des Treibers", "Driver's supply"));
    m_receiverSupply->setAccessibleName(pick("Versorgung des Empfängers", "Receiver's supply"));

    // The sheet on display, for the families it is made in.
    const QString type = m_session.currentType();
    std::optional<DatasheetFile> sheet;
    if (!type.isEmpty())
        sheet = readDatasheetFile(
                    QDir(m_session.directoryPath()).filePath(type + QStringLiteral(".txt")), type)
                    .file;
    m_sheetFamilies = sheet ? familyColumnsOf(sheet->sheet) : QStringList();
    m_sheetOpenCollector = sheet && sheet->sheet.outputType.startsWith(QStringLiteral("OC"));

    if (!m_families) {
        m_hint->setText(
            m_tableError.isEmpty()
                ? pick("Die Familientabelle fehlt: %1", "The family table is missing: %1")
                      .arg(shownText(QDir::toNativeSeparators(m_tablePath)))
                : pick("Die Familientabelle ist fehlerhaft: %1, %2",
                       "The family table is defective: %1, %2")
                      .arg(shownText(QDir::toNativeSeparators(m_tablePath)),
                           shownText(m_tableError)));
        m_substitutes->clear();
        m_table->clear();
        m_table->setRowCount(0);
        m_table->setColumnCount(0);
        m_verdict->clear();
        m_reasons->clear();
        return;
    }
    m_hint->setText(sheet ? pick("Datenblatt %1: %2", "Sheet %1: %2")
                                .arg(shownText(type),
                                     shownText(l == Language::German ? sheet->sheet.descriptionDe
                                                                     : sheet->sheet.descriptionEn))
                          : pick("Kein Datenblatt angezeigt.", "No sheet on display."));
    // The report quotes the sheet's headers: spelt out like every name shown.
    QStringList report =
        sheet ? substituteReport(*m_families, type, sheet->sheet, l) : QStringList();
    for (QString& line : report)
        line = shownText(line);
    m_substitutes->setPlainText(report.join(u'\n'));
    // The sheet's own families are the natural first question.
    if (!m_sheetFamilies.isEmpty() && !m_chosenByHand) {
        const QSignalBlocker a(m_driver), b(m_receiver);
        // Driver and receiver: the first two families, not one family's two
        // columns ("74LS" and "LS", "4000B 5 V" and "4000B 15 V").
        const Family* driver = nullptr;
        for (const QString& column : m_sheetFamilies) {
            const Family* f = familyOfColumn(*m_families, column);
            if (f && !driver)
                m_driver->setCurrentText((driver = f)->name);
            else if (f && f != driver) {
                m_receiver->setCurrentText(f->name);
                break;
            }
        }
        chooseFamily(m_receiver, m_receiverSupply);
        chooseFamily(m_driver, m_driverSupply);
    }
    fillTable();
    judge();
}

void FamiliesWindow::fillTable() {
    const Language l = m_session.settings().shown();
    const std::vector<Family>& families = m_families->families();
    m_table->clear();
    m_table->setColumnCount(int(families.size()));
    m_table->setRowCount(kLeadRows + int(std::size(kRows)));
    QStringList rowNames{pick("Versorgung", "Supply"), pick("Werte bei", "Figures at")};
    for (const Row& r : kRows)
        rowNames << pick(r.de, r.en);
    m_table->setVerticalHeaderLabels(rowNames);
    for (int c = 0; c < int(families.size()); ++c) {
        const Family& f = families[size_t(c)];
        auto* header = new QTableWidgetItem(f.name);
        // The families of the sheet on display stand out.
        const bool ofSheet =
            std::any_of(m_sheetFamilies.begin(), m_sheetFamilies.end(),
                        [&](const QString& s) { return familyOfColumn(*m_families, s) == &f; });
        QFont font = m_table->font();
        font.setBold(ofSheet);
        header->setFont(font);
        m_table->setHorizontalHeaderItem(c, header);
        const double supply = defaultSupply(f);
        const auto range = f.supplyRange();
        m_table->setItem(0, c,
                         new QTableWidgetItem(
                             range ? QStringLiteral("%1 – %2").arg(formatNumber(range->first, l),
                                                                   formatVolts(range->second, l))
                                   : QStringLiteral("–")));
        m_table->setItem(1, c, new QTableWidgetItem(formatVolts(supply, l)));
        for (int r = 0; r < int(std::size(kRows)); ++r) {
            auto* item = new QTableWidgetItem(cellText(f, kRows[r].key, supply, l));
            const QString doc = f.documentOf(kRows[r].key, supply);
            if (!doc.isEmpty())
                item->setToolTip(plainToolTip(m_families->citation(doc)));
            m_table->setItem(kLeadRows + r, c, item);
        }
    }
    m_table->resizeColumnsToContents();
    m_table->resizeRowsToContents();
}

void FamiliesWindow::judge() {
    if (!m_families)
        return;
    const Language l = m_session.settings().shown();
    CompatQuery q;
    q.driver = m_families->find(m_driver->currentText());
    q.receiver = m_families->find(m_receiver->currentText());
    q.driverSupply = m_driverSupply->value();
    q.receiverSupply = m_receiverSupply->value();
    // A driver family the sheet on display is made in stands for that part, as
    // `pinatlas-tool compat` judges a part number: its pull-up sets the high level.
    q.openCollector =
        m_sheetOpenCollector &&
        std::any_of(m_sheetFamilies.begin(), m_sheetFamilies.end(),
                    [&](const QString& s) { return familyOfColumn(*m_families, s) == q.driver; });
    const CompatResult result = judgeCompatibility(q);
    m_verdict->setText(QStringLiteral("%1 → %2: %3")
                           .arg(m_driver->currentText(), m_receiver->currentText(),
                                verdictText(result.verdict, l)));
    QStringList lines;
    static const char* const kMarks[] = {"✓", "!", "✗", "?"};
    for (const CompatReason& r : result.reasons)
        lines << QString::fromUtf8(kMarks[int(r.outcome)]) + u' ' + r.text(l);
    m_reasons->setPlainText(lines.join(u'\n'));
}

} // namespace pinatlas
