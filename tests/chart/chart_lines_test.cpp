// The grid's lines read back through the program's own formulas: every point of a line has the
// value the line is drawn for.
#include <gtest/gtest.h>

#include <set>

#include "chart/chart_lines.h"
#include "chart/moist_air.h"
#include "core/fpenv.h"
#include "core/numfmt.h"
#include "core/psychro.h"

namespace plenova::chart {
namespace {

using namespace psychro;

class ChartLines : public ::testing::TestWithParam<int> {
  protected:
    void SetUp() override {
        setArithmeticEnvironment();
        P = store(atmosphericPressure(GetParam()));
        lines = chartLines(P, range);
    }

    std::vector<const ChartLine*> family(LineFamily f) const {
        std::vector<const ChartLine*> found;
        for (const ChartLine& line : lines) {
            if (line.family == f) {
                found.push_back(&line);
            }
        }
        return found;
    }

    // Relative humidity of a chart point: formula 7 read backwards, then formula 5.
    double rhAt(const ChartPoint& p) const {
        return store(relativeHumidity(vapourPressureOf(p.x, P), store(saturationPressure(p.t))));
    }

    ChartRange range;
    double P = 0;
    std::vector<ChartLine> lines;
};

TEST_P(ChartLines, SaturationCurveIsAtOneHundredPercent) {
    const auto curves = family(LineFamily::Saturation);
    ASSERT_EQ(curves.size(), 1u);
    ASSERT_GT(curves[0]->points.size(), 20u);
    for (const ChartPoint& p : curves[0]->points) {
        EXPECT_NEAR(rhAt(p), 100, 1e-9) << p.t;
        EXPECT_EQ(fixed(rhAt(p), 1), "100.0") << p.t;
    }
}

TEST_P(ChartLines, RelativeHumidityCurvesEveryTenPercent) {
    const auto curves = family(LineFamily::RelativeHumidity);
    ASSERT_EQ(curves.size(), 9u);
    for (const ChartLine* line : curves) {
        for (const ChartPoint& p : line->points) {
            EXPECT_NEAR(rhAt(p), line->value, 1e-9) << " at " << p.t;
        }
    }
}

TEST_P(ChartLines, WetBulbLinesGiveBackTheirWetBulb) {
    const auto wetBulbLines = family(LineFamily::WetBulb);
    std::set<double> values;
    for (const ChartLine* line : wetBulbLines) {
        values.insert(line->value);
        // Each starts on the saturation curve at its own temperature (or enters from the top).
        EXPECT_GE(line->points.front().t, line->value);
        for (const ChartPoint& p : line->points) {
            // Forward through the psychrometer equation with the coefficient of that wet bulb.
            const long double tw = line->value;
            const double pw = store(vapourPressure(store(saturationPressure(tw)),
                                                   store(psychrometerCoefficient(tw)), P, p.t, tw));
            EXPECT_NEAR(store(moistureContent(pw, P)), p.x, 1e-12);
            // And back through the read-out's search.
            double found = 0;
            ASSERT_TRUE(wetBulbOf(p.t, vapourPressureOf(p.x, P), P, found));
            EXPECT_NEAR(found, line->value, 1e-9) << " at " << p.t;
        }
    }
    for (double tw = -10; tw <= 30; tw += 5) {
        EXPECT_TRUE(values.count(tw)) << tw;
    }
}

TEST_P(ChartLines, EnthalpyAndDensityLinesHoldTheirValue) {
    ASSERT_GE(family(LineFamily::Enthalpy).size(), 8u);
    for (const ChartLine* line : family(LineFamily::Enthalpy)) {
        for (const ChartPoint& p : line->points) {
            EXPECT_NEAR(readPoint(p.t, p.x, P).h, line->value, 1e-9) << " at " << p.t;
        }
    }
    ASSERT_GE(family(LineFamily::Density).size(), 4u);
    for (const ChartLine* line : family(LineFamily::Density)) {
        for (const ChartPoint& p : line->points) {
            EXPECT_NEAR(store(density(p.t, vapourPressureOf(p.x, P), P)), line->value, 1e-9)
                << " at " << p.t;
        }
    }
}

TEST_P(ChartLines, EveryPointLiesInsideTheRangeAndNotAboveSaturation) {
    for (const ChartLine& line : lines) {
        for (const ChartPoint& p : line.points) {
            EXPECT_GE(p.t, range.tMin - 1e-9);
            EXPECT_LE(p.t, range.tMax + 1e-9);
            EXPECT_GE(p.x, range.xMin - 1e-12);
            EXPECT_LE(p.x, range.xMax + 1e-12);
            EXPECT_LE(p.x, saturationMoisture(p.t, P) * (1 + 1e-9));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Altitudes, ChartLines, ::testing::Values(0, 1000, 2000));

// Saturated air at 25.0 °C and 0 m holds 0.0201 kg/kg (the wet bulb equal to the dry bulb).
TEST(MoistAir, SaturationMoistureAtTwentyFive) {
    setArithmeticEnvironment();
    EXPECT_EQ(fixed(saturationMoisture(25.0, 101.325), 4), "0.0201");
}

// The read-out of a point gives what an air state evaluation of the same air shows: return
// air of 25.5 °C dry bulb and 18.3 °C wet bulb holds 0.0100604 kg/kg at 0 m and 0.0136447 kg/kg
// at 2000 m.
struct ReadOutCase {
    const char* name;
    int altitude;
    double t;
    double x;
    const char* rh;
    const char* wetBulb;
    const char* dewPoint;
    const char* h;
};

class ReadOut : public ::testing::TestWithParam<ReadOutCase> {};

TEST_P(ReadOut, MatchesTheAirStateEvaluation) {
    setArithmeticEnvironment();
    const ReadOutCase& c = GetParam();
    const PointReading r = readPoint(c.t, c.x, store(atmosphericPressure(c.altitude)));
    EXPECT_EQ(fixed(r.rh, 1), c.rh);
    ASSERT_TRUE(r.wetBulbValid);
    EXPECT_EQ(fixed(r.wetBulb, 1), c.wetBulb);
    ASSERT_TRUE(r.dewPointValid);
    EXPECT_EQ(fixed(r.dewPoint, 1), c.dewPoint);
    EXPECT_EQ(fixed(r.h, 1), c.h);
}

INSTANTIATE_TEST_SUITE_P(ReturnAir, ReadOut,
                         ::testing::Values(ReadOutCase{"SeaLevel", 0, 25.5, 0.0100604, "49.4",
                                                       "18.3", "14.1", "51.3"},
                                           ReadOutCase{"TwoThousandMetres", 2000, 25.5, 0.0136447,
                                                       "52.6", "18.3", "15.1", "60.4"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MoistAir, DryAirHasNoDewPoint) {
    setArithmeticEnvironment();
    const PointReading r = readPoint(30, 0, 101.325);
    EXPECT_FALSE(r.dewPointValid);
    EXPECT_EQ(fixed(r.rh, 1), "0.0");
}

}  // namespace
}  // namespace plenova::chart
