// The File menu's readings commands: New, Open…, Save, Save As… and Export Values…, and the
// file named on the command line. The files are read and written by plenova_files; here are
// the file dialogs, the current file and the error box.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace plenova {

class Calculator;

class FileCommands : public QObject {
    Q_OBJECT
  public:
    FileCommands(Calculator& calc, QWidget& window);

    void NewClick();
    void OpenClick();
    void SaveClick();
    void SaveAsClick();
    void ExportValuesClick();

    // Opens `path` as Open… does once a file is chosen; returns whether it was opened.
    bool openFile(const QString& path);

    // The file Save writes to: the one last opened or saved, empty after New and at start.
    const QString& currentFile() const { return currentFile_; }

  private:
    enum class Purpose { Open, Save, Export };
    QString chooseFile(Purpose purpose);
    bool saveTo(const QString& path);

    Calculator& calc_;
    QWidget& window_;
    QString currentFile_;
};

}  // namespace plenova
