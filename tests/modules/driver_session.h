// Runs the headless driver on a script and collects what it prints; one case type and one
// runner for every scripted case.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "modules/calculator.h"

namespace plenova::testing {

struct DriverRun {
    int exitStatus = -1;
    std::string out;
    std::string err;
    // NAME=VALUE lines of the last dump, by name.
    std::map<std::string, std::string> dumped() const;
};

DriverRun runDriver(const std::string& script, const std::string& arguments = "");

// A script, the entries its last dump must hold (label texts and slider positions), and,
// where given, the same steps on a calculator in this process: then every label and slider
// of the dump must equal that calculator's.
struct DriverCase {
    const char* name;
    char separator;  // the echo format's decimal separator, for the driver and in process
    const char* script;
    std::map<std::string, std::string> expected;
    std::function<void(Calculator&)> sameInProcess = {};
};

void PrintTo(const DriverCase& c, std::ostream* os);

// Runs the case: status 0, nothing on standard error, and the dump as the case says.
void expectDriverCase(const DriverCase& c);

}  // namespace plenova::testing
