#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "core/fpenv.h"
#include "final_positions.h"
#include "modules/calculator.h"
#include "start_texts.h"

namespace plenova {
namespace {

using plenova::testing::kCoolingStartTexts;
using plenova::testing::startTextsWith;

class CoolingAirStates : public ::testing::Test {
  protected:
    void SetUp() override {
        setArithmeticEnvironment();
        calc.FormCreate();
    }
    void expectTexts(const std::map<std::string, std::string>& expected) {
        for (const auto& [name, text] : expected) {
            const Label* label = calc.findLabel(name);
            ASSERT_NE(label, nullptr) << name;
            EXPECT_EQ(label->text(), text) << name;
        }
    }
    std::vector<int> temperatures() {
        Cooling& c = calc.cooling;
        return {c.RAdbScrollBar.position(), c.RAwbScrollBar.position(), c.SAdbScrollBar.position(),
                c.SAwbScrollBar.position()};
    }

    Calculator calc;
};

TEST_F(CoolingAirStates, InitialTexts) {
    expectTexts(plenova::testing::kCoolingAirStartTexts);
}

// The worked cases below pin the whole page, each text worked out independently of the
// program in tests/working/plenova_figures.py (its case of the same name; Altitude2000 is
// CoolingAltitude2000, SupplyAirTakesTheReturnAirCoefficient SupplyTakesReturnCoefficient).
TEST_F(CoolingAirStates, Altitude2000) {
    calc.cooling.mAltScrollBar.setPosition(2000);
    expectTexts(startTextsWith(kCoolingStartTexts, {{"AMFLabel", "0.17 kg/s"},
                                                    {"CondensateLabel", "0.0004 kg/s"},
                                                    {"CondensateLpHLabel", "1.50 litres/hr"},
                                                    {"LabelCoolSAvol", "0.1751 m³/s"},
                                                    {"LabelSAvolPerHr", "630.51 m³/hr"},
                                                    {"LloadLabel", "1.105 kW"},
                                                    {"RAdLabel", "0.91 kg/m³"},
                                                    {"RAdpLabel", "15.1 °C"},
                                                    {"RAhtotLabel", "60.4 kJ/kg"},
                                                    {"RAkgPkgLabel", "0.0136 kg/kg"},
                                                    {"RArhLabel", "52.6 %"},
                                                    {"SAdLabel", "0.96 kg/m³"},
                                                    {"SAdpLabel", "12.1 °C"},
                                                    {"SAhtotLabel", "40.9 kJ/kg"},
                                                    {"SAkgPkgLabel", "0.0112 kg/kg"},
                                                    {"SArhLabel", "95.9 %"},
                                                    {"SHFLabel", "0.66"},
                                                    {"SloadLabel", "2.161 kW"},
                                                    {"TonsLabel", "0.93 Ton"},
                                                    {"kPaLabel", "79.961kPa"},
                                                    {"kWLabel", "3.266 kW"},
                                                    {"mAltLabel", "2000 m"}}));
}

TEST_F(CoolingAirStates, SupplyAirTakesTheReturnAirCoefficient) {
    Cooling& c = calc.cooling;
    c.RAwbScrollBar.setPosition(500);  // pushes the dry bulb up to 50.0 too
    c.SAdbScrollBar.setPosition(200);
    c.SAwbScrollBar.setPosition(100);
    ASSERT_EQ(temperatures(), (std::vector<int>{500, 500, 200, 100}));
    // 22.3 %, not 23.6 % as with the supply air's own coefficient.
    expectTexts(startTextsWith(kCoolingStartTexts, {{"AMFLabel", "0.18 kg/s"},
                                                    {"CondensateLabel", "0.0146 kg/s"},
                                                    {"CondensateLpHLabel", "52.72 litres/hr"},
                                                    {"LabelCoolSAvol", "0.1471 m³/s"},
                                                    {"LabelSAvolPerHr", "529.55 m³/hr"},
                                                    {"LloadLabel", "38.003 kW"},
                                                    {"RAdLabel", "0.96 kg/m³"},
                                                    {"RAdbLabel", "50 °C"},
                                                    {"RAdpLabel", "50.0 °C"},
                                                    {"RAhtotLabel", "274.1 kJ/kg"},
                                                    {"RAkgPkgLabel", "0.0863 kg/kg"},
                                                    {"RArhLabel", "100.0 %"},
                                                    {"RAwbLabel", "50 °C"},
                                                    {"SAdLabel", "1.20 kg/m³"},
                                                    {"SAdbLabel", "20 °C"},
                                                    {"SAdpLabel", "-2.2 °C"},
                                                    {"SAhtotLabel", "28.3 kJ/kg"},
                                                    {"SAkgPkgLabel", "0.0032 kg/kg"},
                                                    {"SArhLabel", "22.3 %"},
                                                    {"SAwbLabel", "10 °C"},
                                                    {"SHFLabel", "0.12"},
                                                    {"SloadLabel", "5.324 kW"},
                                                    {"TonsLabel", "12.32 Ton"},
                                                    {"kWLabel", "43.327 kW"}}));
}

TEST_F(CoolingAirStates, VeryDryReturnAirShowsThePlaceholder) {
    Cooling& c = calc.cooling;
    c.RAdbScrollBar.setPosition(500);
    c.RAwbScrollBar.setPosition(0);  // pulls the supply wet bulb down to 0 as well
    expectTexts(startTextsWith(kCoolingStartTexts, {{"CondensateLabel", "0.0000 kg/s"},
                                                    {"CondensateLpHLabel", "0.00 litres/hr"},
                                                    {"LabelCoolSAvol", "0.1665 m³/s"},
                                                    {"LabelSAvolPerHr", "599.36 m³/hr"},
                                                    {"LloadLabel", "0.000 kW"},
                                                    {"RAdLabel", "1.12 kg/m³"},
                                                    {"RAdbLabel", "50 °C"},
                                                    {"RAdpLabel", "~"},
                                                    {"RAhtotLabel", "50.3 kJ/kg"},
                                                    {"RAkgPkgLabel", "0.0000 kg/kg"},
                                                    {"RArhLabel", "0.0 %"},
                                                    {"RAwbLabel", "0 °C"},
                                                    {"SAdLabel", "1.24 kg/m³"},
                                                    {"SAdpLabel", "~"},
                                                    {"SAhtotLabel", "12.8 kJ/kg"},
                                                    {"SAkgPkgLabel", "0.0000 kg/kg"},
                                                    {"SArhLabel", "0.0 %"},
                                                    {"SAwbLabel", "0 °C"},
                                                    {"SHFLabel", "1.00"},
                                                    {"SloadLabel", "7.741 kW"},
                                                    {"TonsLabel", "2.20 Ton"},
                                                    {"kWLabel", "7.741 kW"}}));
}

TEST_F(CoolingAirStates, SaturatedReturnAir) {
    calc.cooling.RAwbScrollBar.setPosition(255);
    expectTexts(startTextsWith(kCoolingStartTexts, {{"CondensateLabel", "0.0025 kg/s"},
                                                    {"CondensateLpHLabel", "9.06 litres/hr"},
                                                    {"LabelCoolSAvol", "0.1726 m³/s"},
                                                    {"LabelSAvolPerHr", "621.18 m³/hr"},
                                                    {"LloadLabel", "6.455 kW"},
                                                    {"RAdLabel", "1.14 kg/m³"},
                                                    {"RAdpLabel", "25.5 °C"},
                                                    {"RAhtotLabel", "78.4 kJ/kg"},
                                                    {"RAkgPkgLabel", "0.0207 kg/kg"},
                                                    {"RArhLabel", "100.0 %"},
                                                    {"RAwbLabel", "25.5 °C"},
                                                    {"SHFLabel", "0.30"},
                                                    {"SloadLabel", "2.709 kW"},
                                                    {"TonsLabel", "2.61 Ton"},
                                                    {"kWLabel", "9.164 kW"}}));
}

struct Move {
    const char* slider;
    int to;
    std::vector<int> finalPositions;  // RAdb, RAwb, SAdb, SAwb
};

void PrintTo(const Move& m, std::ostream* os) {
    *os << m.slider << " to " << m.to;
}

class CoolingOrdering : public CoolingAirStates, public ::testing::WithParamInterface<Move> {};

TEST_P(CoolingOrdering, PushesAndPullsOnlyTheSlidersItWouldCross) {
    const Move& m = GetParam();
    calc.findSlider(m.slider)->setPosition(m.to);
    EXPECT_EQ(temperatures(), m.finalPositions);
    // The labels describe the final positions.
    testing::expectTextsOfFinalPositions(calc, testing::Page::Cooling);
}

INSTANTIATE_TEST_SUITE_P(Moves, CoolingOrdering,
                         ::testing::Values(Move{"RAdbScrollBar", 120, {120, 120, 120, 120}},
                                           Move{"RAdbScrollBar", 125, {125, 125, 125, 123}},
                                           Move{"RAdbScrollBar", 400, {400, 183, 127, 123}},
                                           Move{"RAwbScrollBar", 300, {300, 300, 127, 123}},
                                           Move{"RAwbScrollBar", 100, {255, 100, 127, 100}},
                                           Move{"SAdbScrollBar", 300, {300, 183, 300, 123}},
                                           Move{"SAdbScrollBar", 50, {255, 183, 50, 50}},
                                           Move{"SAwbScrollBar", 300, {300, 300, 300, 300}},
                                           Move{"SAwbScrollBar", 200, {255, 200, 200, 200}},
                                           Move{"SAwbScrollBar", 0, {255, 183, 127, 0}},
                                           Move{"RAdbScrollBar", -50, {0, 0, 0, 0}},
                                           Move{"SAwbScrollBar", 9999, {500, 500, 500, 500}}));

TEST_F(CoolingAirStates, DragDownAndBackUp) {
    Slider& ra = calc.cooling.RAdbScrollBar;
    for (int p = 255; p >= 120; --p) {
        ra.setPosition(p);
    }
    EXPECT_EQ(temperatures(), (std::vector<int>{120, 120, 120, 120}));
    EXPECT_EQ(calc.cooling.SAdbLabel.text(), "12 °C");
    for (int p = 120; p <= 255; ++p) {
        ra.setPosition(p);
    }
    EXPECT_EQ(temperatures(), (std::vector<int>{255, 120, 120, 120}));
}

TEST_F(CoolingAirStates, RecalculationCountsOfOneMove) {
    std::vector<std::string> trace;
    calc.setRecalculationObserver([&](const char* name) { trace.emplace_back(name); });
    // Lowering the return dry bulb below all three other temperatures nests three handlers.
    calc.cooling.RAdbScrollBar.setPosition(100);
    EXPECT_EQ(trace.size(), 12u);
    for (std::size_t i = 0; i < trace.size(); i += 3) {
        EXPECT_EQ(trace[i], "RAcalcs");
        EXPECT_EQ(trace[i + 1], "SAcalcs");
        EXPECT_EQ(trace[i + 2], "VolumeCalc");
    }
    trace.clear();
    calc.cooling.RAvolScrollBar.setPosition(2000);
    EXPECT_EQ(trace, (std::vector<std::string>{"RAcalcs", "SAcalcs", "VolumeCalc"}));
}

TEST_F(CoolingAirStates, AltitudeMoveRecalculatesEveryModuleOnceInPageOrder) {
    struct Case {
        Slider* slider;
        std::vector<std::string> order;
    };
    const std::vector<std::string> cooling{"RAcalcs", "SAcalcs", "VolumeCalc"};
    auto join = [](std::vector<std::string> a, const std::vector<std::string>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const std::vector<Case> cases{
        {&calc.altitude.ScrollBarMAmAltitude,
         join(join({"HeatRAcalcs"}, cooling), {"MixedAirCalc"})},
        {&calc.altitude.mAltScrollBar, join({"HeatRAcalcs", "MixedAirCalc"}, cooling)},
        {&calc.altitude.ScrollBarHeatMetersAltitude,
         join(join({"MixedAirCalc"}, cooling), {"HeatRAcalcs"})},
    };
    // The nesting decides the order: on the mixing page the mixing handler sets the cooling
    // slider, whose handler sets the heating slider, which recalculates first.
    int position = 100;
    for (const Case& c : cases) {
        std::vector<std::string> trace;
        calc.setRecalculationObserver([&](const char* name) { trace.emplace_back(name); });
        c.slider->setPosition(position);
        EXPECT_EQ(calc.altitude.ScrollBarMAmAltitude.position(), position);
        EXPECT_EQ(calc.altitude.mAltScrollBar.position(), position);
        EXPECT_EQ(calc.altitude.ScrollBarHeatMetersAltitude.position(), position);
        EXPECT_EQ(trace, c.order) << c.slider->name();
        position += 100;
    }
}

}  // namespace
}  // namespace plenova
