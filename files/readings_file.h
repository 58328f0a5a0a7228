// Readings files (*.plenova) on disk: the window's Open and Save and the driver's `open` and
// `save` go through here.
#pragma once

#include <QString>

#include "files/file_outcome.h"
#include "modules/calculator.h"

namespace plenova {

// No readings file comes near this; anything larger is not one.
inline constexpr qint64 kLargestReadingsFile = 1024 * 1024;

// Reads, checks and applies a readings file. A file that cannot be read or fails a check
// changes nothing: the message names the file and the problem.
FileOutcome openReadingsFile(const QString& path, Calculator& calc);

// Saves the session's readings; an earlier file stays whole when the save fails.
FileOutcome saveReadingsFile(const QString& path, Calculator& calc);

}  // namespace plenova
