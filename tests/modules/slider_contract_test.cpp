// The rule every module relies on, for each of the 18 sliders: a set clamps to the range, and
// only a real change runs the handler; setting the position a slider already holds, or a
// position beyond the end where it stands, runs nothing.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/fpenv.h"
#include "modules/calculator.h"

namespace plenova {
namespace {

struct SliderRow {
    const char* slider;
    const char* lastRecalculation;  // what the slider's own handler runs last
};

class SettingAHeldPosition : public ::testing::TestWithParam<SliderRow> {
  protected:
    void SetUp() override {
        setArithmeticEnvironment();
        calc.FormCreate();
        calc.setRecalculationObserver([this](const char* name) { trace.emplace_back(name); });
        slider = calc.findSlider(GetParam().slider);
        ASSERT_NE(slider, nullptr) << GetParam().slider;
    }
    // Sets the slider to `to`; true when that ran the slider's handler, and it ended with the
    // page's recalculation.
    bool changedBySetting(int to) {
        trace.clear();
        slider->setPosition(to);
        return !trace.empty() && trace.back() == GetParam().lastRecalculation;
    }

    Calculator calc;
    std::vector<std::string> trace;
    Slider* slider = nullptr;
};

TEST_P(SettingAHeldPosition, RunsNothing) {
    const int start = slider->position();
    EXPECT_FALSE(changedBySetting(start));
    EXPECT_TRUE(trace.empty()) << "its own start position";

    // Beyond the minimum: clamped there, a change only when it stood elsewhere.
    EXPECT_EQ(changedBySetting(slider->min() - 1), start != slider->min());
    EXPECT_EQ(slider->position(), slider->min());
    for (const int again : {slider->min() - 1, slider->min()}) {
        EXPECT_FALSE(changedBySetting(again));
        EXPECT_TRUE(trace.empty()) << again << " at the minimum";
    }

    EXPECT_TRUE(changedBySetting(slider->max() + 1));
    EXPECT_EQ(slider->position(), slider->max());
    for (const int again : {slider->max() + 1000, slider->max()}) {
        EXPECT_FALSE(changedBySetting(again));
        EXPECT_TRUE(trace.empty()) << again << " at the maximum";
    }

    // Every slider at whatever the move left it: setting each to its own position runs nothing.
    trace.clear();
    for (Slider* s : calc.sliders()) {
        s->setPosition(s->position());
    }
    EXPECT_TRUE(trace.empty());
}

const std::vector<SliderRow> kEverySlider{
    SliderRow{"ScrollBarMAVol", "MixedAirCalc"},  // its minimum is 1, not 0
    SliderRow{"ScrollBarMAmAltitude", "MixedAirCalc"},
    SliderRow{"ScrollBarMApercent", "MixedAirCalc"},
    SliderRow{"ScrollBarMARAdb", "MixedAirCalc"},
    SliderRow{"ScrollBarMARAwb", "MixedAirCalc"},
    SliderRow{"ScrollBarMAOAdb", "MixedAirCalc"},
    SliderRow{"ScrollBarMAOAwb", "MixedAirCalc"},
    SliderRow{"RAvolScrollBar", "VolumeCalc"},
    SliderRow{"mAltScrollBar", "VolumeCalc"},
    SliderRow{"RAdbScrollBar", "VolumeCalc"},
    SliderRow{"RAwbScrollBar", "VolumeCalc"},
    SliderRow{"SAdbScrollBar", "VolumeCalc"},
    SliderRow{"SAwbScrollBar", "VolumeCalc"},
    SliderRow{"ScrollBarHeatRAvolume", "HeatRAcalcs"},
    SliderRow{"ScrollBarHeatMetersAltitude", "HeatRAcalcs"},
    SliderRow{"ScrollBarHeatReturnAirDryBulb", "HeatRAcalcs"},
    SliderRow{"ScrollBarHeatReturnAirWetBulb", "HeatRAcalcs"},
    SliderRow{"ScrollBarHeatSupplyAirDryBulb", "HeatRAcalcs"}};

INSTANTIATE_TEST_SUITE_P(AllSliders, SettingAHeldPosition, ::testing::ValuesIn(kEverySlider),
                         [](const ::testing::TestParamInfo<SliderRow>& info) {
                             return std::string(info.param.slider);
                         });

// The volume has no ordering rule behind it: a set clamped to its minimum of 1 is one change
// and one recalculation, and the same set again is none.
TEST(SliderContract, VolumeClampedToItsMinimumRecalculatesOnce) {
    setArithmeticEnvironment();
    Calculator calc;
    calc.FormCreate();
    std::vector<std::string> trace;
    calc.setRecalculationObserver([&](const char* name) { trace.emplace_back(name); });
    calc.mixing.ScrollBarMAVol.setPosition(0);
    calc.mixing.ScrollBarMAVol.setPosition(0);
    EXPECT_EQ(calc.mixing.ScrollBarMAVol.position(), 1);
    EXPECT_EQ(trace, std::vector<std::string>{"MixedAirCalc"});
}

TEST(SliderTable, CoversEverySlider) {
    Calculator calc;
    std::set<std::string> inCalculator;
    for (const Slider* s : calc.sliders()) {
        inCalculator.insert(s->name());
    }
    std::set<std::string> inTable;
    for (const SliderRow& row : kEverySlider) {
        inTable.insert(row.slider);
    }
    EXPECT_EQ(inTable, inCalculator);
    EXPECT_EQ(inTable.size(), 18u);
}

}  // namespace
}  // namespace plenova
