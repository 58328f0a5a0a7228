// The program takes the echo format's decimal separator from the system's regional settings:
// started under a German locale it shows an echoed 25.5 °C as 25,5 °C, while fixed-format
// results beside it keep the full stop. Qt reads the locale from LC_ALL itself, so no glibc
// locale needs to be installed.
#include <QApplication>
#include <QLocale>
#include <QTest>

#include "ui_test_support.h"

using namespace plenova;
using namespace plenova::test;

class LocaleTest : public ProgramTest {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() {
        // The premise: the environment set in main() reached Qt.
        QCOMPARE(QLocale::system().decimalPoint(), QStringLiteral(","));
    }

    void echoedValuesTakeTheComma_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* label, const char* text) {
            QTest::newRow(label) << QString::fromLatin1(label) << QString::fromUtf8(text);
        };
        row("LabelMARAdb", "25,5 °C");
        row("LabelMAvol", "0,1837 m³/s");
        row("RAdbLabel", "25,5 °C");
        row("RAvolLabel", "0,1837 m³/s");
        row("LabelHeatReturnAirDryBulb", "12,7 °C");
        row("LabelHeatRAvolume", "0,1755 m³/s");
        // Whole numbers have no separator; fixed-format results keep the full stop.
        row("LabelMAOAdb", "35 °C");
        row("LabelMAkPa", "101.325 kPa");
        row("RArhLabel", "49.4 %");
        row("LabelHeatRAvolPerHr", "631.80 m³/hr");
    }
    void echoedValuesTakeTheComma() {
        QFETCH(QString, label);
        QFETCH(QString, text);
        QCOMPARE(screenText(qPrintable(label)), text);
    }

    // The printed report copies the screen texts as they stand.
    void reportCopiesThem() {
        QCOMPARE(program->calc.report.QRLabelRAdb.text(), std::string("25,5 °C"));
    }
};

int main(int argc, char** argv) {
    qputenv("LC_ALL", "de_DE.UTF-8");
    QApplication app(argc, argv);
    LocaleTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "locale_test.moc"
