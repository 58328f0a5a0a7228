// Printing through a real CUPS queue: a private CUPS server whose default printer is a
// cups-pdf queue, so that each job comes back as a PDF to read.
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "core/fpenv.h"
#include "modules/calculator.h"
#include "report_test_support.h"
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

}  // namespace

class ReportPrintTest : public report_test::PrintPageTest {
    Q_OBJECT

  private:
    QString script_;
    QString cupsDir_;
    QString pdfDir_;
    QString pageLog_;
    QStringList written_;  // the jobs' PDFs, removed at the end

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

    QStringList pdfsInOutputDir() {
        QStringList paths;
        for (const QFileInfo& info :
             QDir(pdfDir_).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files)) {
            paths.append(info.absoluteFilePath());
        }
        return paths;
    }

    // Waits for the one job that follows `logLines` lines of the page log, and for the PDF
    // of it that shows `marker`.
    std::optional<PrintedJob> waitForJob(qsizetype logLines, const QStringList& pdfsBefore,
                                         const QString& marker) {
        // printer user job [date] total pages billing host title media sides
        static const QRegularExpression entry(
            QStringLiteral(R"(^PDF \S+ \d+ \[[^\]]*\] total \d+ \S+ \S+ (.*) \S+ \S+$)"));
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 120000) {
            const QStringList lines = pageLogLines();
            if (lines.size() > logLines) {
                for (const QString& pdf : pdfsInOutputDir()) {
                    if (pdfsBefore.contains(pdf) || written_.contains(pdf)) {
                        continue;
                    }
                    if (report_test::pdfText(pdf).contains(marker)) {
                        written_.append(pdf);
                        const auto match = entry.match(lines.at(logLines));
                        return PrintedJob{match.hasMatch() ? match.captured(1) : lines.at(logLines),
                                          pdf};
                    }
                }
            }
            QTest::qWait(200);
        }
        return std::nullopt;
    }

  private Q_SLOTS:
    void initTestCase() {
        script_ = QFINDTESTDATA("cups-pdf-queue");
        QVERIFY2(!script_.isEmpty(), "tests/ui/cups-pdf-queue not found");
        QProcess start;
        start.start(QStringLiteral("bash"), {script_, QStringLiteral("start"), token_});
        QVERIFY(start.waitForFinished(120000));
        const QString errors = QString::fromLocal8Bit(start.readAllStandardError());
        if (start.exitCode() == 77) {
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
            }
        }
        qunsetenv("PRINTER");
        qunsetenv("LPDEST");
        QVERIFY(!cupsDir_.isEmpty() && !pdfDir_.isEmpty() && !pageLog_.isEmpty());
        QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), QStringLiteral("PDF"));
    }

    void cleanupTestCase() {
        if (!cupsDir_.isEmpty()) {
            QProcess::execute(QStringLiteral("bash"), {script_, QStringLiteral("stop"), cupsDir_});
        }
        for (const QString& pdf : written_) {
            QFile::remove(pdf);
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
        const QStringList pdfsBefore = pdfsInOutputDir();
        page_->PrintClick();
        QCOMPARE(calc_->report.QRLabelRAdb.text(), calc_->cooling.RAdbLabel.text());

        const auto job = waitForJob(logLines, pdfsBefore, title);
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
        const QStringList pdfsBefore = pdfsInOutputDir();
        report_test::whilePreviewOpen(*page_, [&](ReportPreview* preview) {
            titleBox()->end(false);
            QTest::keyClicks(titleBox(), QStringLiteral(" draft"));
            auto* print = preview->findChild<QPushButton*>(QStringLiteral("PreviewPrint"));
            if (print != nullptr && print->isEnabled()) {
                print->click();
            }
        });
        const auto job = waitForJob(logLines, pdfsBefore, title);
        QVERIFY2(job, "no job came out of the PDF queue");
        QCOMPARE(job->title, QStringLiteral("Plenova Results"));
        QCOMPARE(report_test::pdfPageCount(job->pdf), 1);
        QVERIFY(!report_test::pdfText(job->pdf).contains(QStringLiteral("draft")));
    }

    // A job that cannot even start is reported in the error box, and the program goes on.
    void printFailureShowsTheErrorBox() {
        const QByteArray tmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", "/nonexistent/plenova-tests/tmp");
        page_->PrintClick();
        qputenv("TMPDIR", tmp);
        if (tmp.isEmpty()) {
            qunsetenv("TMPDIR");
        }
        const auto boxes = watchdog_.take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.first().windowTitle, QStringLiteral("Kelvaro Plenova"));
        QCOMPARE(boxes.first().text,
                 QStringLiteral("The printer \"PDF\" could not start the job."));
    }
};

QTEST_MAIN(ReportPrintTest)
#include "report_print_test.moc"
