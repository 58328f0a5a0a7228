#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "driver_session.h"
#include "start_texts.h"

namespace plenova {
namespace {

using plenova::testing::runDriver;

TEST(Driver, DumpAtStartShowsTheInitialCoolingTexts) {
    const auto run = runDriver("dump\n");
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const auto expected =
        plenova::testing::withEntries(plenova::testing::kCoolingAirStartTexts,
                                      {{"RAdbScrollBar", "255"}, {"SAwbScrollBar", "123"}});
    const auto dumped = run.dumped();
    for (const auto& [name, text] : expected) {
        ASSERT_TRUE(dumped.count(name)) << name;
        EXPECT_EQ(dumped.at(name), text) << name;
    }
}

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

TEST(Driver, AltitudeAndCommaSeparator) {
    const auto run = runDriver("set mAltScrollBar 2000\ndump\n", "--decimal-separator ,");
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const auto dumped = run.dumped();
    EXPECT_EQ(dumped.at("mAltLabel"), "2000 m");
    EXPECT_EQ(dumped.at("kPaLabel"), "79.961kPa");  // fixed format keeps the full stop
    EXPECT_EQ(dumped.at("RAdbLabel"), "25,5 °C");
    EXPECT_EQ(dumped.at("ScrollBarMAmAltitude"), "2000");
    EXPECT_EQ(dumped.at("ScrollBarHeatMetersAltitude"), "2000");
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

TEST(Driver, ClampsOutOfRangePositionsLikeTheSlider) {
    const auto run = runDriver("set RAdbScrollBar 99999999999999\nset SAwbScrollBar -7\ndump\n");
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.dumped().at("RAdbScrollBar"), "500");
    EXPECT_EQ(run.dumped().at("SAwbScrollBar"), "0");
}

}  // namespace
}  // namespace plenova
