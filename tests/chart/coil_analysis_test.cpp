// The apparatus dew point and bypass factor of a cooling coil.
#include <gtest/gtest.h>

#include "chart/coil_analysis.h"
#include "chart/moist_air.h"
#include "core/fpenv.h"
#include "core/numfmt.h"

namespace plenova::chart {
namespace {

constexpr double kSeaLevel = 101.325;

struct CoilCase {
    const char* name;
    ChartPoint entering;
    ChartPoint leaving;
    bool hasAdp;
    const char* adp;  // one decimal
    const char* bypass;
    const char* contact;
};

class Coil : public ::testing::TestWithParam<CoilCase> {};

TEST_P(Coil, AdpAndBypassFactor) {
    setArithmeticEnvironment();
    const CoilCase& c = GetParam();
    const CoilAnalysis coil = analyseCoil(c.entering, c.leaving, kSeaLevel, ChartRange{});
    ASSERT_EQ(coil.hasAdp, c.hasAdp);
    if (!c.hasAdp) {
        return;
    }
    EXPECT_EQ(fixed(coil.adp.t, 1), c.adp);
    EXPECT_EQ(fixed(coil.bypassFactor, 2), c.bypass);
    EXPECT_EQ(fixed(coil.contactFactor, 2), c.contact);
    // The ADP lies on the saturation curve and on the extended coil line, beyond the leaving air.
    EXPECT_NEAR(coil.adp.x, saturationMoisture(coil.adp.t, kSeaLevel), 1e-15);
    const double slope = (c.entering.x - c.leaving.x) / (c.entering.t - c.leaving.t);
    EXPECT_NEAR(coil.adp.x, c.leaving.x + slope * (coil.adp.t - c.leaving.t), 1e-9);
    EXPECT_LE(coil.adp.t, c.leaving.t);
}

// Working, in double precision outside the program, at 101.325 kPa:
// - Start state: return air 25.5/18.3 °C gives x = 0.0100603746, supply air 12.7/12.3 °C with the
//   return air's coefficient x = 0.0087394018. The line through them first reaches the
//   saturation curve below 12.7 °C at 11.858 °C: BF = (12.7 - 11.858) / (25.5 - 11.858) = 0.0617.
// - Constant moisture 0.0100603746 (dew point 14.128 °C) from 25.5 to 20.0 °C:
//   BF = (20 - 14.128) / (25.5 - 14.128) = 0.516.
// - Leaving air saturated at 10 °C (x = 0.0076341272): the ADP is the leaving air, BF 0.
// - Moisture 0.0015 kg/kg has its dew point near -12 °C, below the chart: no ADP.
INSTANTIATE_TEST_SUITE_P(
    Cases, Coil,
    ::testing::Values(
        CoilCase{
            "StartState", {25.5, 0.0100603746}, {12.7, 0.0087394018}, true, "11.9", "0.06", "0.94"},
        CoilCase{"ConstantMoistureMeetsTheCurveAtTheDewPoint",
                 {25.5, 0.0100603746},
                 {20.0, 0.0100603746},
                 true,
                 "14.1",
                 "0.52",
                 "0.48"},
        CoilCase{"SaturatedLeavingAirIsItsOwnAdp",
                 {25.0, 0.0100},
                 {10.0, 0.0076341272},
                 true,
                 "10.0",
                 "0.00",
                 "1.00"},
        CoilCase{"LeavingAirNotCooler", {20.0, 0.010}, {20.0, 0.008}, false, "", "", ""},
        CoilCase{"LeavingAirWarmer", {15.0, 0.008}, {25.0, 0.008}, false, "", "", ""},
        CoilCase{"DryLineMissesTheCurve", {30.0, 0.0}, {20.0, 0.0}, false, "", "", ""},
        CoilCase{"DewPointBelowTheChart", {30.0, 0.0015}, {10.0, 0.0015}, false, "", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace plenova::chart
