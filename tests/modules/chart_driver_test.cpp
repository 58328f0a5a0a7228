// The driver's `chart` command: the chart's legend as NAME=TEXT lines.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "driver_session.h"

namespace plenova {
namespace {

using plenova::testing::runDriver;

std::vector<std::string> names(const std::string& out) {
    std::vector<std::string> found;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        found.push_back(line.substr(0, line.find('=')));
    }
    return found;
}

TEST(DriverChart, LegendAtStart) {
    const auto run = runDriver("chart\n");
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> expectedNames = {
        "MARAdb",   "MARAx",   "MAOAdb", "MAOAx",        "MAMAdb",       "MAMAx",
        "RAdb",     "RAx",     "SAdb",   "SAx",          "HeatRAdb",     "HeatRAx",
        "HeatSAdb", "HeatSAx", "ADP",    "BypassFactor", "ContactFactor"};
    EXPECT_EQ(names(run.out), expectedNames);
    const auto values = run.dumped();
    // The pages' start texts, and the coil worked out in coil_analysis_test.
    EXPECT_EQ(values.at("MAMAdb"), "25.5 \u00B0C");
    EXPECT_EQ(values.at("MAMAx"), "0.0101 kg/kg");
    EXPECT_EQ(values.at("SAx"), "0.0087 kg/kg");
    EXPECT_EQ(values.at("HeatSAdb"), "15 \u00B0C");
    EXPECT_EQ(values.at("ADP"), "11.9 \u00B0C");
    EXPECT_EQ(values.at("BypassFactor"), "0.06");
    EXPECT_EQ(values.at("ContactFactor"), "0.94");
}

TEST(DriverChart, FollowsTheSlidersAndSaysWhenThereIsNoAdp) {
    // Share 20: the mixed air of 27.4 °C at 0.0112 kg/kg; then a supply dry bulb equal to the
    // return dry bulb, which has no ADP.
    const auto run = runDriver("set ScrollBarMApercent 20\nset SAdbScrollBar 255\nchart\n");
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const auto values = run.dumped();
    EXPECT_EQ(values.at("MAMAdb"), "27.4 \u00B0C");
    EXPECT_EQ(values.at("MAMAx"), "0.0112 kg/kg");
    EXPECT_EQ(values.at("SAdb"), "25.5 \u00B0C");
    EXPECT_EQ(values.at("ADP"), "no ADP");
    EXPECT_EQ(values.at("BypassFactor"), "~");
    EXPECT_EQ(values.at("ContactFactor"), "~");
}

TEST(DriverChart, TakesNoArguments) {
    const auto run = runDriver("chart now\n");
    EXPECT_EQ(run.exitStatus, 2);
    EXPECT_NE(run.err.find("line 1"), std::string::npos);
}

}  // namespace
}  // namespace plenova
