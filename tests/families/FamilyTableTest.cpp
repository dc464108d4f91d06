#include "families/FamilyTable.h"
#include "families/ShippedFamilies.h"
#include "families/Substitutes.h"
#include "support/TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cmath>

using namespace pinatlas;
using pinatlas::test::shippedFamilies;
using pinatlas::test::TempDir;

// The shipped table's figures against their evidence: tools/library/check_evidence.py.

TEST(FamilyTable, FiguresAtASupplyAreTakenInterpolatedOrUnknown) {
    const FamilyTable& t = shippedFamilies();
    struct Row {
        const char* family;
        FamilyKey key;
        double supply;
        double expected; // NAN: unknown
    } rows[] = {
        // Interpolated, 1 VCC and missing figures are judged in the verdicts too.
        {"74HC", FamilyKey::Vih, 6, 4.2},     // as given
        {"74HC", FamilyKey::Vih, 7, NAN},     // beyond the last line
        {"74LVC", FamilyKey::Vih, 3.3, 2},    // a line for 2.7-3.6 V
        {"74LVC", FamilyKey::Vih, 5, 3.5},    // 0.7 VCC for 4.5-5.5 V
        {"CD4000B", FamilyKey::Vil, 12, 3.4}, // between 3 V at 10 V and 4 V at 15 V
        {"74HC", FamilyKey::Iih, 5, 0.0001},  // 0.1 uA in mA
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.family) + " at " + std::to_string(r.supply));
        const auto v = t.find(QString::fromLatin1(r.family))->at(r.key, r.supply);
        ASSERT_EQ(v.has_value(), !std::isnan(r.expected));
        if (v) {
            EXPECT_NEAR(*v, r.expected, 1e-9);
        }
    }
}

TEST(FamilyTable, ADefectNamesItsLineAndKeepsWhatCameBefore) {
    const QString head = QStringLiteral("doc d M | N | R\nfamily 74X\nvih * 2 V d\n");
    const struct {
        const char* line;
        const char* error;
    } rows[] = {
        {"vih * 2 mA d", "line 4: not a figure: 2 mA"},
        {"vih * 2 V nobody", "line 4: the document nobody is not named above"},
        {"voh fast 2 V d", "line 4: not a supply: fast"},
        {"supply * 5 V d", "line 4: not a figure: 5 V"},
        {"colour * red V d", "line 4: not a line of the family table"},
        {"family 74x", "line 4: the family 74x comes twice"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.line);
        QString error;
        const FamilyTable t = FamilyTable::parse(head + QString::fromLatin1(r.line), &error);
        EXPECT_TRUE(error.startsWith(QString::fromLatin1(r.error))) << error.toStdString();
        ASSERT_EQ(t.families().size(), 1u);
        EXPECT_EQ(t.families()[0].figures.size(), 1u);
    }
    EXPECT_EQ(FamilyTable::parse(QStringLiteral("family A\nalias X74\n")).find(u"x74")->name, "A");
}

TEST(FamilyTable, PartNumbersNameTheirFamilyAndType) {
    const FamilyTable& t = shippedFamilies();
    const struct {
        const char* part;
        const char* family; // nullptr: not a part of the table's families
        const char* type;
    } rows[] = {
        {"SN74HC00N", "74HC", "7400"},
        {"74LS04", "74LS", "7404"},
        {"DM74ALS00AN", "74ALS", "7400"},
        {"7400", "74", "7400"},
        {"CD4011B", "CD4000B", "4011"},
        {"HEF4011BP", "CD4000B", "4011"},
        {"MC14011B", "CD4000B", "4011"},
        {"74HC4049", "74HC", "4049"},
        {"SN74LVC1G07DBVR", "74LVC", "7407"},
        {"hc", "74HC", ""},
        {"4000B", "CD4000B", ""},
        {"74L00", nullptr, ""},
        {"NE555", nullptr, ""},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.part);
        const auto found = familyOfPart(t, QString::fromLatin1(r.part));
        ASSERT_EQ(found.has_value(), r.family != nullptr);
        if (found) {
            EXPECT_EQ(found->family->name, QString::fromLatin1(r.family));
            EXPECT_EQ(found->type, QString::fromLatin1(r.type));
        }
    }
}

TEST(FamilyTable, TheFirstCandidateThatExistsIsReadAndAMissingTableSaysWhere) {
    TempDir dir;
    const QStringList candidates{dir.path() + "a.txt", dir.path() + "b.txt"};
    // None there: the families window names the first, the test of its hint.
    dir.write("b.txt", "family 74X\n");
    EXPECT_EQ(loadFamilyTable(candidates).table->families()[0].name, "74X");
    dir.write("a.txt", "family\n");
    const FamilyTableLoad bad = loadFamilyTable(candidates);
    EXPECT_FALSE(bad.table);
    EXPECT_EQ(bad.path, candidates[0]);
    EXPECT_TRUE(bad.error.startsWith("line 1:"));
    dir.write("a.txt", "");
    EXPECT_EQ(loadFamilyTable(candidates).error, "line 1: the table names no family");
    EXPECT_EQ(loadFamilyTable({dir.mkdir("c.txt")}).error, "not an ordinary file");
}

TEST(Substitutes, ComparesTheSheetsFamiliesBothWaysAndNamesTwins) {
    Datasheet sheet;
    sheet.outputType = QStringLiteral("OC (open collector)");
    sheet.hasDataTable = true;
    sheet.dataColumns = 3;
    sheet.dataRows = 9;
    sheet.dataCells.resize(3, 9);
    sheet.dataCells.at(1, 1) = QStringLiteral("74LS");
    sheet.dataCells.at(2, 1) = QStringLiteral("74HC");
    sheet.dataCells.at(3, 1) = QStringLiteral("Einheit");
    EXPECT_EQ(familyColumnsOf(sheet), QStringList({"74LS", "74HC"}));

    const QString en =
        substituteReport(shippedFamilies(), "7405", sheet, Language::English).join(u'\n');
    EXPECT_TRUE(en.contains("7405 is made in: 74LS, 74HC"));
    EXPECT_TRUE(en.contains("open collector in every family"));
    EXPECT_TRUE(en.contains("74HC instead of 74LS in the same socket, at 5 V:"));
    EXPECT_TRUE(en.contains("Supply: 4.75 V to 5.25 V → 2 V to 6 V"));
    EXPECT_TRUE(
        en.contains("74LS outputs driving the new 74HC inputs: does not work — High level"));
    EXPECT_TRUE(en.contains("The new 74HC outputs driving 74LS inputs: works with a condition"));

    // A column per supply names one family, by any of its names.
    sheet.dataCells.at(1, 1) = QStringLiteral("HEF4000B 5 V");
    sheet.dataCells.at(2, 1) = QStringLiteral("4000B 15,0V");
    const QString de =
        substituteReport(shippedFamilies(), "4049", sheet, Language::German).join(u'\n');
    EXPECT_FALSE(de.contains("Nicht in der Familientabelle")) << de.toStdString();
    EXPECT_TRUE(de.contains("keine zweite Familie zum Vergleich"));
    EXPECT_TRUE(de.contains("Gleiche Anschlüsse, andere Nummer: 74HC4049 (74HC, 2 V bis 6 V, "
                            "Eingänge bis 15 V) statt 4049 in CD4000B (3 V bis 15 V)"));
}
