// The preview: a window of its own that leaves the main window usable, shows the page as it
// stood when it opened, and saves that page as a PDF.
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "core/fpenv.h"
#include "modules/calculator.h"
#include "report_test_support.h"
#include "ui/report/print_page.h"
#include "ui/report/report_preview.h"

using namespace plenova;

namespace {

QStringList filesUnder(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        files.append(it.next());
    }
    files.sort();
    return files;
}

QStringList pdfWordTexts(const QString& path) {
    QStringList texts;
    for (const auto& word : report_test::pdfWords(path)) {
        texts.append(word.text);
    }
    return texts;
}

}  // namespace

class ReportPreviewTest : public report_test::PrintPageTest {
    Q_OBJECT

  private:
    QTemporaryDir* dir_ = nullptr;

  private Q_SLOTS:
    void init() {
        PrintPageTest::init();
        dir_ = new QTemporaryDir;
        QVERIFY(dir_->isValid());
    }

    void cleanup() {
        PrintPageTest::cleanup();
        delete dir_;
    }

    // While the preview is open the main window takes input, another "Preview" only brings
    // the open one forward, and the page shown keeps the texts it opened with.
    void previewIsNotModal() {
        bool open = false;
        Qt::WindowModality modality = Qt::ApplicationModal;
        QWidget* modal = page_;
        int previewsAfterSecondClick = 0;
        std::string titleShown;
        const bool returnedAfterClose =
            report_test::whilePreviewOpen(*page_, [&](ReportPreview* preview) {
                open = preview->isVisible() && preview->isWindow();
                modality = preview->windowModality();
                modal = QApplication::activeModalWidget();
                QTest::mouseClick(titleBox(), Qt::LeftButton);
                titleBox()->end(false);
                QTest::keyClicks(titleBox(), QStringLiteral(" 2"));
                page_->ButtonPreviewClick();
                for (QWidget* window : QApplication::topLevelWidgets()) {
                    previewsAfterSecondClick += qobject_cast<ReportPreview*>(window) ? 1 : 0;
                }
                titleShown = preview->page().pageTitle();
            });
        QVERIFY(returnedAfterClose);
        QVERIFY(open);
        QCOMPARE(modality, Qt::NonModal);
        QCOMPARE(modal, nullptr);
        QCOMPARE(calc_->report.QRLabelPageTitle.text(), std::string("Plenova Results 2"));
        QCOMPARE(previewsAfterSecondClick, 1);
        QCOMPARE(titleShown, std::string("Plenova Results"));
        QTRY_COMPARE(page_->report().openPreview(), nullptr);
    }

    // "Preview" runs no fill: the page shows the report labels as they stand.
    void previewShowsTheLabelsWithoutAFill() {
        const std::string filled = calc_->report.QRLabelkW.text();
        calc_->cooling.kWLabel.setText("98.765 kW");
        const QString path = dir_->filePath(QStringLiteral("shown.pdf"));
        report_test::whilePreviewOpen(*page_,
                                      [&](ReportPreview* preview) { preview->savePdfTo(path); });
        QCOMPARE(report_test::pdfPageCount(path), 1);
        const QStringList words = pdfWordTexts(path);
        QVERIFY(!words.contains(QStringLiteral("98.765")));
        QVERIFY(words.contains(QString::fromStdString(filled).section(u' ', 0, 0)));
    }

    // "Save as PDF…" asks for a path and writes the one page there; a name typed without an
    // extension gets ".pdf".
    void saveAsPdfThroughTheDialog() {
        const QString typed = dir_->filePath(QStringLiteral("for the customer"));
        bool asked = false;
        watchdog_.setHandler([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (dialog == nullptr) {
                return false;
            }
            asked = dialog->acceptMode() == QFileDialog::AcceptSave;
            // Typed into the name box, as the user would (selectFile leaves a focused box be).
            auto* nameBox = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (nameBox == nullptr) {
                return false;
            }
            nameBox->setText(typed);
            static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept, as "Save" would
            return true;
        });
        report_test::whilePreviewOpen(*page_, [&](ReportPreview* preview) {
            preview->findChild<QPushButton*>(QStringLiteral("PreviewSavePdf"))->click();
        });
        QVERIFY(asked);
        const QString saved = typed + QStringLiteral(".pdf");
        QCOMPARE(filesUnder(dir_->path()), QStringList{saved});
        QCOMPARE(report_test::pdfPageCount(saved), 1);
        QVERIFY(report_test::pdfText(saved).contains(QStringLiteral("Plenova Results")));
    }

    // A file already there is replaced by the complete new page.
    void saveReplacesAnExistingFile() {
        const QString path = dir_->filePath(QStringLiteral("report.pdf"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("not a PDF");
        old.close();
        ReportPreview preview(ReportPage::capture(calc_->report), page_);
        preview.savePdfTo(path);
        QCOMPARE(filesUnder(dir_->path()), QStringList{path});
        QCOMPARE(report_test::pdfPageCount(path), 1);
    }

    void unwritablePath_data() {
        QTest::addColumn<QString>("relativePath");
        QTest::newRow("missing folder") << QStringLiteral("missing/report.pdf");
        QTest::newRow("folder is a file") << QStringLiteral("notes.txt/report.pdf");
        QTest::newRow("path is a folder") << QStringLiteral("reports");
    }

    // A path that cannot be written gets the error box and leaves no file behind. (Root may
    // write anywhere, so only paths no permission could make writable are used.)
    void unwritablePath() {
        QFETCH(QString, relativePath);
        QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("reports")));
        QFile notes(dir_->filePath(QStringLiteral("notes.txt")));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.close();
        const QStringList before = filesUnder(dir_->path());

        const QString path = dir_->filePath(relativePath);
        ReportPreview preview(ReportPage::capture(calc_->report), page_);
        preview.savePdfTo(path);

        const auto boxes = watchdog_.take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.first().windowTitle, QStringLiteral("Kelvaro Plenova"));
        const QString text = boxes.first().text;
        QVERIFY2(
            text.startsWith(QStringLiteral("The report could not be saved as \"%1\": ").arg(path)),
            qPrintable(text));
        QVERIFY(text.endsWith(u'.') && !text.endsWith(QLatin1String("..")));
        QCOMPARE(filesUnder(dir_->path()), before);
    }
};

int main(int argc, char** argv) {
    // No printer reachable: nothing these tests do can reach a real one.
    report_test::cutOffPrinters();
    QApplication app(argc, argv);
    QTEST_SET_MAIN_SOURCE_PATH
    ReportPreviewTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "report_preview_test.moc"
