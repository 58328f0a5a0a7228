// The process points as the chart takes them from the three pages.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "chart/chart_scene.h"
#include "chart/moist_air.h"
#include "core/fpenv.h"
#include "modules/calculator.h"

namespace plenova::chart {
namespace {

class Scene : public ::testing::Test {
  protected:
    void SetUp() override {
        setArithmeticEnvironment();
        calc.FormCreate();
    }
    ChartScene scene() const { return captureScene(calc); }
    std::map<std::string, std::string> legend() const {
        std::map<std::string, std::string> values;
        for (const auto& [name, text] : legendValues(scene())) {
            values[name] = text;
        }
        return values;
    }

    Calculator calc;
};

TEST_F(Scene, StartStateShowsThePagesTexts) {
    const auto values = legend();
    // Mixing page at start: return air 25.5 °C, outdoor air 35 °C, mixed 25.5 °C at 0.0101 kg/kg;
    // Cooling: supply air 12.7 °C at 0.0087 kg/kg; Heating: 12.7 °C to 15 °C at 0.0087 kg/kg.
    const std::map<std::string, std::string> expected = {
        {"MARAdb", "25.5 \u00B0C"}, {"MAOAdb", "35 \u00B0C"},    {"MAMAdb", "25.5 \u00B0C"},
        {"MAMAx", "0.0101 kg/kg"},  {"RAdb", "25.5 \u00B0C"},    {"RAx", "0.0101 kg/kg"},
        {"SAdb", "12.7 \u00B0C"},   {"SAx", "0.0087 kg/kg"},     {"HeatRAdb", "12.7 \u00B0C"},
        {"HeatSAdb", "15 \u00B0C"}, {"HeatSAx", "0.0087 kg/kg"}, {"ADP", "11.9 \u00B0C"},
        {"BypassFactor", "0.06"},   {"ContactFactor", "0.94"},
    };
    for (const auto& [name, text] : expected) {
        ASSERT_TRUE(values.count(name)) << name;
        EXPECT_EQ(values.at(name), text) << name;
    }
    EXPECT_EQ(values.size(), 2u * kPointCount + 3);
    const ChartScene s = scene();
    EXPECT_EQ(s.pressureText, "101.325 kPa");
    EXPECT_EQ(s.range.xMax, 0.030);
    for (const ProcessPoint& p : s.points) {
        EXPECT_FALSE(p.hollow) << p.name;
    }
}

// Dry bulbs mix by volume share, moisture by mass flow: the mixed air lies on the segment from
// return to outdoor air, at the volume share across and at the mass share up. Working, in
// plain double arithmetic: a stream's density is (P - pw) x 1000 / (287 (273.16 + t)), its
// vapour pressure ps(wb) - (0.00115 wb + 1) 0.00066 P (t - wb).
TEST_F(Scene, MixedAirLiesOnTheMixingLineAtTheVolumeShare) {
    const auto density = [](double t, double wb) {
        const auto ps = [](double T) { return std::exp((16.78 * T - 116.9) / (237.3 + T)); };
        const double pw = ps(wb) - (0.00115 * wb + 1) * 0.00066 * 101.325 * (t - wb);
        return (101.325 - pw) * 1000 / (287 * (273.16 + t));
    };
    const double dRA = density(25.5, 18.3);
    const double dOA = density(35.0, 25.2);
    for (int share : {0, 20, 50, 85, 100}) {
        calc.mixing.ScrollBarMApercent.setPosition(share);
        const ChartScene s = scene();
        const ChartPoint ra = s.points[kMixRA].at;
        const ChartPoint oa = s.points[kMixOA].at;
        const ChartPoint ma = s.points[kMixMA].at;
        const double volumeShare = share / 100.0;
        const double massShare = volumeShare * dOA / (volumeShare * dOA + (1 - volumeShare) * dRA);
        EXPECT_NEAR((ma.t - ra.t) / (oa.t - ra.t), volumeShare, 1e-12) << share;
        EXPECT_NEAR((ma.x - ra.x) / (oa.x - ra.x), massShare, 1e-9) << share;
        // The two shares differ by under 1 %: on a 600 px chart, within 1.5 px of the line.
        const double offLine = std::fabs(massShare - volumeShare) * std::fabs(oa.x - ra.x);
        EXPECT_LT(offLine / 0.030 * 600, 1.5) << share;
    }
}

// Return air 10.0/10.0 °C and outdoor air 40.0/40.0 °C, half and half: the mixture is
// supersaturated (it shows 100.0 % and a dew point of 29.2 °C at 25.0 °C), and the outdoor air
// holds 0.0488 kg/kg (ps(40) = 7.3766 kPa, 0.622 x 7.3766 / 93.948), so the moisture axis grows
// to the next 5 g/kg, 50 g/kg.
TEST_F(Scene, SupersaturatedMixtureIsDrawnAboveTheCurve) {
    calc.mixing.ScrollBarMARAwb.setPosition(200);
    calc.mixing.ScrollBarMARAdb.setPosition(200);
    calc.mixing.ScrollBarMAOAdb.setPosition(500);
    calc.mixing.ScrollBarMAOAwb.setPosition(500);
    calc.mixing.ScrollBarMApercent.setPosition(50);
    const ChartScene s = scene();
    const ChartPoint ma = s.points[kMixMA].at;
    EXPECT_DOUBLE_EQ(ma.t, 25.0);
    EXPECT_GT(ma.x, saturationMoisture(ma.t, s.pressure) + 0.005);
    EXPECT_DOUBLE_EQ(plotted(ma, s.range).x, ma.x);
    EXPECT_NEAR(s.range.xMax, 0.050, 1e-15);
    EXPECT_FALSE(s.points[kMixMA].hollow);
}

// Wet bulbs far below their dry bulbs: no dew point anywhere. Mixing streams at 50.0/0.0 °C keep
// their negative moisture (the mixture shows -0.0163 kg/kg) and sit on the lower edge; the
// cooling air at 50.0/0.0 °C and 12.7/0.0 °C and the heating air at 30.0/5.0 °C are raised to 0.
TEST_F(Scene, AirWithoutDewPointIsHollow) {
    for (Slider* s : {&calc.mixing.ScrollBarMARAdb, &calc.mixing.ScrollBarMAOAdb}) {
        s->setPosition(600);
    }
    for (Slider* s : {&calc.mixing.ScrollBarMARAwb, &calc.mixing.ScrollBarMAOAwb}) {
        s->setPosition(100);
    }
    calc.cooling.RAdbScrollBar.setPosition(500);
    calc.cooling.RAwbScrollBar.setPosition(0);
    calc.heating.ScrollBarHeatSupplyAirDryBulb.setPosition(400);
    calc.heating.ScrollBarHeatReturnAirDryBulb.setPosition(400);
    calc.heating.ScrollBarHeatReturnAirWetBulb.setPosition(150);
    const ChartScene s = scene();
    // The supply wet bulb follows the return wet bulb down to 0.0 °C, so it is dry as well.
    for (int i = 0; i < kPointCount; ++i) {
        EXPECT_TRUE(s.points[i].hollow) << s.points[i].name;
    }
    EXPECT_EQ(s.points[kMixMA].moistureText, "-0.0163 kg/kg");
    EXPECT_LT(s.points[kMixMA].at.x, 0);
    EXPECT_EQ(plotted(s.points[kMixMA].at, s.range).x, 0);
    EXPECT_EQ(s.points[kCoolRA].at.x, 0);
    EXPECT_EQ(s.points[kHeatRA].at.x, 0);
}

TEST_F(Scene, AltitudeSetsThePressure) {
    calc.cooling.mAltScrollBar.setPosition(2000);
    const ChartScene s = scene();
    EXPECT_EQ(s.pressureText, "79.961 kPa");
    EXPECT_EQ(s.altitudeText, "2000 m");
    EXPECT_NEAR(s.pressure, 79.9605, 1e-4);
}

TEST_F(Scene, SupplyAirAsWarmAsTheReturnAirHasNoAdp) {
    calc.cooling.SAdbScrollBar.setPosition(255);
    const auto values = legend();
    EXPECT_EQ(values.at("ADP"), "no ADP");
    EXPECT_EQ(values.at("BypassFactor"), "~");
    EXPECT_EQ(values.at("ContactFactor"), "~");
}

}  // namespace
}  // namespace plenova::chart
