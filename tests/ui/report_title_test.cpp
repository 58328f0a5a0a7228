// A page title too long for one line of its band: it wraps onto a second line, then shrinks,
// and stays inside the title band and the margins, every word of it (read back from the PDF).
// A title that fits keeps one line of 14 pt, 4.1 mm below the band's top (report_layout_test).
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <set>

#include "modules/calculator.h"
#include "report_test_support.h"
#include "ui/report/report_output.h"
#include "ui/report/report_page.h"

using namespace plenova;
using report_test::PdfWord;

namespace {

constexpr double kBandTop = 10.0;
constexpr double kBandBottom = 10.0 + 9.9;
constexpr double kLeftMargin = 10.0;
constexpr double kRightMargin = 200.0;
constexpr double kTolerance = 0.1;
// Height of a line of Arial (ascent and descent) per point of font size, in millimetres.
constexpr double kLineMmPerPoint = (0.905 + 0.212) * 25.4 / 72.0;

}  // namespace

class ReportTitleTest : public QObject {
    Q_OBJECT

  private:
    Calculator calc_;
    QTemporaryDir dir_;

    QList<PdfWord> titleWords(const QString& title) {
        calc_.report.QRLabelPageTitle.setText(title.toStdString());
        const QString path = dir_.filePath(QStringLiteral("title.pdf"));
        savePdf(ReportPage::capture(calc_.report), path);
        QList<PdfWord> words;
        for (const PdfWord& word : report_test::pdfWords(path)) {
            if (word.yMin < kBandBottom) {
                words.append(word);
            }
        }
        return words;
    }

  private Q_SLOTS:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void longTitleWrapsThenShrinks_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("spaces");
        // 137 characters: it lost all but its last words on the miniature, preview and PDF.
        QTest::newRow("137 characters")
            << QStringLiteral(
                   "Air handling unit 3, north wing roof plant room: commissioning visit after "
                   "the cooling coil was replaced, readings taken by the site team")
            << true;
        // No space to break at: it started left of the page margin.
        QTest::newRow("no spaces")
            << QStringLiteral("AHU3-north-wing-roof-plant-room-").repeated(4) << false;
        QTest::newRow("very long")
            << QStringLiteral("Supply fan and coil check ").repeated(12) << true;
    }
    void longTitleWrapsThenShrinks() {
        QFETCH(QString, title);
        QFETCH(bool, spaces);
        const QList<PdfWord> words = titleWords(title);
        QVERIFY(!words.isEmpty());
        std::set<long> lines;
        QString text;
        for (const PdfWord& word : words) {
            QVERIFY2(
                word.xMin >= kLeftMargin - kTolerance && word.xMax <= kRightMargin + kTolerance,
                qPrintable(QStringLiteral("%1 at x %2..%3 mm")
                               .arg(word.text)
                               .arg(word.xMin)
                               .arg(word.xMax)));
            QVERIFY2(word.yMin >= kBandTop - kTolerance && word.yMax <= kBandBottom + kTolerance,
                     qPrintable(QStringLiteral("%1 at y %2..%3 mm")
                                    .arg(word.text)
                                    .arg(word.yMin)
                                    .arg(word.yMax)));
            // Smaller than one line of 14 pt.
            QCOMPARE_LT(word.yMax - word.yMin, 14.0 * kLineMmPerPoint - 0.2);
            lines.insert(std::lround(word.yMin * 10.0));
            if (!text.isEmpty() && spaces) {
                text += u' ';
            }
            text += word.text;
        }
        QVERIFY2(lines.size() >= 2, "one line");
        QCOMPARE(text, title.trimmed());
    }
};

QTEST_MAIN(ReportTitleTest)
#include "report_title_test.moc"
