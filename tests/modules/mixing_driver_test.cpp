// The headless driver run as a separate program: a script on standard input, the dump on
// standard output.
#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>

namespace {

struct DriverRun {
    std::map<std::string, std::string> values;  // NAME=TEXT lines of the dump
    int status = -1;
};

DriverRun runDriver(const std::string& arguments, const std::string& script) {
    char path[] = "/tmp/plenova-mixing-script-XXXXXX";
    const int fd = mkstemp(path);
    EXPECT_NE(fd, -1);
    close(fd);
    std::ofstream(path) << script;

    DriverRun run;
    const std::string command = std::string(PLENOVA_DRIVER_PATH) + " " + arguments + " < " + path;
    FILE* out = popen(command.c_str(), "r");
    EXPECT_NE(out, nullptr);
    if (out != nullptr) {
        char line[512];
        while (std::fgets(line, sizeof line, out) != nullptr) {
            std::string text(line);
            if (!text.empty() && text.back() == '\n') {
                text.pop_back();
            }
            const auto equals = text.find('=');
            if (equals != std::string::npos) {
                run.values[text.substr(0, equals)] = text.substr(equals + 1);
            }
        }
        const int status = pclose(out);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::remove(path);
    return run;
}

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
    const DriverRun run = runDriver(c.arguments, c.script);
    EXPECT_EQ(run.status, 0);
    for (const auto& [name, text] : c.expected) {
        const auto found = run.values.find(name);
        ASSERT_NE(found, run.values.end()) << name;
        EXPECT_EQ(found->second, text) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, MixingDriver,
    ::testing::Values(
        DriverCase{"Defaults",
                   "",
                   "dump\n",
                   {{"LabelMAmAltitude", "0 m"},        {"LabelMAkPa", "101.325 kPa"},
                    {"LabelMARAdb", "25.5 °C"},         {"LabelMARAwb", "18.3 °C"},
                    {"LabelMARAdp", "14.1 °C"},         {"LabelMARArh", "49.4 %"},
                    {"LabelMAOAdb", "35 °C"},           {"LabelMAOAwb", "25.2 °C"},
                    {"LabelMAOAdp", "21.3 °C"},         {"LabelMAOArh", "45.0 %"},
                    {"LabelMAvol", "0.1837 m³/s"},      {"LabelMAvolPerHr", "661.32 m³/hr"},
                    {"LabelMARAvolPercent", "100% RA"}, {"LabelMAOAvolPercent", "0% OA"},
                    {"LabelMARAvol", "0.1837 m³/s"},    {"LabelMAOAvol", "0 m³/s"},
                    {"LabelMARAmf", "0.21 kg/s"},       {"LabelMAOAmf", "0.00 kg/s"},
                    {"LabelMAMAdb", "25.5 °C"},         {"LabelMAMArh", "49.4 %"},
                    {"LabelMAMAdp", "14.1 °C"},         {"LabelMAMAx", "0.0101 kg/kg"},
                    {"LabelMAMAd", "1.16 kg/m³"},       {"LabelMAMAtotalh", "51.3 kJ/kg"},
                    {"LabelMAMAwb", "18.3 °C"},         {"ScrollBarMAVol", "1837"},
                    {"ScrollBarMAmAltitude", "0"},      {"ScrollBarMApercent", "0"},
                    {"ScrollBarMARAdb", "355"},         {"ScrollBarMARAwb", "283"},
                    {"ScrollBarMAOAdb", "450"},         {"ScrollBarMAOAwb", "352"}}},
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
