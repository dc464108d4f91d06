#include "display/PinRoles.h"
#include "display/PackageDrawing.h"
#include "library/DatasheetReader.h"

#include <gtest/gtest.h>

using namespace pinatlas;

namespace {

// A role in a few letters: I input, O output, B both, P supply, N not
// connected, ? unknown;
// then ~ active low, ^ clock, s Schmitt, c open collector, z 3-state, x other.
QString code(const PinRole& r) {
    QString c = QString("?PIOBN").at(int(r.kind));
    if (r.activeLow)
        c += u'~';
    if (r.clock)
        c += u'^';
    if (r.schmitt)
        c += u's';
    if (r.isOutput())
        c += QStringList{"", "c", "c", "z", "x"}[int(r.stage)];
    return c;
}

DatasheetFile shipped(const QString& path) {
    const ReadResult r = readDatasheetFile(QStringLiteral(PINATLAS_SOURCE_DIR "/library/") + path);
    return r.file.value_or(DatasheetFile{});
}

} // namespace

// Checked pin by pin against the makers' pin descriptions.
TEST(PinRoles, ShippedSheetsAgreeWithTheMakersPinDescriptions) {
    const std::pair<const char*, const char*> rows[] = {
        {"74xx/7400.txt", "I I O I I O P O I I O I I P"},
        {"74xx/7413.txt", "Is Is N Is Is O P O Is Is N Is Is P"},
        {"74xx/7401.txt", "Oc I I Oc I I P I I Oc I I Oc P"},
        {"74xx/7414.txt", "Is O Is O Is O P O Is O Is O Is P"},
        {"74xx/7474.txt", "I~ I I^ I~ O O~ P O~ O I~ I^ I I~ P"},
        {"74xx/74125.txt", "I~ I Oz I~ I Oz P Oz I I~ Oz I I~ P"},
        // "Dn" and "Qn" name D0..D5 and Q0..Q5.
        {"74xx/74174.txt", "I~ O I I O I O P I^ O I O I I O P"},
        {"74xx/74244.txt", "I~s Is Oz Is Oz Is Oz Is Oz P Is Oz Is Oz Is Oz Is Oz I~s P"},
        // QH' is the cascade output, never high impedance.
        {"74xx/74595.txt", "Oz Oz Oz Oz Oz Oz Oz P O I~ I^ I^ I~ I Oz P"},
        // The decoded outputs appear in no column; INH doubles as a clock.
        {"40xx/4017.txt", "? ? ? ? ? ? ? P ? ? ? ? I^ I^ I P"},
        {"40xx/4066.txt", "Ox Ox Ox Ox I I P Ox Ox Ox Ox I I P"},
    };
    for (const auto& [path, expected] : rows) {
        SCOPED_TRACE(path);
        const DatasheetFile f = shipped(QString::fromLatin1(path));
        QStringList codes;
        for (const PinRole& r : pinRoles(f.sheet, f.commentDe + f.commentEn))
            codes << code(r);
        EXPECT_EQ(codes.join(u' ').toStdString(), expected);
    }
}

TEST(PinRoles, HeadingsNameTheirPins) {
    const std::tuple<const char*, const char*, bool> rows[] = {
        {"A", "3A", true},
        {"/CLR", "/1CLR", true},
        {"A", "1A2", true},
        {"/OE", "/OEa", true},
        {"Qn", "Q11", true},
        {"/Qn", "Q1", false},
        {"/nG", "/2G", true},
        {"/nG", "/2OE", false},
        {"nY", "2A", false},
        {"I0x", "I0B", true},
        {"QA-QH", "QD", true},
        {"QA-QH", "QH'", false},
        {"QD-QA", "QB", true},
        {"Q1-Q7", "Q7", true},
        {"Q1-Q7", "Q8", false},
        {"A..H", "E", true},
        {"Y-Z", "2Z", true},
        {"A3:B3", "B3", true},
        {"DCBA", "C", true},
        {"CLK", "C", false},
        {"R0(1)", "R0(1)", true},
        {"R0(1)", "R0(2)", false},
        {"A/B", "A", false},
        {"Cn+1", "C4", false},
        {"Zähler/Count", "CO", false},
        {"", "A", false},
        {"Q1-Q7", "Q1", true},
        {"/OE", "/OEe", false},
        {"Dn", "DE", false},
        {"Dn", "D10", true},
        {"A·B", "B", true},
        {"A-", "A", false},
    };
    for (const auto& [cell, pin, names] : rows)
        EXPECT_EQ(cellNamesPin(QString::fromUtf8(cell), QString::fromUtf8(pin)), names)
            << cell << " " << pin;
}

TEST(PinRoles, DescriptionsAndLegendFollowTheLanguage) {
    const DatasheetFile f = shipped(QStringLiteral("74xx/74125.txt"));
    const QList<PinRole> roles = pinRoles(f.sheet);
    EXPECT_EQ(pinDescription(f.sheet, roles, 1, Language::English),
              "input, active low; function table column /OE");
    EXPECT_EQ(pinDescription(f.sheet, roles, 3, Language::German),
              "Ausgang, Tri-state; Spalte Y der Funktionstabelle");
    EXPECT_EQ(pinDescription(f.sheet, roles, 7, Language::German), "Versorgung");
    const QList<PinMark> legend = FillPinBoxes(f.sheet, roles).legend;
    EXPECT_EQ(pinMarkLegend(legend, Language::English, true), "o active low   V 3-state output");
    EXPECT_EQ(pinMarkLegend(legend, Language::German), "○ low-aktiv   ▽ Tri-state-Ausgang");

    // Rows of the extra table that name a pin, ranges with units included.
    const DatasheetFile g = shipped(QStringLiteral("74xx/74244.txt"));
    EXPECT_EQ(extraRowsNamingPin(g.sheet, 4), QList<int>({2})); // 1A2
    EXPECT_EQ(extraRowsNamingPin(g.sheet, 10), QList<int>());   // GND
}

TEST(PinRoles, RolesReadAsTextInBothLanguages) {
    const auto role = [](PinKind kind, bool low, bool clock, bool schmitt, OutputStage stage) {
        PinRole r;
        r.kind = kind;
        r.activeLow = low;
        r.clock = clock;
        r.schmitt = schmitt;
        r.stage = stage;
        return r;
    };
    using K = PinKind;
    using S = OutputStage;
    const std::tuple<PinRole, const char*, const char*> rows[] = {
        {role(K::Unknown, true, false, false, S::PushPull), "role unknown", "Rolle unbekannt"},
        {role(K::NotConnected, false, false, false, S::PushPull), "not connected",
         "nicht angeschlossen"},
        {role(K::Input, true, true, true, S::ThreeState),
         "input, active low, clock, Schmitt trigger", "Eingang, low-aktiv, Takt, Schmitt-Trigger"},
        {role(K::Output, false, false, false, S::OpenCollector), "output, open collector",
         "Ausgang, offener Kollektor"},
        {role(K::InputOutput, false, false, false, S::OpenDrain), "input/output, open drain",
         "Ein-/Ausgang, offener Drain"},
        {role(K::Output, true, false, false, S::Other), "output, other output type, active low",
         "Ausgang, anderer Ausgangstyp, low-aktiv"},
    };
    for (const auto& [r, en, de] : rows) {
        EXPECT_EQ(pinRoleText(r, Language::English), QString::fromUtf8(en));
        EXPECT_EQ(pinRoleText(r, Language::German), QString::fromUtf8(de));
    }
    // Marks run from the name towards the body; a 3-state input has none.
    EXPECT_EQ(pinMarks(std::get<0>(rows[2])),
              QList<PinMark>({PinMark::Schmitt, PinMark::Clock, PinMark::ActiveLow}));
    EXPECT_EQ(pinMarks(std::get<0>(rows[4])), QList<PinMark>({PinMark::OpenCollector}));
}

TEST(PinRoles, MarksTouchTheBodyAndShareACrowdedStubGap) {
    const QList<PinMark> three{PinMark::Schmitt, PinMark::Clock, PinMark::ActiveLow};
    for (const bool bodyOnRight : {true, false}) {
        const QList<MarkBox> boxes = placePinMarks(three, 1000, 500, bodyOnRight);
        ASSERT_EQ(boxes.size(), 3);
        // The bubble is last and touches the body edge at 1000.
        EXPECT_EQ(bodyOnRight ? boxes[2].x + boxes[2].width : boxes[2].x, 1000);
        const int outer = bodyOnRight ? boxes[0].x : boxes[0].x + boxes[0].width;
        EXPECT_LE(std::abs(outer - 1000), kMarkStripWidth) << bodyOnRight;
        for (const MarkBox& b : boxes)
            EXPECT_LE(std::abs(b.y + b.height / 2 - 500), 1);
    }
    // A single mark keeps its full size.
    EXPECT_EQ(placePinMarks({PinMark::ThreeState}, 0, 0, false)[0].width,
              pinMarkSize(PinMark::ThreeState).width);
}
