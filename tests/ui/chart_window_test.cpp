// The chart window: opened from the menu once, following the pages live, reading out the point
// under the mouse, and writing PNG, SVG and PDF files through the one renderer.
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include "chart/chart_scene.h"
#include "modules/calculator.h"
#include "report_test_support.h"
#include "ui/chart/chart_picture.h"
#include "ui/chart/chart_view.h"
#include "ui/chart/chart_window.h"
#include "ui_test_support.h"

using namespace plenova;
using namespace plenova::test;
using chart::ChartPage;

namespace {

// The process colours the chart is designed with, one per page.
const QColor kMixing(0xe8, 0x59, 0x0c);
const QColor kCooling(0x19, 0x71, 0xc2);
const QColor kHeating(0xc2, 0x25, 0x5c);

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

}  // namespace

class ChartWindowTest : public ProgramTest {
    Q_OBJECT

  private:
    ChartWindow* openChart() {
        program->Plenova.ChartClick();
        ChartWindow* window = program->Plenova.chartWindow();
        if (window != nullptr) {
            window->view()->resize(900, 650);
            if (!QTest::qWaitForWindowExposed(window)) {
                return nullptr;
            }
        }
        return window;
    }

    const chart::ChartScene scene() {
        return program->Plenova.chartWindow()->view()->picture().scene();
    }

    // The slider as the user moves it: through the scroll bar, with its handlers.
    void userMoves(const char* name, int position) {
        sliderBar(*program, name)->setValue(position);
    }

    // Points of the three pages apart from one another.
    void spreadThePoints() {
        userMoves("ScrollBarMARAdb", 300);  // 20 °C
        userMoves("ScrollBarMARAwb", 200);  // 10 °C
        userMoves("ScrollBarMApercent", 50);
        userMoves("ScrollBarHeatSupplyAirDryBulb", 400);  // 30 °C
        userMoves("ScrollBarHeatReturnAirDryBulb", 300);  // 20 °C
        userMoves("ScrollBarHeatReturnAirWetBulb", 250);  // 15 °C
    }

  private Q_SLOTS:
    void menuItemAfterTheExistingOnes() {
        const auto items = program->Plenova.menuBar()->actions();
        QCOMPARE(items.size(), 3);
        QCOMPARE(items[0]->text(), QStringLiteral("&File"));
        QCOMPARE(items[1]->text(), QStringLiteral("&Kelvaro"));
        QCOMPARE(items[2]->text(), QStringLiteral("&View"));  // Alt+V
        const auto view = items[2]->menu()->actions();
        QCOMPARE(view.size(), 1);
        QCOMPARE(view[0]->text(), QStringLiteral("&Psychrometric Chart"));
        const QKeySequence shortcut(QStringLiteral("Ctrl+K"));
        QCOMPARE(view[0]->shortcut(), shortcut);
        // No other item of the window answers to it.
        int holders = 0;
        for (QAction* action : program->Plenova.findChildren<QAction*>()) {
            holders += action->shortcut() == shortcut ? 1 : 0;
        }
        QCOMPARE(holders, 1);
    }

    // The shortcut opens it, not modal; a second request raises the same window; closing
    // forgets it, and the next request starts afresh.
    void opensOnceNotModal() {
        QVERIFY(program->Plenova.chartWindow() == nullptr);
        QTest::keyClick(&program->Plenova, Qt::Key_K, Qt::ControlModifier);
        QPointer<ChartWindow> first = program->Plenova.chartWindow();
        QVERIFY(first != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(first));
        QVERIFY(!first->isModal());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(program->Plenova.isEnabled());

        program->Plenova.menuBar()->actions().at(2)->menu()->actions().at(0)->trigger();
        QCOMPARE(program->Plenova.chartWindow(), first.data());
        QCOMPARE(program->Plenova.findChildren<ChartWindow*>().size(), 1);

        first->resize(1200, 900);
        first->close();
        QTRY_VERIFY(first == nullptr);
        ChartWindow* second = openChart();
        QVERIFY(second != nullptr);
        QVERIFY(second->size() != QSize(1200, 900));
    }

    // Slider moves, an import and the altitude reach the open chart at once; the grid is drawn
    // again only for a new altitude.
    void followsThePagesLive() {
        ChartWindow* window = openChart();
        ChartView* view = window->view();
        QTRY_VERIFY(view->paintCount() > 0);
        const int gridRenders = view->grid().renderCount();

        int paints = view->paintCount();
        userMoves("ScrollBarMApercent", 20);
        QTRY_VERIFY(view->paintCount() > paints);
        QCOMPARE(QString::fromStdString(scene().points[chart::kMixMA].dryBulbText),
                 screenText("LabelMAMAdb"));
        QCOMPARE(screenText("LabelMAMAdb"), QStringLiteral("27.4 \u00B0C"));
        QCOMPARE(view->grid().renderCount(), gridRenders);

        paints = view->paintCount();
        program->Plenova.pageControl()->setCurrentIndex(1);
        find<QPushButton>(QStringLiteral("Button1"))->click();
        QTRY_VERIFY(view->paintCount() > paints);
        QCOMPARE(QString::fromStdString(scene().points[chart::kCoolRA].dryBulbText),
                 QStringLiteral("27.4 \u00B0C"));
        QCOMPARE(view->picture().activePage(), ChartPage::Cooling);
        QCOMPARE(view->grid().renderCount(), gridRenders);

        paints = view->paintCount();
        userMoves("mAltScrollBar", 1000);
        QTRY_VERIFY(view->paintCount() > paints);
        QCOMPARE(QString::fromStdString(scene().pressureText), QStringLiteral("90.011 kPa"));
        QCOMPARE(view->grid().renderCount(), gridRenders + 1);
    }

    // The read-out at the point of the start return air, 25.5 °C and 0.0100604 kg/kg, shows
    // what its page shows: 49.4 %, wet bulb 18.3 °C, dew point 14.1 °C, 51.3 kJ/kg.
    void readOutUnderTheMouse() {
        ChartWindow* window = openChart();
        ChartView* view = window->view();
        const ChartPicture picture = view->picture();
        const QRectF plot = ChartPicture::plotArea(QRectF(view->rect()));
        const QPointF at = picture.toPlot({25.5, 0.0100604}, plot);
        QCOMPARE(view->readOutAt(at),
                 QStringLiteral("25.5 \u00B0C   0.0101 kg/kg   49.4 %   wb 18.3 \u00B0C   "
                                "dp 14.1 \u00B0C   51.3 kJ/kg"));

        auto* readOut = window->findChild<QLabel*>(QStringLiteral("ChartReadOut"));
        QMouseEvent move(QEvent::MouseMove, at, view->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(view, &move);
        QCOMPARE(readOut->text(), view->readOutAt(at));
        QMouseEvent outside(QEvent::MouseMove, QPointF(2, 2), view->mapToGlobal(QPointF(2, 2)),
                            Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view, &outside);
        QCOMPARE(readOut->text(), QString());
    }

    void printNeedsADefaultPrinter() {
        ChartWindow* window = openChart();
        auto* print = window->findChild<QPushButton*>(QStringLiteral("ChartPrint"));
        QVERIFY(!print->isEnabled());
        QCOMPARE(print->toolTip(), QStringLiteral("No default printer is installed"));
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("ChartPrinterNote"))->text(),
                 QStringLiteral("No default printer is installed"));
    }

    // Every family of lines in its colour, with its name, and every point with its tag.
    void svgHoldsTheLinesAndPoints() {
        QTemporaryDir dir;
        ChartWindow* window = openChart();
        const QString path = dir.filePath(QStringLiteral("chart.svg"));
        window->saveTo(path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray svg = file.readAll();

        QXmlStreamReader xml(svg);
        QStringList texts;
        QSet<QString> strokes;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement) {
                const QString stroke = xml.attributes().value(QStringLiteral("stroke")).toString();
                if (!stroke.isEmpty()) {
                    strokes.insert(stroke.toLower());
                }
                if (xml.name() == QStringLiteral("text")) {
                    texts << xml.readElementText().simplified();
                }
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        for (const char* name : {"Saturation",
                                 "Relative humidity, %",
                                 "Wet bulb, \u00B0C",
                                 "Enthalpy, kJ/kg",
                                 "Density, kg/m\u00B3",
                                 "RA",
                                 "OA",
                                 "MA",
                                 "C-RA",
                                 "C-SA",
                                 "H-RA",
                                 "H-SA",
                                 "ADP",
                                 "50 %",
                                 "15 \u00B0C",
                                 "50 kJ/kg",
                                 "1.20 kg/m\u00B3",
                                 "Pressure 101.325 kPa at altitude 0 m",
                                 "ADP 11.9 \u00B0C",
                                 "Bypass factor 0.06   Contact factor 0.94"}) {
            QVERIFY2(texts.contains(QString::fromUtf8(name).simplified()), name);
        }
        for (const char* colour : {"#1a3e7a", "#6c8ebf", "#5f9e5f", "#b07d48", "#a47cc0", "#e8590c",
                                   "#1971c2", "#c2255c"}) {
            QVERIFY2(strokes.contains(QString::fromLatin1(colour)), colour);
        }
    }

    // Each process point sits at the pixel its dry bulb and moisture content map to: the
    // picture is laid out on 1123 x 794 units and written at twice that.
    void pngShowsEachPointWhereTheGeometryPutsIt() {
        QTemporaryDir dir;
        ChartWindow* window = openChart();
        spreadThePoints();
        const QString path = dir.filePath(QStringLiteral("chart.png"));
        window->saveTo(path);
        const QImage image(path);
        QCOMPARE(image.size(), QSize(2246, 1588));

        const chart::ChartScene s = scene();
        const QRectF plot = ChartPicture::plotArea(QRectF(0, 0, 1123, 794));
        const QColor colours[] = {kMixing, kCooling, kHeating};
        for (const chart::ProcessPoint& p : s.points) {
            const double fx = (p.at.t - s.range.tMin) / (s.range.tMax - s.range.tMin);
            const double fy = (p.at.x - s.range.xMin) / (s.range.xMax - s.range.xMin);
            const QPoint pixel(qRound(2 * (plot.left() + fx * plot.width())),
                               qRound(2 * (plot.bottom() - fy * plot.height())));
            const QColor expected = colours[static_cast<int>(p.page)];
            QVERIFY2(image.pixelColor(pixel).rgb() == expected.rgb(), p.name.c_str());
        }
    }

    void pdfIsOneLandscapePage() {
        QTemporaryDir dir;
        ChartWindow* window = openChart();
        const QString path = dir.filePath(QStringLiteral("chart.pdf"));
        window->saveTo(path);
        QCOMPARE(report_test::pdfPageCount(path), 1);
        const QString info = report_test::run(QStringLiteral("pdfinfo"), {path});
        QVERIFY2(info.contains(QStringLiteral("842 x 595 pts (A4)")), qPrintable(info));
        const QString words = report_test::pdfText(path);
        QVERIFY(words.contains(QStringLiteral("Psychrometric chart")));
        QVERIFY(words.contains(QStringLiteral("Bypass factor 0.06")));
    }

    void unwritablePath_data() {
        QTest::addColumn<QString>("relativePath");
        QTest::newRow("missing folder") << QStringLiteral("missing/chart.png");
        QTest::newRow("folder is a file") << QStringLiteral("notes.txt/chart.svg");
        QTest::newRow("path is a folder") << QStringLiteral("charts.pdf");
    }

    // A path that cannot be written gets the error box and leaves no file behind.
    void unwritablePath() {
        QFETCH(QString, relativePath);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("charts.pdf")));
        QFile notes(dir.filePath(QStringLiteral("notes.txt")));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.close();
        const QStringList before = filesUnder(dir.path());

        ChartWindow* window = openChart();
        const QString path = dir.filePath(relativePath);
        SeenModal seen;
        watchdog->expectModal(record(seen));
        window->saveTo(path);
        QVERIFY(waitForExpectedModals(*watchdog));
        QVERIFY(seen.seen);
        QCOMPARE(seen.title, QStringLiteral("Kelvaro Plenova"));
        QVERIFY2(seen.text.startsWith(
                     QStringLiteral("The chart could not be saved as \"%1\": ").arg(path)),
                 qPrintable(seen.text));
        QCOMPARE(filesUnder(dir.path()), before);
    }
};

QTEST_MAIN(ChartWindowTest)
#include "chart_window_test.moc"
