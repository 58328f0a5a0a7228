// What a file operation reports back: success, or the sentence the error box shows.
#pragma once

#include <string>

namespace plenova {

struct FileOutcome {
    bool ok = true;
    std::string message;  // names the file and the problem; empty on success
};

}  // namespace plenova
