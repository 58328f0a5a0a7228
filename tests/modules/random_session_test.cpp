// Long random sessions of user actions on the control models, checked after every action.
// Four sessions with seeds of their own share PLENOVA_RANDOM_ACTIONS actions (default 200000);
// PLENOVA_SEED replaces the first seed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/fpenv.h"
#include "modules/calculator.h"
#include "random_user.h"
#include "session_invariants.h"

namespace plenova {
namespace {

using plenova::testing::checkInvariants;
using plenova::testing::checkRecalculationIsStable;
using plenova::testing::RandomUser;

long long fromEnvironment(const char* name, long long fallback) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::atoll(value) : fallback;
}

class RandomSession : public ::testing::TestWithParam<std::uint64_t> {};

TEST_P(RandomSession, EveryActionKeepsTheRulesAndTheTexts) {
    const std::uint64_t seed = GetParam() == 1
                                   ? static_cast<std::uint64_t>(fromEnvironment("PLENOVA_SEED", 1))
                                   : GetParam();
    const long long actions = fromEnvironment("PLENOVA_RANDOM_ACTIONS", 200000) / 4;
    setArithmeticEnvironment();
    Calculator calc;
    calc.FormCreate();
    RandomUser user(calc, seed);
    std::vector<std::string> recent;
    auto history = [&] {
        std::string text = "seed " + std::to_string(seed) + ", last actions:";
        for (const auto& a : recent) {
            text += "\n  " + a;
        }
        return text;
    };
    for (long long i = 0; i < actions; ++i) {
        if (recent.size() == 8) {
            recent.erase(recent.begin());
        }
        try {
            recent.push_back(user.act());
        } catch (const std::exception& error) {
            FAIL() << "action " << i << " raised '" << error.what() << "'; " << history();
        }
        const std::string fault = checkInvariants(calc);
        ASSERT_TRUE(fault.empty()) << "after action " << i << ": " << fault << "; " << history();
        if (i % 997 == 0) {
            const std::string unstable = checkRecalculationIsStable(calc, false);
            ASSERT_TRUE(unstable.empty())
                << "after action " << i << ": " << unstable << "; " << history();
        }
    }
    const std::string unstable = checkRecalculationIsStable(calc, false);
    EXPECT_TRUE(unstable.empty()) << unstable << "; " << history();
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomSession, ::testing::Values(1, 20261211, 7, 4242));

// Every position of every slider, from the start state and from a few others.
class SliderSweep : public ::testing::TestWithParam<int> {};

TEST_P(SliderSweep, NoPositionRaisesOrShowsNonsense) {
    setArithmeticEnvironment();
    const int variant = GetParam();
    Calculator probe;
    const auto sliderCount = probe.sliders().size();
    for (std::size_t index = 0; index < sliderCount; ++index) {
        Calculator calc;
        calc.FormCreate();
        // The other states: extreme dry air, saturated air, zero volumes.
        if (variant == 1) {
            for (Slider* s : calc.sliders()) {
                if (s->name().find("wb") != std::string::npos ||
                    s->name().find("WetBulb") != std::string::npos) {
                    s->setPosition(s->min());
                }
            }
        } else if (variant == 2) {
            calc.cooling.RAwbScrollBar.setPosition(500);
            calc.heating.ScrollBarHeatReturnAirWetBulb.setPosition(600);
            calc.mixing.ScrollBarMARAwb.setPosition(600);
            calc.mixing.ScrollBarMAOAwb.setPosition(600);
        } else if (variant == 3) {
            calc.cooling.RAvolScrollBar.setPosition(0);
            calc.heating.ScrollBarHeatRAvolume.setPosition(0);
            calc.mixing.ScrollBarMAVol.setPosition(1);
            calc.altitude.ScrollBarMAmAltitude.setPosition(2000);
        }
        Slider& s = *calc.sliders()[index];
        for (int p = s.min(); p <= s.max(); p += (s.max() - s.min() > 5000 ? 97 : 1)) {
            try {
                s.setPosition(p);
            } catch (const std::exception& error) {
                FAIL() << s.name() << " at " << p << " raised " << error.what();
            }
            const std::string fault = checkInvariants(calc);
            ASSERT_TRUE(fault.empty()) << s.name() << " at " << p << ": " << fault;
        }
        s.setPosition(s.max());
        ASSERT_TRUE(checkInvariants(calc).empty()) << s.name() << " at its maximum";
    }
}

std::string stateName(const ::testing::TestParamInfo<int>& info) {
    static const char* const names[] = {"Start", "DryAir", "SaturatedAir",
                                        "ZeroVolumeHighAltitude"};
    return names[info.param];
}

INSTANTIATE_TEST_SUITE_P(States, SliderSweep, ::testing::Values(0, 1, 2, 3), stateName);

}  // namespace
}  // namespace plenova
