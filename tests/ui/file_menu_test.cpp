// The File menu's readings items through the real window, offscreen: New, Open…, Save,
// Save As… and Export Values…, their file dialogs and error boxes, and a file named on the
// command line of the real program.
#include <QDir>
#include <QFileDialog>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <map>

#include "files/readings_file.h"
#include "modules/readings.h"
#include "modules/readings_json.h"
#include "ui/file_commands.h"
#include "ui_test_support.h"

using namespace plenova;
using namespace plenova::test;

class FileMenuTest : public ProgramTest {
    Q_OBJECT

  private:
    QAction* item(const char* name) { return find<QAction>(QString::fromLatin1(name)); }

    // A shortcut, pressed where the keyboard is, once the main window has it back.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QVERIFY(QTest::qWaitForWindowActive(&program->Plenova));
        QWidget* widget = QApplication::focusWidget();
        QTest::keyClick(widget != nullptr ? widget : &program->Plenova, key, modifiers);
    }

    // Every value label, slider and the title box as the window shows them.
    std::map<QString, QString> screen() {
        std::map<QString, QString> shown;
        for (ValueLabel* label : program->Plenova.findChildren<ValueLabel*>()) {
            shown[label->objectName()] = label->text();
        }
        for (SliderBar* bar : program->Plenova.findChildren<SliderBar*>()) {
            shown[bar->objectName()] = QString::number(bar->value());
        }
        // The title box is made with the Print page's controls, on first need: its model.
        shown[QStringLiteral("EditQRtitle")] =
            QString::fromStdString(program->calc.EditQRtitle.text());
        return shown;
    }

    // Moves away from the start on every page, through the widgets' models.
    void changeReadings(int shift) {
        Calculator& calc = program->calc;
        calc.altitude.mAltScrollBar.setPosition(700 + shift);
        calc.mixing.ScrollBarMApercent.setPosition(40 + shift);
        calc.cooling.Button1Click();
        calc.heating.Button2Click();
        calc.cooling.SAwbScrollBar.setPosition(60 + shift);
        calc.EditQRtitle.setText("AHU " + std::to_string(shift));
    }

    // The next file dialog picks `path`.
    void chooseInNextDialog(const QString& path, QString* title = nullptr) {
        watchdog->expectModal([path, title](QWidget* window) {
            auto* dialog = qobject_cast<QFileDialog*>(window);
            QVERIFY(dialog != nullptr);
            if (title != nullptr) {
                *title = dialog->windowTitle();
            }
            dialog->selectFile(path);
            static_cast<QDialog*>(dialog)->accept();  // as the dialog's own button
        });
    }

    void expectErrorBox(SeenModal& seen) { watchdog->expectModal(record(seen)); }

    QDir dir;  // a folder of each test's own
    std::unique_ptr<QTemporaryDir> folder;
    std::map<QString, QString> start;

  private Q_SLOTS:
    void init() {
        ProgramTest::init();
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(folder->isValid());
        dir.setPath(folder->path());
        start = screen();
    }

    void saveAsNewAndOpen() {
        changeReadings(3);
        const auto saved = screen();
        const QString path = dir.filePath(QStringLiteral("unit 3"));  // the suffix is added
        QString title;
        chooseInNextDialog(path, &title);
        press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(waitForExpectedModals(*watchdog));
        QCOMPARE(title, QStringLiteral("Save Readings As"));
        QVERIFY(QFile::exists(path + QStringLiteral(".plenova")));
        QCOMPARE(program->Plenova.fileCommands().currentFile(), path + QStringLiteral(".plenova"));

        press(Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(screen(), start);
        QVERIFY(program->Plenova.fileCommands().currentFile().isEmpty());

        chooseInNextDialog(path + QStringLiteral(".plenova"), &title);
        press(Qt::Key_O, Qt::ControlModifier);
        QVERIFY(waitForExpectedModals(*watchdog));
        QCOMPARE(title, QStringLiteral("Open Readings"));
        QCOMPARE(screen(), saved);
    }

    // Save asks for a name the first time only; then it writes the current file at once.
    void saveAsksOnce() {
        const QString path = dir.filePath(QStringLiteral("unit.plenova"));
        chooseInNextDialog(path);
        item("Save")->trigger();
        QVERIFY(waitForExpectedModals(*watchdog));
        changeReadings(5);
        press(Qt::Key_S, Qt::ControlModifier);  // no dialog
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().toStdString(),
                 readingsToJson(program->calc, captureReadings(program->calc)));
    }

    void unwritablePathShowsTheErrorBox() {
        const QString path = dir.filePath(QStringLiteral("unit.plenova"));
        chooseInNextDialog(path);
        item("SaveAs")->trigger();
        QVERIFY(waitForExpectedModals(*watchdog));
        // The folder goes away; Save then cannot write there.
        QVERIFY(folder->remove());
        SeenModal seen;
        expectErrorBox(seen);
        item("Save")->trigger();
        QVERIFY(waitForExpectedModals(*watchdog));
        QCOMPARE(seen.className, QStringLiteral("QMessageBox"));
        QCOMPARE(seen.title, QStringLiteral("Kelvaro Plenova"));
        QVERIFY2(seen.text.startsWith(QStringLiteral("The readings cannot be saved to \"%1\": it "
                                                     "cannot be written (")
                                          .arg(QDir::toNativeSeparators(path))),
                 qPrintable(seen.text));
        QVERIFY(!QFile::exists(path));
    }

    void badFileShowsTheErrorBoxAndChangesNothing() {
        changeReadings(2);
        const auto before = screen();
        const QString path = dir.filePath(QStringLiteral("damaged.plenova"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            QByteArray::fromStdString(readingsToJson(program->calc, startReadings())).left(200));
        file.close();
        SeenModal seen;
        chooseInNextDialog(path);
        expectErrorBox(seen);
        item("Open")->trigger();
        QVERIFY(waitForExpectedModals(*watchdog));
        QCOMPARE(seen.text, QStringLiteral("The readings file \"%1\" cannot be opened: the file "
                                           "ends too early: it is incomplete.")
                                .arg(QDir::toNativeSeparators(path)));
        QCOMPARE(screen(), before);
        QVERIFY(program->Plenova.fileCommands().currentFile().isEmpty());
    }

    void exportValues() {
        program->calc.EditQRtitle.setText("Unit \"7\", roof");
        const QString path = dir.filePath(QStringLiteral("values"));
        QString title;
        chooseInNextDialog(path, &title);
        item("ExportValues")->trigger();
        QVERIFY(waitForExpectedModals(*watchdog));
        QCOMPARE(title, QStringLiteral("Export Values"));
        QFile file(path + QStringLiteral(".csv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));  // spreadsheets take it for UTF-8
        const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"));
        // A header, 25 + 28 + 25 value labels, the title, and the end of the last line.
        QCOMPARE(lines.size(), 1 + 78 + 1 + 1);
        QCOMPARE(lines[0], QStringLiteral("\"page\",\"group\",\"caption\",\"text\""));
        // The first value in screen order, and the start texts of the design.
        QCOMPARE(lines[1], QStringLiteral("\"Mixing\",\"Mixed Air Volume And Percentages\","
                                          "\"Mixed Air Total Volume\",\"0.1837 m³/s\""));
        QVERIFY(lines.contains(QStringLiteral(
            "\"Mixing\",\"Mixed Air Volume And Percentages\",\"% Mix\",\"100% RA\"")));
        QVERIFY(lines.contains(
            QStringLiteral("\"Cooling\",\"(Mixed) Return Air\",\"Dry Bulb\",\"25.5 °C\"")));
        QCOMPARE(lines[79],
                 QStringLiteral("\"Print\",\"\",\"Page Title\",\"Unit \"\"7\"\", roof\""));
        QCOMPARE(lines[80], QString());
        // Every text exactly as the window shows it, each once per label.
        QStringList shown;
        for (ValueLabel* label : program->Plenova.findChildren<ValueLabel*>()) {
            shown << label->text();
        }
        QStringList exported;
        for (int i = 1; i <= 78; ++i) {
            exported << lines[i].section(QLatin1Char('"'), -2, -2);
        }
        shown.sort();
        exported.sort();
        QCOMPARE(exported, shown);
    }

    // `plenova FILE` opens the file once the window is up: the real program's pages show what
    // this window shows with the same file opened.
    void commandLineOpensTheFile() {
        changeReadings(9);
        const QString path = dir.filePath(QStringLiteral("unit 9.plenova"));
        QVERIFY(saveReadingsFile(path, program->calc).ok);
        // The pages as this window draws them, each made current as a user would.
        std::vector<QImage> here;
        for (int i = 0; i < 4; ++i) {
            program->Plenova.pageControl()->setCurrentIndex(i);
            QCoreApplication::processEvents();
            here.push_back(program->Plenova.grab().toImage().convertToFormat(QImage::Format_RGB32));
        }

        const auto runProgram = [&](const QStringList& arguments, const QString& folder) {
            QProcess run;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("PLENOVA_SCREENSHOT_DIR"), folder);
            run.setProcessEnvironment(environment);
            run.start(QStringLiteral(PLENOVA_EXECUTABLE), arguments);
            return run.waitForFinished(60000) && run.exitCode() == 0;
        };
        const QString opened = dir.filePath(QStringLiteral("opened"));
        const QString plain = dir.filePath(QStringLiteral("plain"));
        QVERIFY(runProgram({path}, opened));
        QVERIFY(runProgram({}, plain));
        const char* pages[] = {"page-1-mixing.png", "page-2-cooling.png", "page-3-heating.png",
                               "page-4-print.png"};
        for (int i = 0; i < 4; ++i) {
            const QString name = QString::fromLatin1(pages[i]);
            const auto shot = [&](const QString& folder) {
                return QImage(QDir(folder).filePath(name)).convertToFormat(QImage::Format_RGB32);
            };
            QCOMPARE(shot(opened), here[i]);
            QVERIFY(shot(plain) != here[i]);
        }
    }
};

QTEST_MAIN(FileMenuTest)
#include "file_menu_test.moc"
