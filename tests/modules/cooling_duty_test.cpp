#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "core/fpenv.h"
#include "modules/calculator.h"
#include "start_texts.h"

namespace plenova {
namespace {

using plenova::testing::kCoolingStartTexts;
using plenova::testing::startTextsWith;
using plenova::testing::withEntries;
using Texts = std::map<std::string, std::string>;

class CoolingDuty : public ::testing::Test {
  protected:
    void SetUp() override {
        setArithmeticEnvironment();
        calc.FormCreate();
    }
    void expectTexts(const Texts& expected) {
        for (const auto& [name, text] : expected) {
            const Label* label = calc.findLabel(name);
            ASSERT_NE(label, nullptr) << name;
            EXPECT_EQ(label->text(), text) << name;
        }
    }
    // RAdb, RAwb, SAdb, SAwb, volume
    std::vector<int> positions() {
        Cooling& c = calc.cooling;
        return {c.RAdbScrollBar.position(), c.RAwbScrollBar.position(), c.SAdbScrollBar.position(),
                c.SAwbScrollBar.position(), c.RAvolScrollBar.position()};
    }
    void setAirStates(int altitude, int volume, int raDb, int raWb, int saDb, int saWb) {
        Cooling& c = calc.cooling;
        c.mAltScrollBar.setPosition(altitude);
        c.RAvolScrollBar.setPosition(volume);
        c.RAdbScrollBar.setPosition(raDb);
        c.RAwbScrollBar.setPosition(raWb);
        c.SAdbScrollBar.setPosition(saDb);
        c.SAwbScrollBar.setPosition(saWb);
        ASSERT_EQ(positions(), (std::vector<int>{raDb, raWb, saDb, saWb, volume}));
    }

    Calculator calc;
};

TEST_F(CoolingDuty, InitialResults) {
    expectTexts(kCoolingStartTexts);
}

// Altitude 1000 m, return air 30.0/15.0 °C, supply air 15.0/15.0 °C: the supply air holds
// more moisture than the return air. The air states' texts, whatever the volume.
const Texts kMoisterSupplyAirStates{
    {"RAdLabel", "1.03 kg/m³"},       {"RAdbLabel", "30 °C"},
    {"RAdpLabel", "3.8 °C"},          {"RAhtotLabel", "44.4 kJ/kg"},
    {"RAkgPkgLabel", "0.0056 kg/kg"}, {"RArhLabel", "18.8 %"},
    {"RAwbLabel", "15 °C"},           {"SAdLabel", "1.07 kg/m³"},
    {"SAdbLabel", "15 °C"},           {"SAdpLabel", "15.0 °C"},
    {"SAhtotLabel", "45.5 kJ/kg"},    {"SAkgPkgLabel", "0.0120 kg/kg"},
    {"SArhLabel", "100.0 %"},         {"SAwbLabel", "15 °C"},
    {"kPaLabel", "90.011kPa"},        {"mAltLabel", "1000 m"}};

// No air flows: every flow and duty reads zero (the total duty keeps the sign of its
// enthalpy difference, so each case adds its own).
const Texts kNoAirFlow{{"AMFLabel", "0.00 kg/s"},
                       {"CondensateLabel", "0.0000 kg/s"},
                       {"CondensateLpHLabel", "0.00 litres/hr"},
                       {"LabelCoolSAvol", "0.0000 m³/s"},
                       {"LabelSAvolPerHr", "0.00 m³/hr"},
                       {"LloadLabel", "0.000 kW"},
                       {"RAvolLabel", "0 m³/s"},
                       {"RAvolmcubedPhLabel", "0 m³/hr"},
                       {"SHFLabel", "0.00"},
                       {"SloadLabel", "0.000 kW"}};

// The air states and the volume, set in an order that no ordering rule disturbs, and the
// texts of the whole page they give: those that differ from the start texts. Every figure is
// worked out independently of the program in tests/working/plenova_figures.py (the case of
// the same name there).
struct DutyCase {
    const char* name;
    int altitude, volume, raDb, raWb, saDb, saWb;
    Texts changed;
};

void PrintTo(const DutyCase& c, std::ostream* os) {
    *os << c.name;
}

class DutyCases : public CoolingDuty, public ::testing::WithParamInterface<DutyCase> {};

TEST_P(DutyCases, ShowTheFiguresOfTheReadings) {
    const DutyCase& c = GetParam();
    setAirStates(c.altitude, c.volume, c.raDb, c.raWb, c.saDb, c.saWb);
    expectTexts(startTextsWith(kCoolingStartTexts, c.changed));
}

INSTANTIATE_TEST_SUITE_P(
    Readings, DutyCases,
    ::testing::Values(
        DutyCase{"CoolingZeroVolume", 0, 0, 255, 183, 127, 123,
                 withEntries(kNoAirFlow, {{"TonsLabel", "0.00 Ton"}, {"kWLabel", "0.000 kW"}})},

        // The return-air volume per hour is echoed, without decimals. 382.983 kW is
        // 108.93 Ton at 3.516 kW to the ton (108.80 at 3.52).
        DutyCase{"CoolingMaximumVolume",
                 0,
                 200000,
                 255,
                 183,
                 127,
                 123,
                 {{"AMFLabel", "23.27 kg/s"},
                  {"CondensateLabel", "0.0307 kg/s"},
                  {"CondensateLpHLabel", "110.64 litres/hr"},
                  {"LabelCoolSAvol", "19.1028 m³/s"},
                  {"LabelSAvolPerHr", "68770.19 m³/hr"},
                  {"LloadLabel", "83.096 kW"},
                  {"RAvolLabel", "20 m³/s"},
                  {"RAvolmcubedPhLabel", "72000 m³/hr"},
                  {"SloadLabel", "299.888 kW"},
                  {"TonsLabel", "108.93 Ton"},
                  {"kWLabel", "382.983 kW"}}},
        DutyCase{"EqualAirStates",
                 0,
                 1837,
                 255,
                 183,
                 255,
                 183,
                 {{"CondensateLabel", "0.0000 kg/s"},
                  {"CondensateLpHLabel", "0.00 litres/hr"},
                  {"LabelCoolSAvol", "0.1837 m³/s"},
                  {"LabelSAvolPerHr", "661.32 m³/hr"},
                  {"LloadLabel", "0.000 kW"},
                  {"SAdLabel", "1.16 kg/m³"},
                  {"SAdbLabel", "25.5 °C"},
                  {"SAdpLabel", "14.1 °C"},
                  {"SAhtotLabel", "51.3 kJ/kg"},
                  {"SAkgPkgLabel", "0.0101 kg/kg"},
                  {"SArhLabel", "49.4 %"},
                  {"SAwbLabel", "18.3 °C"},
                  {"SHFLabel", "0.00"},
                  {"SloadLabel", "0.000 kW"},
                  {"TonsLabel", "0.00 Ton"},
                  {"kWLabel", "0.000 kW"}}},
        // Supply air moister than the return air: the latent duty is raised to zero,
        // the total is not.
        DutyCase{"MoisterSupplyAir", 1000, 10000, 300, 150, 150, 150,
                 withEntries(kMoisterSupplyAirStates, {{"AMFLabel", "1.03 kg/s"},
                                                       {"CondensateLabel", "0.0000 kg/s"},
                                                       {"CondensateLpHLabel", "0.00 litres/hr"},
                                                       {"LabelCoolSAvol", "0.9603 m³/s"},
                                                       {"LabelSAvolPerHr", "3457.00 m³/hr"},
                                                       {"LloadLabel", "0.000 kW"},
                                                       {"RAvolLabel", "1 m³/s"},
                                                       {"RAvolmcubedPhLabel", "3600 m³/hr"},
                                                       {"SHFLabel", "1.00"},
                                                       {"SloadLabel", "15.488 kW"},
                                                       {"TonsLabel", "-0.30 Ton"},
                                                       {"kWLabel", "-1.057 kW"}})}),
    [](const ::testing::TestParamInfo<DutyCase>& info) { return std::string(info.param.name); });

TEST_F(CoolingDuty, ADutyRaisedToZeroNeverReadsNegative) {
    // At zero volume the moister supply air makes the latent duty and the condensate -0 before
    // they are raised; they must read as zero, while the unclamped total keeps its sign.
    setAirStates(1000, 0, 300, 150, 150, 150);
    // tests/working/plenova_figures.py, case DutyRaisedToZero.
    expectTexts(startTextsWith(
        kCoolingStartTexts,
        withEntries(kMoisterSupplyAirStates, withEntries(kNoAirFlow, {{"TonsLabel", "-0.00 Ton"},
                                                                      {"kWLabel", "-0.000 kW"}}))));

    EXPECT_FALSE(std::signbit(calc.cooling.Lload));
    EXPECT_FALSE(std::signbit(calc.cooling.Condensate));
}

TEST_F(CoolingDuty, SmallSensibleDutyReadsBelowOne) {
    // The 0.0001 kW in the divisor: a sensible duty alone reads 1.00 only from 0.0199 kW.
    // Here 0.0001 m³/s × 1.16 kg/m³ × 1.007 kJ/kgK × 15 K, about 0.00176 kW, of sensible duty
    // and none latent: 0.00176 / 0.00186 reads 0.95 (tests/working/plenova_figures.py, case
    // SmallSensibleDuty, works out every figure).
    setAirStates(0, 1, 300, 150, 150, 150);
    EXPECT_LT(calc.cooling.Sload, 0.0199);
    EXPECT_EQ(calc.cooling.Lload, 0.0);
    expectTexts(startTextsWith(kCoolingStartTexts, {{"AMFLabel", "0.00 kg/s"},
                                                    {"CondensateLabel", "0.0000 kg/s"},
                                                    {"CondensateLpHLabel", "0.00 litres/hr"},
                                                    {"LabelCoolSAvol", "0.0001 m³/s"},
                                                    {"LabelSAvolPerHr", "0.35 m³/hr"},
                                                    {"LloadLabel", "0.000 kW"},
                                                    {"RAdbLabel", "30 °C"},
                                                    {"RAdpLabel", "1.6 °C"},
                                                    {"RAhtotLabel", "41.0 kJ/kg"},
                                                    {"RAkgPkgLabel", "0.0042 kg/kg"},
                                                    {"RArhLabel", "16.2 %"},
                                                    {"RAvolLabel", "0.0001 m³/s"},
                                                    {"RAvolmcubedPhLabel", "0.36 m³/hr"},
                                                    {"RAwbLabel", "15 °C"},
                                                    {"SAdLabel", "1.20 kg/m³"},
                                                    {"SAdbLabel", "15 °C"},
                                                    {"SAdpLabel", "15.0 °C"},
                                                    {"SAhtotLabel", "42.0 kJ/kg"},
                                                    {"SAkgPkgLabel", "0.0107 kg/kg"},
                                                    {"SArhLabel", "100.0 %"},
                                                    {"SAwbLabel", "15 °C"},
                                                    {"SHFLabel", "0.95"},
                                                    {"SloadLabel", "0.002 kW"},
                                                    {"TonsLabel", "-0.00 Ton"},
                                                    {"kWLabel", "-0.000 kW"}}));
}

// The mixing results as the import reads them, set directly as the module state.
struct ImportCase {
    const char* name;
    double MAMAdb, MAMAwb, MAvol;
    std::vector<int> expected;  // RAdb, RAwb, SAdb, SAwb, volume
};

class ImportMixingResults : public CoolingDuty, public ::testing::WithParamInterface<ImportCase> {};

TEST_P(ImportMixingResults, RoundsHalfToEvenAndSetsInOrder) {
    const ImportCase& c = GetParam();
    calc.mixing.MAMAdb = c.MAMAdb;
    calc.mixing.MAMAwb = c.MAMAwb;
    calc.mixing.MAvol = c.MAvol;
    calc.cooling.Button1Click();
    EXPECT_EQ(positions(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImportMixingResults,
    ::testing::Values(ImportCase{"HalfGoesDown", 23.25, 18.3, 0.1837, {232, 183, 127, 123, 1837}},
                      ImportCase{"HalfGoesUp", 23.75, 18.3, 0.1837, {238, 183, 127, 123, 1837}},
                      ImportCase{"SubZeroWetBulb", 5.0, -3.2, 0.1837, {50, 0, 50, 0, 1837}},
                      ImportCase{"SubZeroAir", -3.2, -5.0, 0.5, {0, 0, 0, 0, 5000}},
                      ImportCase{"LeavesSupplyAlone", 30.0, 20.0, 1.0, {300, 200, 127, 123, 10000}},
                      ImportCase{
                          "WetBulbAboveOldDryBulb", 20.0, 19.0, 0.2, {200, 190, 127, 123, 2000}},
                      ImportCase{"MaximumVolume", 25.5, 18.3, 20.0, {255, 183, 127, 123, 200000}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CoolingDuty, ImportAtStartOfTheMixedAirAndASecondImportChangesNothing) {
    calc.mixing.MAMAdb = 30.0;
    calc.mixing.MAMAwb = 20.0;
    calc.mixing.MAvol = 1.0;
    calc.cooling.Button1Click();
    std::vector<std::string> trace;
    calc.setRecalculationObserver([&](const char* name) { trace.emplace_back(name); });
    const auto before = positions();
    calc.cooling.Button1Click();
    EXPECT_EQ(positions(), before);
    EXPECT_TRUE(trace.empty());
}

TEST_F(CoolingDuty, ImportEndsAtTheOrderedPositionsForAnyMixedAir) {
    // With d' and w' the clamped imported positions: dry bulb max(d', w'), wet bulb w', supply
    // dry bulb lowered to d' if above, supply wet bulb lowered to min(own, d', w'), volume v'.
    std::mt19937 random(20261211);
    std::uniform_int_distribution<int> temperature(-100, 600);
    std::uniform_int_distribution<int> coolingTemperature(0, 500);
    std::uniform_int_distribution<int> volume(1, 200000);
    for (int i = 0; i < 2000; ++i) {
        Calculator fresh;
        fresh.FormCreate();
        Cooling& c = fresh.cooling;
        // A random ordered cooling state to start from.
        int p[4];
        for (int& q : p) {
            q = coolingTemperature(random);
        }
        std::sort(p, p + 4);  // SAwb <= SAdb <= RAwb <= RAdb satisfies all four rules
        c.RAdbScrollBar.setPosition(p[3]);
        c.RAwbScrollBar.setPosition(p[2]);
        c.SAdbScrollBar.setPosition(p[1]);
        c.SAwbScrollBar.setPosition(p[0]);
        const int saDb = c.SAdbScrollBar.position();
        const int saWb = c.SAwbScrollBar.position();

        const int db = temperature(random);
        const int wb = std::min(db, temperature(random));
        const int vol = volume(random);
        fresh.mixing.MAMAdb = db / 10.0;
        fresh.mixing.MAMAwb = wb / 10.0;
        fresh.mixing.MAvol = vol / 10000.0;
        c.Button1Click();

        const int d = std::clamp(db, 0, 500);
        const int w = std::clamp(wb, 0, 500);
        const std::vector<int> expected{std::max(d, w), w, std::min(saDb, d),
                                        std::min({saWb, d, w}), vol};
        const std::vector<int> actual{c.RAdbScrollBar.position(), c.RAwbScrollBar.position(),
                                      c.SAdbScrollBar.position(), c.SAwbScrollBar.position(),
                                      c.RAvolScrollBar.position()};
        ASSERT_EQ(actual, expected) << "case " << i << ": mixed " << db << "/" << wb
                                    << " over supply " << saDb << "/" << saWb;
    }
}

}  // namespace
}  // namespace plenova
