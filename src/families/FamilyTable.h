#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <vector>

namespace pinatlas {

// The file beside the program that holds the family table.
inline constexpr const char* kFamilyTableName = "pinatlas-families.txt";

// What a figure line of the table gives.
enum class FamilyKey {
    Supply, // the range the family runs from
    Vih,
    Vil,
    Voh, // at Ioh of the same supply
    Vol, // at Iol of the same supply
    Ioh, // magnitudes, in mA
    Iol,
    Iih,
    Iil,
    TpdTyp, // ns
    TpdMax,
    InputsMax, // the highest voltage an input takes while powered
};

struct FamilyFigure {
    FamilyKey key = FamilyKey::Vih;
    bool everySupply = false; // given for every supply of the family
    double atLow = 0;         // the supply (or range of supplies) it is given at
    double atHigh = 0;
    double value = 0;     // V, mA or ns; a fraction of the supply when perSupply
    double valueHigh = 0; // the upper end of a supply range
    bool perSupply = false;
    QString document;
};

struct FamilyDocument {
    QString id;
    QString maker;
    QString number;
    QString revision;
};

struct Family {
    QString name;
    QStringList aliases;
    std::vector<FamilyFigure> figures;

    // [low, high] in volts; none when the table does not give it.
    std::optional<std::pair<double, double>> supplyRange() const;
    bool runsAt(double supply) const;
    // The figure at `supply`: taken as given where a line covers it, else
    // interpolated between the nearest lines below and above; none outside.
    std::optional<double> at(FamilyKey key, double supply) const;
    // The document of the figure `at` would use (the lower one when it
    // interpolates); empty when there is none.
    QString documentOf(FamilyKey key, double supply) const;
};

// A type of another number with the pinout of a CD4000B type.
struct FamilyTwin {
    QString number; // of the CD4000B type: "4049"
    QString part;   // "74HC4049"
    QString family; // "74HC"
    QString document;
    std::optional<double> inputsMax; // where its inputs take more than its family's
};

class FamilyTable {
public:
    // Reads the text of a table; on a defect `error` tells the line and why
    // and the table holds what came before it.
    static FamilyTable parse(const QString& text, QString* error = nullptr);

    const std::vector<Family>& families() const { return m_families; }
    // By name or alias, case and a maker's prefix aside ("hc", "74HC").
    const Family* find(QStringView name) const;
    const FamilyDocument* document(const QString& id) const;
    std::vector<FamilyTwin> twinsOf(QStringView number) const;
    // "Texas Instruments SDLS025B (revised October 2003)".
    QString citation(const QString& documentId) const;

private:
    std::vector<Family> m_families;
    std::vector<FamilyDocument> m_documents;
    std::vector<FamilyTwin> m_twins;
};

// A part number read as family and type: "SN74HC00N" is 74HC and 7400,
// "CD4011B" is CD4000B and 4011, "74HC4049" is 74HC and 4049. A family name
// alone gives an empty type.
struct PartFamily {
    const Family* family = nullptr;
    QString type;
};
std::optional<PartFamily> familyOfPart(const FamilyTable& table, QStringView text);

// Where the table may lie, first match wins: the program directory (a
// maintainer's copy), beside the executable, then where the install rules
// put it.
QStringList familyTableCandidates(const QString& programDir, const QString& executableDir);

struct FamilyTableLoad {
    std::optional<FamilyTable> table;
    QString path;  // the file read, or the first candidate when none exists
    QString error; // a defect of the file, "line N: ..."
};
FamilyTableLoad loadFamilyTable(const QStringList& candidates);

} // namespace pinatlas
