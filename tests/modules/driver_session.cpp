#include "driver_session.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <ostream>
#include <sstream>
#include <vector>

#include "core/fpenv.h"

namespace plenova::testing {
namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string temporaryPath(const char* stem) {
    char pattern[256];
    std::snprintf(pattern, sizeof pattern, "/tmp/plenova-%s-XXXXXX", stem);
    const int fd = mkstemp(pattern);
    if (fd >= 0) {
        close(fd);
    }
    return pattern;
}

}  // namespace

std::map<std::string, std::string> DriverRun::dumped() const {
    std::map<std::string, std::string> values;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        const auto equals = line.find('=');
        if (equals != std::string::npos) {
            values[line.substr(0, equals)] = line.substr(equals + 1);
        }
    }
    return values;
}

DriverRun runDriver(const std::string& script, const std::string& arguments) {
    const std::string in = temporaryPath("in");
    const std::string out = temporaryPath("out");
    const std::string err = temporaryPath("err");
    std::ofstream(in, std::ios::binary) << script;
    const std::string command =
        std::string(PLENOVA_DRIVER_PATH) + " " + arguments + " <" + in + " >" + out + " 2>" + err;
    const int status = std::system(command.c_str());
    DriverRun run;
    run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = readFile(out);
    run.err = readFile(err);
    std::remove(in.c_str());
    std::remove(out.c_str());
    std::remove(err.c_str());
    return run;
}

void PrintTo(const DriverCase& c, std::ostream* os) {
    *os << c.name;
}

void expectDriverCase(const DriverCase& c) {
    const std::string arguments =
        c.separator == '.' ? "" : std::string("--decimal-separator ") + c.separator;
    const DriverRun run = runDriver(c.script, arguments);
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const auto dumped = run.dumped();
    for (const auto& [name, text] : c.expected) {
        const auto found = dumped.find(name);
        ASSERT_NE(found, dumped.end()) << name;
        EXPECT_EQ(found->second, text) << name;
    }
    if (!c.sameInProcess) {
        return;
    }
    setArithmeticEnvironment();
    Calculator calc;
    calc.setDecimalSeparator(c.separator);
    calc.FormCreate();
    c.sameInProcess(calc);
    std::vector<Label*> labels = calc.mixing.labels();
    for (std::vector<Label*> more : {calc.cooling.labels(), calc.heating.labels()}) {
        labels.insert(labels.end(), more.begin(), more.end());
    }
    for (const Label* label : labels) {
        ASSERT_TRUE(dumped.count(label->name())) << label->name();
        EXPECT_EQ(dumped.at(label->name()), label->text()) << label->name();
    }
    for (const Slider* slider : calc.sliders()) {
        ASSERT_TRUE(dumped.count(slider->name())) << slider->name();
        EXPECT_EQ(dumped.at(slider->name()), std::to_string(slider->position())) << slider->name();
    }
}

}  // namespace plenova::testing
