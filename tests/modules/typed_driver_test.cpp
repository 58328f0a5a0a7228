// `type <SliderName> <text>` in the headless driver: the same reading as the window's editor,
// then the slider's own setter with its ordering rules.
#include <gtest/gtest.h>

#include <string>

#include "driver_session.h"

namespace plenova {
namespace {

using plenova::testing::runDriver;

TEST(TypedDriver, ReadingsWithUnitsAndSpacesSetThePositions) {
    const auto run = runDriver(
        "type ScrollBarMARAdb 23.7 \u00B0C\n"
        "type RAvolScrollBar   661.32 m\u00B3/hr  \n"
        "type ScrollBarHeatRAvolume 4.85\n"
        "type ScrollBarMApercent 25% OA\n"
        "dump\n");
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const auto dumped = run.dumped();
    EXPECT_EQ(dumped.at("ScrollBarMARAdb"), "337");  // (23.7 + 10) x 10
    EXPECT_EQ(dumped.at("LabelMARAdb"), "23.7 \u00B0C");
    EXPECT_EQ(dumped.at("RAvolScrollBar"), "1837");  // 661.32 / 3600 x 10^4
    EXPECT_EQ(dumped.at("ScrollBarHeatRAvolume"), "48500");
    EXPECT_EQ(dumped.at("ScrollBarMApercent"), "25");
}

// A wet bulb typed above its dry bulb carries the dry bulb along, as a drag does; an altitude
// typed on one page moves all three.
TEST(TypedDriver, GoesThroughTheSlidersRules) {
    const auto run = runDriver("type RAwbScrollBar 30\ntype mAltScrollBar 1500 m\ndump\n");
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const auto dumped = run.dumped();
    EXPECT_EQ(dumped.at("RAwbScrollBar"), "300");
    EXPECT_EQ(dumped.at("RAdbScrollBar"), "300");  // was 255
    EXPECT_EQ(dumped.at("ScrollBarMAmAltitude"), "1500");
    EXPECT_EQ(dumped.at("ScrollBarHeatMetersAltitude"), "1500");
}

TEST(TypedDriver, TheDecimalSeparatorIsTheRegionalOne) {
    const auto run = runDriver("type SAdbScrollBar 12,3\ndump\n", "--decimal-separator ,");
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.dumped().at("SAdbScrollBar"), "123");
    EXPECT_EQ(run.dumped().at("SAdbLabel"), "12,3 \u00B0C");
}

struct BadReading {
    const char* name;
    const char* script;
    const char* message;
};

class TypedDriverRejects : public ::testing::TestWithParam<BadReading> {};

TEST_P(TypedDriverRejects, NamesTheLineAndTheRangeAndExitsWithStatus2) {
    const auto run = runDriver(GetParam().script);
    EXPECT_EQ(run.exitStatus, 2);
    EXPECT_NE(run.err.find(GetParam().message), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Lines, TypedDriverRejects,
    ::testing::Values(
        BadReading{"OutOfRange", "\ntype ScrollBarMAOAdb 50.1\ndump\n",
                   "line 2: ScrollBarMAOAdb: Out of range: \u221210.0 to 50.0 \u00B0C"},
        BadReading{"Garbage", "type mAltScrollBar high\n",
                   "line 1: mAltScrollBar: Not a reading: 0 to 2000 m"},
        BadReading{"Empty", "type ScrollBarMAVol\n",
                   "line 1: ScrollBarMAVol: Type a reading: 0.0001 to 20.0000 m\u00B3/s"},
        BadReading{"UnknownSlider", "type NoSuchBar 3\n", "line 1: unknown slider 'NoSuchBar'"},
        BadReading{"NoName", "type\n", "line 1: 'type' takes a slider name and a reading"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace plenova
