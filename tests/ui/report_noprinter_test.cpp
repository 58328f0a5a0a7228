// Printing on a system without any printer: the fill runs, then nothing happens and nothing
// is said.
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "core/fpenv.h"
#include "modules/calculator.h"
#include "report_test_support.h"
#include "ui/report/print_page.h"
#include "ui/report/report_preview.h"

using namespace plenova;

class ReportNoPrinterTest : public report_test::PrintPageTest {
    Q_OBJECT

  private:
    QList<QWidget*> visibleWindows() {
        QList<QWidget*> windows;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible()) {
                windows.append(window);
            }
        }
        return windows;
    }

  private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(QPrinterInfo::defaultPrinter().isNull(), "a printer is reachable");
        QVERIFY(QPrinterInfo::availablePrinterNames().isEmpty());
    }

    void printDoesNothingVisible_data() {
        QTest::addColumn<bool>("fromButton");
        QTest::newRow("File > Print") << false;
        QTest::newRow("Print button") << true;
    }

    // The fill runs (the report takes the latest screen texts), then no window, no message
    // and no file appear.
    void printDoesNothingVisible() {
        QFETCH(bool, fromButton);
        QTemporaryDir workDir;
        QVERIFY(QDir::setCurrent(workDir.path()));
        calc_->cooling.kWLabel.setText("4.321 kW");
        const QList<QWidget*> windowsBefore = visibleWindows();

        if (fromButton) {
            QTest::mouseClick(page_->findChild<QPushButton*>(QStringLiteral("ButtonPrint")),
                              Qt::LeftButton);
        } else {
            page_->PrintClick();
        }
        QTest::qWait(200);  // time enough for a window or a box to show

        QCOMPARE(calc_->report.QRLabelkW.text(), std::string("4.321 kW"));
        QCOMPARE(visibleWindows(), windowsBefore);
        QVERIFY(watchdog_.take().isEmpty());
        QVERIFY(QDir(workDir.path()).isEmpty());
    }

    // The preview offers "Print" only when there is a printer to print on.
    void previewPrintIsDisabled() {
        ReportPreview preview(ReportPage::capture(calc_->report), page_);
        const auto* print = preview.findChild<QPushButton*>(QStringLiteral("PreviewPrint"));
        QVERIFY(print);
        QVERIFY(!print->isEnabled());
        QVERIFY(preview.findChild<QPushButton*>(QStringLiteral("PreviewSavePdf"))->isEnabled());
    }
};

int main(int argc, char** argv) {
    // A system without any printer, whatever this machine has installed.
    report_test::cutOffPrinters();
    QApplication app(argc, argv);
    QTEST_SET_MAIN_SOURCE_PATH
    ReportNoPrinterTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "report_noprinter_test.moc"
