// The printed page's fonts, read back from the PDF the renderer writes: for every caption and
// value of the template, the embedded font's name (Liberation Sans, which "Arial" resolves to,
// in its regular, bold or italic face) and its size in points.
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <optional>

#include "modules/calculator.h"
#include "report_test_support.h"
#include "ui/report/report_output.h"
#include "ui/report/report_page.h"

using namespace plenova;

namespace {

using report_test::Face;

// One run of text of the PDF with the font it is set in, its top-left corner in millimetres.
struct PdfText {
    QString text;
    QString font;  // the embedded font's full name, as LiberationSans-Bold
    int points;
    double x;
    double y;
};

// Every run of text with its font, read with poppler's `pdftohtml -xml` at a zoom of 1, so
// that sizes are points and positions points from the sheet's top-left corner.
QList<PdfText> pdfTexts(const QString& path) {
    const QString xml =
        report_test::run(QStringLiteral("pdftohtml"),
                         {QStringLiteral("-xml"), QStringLiteral("-i"), QStringLiteral("-q"),
                          QStringLiteral("-stdout"), QStringLiteral("-zoom"), QStringLiteral("1"),
                          QStringLiteral("-fontfullname"), path});
    static const QRegularExpression fontspec(
        QStringLiteral("<fontspec id=\"(\\d+)\" size=\"(\\d+)\" family=\"([^\"]*)\""));
    static const QRegularExpression text(
        QStringLiteral("<text top=\"(-?\\d+)\" left=\"(-?\\d+)\" width=\"\\d+\" "
                       "height=\"\\d+\" font=\"(\\d+)\">(.*?)</text>"));
    static const QRegularExpression markup(QStringLiteral("</?[bi]>"));
    QMap<QString, std::pair<QString, int>> fonts;
    for (auto it = fontspec.globalMatch(xml); it.hasNext();) {
        const auto match = it.next();
        fonts[match.captured(1)] = {match.captured(3), match.captured(2).toInt()};
    }
    constexpr double kMmPerPoint = 25.4 / 72.0;
    QList<PdfText> texts;
    for (auto it = text.globalMatch(xml); it.hasNext();) {
        const auto match = it.next();
        const auto font = fonts.value(match.captured(3));
        QString content = match.captured(4);
        content.remove(markup);
        texts.append({report_test::unescapeXml(content), font.first, font.second,
                      match.captured(2).toDouble() * kMmPerPoint,
                      match.captured(1).toDouble() * kMmPerPoint});
    }
    return texts;
}

// The run with this text whose top-left corner lies nearest to (x, y).
std::optional<PdfText> nearestText(const QList<PdfText>& texts, const QString& wanted, double x,
                                   double y) {
    std::optional<PdfText> best;
    for (const PdfText& t : texts) {
        if (t.text == wanted &&
            (!best || std::hypot(t.x - x, t.y - y) < std::hypot(best->x - x, best->y - y))) {
            best = t;
        }
    }
    return best;
}

QString fontName(Face face) {
    switch (face) {
        case Face::Bold:
            return QStringLiteral("LiberationSans-Bold");
        case Face::Italic:
            return QStringLiteral("LiberationSans-Italic");
        case Face::Regular:
            break;
    }
    return QStringLiteral("LiberationSans");
}

}  // namespace

class ReportFontsTest : public QObject {
    Q_OBJECT

  private:
    // Every value label named by its own short name ("MAvol" for QRLabelMAvol), so that each
    // can be found on the page.
    void render() {
        for (Label* label : calc_.report.labels()) {
            label->setText(label->name().substr(7));
        }
        calc_.report.QRLabelPageTitle.setText("Plenova Results");
        const QString path = dir_.filePath(QStringLiteral("page.pdf"));
        savePdf(ReportPage::capture(calc_.report), path);
        texts_ = pdfTexts(path);
    }

    Calculator calc_;
    QTemporaryDir dir_;
    report_test::ModalWatchdog watchdog_;
    QList<PdfText> texts_;

  private Q_SLOTS:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        render();
        QVERIFY2(!texts_.isEmpty(), "pdftohtml read no text");
    }

    void cleanup() { QVERIFY(watchdog_.take().isEmpty()); }

    void fontOfEachRow_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("x");  // millimetres from the detail band's top-left corner
        QTest::addColumn<double>("y");
        QTest::addColumn<int>("points");
        QTest::addColumn<Face>("face");
        const auto row = [](const char* text, double x, double y, int points = 8,
                            Face face = Face::Regular) {
            QTest::addRow("%s @%.1f,%.1f", text, x, y)
                << QString::fromUtf8(text) << x << y << points << face;
        };
        for (const auto& place : report_test::captionPlaces()) {
            row(place.caption, place.x, place.y, place.points, place.face);
        }
        // The values, named by their labels: regular, but the reheat block's are italic.
        for (const auto& place : report_test::valuePlaces()) {
            const std::string name = place.label;
            const bool reheat = name == "QRLabelReHeatkW" || name == "QRLabelReHeatSensible" ||
                                name == "QRLabelReHeatLatent" || name == "QRLabelReheatSHF";
            row(name.substr(7).c_str(), place.x, place.y, 8, reheat ? Face::Italic : Face::Regular);
        }
    }

    void fontOfEachRow() {
        QFETCH(QString, text);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(int, points);
        QFETCH(Face, face);
        const auto found =
            nearestText(texts_, text, report_test::kDetailLeft + x, report_test::kDetailTop + y);
        QVERIFY2(found, qPrintable(text));
        QVERIFY2(std::hypot(found->x - report_test::kDetailLeft - x,
                            found->y - report_test::kDetailTop - y) < 3.0,
                 qPrintable(QStringLiteral("at %1, %2 mm")
                                .arg(found->x - report_test::kDetailLeft)
                                .arg(found->y - report_test::kDetailTop)));
        QCOMPARE(found->font, fontName(face));
        QCOMPARE(found->points, points);
    }

    // The title: Arial 14 pt bold.
    void titleFont() {
        const auto found = nearestText(texts_, QStringLiteral("Plenova Results"), 105.0, 14.0);
        QVERIFY(found);
        QCOMPARE(found->font, fontName(Face::Bold));
        QCOMPARE(found->points, 14);
    }
};

QTEST_MAIN(ReportFontsTest)
#include "report_fonts_test.moc"
