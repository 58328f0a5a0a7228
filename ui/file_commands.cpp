#include "ui/file_commands.h"

#include <QFileDialog>

#include "files/readings_file.h"
#include "files/values_export.h"
#include "modules/calculator.h"
#include "modules/readings.h"
#include "ui/handler_boundary.h"
#include "ui/screen_values.h"

namespace plenova {

namespace {

const QString kReadingsFilter = QStringLiteral("Plenova readings (*.plenova)");
const QString kValuesFilter = QStringLiteral("CSV spreadsheet (*.csv)");

// A file problem in the error box; true when there was none.
bool reported(QWidget& window, const FileOutcome& outcome) {
    if (!outcome.ok) {
        showErrorBox(&window, QString::fromStdString(outcome.message));
    }
    return outcome.ok;
}

}  // namespace

FileCommands::FileCommands(Calculator& calc, QWidget& window)
    : QObject(&window), calc_(calc), window_(window) {}

void FileCommands::NewClick() {
    if (runHandler(&window_, [this] { applyReadings(calc_, startReadings()); })) {
        currentFile_.clear();
    }
}

void FileCommands::OpenClick() {
    const QString path = chooseFile(Purpose::Open);
    if (!path.isEmpty()) {
        openFile(path);
    }
}

bool FileCommands::openFile(const QString& path) {
    bool opened = false;
    runHandler(&window_, [&] { opened = reported(window_, openReadingsFile(path, calc_)); });
    if (opened) {
        currentFile_ = path;
    }
    return opened;
}

void FileCommands::SaveClick() {
    if (currentFile_.isEmpty()) {
        SaveAsClick();
    } else {
        saveTo(currentFile_);
    }
}

void FileCommands::SaveAsClick() {
    const QString path = chooseFile(Purpose::Save);
    if (!path.isEmpty() && saveTo(path)) {
        currentFile_ = path;
    }
}

bool FileCommands::saveTo(const QString& path) {
    bool saved = false;
    runHandler(&window_, [&] { saved = reported(window_, saveReadingsFile(path, calc_)); });
    return saved;
}

void FileCommands::ExportValuesClick() {
    const QString path = chooseFile(Purpose::Export);
    if (!path.isEmpty()) {
        runHandler(&window_,
                   [&] { reported(window_, exportValuesFile(path, screenValues(calc_))); });
    }
}

QString FileCommands::chooseFile(Purpose purpose) {
    QFileDialog dialog(&window_);
    dialog.setObjectName(QStringLiteral("FileDialog"));
    if (purpose == Purpose::Open) {
        dialog.setWindowTitle(QStringLiteral("Open Readings"));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilters({kReadingsFilter, QStringLiteral("All files (*)")});
    } else {
        const bool readings = purpose == Purpose::Save;
        dialog.setWindowTitle(readings ? QStringLiteral("Save Readings As")
                                       : QStringLiteral("Export Values"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilter(readings ? kReadingsFilter : kValuesFilter);
        dialog.setDefaultSuffix(readings ? QStringLiteral("plenova") : QStringLiteral("csv"));
        if (readings && !currentFile_.isEmpty()) {
            dialog.selectFile(currentFile_);
        }
    }
    const int answer = dialog.exec();
    // Input goes back to the main window, also where no window manager hands it back.
    window_.activateWindow();
    if (answer != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace plenova
