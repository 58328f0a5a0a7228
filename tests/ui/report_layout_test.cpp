// The printed page's layout, read back from the PDF the renderer writes: every caption and
// value at its place, the title centred, the rules where they belong, one page whatever the
// texts.
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include "modules/calculator.h"
#include "report_test_support.h"
#include "ui/report/report_output.h"
#include "ui/report/report_page.h"

using namespace plenova;
using report_test::PdfWord;

namespace {

std::string shortName(const std::string& labelName) {
    return labelName.substr(7);
}

// Half a millimetre: what the eye would call "in its place" on paper.
constexpr double kTolerance = 0.5;
constexpr double kLeft = report_test::kDetailLeft;
constexpr double kDetailTop = report_test::kDetailTop;

// Height of a line of Arial (ascent and descent) per point of font size, in millimetres.
constexpr double kLineMmPerPoint = (0.905 + 0.212) * 25.4 / 72.0;

}  // namespace

class ReportLayoutTest : public QObject {
    Q_OBJECT

  private:
    // Gives every report label its own name as text ("MAvol" for QRLabelMAvol), so that each
    // value can be found.
    void nameEveryLabel() {
        for (Label* label : calc_.report.labels()) {
            label->setText(shortName(label->name()));
        }
        calc_.report.QRLabelPageTitle.setText("Plenova Results");
    }

    QList<PdfWord> renderedWords() {
        const QString path = dir_.filePath(QStringLiteral("page.pdf"));
        savePdf(ReportPage::capture(calc_.report), path);
        return report_test::pdfWords(path);
    }

    // The page at 10 pixels per millimetre.
    QImage renderedImage() {
        QImage image(2100, 2970, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        ReportPage::capture(calc_.report).paint(painter, QRectF(image.rect()));
        return image;
    }

    Calculator calc_;
    QTemporaryDir dir_;
    report_test::ModalWatchdog watchdog_;

  private Q_SLOTS:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void cleanup() { QVERIFY(watchdog_.take().isEmpty()); }

    void captionAtItsPlace_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<double>("points");
        const auto row = [](const char* caption, double x, double y, double points = 8.0) {
            QTest::addRow("%s @%.1f,%.1f", caption, x, y)
                << QString::fromUtf8(caption) << x << y << points;
        };
        for (const auto& place : report_test::captionPlaces()) {
            row(place.caption, place.x, place.y, place.points);
        }
    }

    // The whole caption stands on one line from its place, at its size.
    void captionAtItsPlace() {
        QFETCH(QString, caption);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(double, points);
        nameEveryLabel();
        const QList<PdfWord> words = renderedWords();
        const QStringList expected = caption.split(u' ');

        const auto first =
            report_test::nearestWord(words, expected.first(), kLeft + x, kDetailTop + y);
        QVERIFY2(first, qPrintable(caption));
        QVERIFY2(std::abs(first->xMin - (kLeft + x)) <= kTolerance,
                 qPrintable(QStringLiteral("x %1 mm").arg(first->xMin - kLeft)));
        QVERIFY2(std::abs(first->yMin - (kDetailTop + y)) <= kTolerance,
                 qPrintable(QStringLiteral("y %1 mm").arg(first->yMin - kDetailTop)));
        QCOMPARE_LT(std::abs((first->yMax - first->yMin) - points * kLineMmPerPoint), 0.2);

        QList<PdfWord> line;
        for (const PdfWord& word : words) {
            if (std::abs(word.yMin - first->yMin) < 0.1 && word.xMin >= first->xMin &&
                word.xMin < first->xMin + 45.0) {
                line.append(word);
            }
        }
        std::sort(line.begin(), line.end(),
                  [](const PdfWord& a, const PdfWord& b) { return a.xMin < b.xMin; });
        QStringList found;
        for (qsizetype i = 0; i < std::min(line.size(), expected.size()); ++i) {
            found.append(line[i].text);
        }
        QCOMPARE(found.join(u' '), caption);
    }

    void valueAtItsPlace_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        const auto row = [](const char* label, double x, double y) {
            QTest::newRow(label) << QString::fromStdString(shortName(label)) << x << y;
        };
        for (const auto& place : report_test::valuePlaces()) {
            row(place.label, place.x, place.y);
        }
    }

    // Each value label, once on the page, at its place.
    void valueAtItsPlace() {
        QFETCH(QString, label);
        QFETCH(double, x);
        QFETCH(double, y);
        nameEveryLabel();
        const QList<PdfWord> words = renderedWords();
        QCOMPARE(std::count_if(words.begin(), words.end(),
                               [&](const PdfWord& word) { return word.text == label; }),
                 1);
        const auto word = report_test::nearestWord(words, label, kLeft + x, kDetailTop + y);
        QVERIFY(word);
        QVERIFY2(std::abs(word->xMin - (kLeft + x)) <= kTolerance,
                 qPrintable(QStringLiteral("x %1 mm").arg(word->xMin - kLeft)));
        QVERIFY2(std::abs(word->yMin - (kDetailTop + y)) <= kTolerance,
                 qPrintable(QStringLiteral("y %1 mm").arg(word->yMin - kDetailTop)));
        QCOMPARE_LT(std::abs((word->yMax - word->yMin) - 8.0 * kLineMmPerPoint), 0.2);
    }

    void titleCentredInItsBand_data() {
        QTest::addColumn<QString>("title");
        QTest::newRow("design title") << QStringLiteral("Plenova Results");
        QTest::newRow("one short word") << QStringLiteral("AHU");
        QTest::newRow("long title")
            << QStringLiteral("Air handling unit 3, roof plant room, commissioning visit");
    }

    // Centred across the 190 mm band, its top 4.1 mm below the band's top, 14 pt.
    void titleCentredInItsBand() {
        QFETCH(QString, title);
        calc_.report.QRLabelPageTitle.setText(title.toStdString());
        const QList<PdfWord> words = renderedWords();
        QList<PdfWord> titleWords;
        for (const PdfWord& word : words) {
            if (word.yMax < kDetailTop) {
                titleWords.append(word);
            }
        }
        QStringList texts;
        double left = 1e9;
        double right = -1e9;
        for (const PdfWord& word : titleWords) {
            texts.append(word.text);
            left = std::min(left, word.xMin);
            right = std::max(right, word.xMax);
            QVERIFY(std::abs(word.yMin - (10.0 + 4.1)) <= kTolerance);
            QCOMPARE_LT(std::abs((word.yMax - word.yMin) - 14.0 * kLineMmPerPoint), 0.2);
        }
        QCOMPARE(texts.join(u' '), title);
        QVERIFY2(std::abs((left + right) / 2.0 - 105.0) <= kTolerance,
                 qPrintable(QStringLiteral("centre at %1 mm").arg((left + right) / 2.0)));
    }

    void rulesAcrossTheirSpan_data() {
        QTest::addColumn<double>("x1");
        QTest::addColumn<double>("x2");
        QTest::addColumn<double>("y");
        QTest::addColumn<int>("penWidth");
        QTest::newRow("mixed air section") << 4.2 << 186.7 << 14.6 << 2;
        QTest::newRow("mixing results") << 100.5 << 185.6 << 62.2 << 1;
        QTest::newRow("cooling section") << 4.2 << 187.1 << 101.1 << 2;
        QTest::newRow("cooling results") << 101.7 << 186.7 << 139.5 << 1;
        QTest::newRow("heating section") << 4.5 << 187.5 << 190.7 << 2;
        QTest::newRow("reheat") << 1.9 << 86.9 << 229.4 << 1;
        QTest::newRow("heating results") << 101.7 << 186.7 << 229.4 << 1;
    }

    // A dark line from x1 to x2 at y, as thick as its pen (one pen unit is a 96 dpi pixel).
    void rulesAcrossTheirSpan() {
        QFETCH(double, x1);
        QFETCH(double, x2);
        QFETCH(double, y);
        QFETCH(int, penWidth);
        calc_.report.QRLabelPageTitle.setText("");
        const QImage image = renderedImage();
        constexpr double kPxPerMm = 10.0;
        const auto dark = [&](int px, int py) { return qGray(image.pixel(px, py)) < 128; };

        const int midX = static_cast<int>((kLeft + (x1 + x2) / 2.0) * kPxPerMm);
        const int atY = static_cast<int>((kDetailTop + y) * kPxPerMm);
        int top = atY;
        int bottom = atY;
        QVERIFY(dark(midX, atY));
        while (dark(midX, top - 1)) {
            --top;
        }
        while (dark(midX, bottom + 1)) {
            ++bottom;
        }
        const double thickness = (bottom - top + 1) / kPxPerMm;
        QVERIFY2(std::abs(thickness - penWidth * 25.4 / 96.0) <= 0.15,
                 qPrintable(QStringLiteral("%1 mm thick").arg(thickness)));

        int start = midX;
        int end = midX;
        while (dark(start - 1, atY)) {
            --start;
        }
        while (dark(end + 1, atY)) {
            ++end;
        }
        QVERIFY2(std::abs(start / kPxPerMm - (kLeft + x1)) <= kTolerance,
                 qPrintable(QStringLiteral("starts at %1 mm").arg(start / kPxPerMm - kLeft)));
        QVERIFY2(std::abs((end + 1) / kPxPerMm - (kLeft + x2)) <= kTolerance,
                 qPrintable(QStringLiteral("ends at %1 mm").arg((end + 1) / kPxPerMm - kLeft)));
    }

    // The page title is blue; everything in the detail band is black on white.
    void titleBlueDetailBlack() {
        nameEveryLabel();
        const QImage image = renderedImage();
        const auto countPixels = [&](QRect area, auto&& predicate) {
            int n = 0;
            for (int y = area.top(); y <= area.bottom(); ++y) {
                for (int x = area.left(); x <= area.right(); ++x) {
                    n += predicate(QColor(image.pixel(x, y))) ? 1 : 0;
                }
            }
            return n;
        };
        const auto blue = [](QColor c) { return c.blue() > 200 && c.red() < 60 && c.green() < 60; };
        const auto coloured = [](QColor c) {
            return std::max({c.red(), c.green(), c.blue()}) -
                       std::min({c.red(), c.green(), c.blue()}) >
                   40;
        };
        const QRect titleBand(100, 100, 1900, 99);
        const QRect detailBand(100, 199, 1900, 2563);
        QCOMPARE_GT(countPixels(titleBand, blue), 500);
        QCOMPARE(countPixels(detailBand, coloured), 0);
        QCOMPARE_GT(countPixels(detailBand, [](QColor c) { return qGray(c.rgb()) < 64; }), 10000);
    }

    // Labels whose texts cannot fit still give exactly one page, and nothing leaves its band
    // or the printable area.
    void onePageWhateverTheTexts_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("one long word") << QString(400, u'W');
        QTest::newRow("many words") << QStringLiteral("12345.678 kW ").repeated(60);
        QTest::newRow("non-latin") << QStringLiteral("Ωµ°³ ").repeated(80);
    }

    void onePageWhateverTheTexts() {
        QFETCH(QString, text);
        for (Label* label : calc_.report.labels()) {
            label->setText(text.toStdString());
        }
        const QString path = dir_.filePath(QStringLiteral("long.pdf"));
        savePdf(ReportPage::capture(calc_.report), path);
        QCOMPARE(report_test::pdfPageCount(path), 1);
        for (const PdfWord& word : report_test::pdfWords(path)) {
            QVERIFY2(word.xMin >= 10.0 - 0.1 && word.xMax <= 200.0 + 0.1, qPrintable(word.text));
            const bool inTitleBand = word.yMin >= 10.0 - 0.1 && word.yMax <= kDetailTop + 0.1;
            const bool inDetailBand =
                word.yMin >= kDetailTop - 0.1 && word.yMax <= kDetailTop + 256.3 + 0.1;
            QVERIFY2(inTitleBand || inDetailBand, qPrintable(QStringLiteral("%1 at y %2..%3 mm")
                                                                 .arg(word.text)
                                                                 .arg(word.yMin)
                                                                 .arg(word.yMax)));
        }
    }
};

QTEST_MAIN(ReportLayoutTest)
#include "report_layout_test.moc"
