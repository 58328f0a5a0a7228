#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "driver_session.h"
#include "modules/calculator.h"
#include "start_texts.h"

namespace plenova {
namespace {

using plenova::testing::runDriver;

TEST(Driver, DumpListsLabelsThenSlidersEachSortedByName) {
    const auto run = runDriver("dump\n");
    std::vector<std::string> names;
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);) {
        names.push_back(line.substr(0, line.find('=')));
    }
    ASSERT_EQ(names.size(), 78u + 18u);
    auto isSlider = [](const std::string& name) {
        return name.find("ScrollBar") != std::string::npos;
    };
    // Every label comes before every slider, and each group is in byte order.
    EXPECT_TRUE(std::is_partitioned(names.begin(), names.end(),
                                    [&](const std::string& n) { return !isSlider(n); }));
    EXPECT_TRUE(std::is_sorted(names.begin(), names.begin() + 78));
    EXPECT_TRUE(std::is_sorted(names.begin() + 78, names.end()));
    EXPECT_TRUE(isSlider(names[78]));
}

struct BadLine {
    const char* name;
    const char* script;
    const char* message;
};

class DriverRejects : public ::testing::TestWithParam<BadLine> {};

TEST_P(DriverRejects, NamesTheLineAndExitsWithStatus2) {
    const auto run = runDriver(GetParam().script);
    EXPECT_EQ(run.exitStatus, 2);
    EXPECT_NE(run.err.find(GetParam().message), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Lines, DriverRejects,
    ::testing::Values(BadLine{"UnknownCommand", "\nfly away\n", "line 2: unknown command 'fly'"},
                      BadLine{"UnknownSlider", "set NoSuchBar 3\n", "line 1: unknown slider"},
                      BadLine{"NotAnInteger", "set RAdbScrollBar 2.5\n", "is not an integer"},
                      BadLine{"MissingPosition", "set RAdbScrollBar\n", "line 1: 'set' takes"},
                      BadLine{"UnknownButton", "click Button3\n", "unknown button"}),
    [](const auto& info) { return std::string(info.param.name); });

// Every scripted case: the driver runs the same calculator from a script on standard input.
using plenova::testing::DriverCase;
using plenova::testing::kCoolingAirStartTexts;
using plenova::testing::kHeatingStartTexts;
using plenova::testing::kMixingStartTexts;
using plenova::testing::withEntries;

class DriverScript : public ::testing::TestWithParam<DriverCase> {};

TEST_P(DriverScript, DumpShowsTheTexts) {
    plenova::testing::expectDriverCase(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, DriverScript,
    ::testing::Values(
        DriverCase{"DumpAtStartShowsTheInitialCoolingTexts", '.', "dump\n",
                   withEntries(kCoolingAirStartTexts,
                               {{"RAdbScrollBar", "255"}, {"SAwbScrollBar", "123"}})},
        DriverCase{"MixingDefaults", '.', "dump\n",
                   withEntries(kMixingStartTexts, {{"ScrollBarMAVol", "1837"},
                                                   {"ScrollBarMAmAltitude", "0"},
                                                   {"ScrollBarMApercent", "0"},
                                                   {"ScrollBarMARAdb", "355"},
                                                   {"ScrollBarMARAwb", "283"},
                                                   {"ScrollBarMAOAdb", "450"},
                                                   {"ScrollBarMAOAwb", "352"}})},
        DriverCase{"AltitudeAndCommaSeparator",
                   ',',
                   "set mAltScrollBar 2000\ndump\n",
                   {{"mAltLabel", "2000 m"},
                    {"kPaLabel", "79.961kPa"},  // fixed format keeps the full stop
                    {"RAdbLabel", "25,5 °C"},
                    {"ScrollBarMAmAltitude", "2000"},
                    {"ScrollBarHeatMetersAltitude", "2000"}}},
        DriverCase{"ClampsOutOfRangePositionsLikeTheSlider",
                   '.',
                   "set RAdbScrollBar 99999999999999\nset SAwbScrollBar -7\ndump\n",
                   {{"RAdbScrollBar", "500"}, {"SAwbScrollBar", "0"}}},
        DriverCase{"Share20WithCommaAndACarriedWetBulb",
                   ',',
                   "# a comment line, then a blank one\n\n"
                   "set ScrollBarMApercent 20\n"
                   "set ScrollBarMAOAdb 300\n"
                   "dump\n",
                   {{"LabelMARAvolPercent", "80% RA"},
                    {"LabelMARAvol", "0,14696 m³/s"},
                    {"LabelMAOAvol", "0,03674 m³/s"},
                    {"LabelMAOAdb", "20 °C"},
                    {"LabelMAOAwb", "20 °C"},
                    {"LabelMAOArh", "100.0 %"},
                    {"LabelMAvolPerHr", "661.32 m³/hr"},
                    {"ScrollBarMAOAwb", "300"}},
                   [](Calculator& calc) {
                       calc.mixing.ScrollBarMApercent.setPosition(20);
                       calc.mixing.ScrollBarMAOAdb.setPosition(300);
                   }},
        DriverCase{"HeatingImportAtStart", '.', "click Button2\ndump\n", kHeatingStartTexts,
                   [](Calculator& calc) { calc.heating.Button2Click(); }},
        DriverCase{"HeatingImportAfterCoolingChange",
                   '.',
                   "set SAdbScrollBar 50\nclick Button2\ndump\n",
                   {{"ScrollBarHeatReturnAirDryBulb", "150"},
                    {"ScrollBarHeatReturnAirWetBulb", "150"},
                    {"LabelHeatReturnAirDryBulb", "5 °C"},
                    {"LabelHeatRArh", "100.0 %"},
                    {"LabelHeatRAdp", "5.0 °C"}},
                   [](Calculator& calc) {
                       calc.cooling.SAdbScrollBar.setPosition(50);
                       calc.heating.Button2Click();
                   }},
        // Echoed values take the regional separator; fixed-format results keep the full stop.
        DriverCase{"HeatingCommaSeparator",
                   ',',
                   "click Button2\ndump\n",
                   {{"LabelHeatRAvolume", "0,1755 m³/s"},
                    {"LabelHeatReturnAirDryBulb", "12,7 °C"},
                    {"LabelHeatRAvolPerHr", "631.80 m³/hr"},
                    {"LabelHeatkPa", "101.325kPa"}},
                   [](Calculator& calc) { calc.heating.Button2Click(); }}),
    [](const ::testing::TestParamInfo<DriverCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace plenova
