// Runs the headless driver on a script and collects what it prints.
#pragma once

#include <map>
#include <string>

namespace plenova::testing {

struct DriverRun {
    int exitStatus = -1;
    std::string out;
    std::string err;
    // NAME=VALUE lines of the last dump, by name.
    std::map<std::string, std::string> dumped() const;
};

DriverRun runDriver(const std::string& script, const std::string& arguments = "");

}  // namespace plenova::testing
