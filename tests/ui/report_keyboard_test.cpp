// The Print page and the preview by keyboard, and the PDF's name: Enter presses "Preview" and
// "Print", Escape closes the preview, "Preview" brings back an open (even minimised) preview,
// and "Save as PDF…" always writes a name ending in ".pdf".
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "report_test_support.h"
#include "ui/report/report_output.h"
#include "ui/report/report_preview.h"

using namespace plenova;

class ReportKeyboardTest : public report_test::PrintPageTest {
    Q_OBJECT

  private:
    QPushButton* button(const char* name) {
        return page_->findChild<QPushButton*>(QString::fromLatin1(name));
    }

  private Q_SLOTS:
    void enterPressesPreview() {
        QPushButton* preview = button("ButtonPreview");
        preview->setFocus(Qt::TabFocusReason);
        bool opened = false;
        QTimer::singleShot(0, page_, [&] {
            if (ReportPreview* window = page_->report().openPreview()) {
                opened = true;
                window->close();
            }
        });
        QTest::keyClick(preview, Qt::Key_Return);
        QVERIFY(opened);
    }

    // Without a printer "Print" still fills the report first.
    void enterPressesPrint() {
        calc_->report.QRLabelRAdb.setText("stale");
        button("ButtonPrint")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button("ButtonPrint"), Qt::Key_Enter);
        QCOMPARE(calc_->report.QRLabelRAdb.text(), calc_->cooling.RAdbLabel.text());
    }

    void escapeClosesThePreview() {
        bool closedByEscape = false;
        const bool returned = report_test::whilePreviewOpen(*page_, [&](ReportPreview* preview) {
            QVERIFY(QTest::qWaitForWindowExposed(preview));
            QTest::keyClick(preview, Qt::Key_Escape);
            closedByEscape = !preview->isVisible();
        });
        QVERIFY(returned);
        QVERIFY(closedByEscape);
    }

    // "Preview" with a preview open, even a minimised one, brings that window back to the front
    // and opens no second one.
    void previewRaisesTheOpenPreview() {
        bool restored = false;
        bool same = false;
        report_test::whilePreviewOpen(*page_, [&](ReportPreview* preview) {
            QVERIFY(QTest::qWaitForWindowExposed(preview));
            preview->showMinimized();
            QTRY_VERIFY(preview->isMinimized());
            page_->ButtonPreviewClick();  // returns at once
            restored = !preview->isMinimized() && preview->isVisible();
            same = page_->report().openPreview() == preview;
        });
        QVERIFY(restored);
        QVERIFY(same);
    }

    // Whatever name is chosen in the dialog, the file written ends in ".pdf".
    void savedNameEndsInPdf_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("dotted name") << "AHU3.north"
                                     << "AHU3.north.pdf";
        QTest::newRow("plain name") << "AHU3"
                                    << "AHU3.pdf";
        QTest::newRow("already .pdf") << "AHU3.pdf"
                                      << "AHU3.pdf";
        QTest::newRow("upper case") << "AHU3.PDF"
                                    << "AHU3.PDF";
    }
    void savedNameEndsInPdf() {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        watchdog_.setHandler([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            auto* nameBox = dialog != nullptr
                                ? dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                                : nullptr;
            if (nameBox == nullptr) {
                return false;
            }
            nameBox->setText(dir.filePath(typed));
            static_cast<QDialog*>(dialog)->accept();
            return true;
        });
        report_test::whilePreviewOpen(*page_, [&](ReportPreview* preview) {
            preview->findChild<QPushButton*>(QStringLiteral("PreviewSavePdf"))->click();
        });
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{written});
        QCOMPARE(report_test::pdfPageCount(dir.filePath(written)), 1);
    }

    void withPdfSuffix_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("dotted") << "/tmp/AHU3.north"
                                << "/tmp/AHU3.north.pdf";
        QTest::newRow("none") << "/tmp/AHU3"
                              << "/tmp/AHU3.pdf";
        QTest::newRow("pdf") << "/tmp/AHU3.pdf"
                             << "/tmp/AHU3.pdf";
        QTest::newRow("PDF") << "/tmp/AHU3.Pdf"
                             << "/tmp/AHU3.Pdf";
        QTest::newRow("pdf in a folder only") << "/tmp/x.pdf/AHU3"
                                              << "/tmp/x.pdf/AHU3.pdf";
        QTest::newRow("ends in pdf, no dot") << "/tmp/reportpdf"
                                             << "/tmp/reportpdf.pdf";
    }
    void withPdfSuffix() {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QCOMPARE(plenova::withPdfSuffix(path), expected);
    }
};

QTEST_MAIN(ReportKeyboardTest)
#include "report_keyboard_test.moc"
