#include "files/values_export.h"

#include <csv.h>

#include "files/whole_file_write.h"

namespace plenova {

namespace {

// libcsv quotes the field and doubles every quote inside it.
void appendField(std::string& out, const std::string& field) {
    const std::size_t needed = csv_write(nullptr, 0, field.data(), field.size());
    const std::size_t at = out.size();
    out.resize(at + needed);
    csv_write(out.data() + at, needed, field.data(), field.size());
}

void appendRow(std::string& out, const ValueRow& row) {
    appendField(out, row.page);
    out += ',';
    appendField(out, row.group);
    out += ',';
    appendField(out, row.caption);
    out += ',';
    appendField(out, row.text);
    out += "\r\n";
}

}  // namespace

std::string valuesCsv(const std::vector<ValueRow>& rows) {
    std::string out = "\xEF\xBB\xBF";
    appendRow(out, {"page", "group", "caption", "text"});
    for (const ValueRow& row : rows) {
        appendRow(out, row);
    }
    return out;
}

FileOutcome exportValuesFile(const QString& path, const std::vector<ValueRow>& rows) {
    if (std::string problem = writeWholeFile(path, valuesCsv(rows)); !problem.empty()) {
        return {false,
                "The values cannot be exported to " + shownPath(path) + ": " + problem + "."};
    }
    return {};
}

}  // namespace plenova
