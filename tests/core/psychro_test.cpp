#include "core/psychro.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <ostream>

#include "core/airstate.h"
#include "core/fpenv.h"
#include "core/numfmt.h"

namespace plenova {
namespace {

class Psychro : public ::testing::Test {
  protected:
    void SetUp() override { setArithmeticEnvironment(); }
};

TEST_F(Psychro, PressureFromAltitude) {
    EXPECT_EQ(store(psychro::atmosphericPressure(0)), 101.325);
    EXPECT_EQ(fixed(store(psychro::atmosphericPressure(1000)), 4), "90.0111");
    EXPECT_EQ(fixed(store(psychro::atmosphericPressure(2000)), 4), "79.9605");
}

TEST_F(Psychro, WetBulbEqualToDryBulbIsSaturated) {
    AirState s;
    evaluateAirState(s, 25.0, 25.0, 101.325);
    EXPECT_EQ(s.pw, s.psDryBulb);
    EXPECT_EQ(s.rh, 100.0);
    ASSERT_TRUE(s.dewPointValid);
    EXPECT_EQ(fixed(s.dewPoint, 1), "25.0");
    EXPECT_EQ(fixed(s.x, 4), "0.0201");
    EXPECT_EQ(fixed(s.h, 1), "76.3");
    EXPECT_EQ(fixed(s.density, 2), "1.15");
}

TEST_F(Psychro, NegativeVapourPressureClampsAndKeepsTheDewPoint) {
    AirState s;
    s.dewPoint = 7.25;  // from an earlier evaluation
    evaluateAirState(s, 50.0, 0.0, 101.325);
    EXPECT_EQ(s.A, 0.00066);
    EXPECT_EQ(fixed(s.pw, 4), "-2.7327");
    EXPECT_FALSE(s.dewPointValid);
    EXPECT_EQ(s.dewPoint, 7.25);
    EXPECT_EQ(s.rh, 0.0);
    EXPECT_EQ(s.x, 0.0);
    EXPECT_EQ(s.hl, 0.0);
    EXPECT_EQ(s.h, s.hs);
    EXPECT_EQ(fixed(s.h, 3), "50.324");
    EXPECT_EQ(fixed(s.density, 4), "1.1220");
    // The density uses the negative vapour pressure: above that of dry air.
    EXPECT_GT(s.density, store(psychro::density(50.0, 0.0, 101.325)));
}

struct AirCase {
    double altitude;
    const char *P, *A, *pw, *rh, *dp, *x, *hs, *h, *rho;
};

void PrintTo(const AirCase& c, std::ostream* os) {
    *os << "altitude " << c.altitude;
}

class AirStateEvaluation : public ::testing::TestWithParam<AirCase> {
  protected:
    void SetUp() override { setArithmeticEnvironment(); }
};

TEST_P(AirStateEvaluation, MatchesTheWorkedFigures) {
    const AirCase& c = GetParam();
    const double P = store(psychro::atmosphericPressure(c.altitude));
    AirState s;
    evaluateAirState(s, 25.5, 18.3, P);
    EXPECT_EQ(fixed(P, 4), c.P);
    EXPECT_EQ(fixed(s.A, 10), c.A);
    EXPECT_EQ(fixed(s.pw, 5), c.pw);
    EXPECT_EQ(fixed(s.rh, 2), c.rh);
    ASSERT_TRUE(s.dewPointValid);
    EXPECT_EQ(fixed(s.dewPoint, 1), c.dp);
    EXPECT_EQ(fixed(s.x, 7), c.x);
    EXPECT_EQ(fixed(s.hs, 4), c.hs);
    EXPECT_EQ(fixed(s.h, 3), c.h);
    EXPECT_EQ(fixed(s.density, 5), c.rho);
}

INSTANTIATE_TEST_SUITE_P(
    ReturnAir25_5Over18_3, AirStateEvaluation,
    ::testing::Values(AirCase{0, "101.3250", "0.0006738897", "1.61277", "49.39", "14.1",
                              "0.0100604", "25.6525", "51.286", "1.16329"},
                      AirCase{2000, "79.9605", "0.0006738897", "1.71643", "52.56", "15.1",
                              "0.0136447", "25.6525", "60.418", "0.91284"}));

struct DewPointCase {
    double pw;
    bool exists;
};

void PrintTo(const DewPointCase& c, std::ostream* os) {
    *os << "pw " << c.pw;
}

class GuardedDewPoint : public ::testing::TestWithParam<DewPointCase> {
  protected:
    void SetUp() override { setArithmeticEnvironment(); }
};

TEST_P(GuardedDewPoint, CatchesOnlyTheInvalidLogarithm) {
    double dewPoint = -99;
    EXPECT_EQ(guardedDewPoint(GetParam().pw, dewPoint), GetParam().exists);
    if (!GetParam().exists) {
        EXPECT_EQ(dewPoint, -99);
    }
    // No flag is left behind to fail a later store.
    EXPECT_NO_THROW(store(1.0L));
}

INSTANTIATE_TEST_SUITE_P(VapourPressures, GuardedDewPoint,
                         ::testing::Values(DewPointCase{1.61277, true},
                                           DewPointCase{-2.7327, false}, DewPointCase{0.0, false},
                                           DewPointCase{-0.0, false}, DewPointCase{1e-300, true}));

TEST(FloatErrors, StoreRaisesTheFlaggedErrorWithItsDescription) {
    setArithmeticEnvironment();
    volatile long double zero = 0;
    try {
        store(1.0L / zero);
        FAIL() << "division by zero not raised";
    } catch (const FloatError& e) {
        EXPECT_EQ(e.kind(), FloatErrorKind::DivisionByZero);
        EXPECT_STREQ(e.what(), "Floating point division by zero");
    }
    try {
        store(zero / zero);
        FAIL() << "invalid operation not raised";
    } catch (const FloatError& e) {
        EXPECT_STREQ(e.what(), "Invalid floating point operation");
    }
    try {
        store(1e300L * 1e300L);  // fits in extended, overflows the double it is stored as
        FAIL() << "overflow not raised";
    } catch (const FloatError& e) {
        EXPECT_STREQ(e.what(), "Floating point overflow");
    }
    EXPECT_EQ(store(1e-320L), 1e-320);  // underflow passes silently
}

TEST(ArithmeticEnvironment, RoundsToNearestInExtendedPrecision) {
    std::fesetround(FE_UPWARD);
    setArithmeticEnvironment();
    EXPECT_EQ(std::fegetround(), FE_TONEAREST);
    volatile long double one = 1;
    // A 64-bit significand keeps 2^-63 next to 1.
    EXPECT_NE(one + std::ldexp(1.0L, -63), one);
}

}  // namespace
}  // namespace plenova
