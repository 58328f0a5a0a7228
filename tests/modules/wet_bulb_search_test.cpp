// The tabled search must give the same wet bulb, bit for bit, as the plain stepwise one.
#include "modules/wet_bulb_search.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "core/fpenv.h"
#include "core/psychro.h"

namespace plenova {
namespace {

using namespace psychro;

// The search as written: every trial computed afresh, every quantity stored.
double stepwiseSearch(double dryBulb, double pressure, double psDryBulb, double shownRh,
                      double* lastRh = nullptr) {
    double w = store(-10.99L);
    for (;;) {
        const double psW = store(saturationPressure(w));
        const double aW = store(psychrometerCoefficient(w));
        const double pwW = store(vapourPressure(psW, aW, pressure, dryBulb, w));
        const double trialRh = store(relativeHumidity(pwW, psDryBulb));
        if (lastRh != nullptr) {
            *lastRh = trialRh;
        }
        if (static_cast<long double>(trialRh) - shownRh >= 0.01L) {
            return w;
        }
        w = store(static_cast<long double>(w) + 0.01L);
    }
}

bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

class WetBulbSearch : public ::testing::Test {
  protected:
    void SetUp() override { setArithmeticEnvironment(); }

    // A result, not an assertion in a helper: the loops below stop at the first row that
    // differs, instead of reporting every row of a broken table.
    static ::testing::AssertionResult sameAsStepwise(double dryBulb, double altitude,
                                                     double shownRh) {
        const double P = store(atmosphericPressure(altitude));
        const double ps = store(saturationPressure(dryBulb));
        const double expected = stepwiseSearch(dryBulb, P, ps, shownRh);
        const double actual = searchMixedWetBulb(dryBulb, P, ps, shownRh);
        if (sameBits(actual, expected)) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure()
               << "dry bulb " << dryBulb << ", altitude " << altitude << ", rh " << shownRh << ": "
               << actual << " vs " << expected;
    }
};

TEST_F(WetBulbSearch, MatchesTheStepwiseSearchOnRandomInputs) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> dryBulb(-10.0, 50.0);
    std::uniform_int_distribution<int> altitude(0, 2000);
    std::uniform_real_distribution<double> rh(0.0, 100.0);
    for (int i = 0; i < 3000; ++i) {
        ASSERT_TRUE(sameAsStepwise(dryBulb(random), altitude(random), rh(random)));
    }
}

TEST_F(WetBulbSearch, MatchesAtTheEndsOfTheRanges) {
    for (double t : {-10.0, -9.99, 0.0, 25.5, 49.99, 50.0}) {
        for (double z : {0.0, 2000.0}) {
            for (double r : {0.0, 100.0, 99.99, 0.005}) {
                ASSERT_TRUE(sameAsStepwise(t, z, r));
            }
        }
    }
}

TEST_F(WetBulbSearch, MatchesWhereTheTestIsDecidedInTheLastBit) {
    // Targets placed exactly 0.01 below a trial's humidity, and one unit in the last place
    // either side of that, so that the comparison of each candidate is as close as it gets.
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> dryBulb(-10.0, 50.0);
    std::uniform_int_distribution<int> altitude(0, 2000);
    for (int i = 0; i < 1500; ++i) {
        const double t = dryBulb(random);
        const double z = altitude(random);
        const double P = store(atmosphericPressure(z));
        const double ps = store(saturationPressure(t));
        double trialRh = 0;
        // Land on a random trial by searching for a random target, then aim just at it.
        stepwiseSearch(t, P, ps, std::uniform_real_distribution<double>(0, 100)(random), &trialRh);
        const double edge = store(static_cast<long double>(trialRh) - 0.01L);
        for (double r : {edge, std::nextafter(edge, 0.0), std::nextafter(edge, 200.0)}) {
            if (r >= 0 && r <= 100) {
                ASSERT_TRUE(sameAsStepwise(t, z, r));
            }
        }
    }
}

}  // namespace
}  // namespace plenova
