#include "driver_session.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

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

}  // namespace plenova::testing
