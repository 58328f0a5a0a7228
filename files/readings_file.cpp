#include "files/readings_file.h"

#include <QFile>
#include <QFileInfo>
#include <exception>

#include "files/whole_file_write.h"
#include "modules/readings.h"
#include "modules/readings_json.h"

namespace plenova {

namespace {

FileOutcome cannotOpen(const QString& path, const std::string& problem) {
    return {false, "The readings file " + shownPath(path) + " cannot be opened: " + problem + "."};
}

// The file's bytes, or the problem with it.
std::string readAtMost(const QString& path, QByteArray& bytes) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return "there is no such file";
    }
    if (info.isDir()) {
        return "it is a folder, not a file";
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return "it cannot be read (" + file.errorString().toStdString() + ")";
    }
    const char* tooLarge = "it is larger than 1 MiB, far larger than any readings file";
    if (file.size() > kLargestReadingsFile) {
        return tooLarge;
    }
    // Read one byte past the limit: a device or a pipe reports no size.
    bytes = file.read(kLargestReadingsFile + 1);
    if (file.error() != QFileDevice::NoError) {
        return "it cannot be read (" + file.errorString().toStdString() + ")";
    }
    if (bytes.size() > kLargestReadingsFile) {
        return tooLarge;
    }
    if (bytes.isEmpty()) {
        return "it is empty";
    }
    return {};
}

}  // namespace

FileOutcome openReadingsFile(const QString& path, Calculator& calc) {
    QByteArray bytes;
    if (std::string problem = readAtMost(path, bytes); !problem.empty()) {
        return cannotOpen(path, problem);
    }
    const ReadingsParse parsed =
        readingsFromJson(calc, std::string_view(bytes.constData(), bytes.size()));
    if (!parsed.readings) {
        return cannotOpen(path, parsed.problem);
    }
    // Checked readings compute like any session; should one still fail, the session before
    // it comes back whole.
    const Readings before = captureReadings(calc);
    try {
        applyReadings(calc, *parsed.readings);
    } catch (const std::exception& error) {
        applyReadings(calc, before);
        return cannotOpen(path,
                          std::string("its readings cannot be computed (") + error.what() + ")");
    }
    return {};
}

FileOutcome saveReadingsFile(const QString& path, Calculator& calc) {
    const std::string text = readingsToJson(calc, captureReadings(calc));
    if (std::string problem = writeWholeFile(path, text); !problem.empty()) {
        return {false, "The readings cannot be saved to " + shownPath(path) + ": " + problem + "."};
    }
    return {};
}

}  // namespace plenova
