// Writes a file whole or not at all.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace plenova {

// Writes `bytes` through a QSaveFile: the text goes to a temporary file beside the target,
// which replaces the target only once it is complete. An interrupted or failed write leaves
// an earlier file whole. Returns an empty string, or the problem in plain words.
std::string writeWholeFile(const QString& path, std::string_view bytes);

// The path as the message boxes name it.
std::string shownPath(const QString& path);

}  // namespace plenova
