// The headless driver run as a separate program: a script on standard input, the dump on
// standard output.
#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>

#include "driver_session.h"
#include "start_texts.h"

namespace {

struct DriverCase {
    const char* name;
    const char* arguments;
    const char* script;
    std::map<std::string, std::string> expected;
};

void PrintTo(const DriverCase& c, std::ostream* os) {
    *os << c.name;
}

class MixingDriver : public ::testing::TestWithParam<DriverCase> {};

TEST_P(MixingDriver, DumpShowsTheMixingTexts) {
    const DriverCase& c = GetParam();
    const auto run = plenova::testing::runDriver(c.script, c.arguments);
    EXPECT_EQ(run.exitStatus, 0) << run.err;
    const auto values = run.dumped();
    for (const auto& [name, text] : c.expected) {
        const auto found = values.find(name);
        ASSERT_NE(found, values.end()) << name;
        EXPECT_EQ(found->second, text) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, MixingDriver,
    ::testing::Values(DriverCase{"Defaults", "", "dump\n",
                                 plenova::testing::withEntries(plenova::testing::kMixingStartTexts,
                                                               {{"ScrollBarMAVol", "1837"},
                                                                {"ScrollBarMAmAltitude", "0"},
                                                                {"ScrollBarMApercent", "0"},
                                                                {"ScrollBarMARAdb", "355"},
                                                                {"ScrollBarMARAwb", "283"},
                                                                {"ScrollBarMAOAdb", "450"},
                                                                {"ScrollBarMAOAwb", "352"}})},
                      DriverCase{"Share20WithCommaAndACarriedWetBulb",
                                 "--decimal-separator ,",
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
                                  {"ScrollBarMAOAwb", "300"}}}),
    [](const ::testing::TestParamInfo<DriverCase>& info) { return std::string(info.param.name); });

}  // namespace
