// Printing through a real CUPS queue: a private CUPS server whose default printer is a
// cups-pdf queue, so that each job comes back as a PDF to read. Each job is found by the id the
// server logs for it, never by looking for new files: the output folder may hold any number of
// earlier jobs, and none of them is touched.
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <cstring>

#include "core/fpenv.h"
#include "modules/calculator.h"
#include "report_test_support.h"
#include "ui/print/cups_job.h"
#include "ui/report/print_page.h"
#include "ui/report/report_output.h"
#include "ui/report/report_page.h"
#include "ui/report/report_preview.h"

using namespace plenova;

namespace {

// One finished job: the title CUPS logged for it and the PDF cups-pdf wrote.
struct PrintedJob {
    QString title;
    QString pdf;
};

// CUPS's own reason why a job of `lp` with these arguments failed, as its command-line client
// reports it.
QString lpReason(const QStringList& arguments) {
    QProcess lp;
    lp.start(QStringLiteral("lp"), arguments + QStringList{QStringLiteral("/dev/null")});
    lp.waitForFinished(60000);
    QString reason = QString::fromLocal8Bit(lp.readAllStandardError()).trimmed();
    reason.remove(QRegularExpression(QStringLiteral("^\\S*lp: (Error - )?")));
    return reason;
}

bool runCups(const QString& program, const QStringList& arguments) {
    return QProcess::execute(program, arguments) == 0;
}

}  // namespace

class ReportPrintTest : public report_test::PrintPageTest {
    Q_OBJECT

  public:
    // True when no CUPS server could run here and every test was skipped.
    bool cupsUnavailable() const { return cupsUnavailable_; }

  private:
    bool cupsUnavailable_ = false;
    QString script_;
    QString cupsDir_;
    QString pdfDir_;
    QString pageLog_;
    qint64 firstJobId_ = 0;       // the server's jobs are numbered from here, up to 999 more
    QTemporaryDir tmpDir_;        // the program's TMPDIR: a print leaves nothing in it
    QTemporaryDir clientConfig_;  // HOME and CUPS's client settings: none

    // A token of this run, so that our jobs are told apart from anything else printed.
    const QString token_ = QString::number(QCoreApplication::applicationPid());

    void typeTitle(const QString& title) {
        titleBox()->selectAll();
        QTest::keyClicks(titleBox(), title);
    }

    QStringList pageLogLines() {
        QFile log(pageLog_);
        if (!log.open(QIODevice::ReadOnly)) {
            return {};
        }
        return QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

    // Waits for the one job that follows `logLines` lines of the page log: its title there,
    // and the PDF that cups-pdf named after its id.
    std::optional<PrintedJob> waitForJob(qsizetype logLines) {
        // printer user job-id [date] total pages billing host title media sides
        static const QRegularExpression entry(
            QStringLiteral(R"(^PDF \S+ (\d+) \[[^\]]*\] total \d+ \S+ \S+ (.*) \S+ \S+$)"));
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 120000) {
            const QStringList lines = pageLogLines();
            if (lines.size() > logLines) {
                const auto match = entry.match(lines.at(logLines));
                if (!match.hasMatch()) {
                    qWarning("unexpected page log line: %s", qPrintable(lines.at(logLines)));
                    return std::nullopt;
                }
                // Only an id of this server's own range names a file no earlier job made.
                const qint64 id = match.captured(1).toLongLong();
                if (id < firstJobId_ || id >= firstJobId_ + 1000) {
                    qWarning("job %lld lies outside this server's ids", id);
                    return std::nullopt;
                }
                const QFileInfoList pdfs = QDir(pdfDir_).entryInfoList(
                    {QStringLiteral("*-job_%1.pdf").arg(id)}, QDir::Files);
                if (pdfs.size() == 1) {
                    return PrintedJob{match.captured(2), pdfs.first().absoluteFilePath()};
                }
            }
            QTest::qWait(200);
        }
        return std::nullopt;
    }

    // Every file of the temporary folder the program was given.
    QStringList temporaryFiles() const {
        return QDir(tmpDir_.path())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    // "Print" in each of its three places: the menu item, the Print page's button and the
    // preview window's button.
    void pressPrint(const QString& where) {
        if (where == QLatin1String("File > Print")) {
            page_->PrintClick();
        } else if (where == QLatin1String("Print button")) {
            QTest::mouseClick(page_->findChild<QPushButton*>(QStringLiteral("ButtonPrint")),
                              Qt::LeftButton);
        } else {
            QVERIFY(report_test::whilePreviewOpen(*page_, [](ReportPreview* preview) {
                auto* print = preview->findChild<QPushButton*>(QStringLiteral("PreviewPrint"));
                QVERIFY(print != nullptr && print->isEnabled());
                print->click();
            }));
        }
    }

    static void addPrintPlaces() {
        QTest::addColumn<QString>("where");
        for (const char* where : {"File > Print", "Print button", "Preview"}) {
            QTest::newRow(where) << QString::fromLatin1(where);
        }
    }

  private Q_SLOTS:
    void initTestCase() {
        // The machine's own CUPS settings stay out: a default printer chosen with lpoptions
        // (in ~/.cups or the server root) would name a printer the private server lacks.
        QVERIFY(clientConfig_.isValid());
        qputenv("HOME", QFile::encodeName(clientConfig_.path()));
        qputenv("CUPS_SERVERROOT", QFile::encodeName(clientConfig_.path()));
        script_ = QFINDTESTDATA("cups-pdf-queue");
        QVERIFY2(!script_.isEmpty(), "tests/ui/cups-pdf-queue not found");
        QProcess start;
        start.start(QStringLiteral("bash"), {script_, QStringLiteral("start"), token_});
        QVERIFY(start.waitForFinished(120000));
        const QString errors = QString::fromLocal8Bit(start.readAllStandardError());
        if (start.exitCode() == report_test::kSkipped) {
            cupsUnavailable_ = true;
            QSKIP(qPrintable(QStringLiteral("no CUPS server can run here: ") + errors));
        }
        QVERIFY2(start.exitCode() == 0, qPrintable(errors));
        for (const QString& line : QString::fromLocal8Bit(start.readAllStandardOutput())
                                       .split(u'\n', Qt::SkipEmptyParts)) {
            const QString name = line.section(u'=', 0, 0);
            const QString value = line.section(u'=', 1);
            if (name == QLatin1String("CUPS_DIR")) {
                cupsDir_ = value;
            } else if (name == QLatin1String("CUPS_SERVER")) {
                qputenv("CUPS_SERVER", value.toLocal8Bit());
            } else if (name == QLatin1String("PDF_DIR")) {
                pdfDir_ = value;
            } else if (name == QLatin1String("PAGE_LOG")) {
                pageLog_ = value;
            } else if (name == QLatin1String("FIRST_JOB_ID")) {
                firstJobId_ = value.toLongLong();
            }
        }
        qunsetenv("PRINTER");
        qunsetenv("LPDEST");
        QVERIFY(tmpDir_.isValid());
        qputenv("TMPDIR", QFile::encodeName(tmpDir_.path()));
        QVERIFY(!cupsDir_.isEmpty() && !pdfDir_.isEmpty() && !pageLog_.isEmpty() &&
                firstJobId_ > 0);
        QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), QStringLiteral("PDF"));
        QCOMPARE(defaultPrinterName(), QStringLiteral("PDF"));
    }

    // Stopping the server also removes its jobs' PDFs, and only those.
    void cleanupTestCase() {
        if (!cupsDir_.isEmpty()) {
            QProcess::execute(QStringLiteral("bash"), {script_, QStringLiteral("stop"), cupsDir_});
        }
    }

    // File > Print, with the Print page never visited since the cooling page changed: the
    // fill runs first, then one copy of the one page reaches the default printer as
    // "Plenova Results", whatever the title box says, every text at its place.
    void printFillsThenPrintsOnTheDefaultPrinter() {
        const QString title = QStringLiteral("Roof AHU ") + token_;
        typeTitle(title);
        Slider* returnAir = calc_->findSlider("RAdbScrollBar");
        QVERIFY(returnAir);
        returnAir->setPosition(returnAir->position() + 23);
        QVERIFY(calc_->report.QRLabelRAdb.text() != calc_->cooling.RAdbLabel.text());

        const qsizetype logLines = pageLogLines().size();
        page_->PrintClick();
        QCOMPARE(calc_->report.QRLabelRAdb.text(), calc_->cooling.RAdbLabel.text());
        QCOMPARE(temporaryFiles(), QStringList());

        const auto job = waitForJob(logLines);
        QVERIFY2(job, "no job came out of the PDF queue");
        QCOMPARE(job->title, QStringLiteral("Plenova Results"));
        QCOMPARE(pageLogLines().size(), logLines + 1);
        QCOMPARE(report_test::pdfPageCount(job->pdf), 1);

        // Every value on the page, as the screen shows it after the fill.
        const QString text = report_test::pdfText(job->pdf);
        QVERIFY(text.contains(title));
        for (Label* label : calc_->report.labels()) {
            for (const QString& word :
                 QString::fromStdString(label->text()).split(u' ', Qt::SkipEmptyParts)) {
                QVERIFY2(text.contains(word), label->name().c_str());
            }
        }

        // The printed sheet is the page the renderer draws, at the same place on the paper:
        // compared with the same page saved as a PDF, at 50 dpi (half a millimetre a dot).
        const QString reference = QDir(cupsDir_).filePath(QStringLiteral("reference.pdf"));
        savePdf(ReportPage::capture(calc_->report), reference);
        double residual = 1.0;
        const QPoint shift =
            report_test::bestShift(report_test::rasterize(reference, 50),
                                   report_test::rasterize(job->pdf, 50), 6, &residual);
        QVERIFY2(std::abs(shift.x()) <= 1 && std::abs(shift.y()) <= 1,
                 qPrintable(QStringLiteral("printed page shifted by %1, %2 dots")
                                .arg(shift.x())
                                .arg(shift.y())));
        QVERIFY2(residual < 0.1, qPrintable(QStringLiteral("differs by %1").arg(residual)));
    }

    // The preview's "Print" prints the page the preview shows, as it stood when it opened.
    void previewPrintsThePageShown() {
        const QString title = QStringLiteral("Plant room ") + token_;
        typeTitle(title);
        const qsizetype logLines = pageLogLines().size();
        report_test::whilePreviewOpen(*page_, [&](ReportPreview* preview) {
            titleBox()->end(false);
            QTest::keyClicks(titleBox(), QStringLiteral(" draft"));
            auto* print = preview->findChild<QPushButton*>(QStringLiteral("PreviewPrint"));
            if (print != nullptr && print->isEnabled()) {
                print->click();
            }
        });
        const auto job = waitForJob(logLines);
        QVERIFY2(job, "no job came out of the PDF queue");
        QCOMPARE(job->title, QStringLiteral("Plenova Results"));
        QCOMPARE(report_test::pdfPageCount(job->pdf), 1);
        const QString text = report_test::pdfText(job->pdf);
        QVERIFY(text.contains(title));
        QVERIFY(!text.contains(QStringLiteral("draft")));
    }

    // A queue that refuses jobs: wherever "Print" is pressed, the error box names the printer
    // and gives CUPS's own reason, nothing reaches the queue, and nothing is left behind.
    void refusedPrintShowsTheErrorBox_data() { addPrintPlaces(); }
    void refusedPrintShowsTheErrorBox() {
        QFETCH(QString, where);
        QVERIFY(runCups(QStringLiteral("cupsreject"), {QStringLiteral("PDF")}));
        const QString reason = lpReason({QStringLiteral("-d"), QStringLiteral("PDF")});
        QVERIFY2(reason.contains(QStringLiteral("PDF")), qPrintable(reason));
        const qsizetype logLines = pageLogLines().size();

        pressPrint(where);
        QVERIFY(runCups(QStringLiteral("cupsaccept"), {QStringLiteral("PDF")}));

        const auto boxes = watchdog_.take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.first().windowTitle, QStringLiteral("Kelvaro Plenova"));
        // CUPS's reason ends with its own full stop; the box adds none then.
        QString expected = QStringLiteral("Printing on \"PDF\" failed: ") + reason;
        if (!expected.endsWith(u'.')) {
            expected += u'.';
        }
        QCOMPARE(boxes.first().text, expected);
        QTest::qWait(1000);  // time enough for a job to be logged
        QCOMPARE(pageLogLines().size(), logLines);
        QCOMPARE(temporaryFiles(), QStringList());
    }

    // After a refusal the program goes on: the next print, once the queue takes jobs again,
    // is a normal job.
    void printAfterARefusalIsAJob() {
        QVERIFY(runCups(QStringLiteral("cupsreject"), {QStringLiteral("PDF")}));
        page_->PrintClick();
        QVERIFY(runCups(QStringLiteral("cupsaccept"), {QStringLiteral("PDF")}));
        QCOMPARE(watchdog_.take().size(), 1);

        const QString title = QStringLiteral("Second try ") + token_;
        typeTitle(title);
        const qsizetype logLines = pageLogLines().size();
        page_->PrintClick();
        QVERIFY(watchdog_.take().isEmpty());
        const auto job = waitForJob(logLines);
        QVERIFY2(job, "no job came out of the PDF queue");
        QCOMPARE(job->title, QStringLiteral("Plenova Results"));
        QVERIFY(report_test::pdfText(job->pdf).contains(title));
    }

    // The submission other windows print through: any PDF, under the caller's job title, as
    // one job on the default printer.
    void submissionOnTheDefaultPrinterKeepsItsTitle() {
        const QString title = QStringLiteral("Chart ") + token_;
        typeTitle(title);
        const qsizetype logLines = pageLogLines().size();
        printPdfOnDefaultPrinter(reportPdf(ReportPage::capture(calc_->report)), title);
        const auto job = waitForJob(logLines);
        QVERIFY2(job, "no job came out of the PDF queue");
        QCOMPARE(job->title, title);
        QCOMPARE(report_test::pdfPageCount(job->pdf), 1);
        QVERIFY(report_test::pdfText(job->pdf).contains(title));
    }

    // The print server is gone after "Print" was offered: the submission reports it, by the
    // printer's name, in the error box (the preview offered "PDF" when it opened), and the
    // submission on its own throws the same. Stops the server: the last test.
    void vanishedServerShowsTheErrorBox() {
        const QString failed = QStringLiteral("Printing on \"PDF\" failed: ");
        QVERIFY(report_test::whilePreviewOpen(*page_, [&](ReportPreview* preview) {
            auto* print = preview->findChild<QPushButton*>(QStringLiteral("PreviewPrint"));
            QVERIFY(print != nullptr && print->isEnabled());
            QProcess::execute(QStringLiteral("bash"), {script_, QStringLiteral("stop"), cupsDir_});
            print->click();
        }));
        const auto boxes = watchdog_.take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.first().windowTitle, QStringLiteral("Kelvaro Plenova"));
        // The server's socket is gone: CUPS passes on the system's reason for that.
        const QString reason = QString::fromLocal8Bit(std::strerror(ENOENT));
        QCOMPARE(boxes.first().text, failed + reason + u'.');

        try {
            printPdf(reportPdf(ReportPage::capture(calc_->report)),
                     QStringLiteral("Plenova Results"), QStringLiteral("PDF"));
            QFAIL("a job went to a server that is not there");
        } catch (const PrintFailure& error) {
            QCOMPARE(QString::fromUtf8(error.what()), failed + reason);
        }
        try {
            printPdfOnDefaultPrinter(QByteArray("%PDF-1.4"), QStringLiteral("Plenova Results"));
            QFAIL("a job went to a server that is not there");
        } catch (const PrintFailure& error) {
            QCOMPARE(QString::fromUtf8(error.what()),
                     QStringLiteral("Printing failed: ") + lpReason({}));
        }
        // With no server, there is no default printer: the menu's "Print" does nothing.
        QVERIFY(!hasDefaultPrinter());
        page_->PrintClick();
        QVERIFY(watchdog_.take().isEmpty());
        QCOMPARE(temporaryFiles(), QStringList());
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTEST_SET_MAIN_SOURCE_PATH
    ReportPrintTest test;
    const int failures = QTest::qExec(&test, argc, argv);
    // Nothing was printed: ctest reports the test as skipped, not passed.
    return failures == 0 && test.cupsUnavailable() ? report_test::kSkipped : failures;
}

#include "report_print_test.moc"
