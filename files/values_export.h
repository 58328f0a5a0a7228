// Export Values: the texts on screen as a CSV file for a spreadsheet (UTF-8, with a byte-order
// mark so that spreadsheets read it as UTF-8; every field quoted as RFC 4180 describes; lines
// end in CR LF).
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "files/file_outcome.h"

namespace plenova {

struct ValueRow {
    std::string page;
    std::string group;
    std::string caption;
    std::string text;
};

// The header row (page, group, caption, text), then one row for each value.
std::string valuesCsv(const std::vector<ValueRow>& rows);

// Writes valuesCsv(rows); an earlier file stays whole when the write fails.
FileOutcome exportValuesFile(const QString& path, const std::vector<ValueRow>& rows);

}  // namespace plenova
