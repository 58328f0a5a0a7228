#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/fpenv.h"
#include "final_positions.h"
#include "modules/calculator.h"
#include "start_texts.h"

namespace plenova {
namespace {

using Texts = std::map<std::string, std::string>;

using plenova::testing::kHeatingStartTexts;

// Altitude 1000 m with the other start positions: the heating air states (worked out in
// tests/working/plenova_figures.py, case HeatingAltitude1000), and the reheat group on the
// cooling loads at 1000 m, or still on those at 0 m when the heating page recalculated before
// the cooling page (case HeatingAltitude1000OnLoadsAt0).
const Texts kAirAt1000{{"LabelHeatAirMassFlow", "0.19 kg/s"},
                       {"LabelHeatMetersAltitude", "1000 m"},
                       {"LabelHeatRAdensity", "1.08 kg/m³"},
                       {"LabelHeatRArh", "95.8 %"},
                       {"LabelHeatRAtotalEnthalpy", "37.6 kJ/kg"},
                       {"LabelHeatReturnAirX", "0.0099 kg/kg"},
                       {"LabelHeatSAdensity", "1.07 kg/m³"},
                       {"LabelHeatSAtotalEnthalpy", "40.0 kJ/kg"},
                       {"LabelHeatSupplyAirRH", "82.5 %"},
                       {"LabelHeatSupplyAirX", "0.0099 kg/kg"},
                       {"LabelHeatkPa", "90.011kPa"},
                       {"LabelHeatkW", "0.45 kW"}};
const Texts kReheatOnLoadsAt1000{{"LabelReHeatLatent", "0.943 kW"},
                                 {"LabelReHeatSHF", "0.68"},
                                 {"LabelReHeatSensible", "1.994 kW"},
                                 {"LabelReHeatkW", "2.937 kW"}};
const Texts kReheatOnLoadsAt0{{"LabelReHeatSensible", "2.308 kW"}, {"LabelReHeatkW", "3.071 kW"}};

// Return dry bulb, wet bulb, supply dry bulb.
using Temperatures = std::vector<int>;

class HeatingPage : public ::testing::Test {
  protected:
    void SetUp() override {
        setArithmeticEnvironment();
        calc.FormCreate();
        calc.setRecalculationObserver([this](const char* name) { trace.emplace_back(name); });
    }

    void expectTexts(const Texts& expected) {
        for (const auto& [name, text] : expected) {
            const Label* label = calc.findLabel(name);
            ASSERT_NE(label, nullptr) << name;
            EXPECT_EQ(label->text(), text) << name;
        }
    }

    Texts heatingTexts() {
        Texts texts;
        for (const Label* label : calc.heating.labels()) {
            texts[label->name()] = label->text();
        }
        return texts;
    }

    Temperatures temperatures() {
        const Heating& h = calc.heating;
        return {h.ScrollBarHeatReturnAirDryBulb.position(),
                h.ScrollBarHeatReturnAirWetBulb.position(),
                h.ScrollBarHeatSupplyAirDryBulb.position()};
    }

    int heatingRecalculations() const {
        int count = 0;
        for (const std::string& name : trace) {
            count += name == "HeatRAcalcs" ? 1 : 0;
        }
        return count;
    }

    Calculator calc;
    std::vector<std::string> trace;
};

TEST_F(HeatingPage, StartTexts) {
    EXPECT_EQ(heatingTexts(), kHeatingStartTexts);
    EXPECT_EQ(calc.heating.HeatRAdb, 12.7);
    EXPECT_EQ(calc.heating.HeatRAwb, 12.3);
    EXPECT_EQ(calc.heating.HeatSAdb, 15.0);
}

TEST_F(HeatingPage, ImportAtStartMovesNothing) {
    const Cooling& c = calc.cooling;
    // The cooling leaving volume in steps of 0.0001 m³/s, before rounding.
    EXPECT_NEAR(c.RAvol * c.RAd() / c.SAd() * 10000, 1754.59, 0.005);
    calc.heating.Button2Click();
    EXPECT_EQ(heatingRecalculations(), 0);
    EXPECT_EQ(temperatures(), (Temperatures{227, 223, 250}));
    EXPECT_EQ(calc.heating.ScrollBarHeatRAvolume.position(), 1755);
    EXPECT_EQ(heatingTexts(), kHeatingStartTexts);
}

struct SliderMove {
    const char* slider;
    int position;
};

struct TextCase {
    const char* name;
    std::vector<SliderMove> moves;
    Texts changed;  // the labels whose texts differ from the start texts
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.name;
}

class HeatingTexts : public HeatingPage, public ::testing::WithParamInterface<TextCase> {};

TEST_P(HeatingTexts, ShowTheFiguresOfTheReadings) {
    for (const SliderMove& move : GetParam().moves) {
        Slider* slider = calc.findSlider(move.slider);
        ASSERT_NE(slider, nullptr) << move.slider;
        slider->setPosition(move.position);
    }
    expectTexts(plenova::testing::startTextsWith(kHeatingStartTexts, GetParam().changed));
}

// Every figure worked out independently of the program in tests/working/plenova_figures.py
// (the case of the same name there; Volume0RepeatsTheCoolingLoads is Volume0). Each case
// pins the whole page: the texts it changes as listed, the others at their start texts.
INSTANTIATE_TEST_SUITE_P(
    Readings, HeatingTexts,
    ::testing::Values(
        // The cooling page recalculates at the new altitude before the heating page, whose
        // reheat group then reads the cooling loads at 1000 m.
        TextCase{"Altitude1000",
                 {{"ScrollBarHeatMetersAltitude", 1000}},
                 plenova::testing::withEntries(kAirAt1000, kReheatOnLoadsAt1000)},
        TextCase{"SupplyEqualToReturnDryBulb",
                 {{"ScrollBarHeatSupplyAirDryBulb", 227}},
                 {{"LabelHeatSAdensity", "1.22 kg/m³"},
                  {"LabelHeatSAtotalEnthalpy", "34.8 kJ/kg"},
                  {"LabelHeatSAvolPerHr", "631.8 m³/hr"},
                  {"LabelHeatSupplyAirDryBulb", "12.7 °C"},
                  {"LabelHeatSupplyAirRH", "95.6 %"},
                  {"LabelHeatkW", "0.00 kW"},
                  {"LabelReHeatSHF", "0.78"},
                  {"LabelReHeatSensible", "2.754 kW"},
                  {"LabelReHeatkW", "3.518 kW"}}},
        TextCase{"WetBulbEqualToDryBulbAtPosition0",
                 {{"ScrollBarHeatReturnAirDryBulb", 0}},
                 {{"LabelHeatAirMassFlow", "0.23 kg/s"},
                  {"LabelHeatRAdensity", "1.34 kg/m³"},
                  {"LabelHeatRAdp", "-10.0 °C"},
                  {"LabelHeatRArh", "100.0 %"},
                  {"LabelHeatRAtotalEnthalpy", "-5.7 kJ/kg"},
                  {"LabelHeatReturnAirDryBulb", "-10 °C"},
                  {"LabelHeatReturnAirWetBulb", "-10 °C"},
                  {"LabelHeatReturnAirX", "0.0018 kg/kg"},
                  {"LabelHeatSAdensity", "1.22 kg/m³"},
                  {"LabelHeatSAdp", "-10.0 °C"},
                  {"LabelHeatSAtotalEnthalpy", "19.5 kJ/kg"},
                  {"LabelHeatSAvolPerHr", "691.8 m³/hr"},
                  {"LabelHeatSupplyAirRH", "16.7 %"},
                  {"LabelHeatSupplyAirX", "0.0018 kg/kg"},
                  {"LabelHeatkW", "5.93 kW"},
                  {"LabelReHeatSHF", "1.32"},
                  {"LabelReHeatSensible", "-3.175 kW"},
                  {"LabelReHeatkW", "-2.412 kW"}}},
        TextCase{"Dry30Over5",
                 {{"ScrollBarHeatReturnAirDryBulb", 400}, {"ScrollBarHeatReturnAirWetBulb", 150}},
                 {{"LabelHeatRAdensity", "1.17 kg/m³"},
                  {"LabelHeatRAdp", "~"},
                  {"LabelHeatRArh", "0.0 %"},
                  {"LabelHeatRAtotalEnthalpy", "30.2 kJ/kg"},
                  {"LabelHeatReturnAirDryBulb", "30 °C"},
                  {"LabelHeatReturnAirWetBulb", "5 °C"},
                  {"LabelHeatReturnAirX", "0.0000 kg/kg"},
                  {"LabelHeatSAdensity", "1.17 kg/m³"},
                  {"LabelHeatSAdp", "~"},
                  {"LabelHeatSAtotalEnthalpy", "30.2 kJ/kg"},
                  {"LabelHeatSAvolPerHr", "631.8 m³/hr"},
                  {"LabelHeatSupplyAirDryBulb", "30 °C"},
                  {"LabelHeatSupplyAirRH", "0.0 %"},
                  {"LabelHeatSupplyAirX", "0.0000 kg/kg"},
                  {"LabelHeatkW", "0.00 kW"},
                  {"LabelReHeatSHF", "0.78"},
                  {"LabelReHeatSensible", "2.754 kW"},
                  {"LabelReHeatkW", "3.518 kW"}}},
        TextCase{"Volume0RepeatsTheCoolingLoads",
                 {{"ScrollBarHeatRAvolume", 0}},
                 {{"LabelHeatAirMassFlow", "0.00 kg/s"},
                  {"LabelHeatRAvolPerHr", "0.00 m³/hr"},
                  {"LabelHeatRAvolume", "0 m³/s"},
                  {"LabelHeatSAvol", "0.0 m³/s"},
                  {"LabelHeatSAvolPerHr", "0.0 m³/hr"},
                  {"LabelHeatkW", "0.00 kW"},
                  {"LabelReHeatSHF", "0.78"},
                  {"LabelReHeatSensible", "2.754 kW"},
                  {"LabelReHeatkW", "3.518 kW"}}},
        TextCase{"SupplyAt50",
                 {{"ScrollBarHeatSupplyAirDryBulb", 600}},
                 {{"LabelHeatSAdensity", "1.08 kg/m³"},
                  {"LabelHeatSAtotalEnthalpy", "72.9 kJ/kg"},
                  {"LabelHeatSAvolPerHr", "714.2 m³/hr"},
                  {"LabelHeatSupplyAirDryBulb", "50 °C"},
                  {"LabelHeatSupplyAirRH", "11.4 %"},
                  {"LabelHeatkW", "8.16 kW"},
                  {"LabelReHeatSHF", "1.16"},
                  {"LabelReHeatSensible", "-5.402 kW"},
                  {"LabelReHeatkW", "-4.639 kW"}}}),
    [](const ::testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

TEST_F(HeatingPage, SupplyEqualToReturnKeepsHumidityAndVolume) {
    calc.heating.ScrollBarHeatSupplyAirDryBulb.setPosition(227);
    const Heating& h = calc.heating;
    EXPECT_EQ(h.HeatkW, 0.0);
    EXPECT_DOUBLE_EQ(h.HeatSArh, h.HeatRArh);
    EXPECT_DOUBLE_EQ(h.HeatSAvol, h.HeatRAvol);
    EXPECT_EQ(h.LabelReHeatSensible.text(), calc.cooling.SloadLabel.text());
}

TEST_F(HeatingPage, DryReadingsKeepTheLastDewPoint) {
    calc.heating.ScrollBarHeatReturnAirDryBulb.setPosition(400);  // 30 °C over 12.3 °C
    const double dewPoint = calc.heating.HeatRAdp;
    calc.heating.ScrollBarHeatReturnAirWetBulb.setPosition(150);  // 30 °C over 5 °C
    ASSERT_LT(calc.heating.HeatRApw, 0);
    EXPECT_EQ(calc.heating.HeatRAdp, dewPoint);
    EXPECT_EQ(calc.heating.HeatRAx, 0.0);
    // Moist enough again, the dew point returns in both streams.
    calc.heating.ScrollBarHeatReturnAirWetBulb.setPosition(400);
    expectTexts({{"LabelHeatRAdp", "30.0 °C"}, {"LabelHeatSAdp", "30.0 °C"}});
}

struct OrderingMove {
    const char* slider;
    int to;
    Temperatures final;  // return dry bulb, wet bulb, supply dry bulb
    int recalculations;  // HeatRAcalcs runs, nested ones included
};

void PrintTo(const OrderingMove& m, std::ostream* os) {
    *os << m.slider << " to " << m.to;
}

class HeatingOrdering : public HeatingPage, public ::testing::WithParamInterface<OrderingMove> {};

TEST_P(HeatingOrdering, PushesAndPullsOnlyTheSlidersItWouldCross) {
    const OrderingMove& m = GetParam();
    calc.findSlider(m.slider)->setPosition(m.to);
    EXPECT_EQ(temperatures(), m.final);
    EXPECT_EQ(heatingRecalculations(), m.recalculations);
    ASSERT_FALSE(trace.empty());
    EXPECT_EQ(trace.back(), "HeatRAcalcs");  // the outermost handler's recalculation is last
    testing::expectTextsOfFinalPositions(calc, testing::Page::Heating);
}

// From the start positions: return dry bulb 227, wet bulb 223, supply dry bulb 250.
INSTANTIATE_TEST_SUITE_P(
    Moves, HeatingOrdering,
    ::testing::Values(OrderingMove{"ScrollBarHeatReturnAirDryBulb", 225, {225, 223, 250}, 1},
                      OrderingMove{"ScrollBarHeatReturnAirDryBulb", 200, {200, 200, 250}, 2},
                      OrderingMove{"ScrollBarHeatReturnAirDryBulb", 300, {300, 223, 300}, 2},
                      OrderingMove{"ScrollBarHeatReturnAirDryBulb", 999, {600, 223, 600}, 2},
                      OrderingMove{"ScrollBarHeatReturnAirWetBulb", 100, {227, 100, 250}, 1},
                      OrderingMove{"ScrollBarHeatReturnAirWetBulb", 240, {240, 240, 250}, 2},
                      OrderingMove{"ScrollBarHeatReturnAirWetBulb", 400, {400, 400, 400}, 3},
                      OrderingMove{"ScrollBarHeatSupplyAirDryBulb", 400, {227, 223, 400}, 1},
                      OrderingMove{"ScrollBarHeatSupplyAirDryBulb", 225, {225, 223, 225}, 2},
                      OrderingMove{"ScrollBarHeatSupplyAirDryBulb", 150, {150, 150, 150}, 3},
                      OrderingMove{"ScrollBarHeatSupplyAirDryBulb", -20, {0, 0, 0}, 3},
                      OrderingMove{"ScrollBarHeatRAvolume", 5000, {227, 223, 250}, 1},
                      OrderingMove{"ScrollBarHeatMetersAltitude", 1500, {227, 223, 250}, 1}),
    [](const ::testing::TestParamInfo<OrderingMove>& info) {
        std::string name = info.param.slider;
        name += "To" + std::to_string(info.param.to < 0 ? 0 : info.param.to);
        name += info.param.to < 0 ? "Below" : "";
        return name;
    });

TEST_F(HeatingPage, DragSupplyDownPullsReturnAirAlong) {
    std::map<int, Temperatures> seen;
    for (int p = 250; p >= 200; --p) {
        calc.heating.ScrollBarHeatSupplyAirDryBulb.setPosition(p);
        seen[p] = temperatures();
    }
    EXPECT_EQ(seen[228], (Temperatures{227, 223, 228}));
    EXPECT_EQ(seen[225], (Temperatures{225, 223, 225}));  // the dry bulb follows
    EXPECT_EQ(seen[223], (Temperatures{223, 223, 223}));
    EXPECT_EQ(seen[222], (Temperatures{222, 222, 222}));  // and the wet bulb once reached
    EXPECT_EQ(seen[200], (Temperatures{200, 200, 200}));
    testing::expectTextsOfFinalPositions(calc, testing::Page::Heating);
}

TEST_F(HeatingPage, DragWetBulbUpPushesDryBulbsAlong) {
    std::map<int, Temperatures> seen;
    for (int p = 223; p <= 300; ++p) {
        calc.heating.ScrollBarHeatReturnAirWetBulb.setPosition(p);
        seen[p] = temperatures();
    }
    EXPECT_EQ(seen[227], (Temperatures{227, 227, 250}));
    EXPECT_EQ(seen[240], (Temperatures{240, 240, 250}));  // the dry bulb follows
    EXPECT_EQ(seen[251], (Temperatures{251, 251, 251}));  // and the supply once reached
    EXPECT_EQ(seen[300], (Temperatures{300, 300, 300}));
    // Back down, the wet bulb moves alone.
    for (int p = 300; p >= 223; --p) {
        calc.heating.ScrollBarHeatReturnAirWetBulb.setPosition(p);
    }
    EXPECT_EQ(temperatures(), (Temperatures{300, 223, 300}));
    testing::expectTextsOfFinalPositions(calc, testing::Page::Heating);
}

TEST_F(HeatingPage, CoolingChangesLeaveTheHeatingPageUntilItRecalculates) {
    const Texts before = heatingTexts();
    const std::string latentBefore = calc.cooling.LloadLabel.text();
    Cooling& c = calc.cooling;
    c.RAvolScrollBar.setPosition(3000);
    c.RAdbScrollBar.setPosition(300);
    c.RAwbScrollBar.setPosition(220);
    c.SAdbScrollBar.setPosition(150);
    c.SAwbScrollBar.setPosition(110);
    EXPECT_EQ(heatingRecalculations(), 0);
    EXPECT_EQ(heatingTexts(), before);
    ASSERT_NE(c.LloadLabel.text(), latentBefore);

    // A heating move reads the cooling loads as they stand now.
    calc.heating.ScrollBarHeatRAvolume.setPosition(1756);
    EXPECT_EQ(calc.heating.LabelReHeatLatent.text(), c.LloadLabel.text());
    EXPECT_NE(calc.heating.LabelReHeatkW.text(), before.at("LabelReHeatkW"));
    testing::expectTextsOfFinalPositions(calc, testing::Page::Heating);
}

struct AltitudePage {
    const char* slider;
    bool reheatOnNewLoads;
};

void PrintTo(const AltitudePage& p, std::ostream* os) {
    *os << p.slider;
}

class HeatingAltitude : public HeatingPage, public ::testing::WithParamInterface<AltitudePage> {};

TEST_P(HeatingAltitude, ReheatRestsOnTheLoadsOfItsMoment) {
    const std::string oldLatent = calc.cooling.LloadLabel.text();
    calc.findSlider(GetParam().slider)->setPosition(1000);
    const std::string newLatent = calc.cooling.LloadLabel.text();
    ASSERT_NE(newLatent, oldLatent);
    EXPECT_EQ(heatingRecalculations(), 1);
    // The heating air states are those of the new altitude whichever page moved it; the reheat
    // group rests on the cooling loads of its moment.
    const Texts& reheat = GetParam().reheatOnNewLoads ? kReheatOnLoadsAt1000 : kReheatOnLoadsAt0;
    expectTexts(plenova::testing::startTextsWith(
        kHeatingStartTexts, plenova::testing::withEntries(kAirAt1000, reheat)));

    const Texts shown = heatingTexts();
    EXPECT_EQ(shown.at("LabelReHeatLatent"), GetParam().reheatOnNewLoads ? newLatent : oldLatent);
    // A further heating recalculation changes the reheat figures exactly when they were stale.
    calc.heating.HeatRAcalcs();
    const Texts renewed = heatingTexts();
    EXPECT_EQ(renewed.at("LabelReHeatLatent"), newLatent);
    for (const char* name : {"LabelReHeatkW", "LabelReHeatSensible", "LabelReHeatLatent"}) {
        EXPECT_EQ(shown.at(name) == renewed.at(name), GetParam().reheatOnNewLoads) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, HeatingAltitude,
                         ::testing::Values(AltitudePage{"ScrollBarMAmAltitude", false},
                                           AltitudePage{"mAltScrollBar", false},
                                           AltitudePage{"ScrollBarHeatMetersAltitude", true}),
                         [](const ::testing::TestParamInfo<AltitudePage>& info) {
                             return std::string(info.param.slider);
                         });

struct NoLoadCase {
    const char* name;
    std::vector<SliderMove> moves;  // cooling first: the heating move reads its loads
};

void PrintTo(const NoLoadCase& c, std::ostream* os) {
    *os << c.name;
}

class ReheatWithoutLoad : public HeatingPage, public ::testing::WithParamInterface<NoLoadCase> {};

// With no load on either page the reheat factor divides zero by zero. It shows the
// placeholder instead of failing every heating move with an error box.
TEST_P(ReheatWithoutLoad, ShowsThePlaceholderForTheFactor) {
    for (const SliderMove& move : GetParam().moves) {
        EXPECT_NO_THROW(calc.findSlider(move.slider)->setPosition(move.position)) << move.slider;
    }
    ASSERT_EQ(calc.cooling.Sload, 0.0);
    ASSERT_EQ(calc.cooling.Lload, 0.0);
    ASSERT_EQ(calc.heating.HeatkW, 0.0);
    expectTexts({{"LabelHeatkW", "0.00 kW"},
                 {"LabelReHeatkW", "0.000 kW"},
                 {"LabelReHeatSensible", "0.000 kW"},
                 {"LabelReHeatLatent", "0.000 kW"},
                 {"LabelReHeatSHF", "~"}});
    testing::expectTextsOfFinalPositions(calc, testing::Page::Heating);

    // Every further heating move still goes through, and a load brings the factor back.
    EXPECT_NO_THROW(calc.heating.ScrollBarHeatMetersAltitude.setPosition(500));
    EXPECT_EQ(calc.heating.LabelReHeatSHF.text(), "~");
    calc.heating.ScrollBarHeatSupplyAirDryBulb.setPosition(300);
    calc.heating.ScrollBarHeatRAvolume.setPosition(1755);
    EXPECT_EQ(calc.heating.LabelReHeatSHF.text(), "1.00");  // all heat, no latent part
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReheatWithoutLoad,
    ::testing::Values(NoLoadCase{"ZeroVolumeOnBothPages",
                                 {{"RAvolScrollBar", 0}, {"ScrollBarHeatRAvolume", 0}}},
                      NoLoadCase{"SupplyEqualToReturnOnBothPages",
                                 {{"SAwbScrollBar", 183},
                                  {"SAdbScrollBar", 255},
                                  {"ScrollBarHeatSupplyAirDryBulb", 227}}}),
    [](const ::testing::TestParamInfo<NoLoadCase>& info) { return std::string(info.param.name); });

struct ImportCase {
    const char* name;
    std::vector<SliderMove> coolingMoves;
    Temperatures final;
    int recalculations;
};

void PrintTo(const ImportCase& c, std::ostream* os) {
    *os << c.name;
}

class HeatingImport : public HeatingPage, public ::testing::WithParamInterface<ImportCase> {};

TEST_P(HeatingImport, TakesTheCoolingSupplyAirAndLeavingVolume) {
    for (const SliderMove& move : GetParam().coolingMoves) {
        calc.findSlider(move.slider)->setPosition(move.position);
    }
    trace.clear();
    calc.heating.Button2Click();
    EXPECT_EQ(temperatures(), GetParam().final);
    EXPECT_EQ(heatingRecalculations(), GetParam().recalculations);
    const Cooling& c = calc.cooling;
    const Heating& h = calc.heating;
    EXPECT_EQ(h.LabelHeatReturnAirDryBulb.text(), c.SAdbLabel.text());
    EXPECT_EQ(h.LabelHeatReturnAirWetBulb.text(), c.SAwbLabel.text());
    EXPECT_NEAR(h.HeatRAvol, c.SAvol, 0.00005);  // the leaving volume to 0.0001 m³/s
    testing::expectTextsOfFinalPositions(calc, testing::Page::Heating);

    trace.clear();
    calc.heating.Button2Click();  // a second press finds every slider in place
    EXPECT_TRUE(trace.empty());
}

// The heating sliders start at return dry bulb 227, wet bulb 223, supply dry bulb 250.
INSTANTIATE_TEST_SUITE_P(
    Cases, HeatingImport,
    ::testing::Values(
        // 5.0/5.0 °C: the dry bulb, set first, pulls the old wet bulb down with it; the wet
        // bulb then already holds its value. Dry bulb 2, volume 1.
        ImportCase{"ColderSupplyPullsWetBulb", {{"SAdbScrollBar", 50}}, {150, 150, 250}, 3},
        // 25.0/12.3 °C: the dry bulb pushes the supply dry bulb up; the wet bulb stays.
        ImportCase{"WarmerSupplyPushesSupplyDryBulb", {{"SAdbScrollBar", 250}}, {350, 223, 350}, 3},
        // 20.0/20.0 °C: the dry bulb pushes the supply, then the wet bulb rises on its own.
        ImportCase{"BothTemperaturesRise", {{"SAwbScrollBar", 200}}, {300, 300, 300}, 4},
        // Only the volume changes.
        ImportCase{"VolumeOnly", {{"RAvolScrollBar", 100000}}, {227, 223, 250}, 1}),
    [](const ::testing::TestParamInfo<ImportCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace plenova
