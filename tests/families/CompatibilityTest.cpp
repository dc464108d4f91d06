#include "families/Compatibility.h"
#include "families/ShippedFamilies.h"

#include <gtest/gtest.h>

using namespace pinatlas;
using pinatlas::test::shippedFamilies;

namespace {

constexpr Verdict Works = Verdict::Works;
constexpr Verdict Condition = Verdict::WorksWithCondition;
constexpr Verdict Fails = Verdict::DoesNotWork;
constexpr Verdict Unknown = Verdict::CannotJudge;

struct Pair {
    const char* driver;
    double driverSupply;
    const char* receiver;
    double receiverSupply;
    Verdict verdict;
    const char* because; // a piece of the English reason that decides it
};

// Each verdict worked out by hand from the figures of the documents named.
// Documents: LS = TI SDLS025B (VOH 2.7 V at 0.4 mA, VOL 0.5 V at 8 mA, IIL
// 0.4 mA, IIH 20 uA); 74 = Fairchild DM7486 (VOH 2.4 V, IOL 16 mA, IIL 1.6 mA,
// IIH 40 uA) and DM7402 (IOH 0.4 mA); F = Philips 74F00 (IIL 0.6 mA); HC =
// onsemi MM74HC04 (VIH 3.15/4.2 V at 4.5/6 V, VOH 3.98 V at 4 mA and 5.48 V
// at 5.2 mA); HCT = Fairchild MM74HCT00; AC/ACT = onsemi MC74AC32, TI
// SCAS523D; AHC = NXP 74AHC04 Rev. 6; AHCT = Nexperia 74AHCT04A; LVC =
// Hitachi HD74LVC04; CD4000B = Fairchild CD4011BC (VIH 3.5 V at 5 V, IOL
// 0.44 mA at 5 V, inputs to VDD).
// The open-collector pull-up is judged through the tool's compat command.
const Pair kPairs[] = {
    // LS VOH 2.7 V; HC VIH at 5 V between 3.15 and 4.2 V: 3.5 V.
    {"74LS", 5, "74HC", 5, Fails, "against VIH 3.5 V: 0.8 V short"},
    // HCT VIH 2 V, VIL 0.8 V: margins 0.7 V and 0.3 V.
    {"74LS", 5, "74HCT", 5, Works, "VIH 2 V: margin 0.7 V"},
    // HC IOL 4.4 mA at 5 V over LS IIL 0.4 mA.
    {"74HC", 5, "74LS", 5, Condition, "at most 11 74LS inputs"},
    // LVC VOH at 3.3 V between 2.4 V (3 V) and 3.8 V (4.5 V): 2.68 V.
    {"74LVC", 3.3, "74HC", 5, Fails, "VOH 2.68 V"},
    // LVC inputs take 5.5 V at any supply; VIH 2 V at 2.7-3.6 V.
    {"74HC", 5, "74LVC", 3.3, Works, "inputs take up to 5.5 V"},
    // HC inputs take no more than their 5 V supply.
    {"CD4000B", 10, "74HC", 5, Fails, "can reach 10 V, the 74HC inputs take at most 5 V"},
    // IOL 8 mA / IIL 0.4 mA = IOH 0.4 mA / IIH 20 uA = 20.
    {"74LS", 5, "74LS", 5, Works, "up to 20 74LS inputs"},
    // 16 mA / 0.4 mA, but 0.4 mA / 20 uA: 20.
    {"74", 5, "74LS", 5, Works, "up to 20 74LS inputs (IOH"},
    // 8 mA / 0.6 mA.
    {"74LS", 5, "74F", 5, Condition, "at most 13 74F inputs"},
    // HCT VOH 4.48 V against HC VIH 3.5 V.
    {"74HCT", 5, "74HC", 5, Works, "margin 0.98 V"},
    // AHCT inputs take 5.5 V, VIH 2 V.
    {"74LVC", 3.3, "74AHCT", 5, Works, "VIH 2 V: margin 0.68 V"},
    // HC inputs at 3.3 V take no more than 3.3 V.
    {"74HC", 5, "74HC", 3.3, Fails, "take at most 3.3 V"},
    // IOL 0.44 mA over LS IIL 0.4 mA: one LS input.
    {"CD4000B", 5, "74LS", 5, Condition, "at most 1 74LS inputs"},
    // LS IOL 8 mA over standard TTL IIL 1.6 mA.
    {"74LS", 5, "74", 5, Condition, "at most 5 74 inputs"},
    // AC VIH at 5 V between 3.15 and 3.85 V: 3.5 V; ACT and HCT take TTL levels.
    {"74LS", 5, "74AC", 5, Fails, "against VIH 3.5 V"},
    {"74LS", 5, "74ACT", 5, Works, "VIH 2 V: margin 0.7 V"},
    {"74LVC", 3.3, "74HCT", 5, Works, "VIH 2 V"},
    // AHC inputs take 5.5 V at any supply.
    {"74HC", 5, "74AHC", 3.3, Works, "inputs take up to 5.5 V"},
    // CD4000B VIH 3.5 V at 5 V; HC runs up to 6 V only.
    {"74LS", 5, "CD4000B", 5, Fails, "VIH 3.5 V"},
    {"74HC", 5, "CD4000B", 5, Works, "margin 0.98 V"},
    {"74HC", 10, "CD4000B", 10, Fails, "Driver 74HC does not run at 10 V"},
    {"CD4000B", 5, "74", 5, Fails, "cannot drive a single 74 input"},
    // VOH 9.5 V against VIH 7 V at 10 V.
    {"CD4000B", 10, "CD4000B", 10, Works, "margin 2.5 V"},
    // LS runs from 4.75 to 5.25 V only.
    {"74LS", 3.3, "74LVC", 3.3, Fails, "does not run at 3.3 V"},
    // No maker's VOH for ALS was found.
    {"74ALS", 5, "74LS", 5, Unknown, "no VOH for 74ALS"},
    // Fairchild DM74S02 gives VOH 2.7 V; no maker's VOL for S was found.
    {"74S", 5, "74LS", 5, Unknown, "no VOL for 74S"},
    {"74LS", 5, "74S", 5, Unknown, "no IIL for 74S"},
    // AHCT IOL 8 mA / 0.4 mA; VOH 3.94 V given at 4.5 V for 4.5-5.5 V.
    {"74AHCT", 5, "74LS", 5, Works, "up to 20 74LS inputs"},
};

} // namespace

TEST(Compatibility, VerdictsWorkedOutByHandFromTheMakersDocuments) {
    const FamilyTable& table = shippedFamilies();
    for (const Pair& p : kPairs) {
        SCOPED_TRACE(std::string(p.driver) + " -> " + p.receiver);
        const CompatResult r = judgeCompatibility(
            {table.find(QString::fromLatin1(p.driver)), p.driverSupply,
             table.find(QString::fromLatin1(p.receiver)), p.receiverSupply, false});
        EXPECT_EQ(r.verdict, p.verdict);
        QString all;
        for (const CompatReason& reason : r.reasons)
            all += reason.en + u'\n';
        EXPECT_TRUE(all.contains(QString::fromLatin1(p.because))) << all.toStdString();
    }
}

TEST(Compatibility, SpeaksGermanWithDecimalCommas) {
    const FamilyTable& table = shippedFamilies();
    const CompatResult r =
        judgeCompatibility({table.find(u"74LS"), 5, table.find(u"74HC"), 5, false});
    EXPECT_EQ(verdictText(r.verdict, Language::German), QStringLiteral("funktioniert nicht"));
    EXPECT_EQ(r.reasons[3].text(Language::German),
              QStringLiteral("High-Pegel: VOH 2,7 V (bei 0,4 mA) gegen VIH 3,5 V: 0,8 V daneben."));
    EXPECT_EQ(formatCurrent(0.0001, Language::English), QStringLiteral("0.1 µA"));
}
