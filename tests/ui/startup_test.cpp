// Start-up: the state the window opens in, the echo separator taken from the regional
// settings, and the real program run from start to end (its screenshot aid saves every page
// and the About box, then quits; its start-up probe reports, then quits).
#include <QDateTime>
#include <QDir>
#include <QImage>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "ui_test_support.h"

using namespace plenova;
using namespace plenova::test;

class StartupTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void echoSeparator_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<char>("separator");
        QTest::newRow("C") << QLocale::c() << '.';
        QTest::newRow("English (United Kingdom)")
            << QLocale(QLocale::English, QLocale::UnitedKingdom) << '.';
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << ',';
        QTest::newRow("French") << QLocale(QLocale::French, QLocale::France) << ',';
        // A separator outside ASCII cannot be written by the echo format: a full stop instead.
        QTest::newRow("Arabic (Egypt)") << QLocale(QLocale::Arabic, QLocale::Egypt) << '.';
    }
    void echoSeparator() {
        QFETCH(QLocale, locale);
        QFETCH(char, separator);
        QCOMPARE(echoDecimalSeparator(locale), separator);
    }

    // Building the window puts every start position in place without running a handler; the
    // start-up computation then runs each recalculation once, in order.
    void buildingRunsNoHandler() {
        setArithmeticEnvironment();
        Calculator calc;
        std::vector<std::string> recalculations;
        calc.setRecalculationObserver([&](const char* name) { recalculations.emplace_back(name); });
        TPlenova window(calc);
        QVERIFY(recalculations.empty());
        QCOMPARE(calc.report.QRLabelRAdb.text(), std::string("0"));
        window.FormCreate();
        QCOMPARE(recalculations, (std::vector<std::string>{"MixedAirCalc", "RAcalcs", "SAcalcs",
                                                           "VolumeCalc", "HeatRAcalcs"}));
        QCOMPARE(calc.report.QRLabelRAdb.text(), std::string("25.5 °C"));
    }

    void opensReady() {
        ModalWatchdog watchdog;
        auto program = startProgram();
        QVERIFY(showActive(*program));
        QCOMPARE(program->Plenova.pageControl()->currentIndex(), 0);
        QVERIFY(!program->aboutBox().isVisible());
        for (const char* name :
             {"ScrollBarMAmAltitude", "mAltScrollBar", "ScrollBarHeatMetersAltitude"}) {
            QCOMPARE(sliderBar(*program, name)->value(), 0);
        }
        // The start-up computation has run, and the report has been filled.
        QCOMPARE(program->calc.cooling.RAdbLabel.text(), std::string("25.5 °C"));
        QCOMPARE(program->calc.report.QRLabelRAdb.text(), std::string("25.5 °C"));
        QCOMPARE(program->calc.report.QRLabelPageTitle.text(), std::string("Plenova Results"));
        QVERIFY(watchdog.unexpected().isEmpty());
    }

    void realProgramRunsAndEnds() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QProcess plenova;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("PLENOVA_SCREENSHOT_DIR"), folder.path());
        plenova.setProcessEnvironment(environment);
        plenova.start(QStringLiteral(PLENOVA_EXECUTABLE), {});
        QVERIFY(plenova.waitForFinished(60000));
        QCOMPARE(plenova.exitStatus(), QProcess::NormalExit);
        QCOMPARE(plenova.exitCode(), 0);
        QCOMPARE(plenova.readAllStandardOutput(), QByteArray());

        const QStringList pages{"page-1-mixing.png", "page-2-cooling.png", "page-3-heating.png",
                                "page-4-print.png", "page-5-instructions.png"};
        for (const QString& name : pages) {
            const QImage page(QDir(folder.path()).filePath(name));
            QVERIFY2(!page.isNull(), qPrintable(name));
            QCOMPARE(page.width(), 559);
            QVERIFY(page.height() > 406);  // the client area and the menu bar above it
        }
        const QImage about(QDir(folder.path()).filePath(QStringLiteral("about.png")));
        QCOMPARE(about.size(), QSize(361, 256));
    }

    // The start-up probe that bench/measure-window reads: one line, the whole microseconds
    // since the launch time it was given, then the program ends of itself.
    void startupProbeReportsAndEnds() {
        QProcess plenova;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        const qint64 launch = QDateTime::currentMSecsSinceEpoch() * 1000;
        environment.insert(QStringLiteral("PLENOVA_STARTUP_PROBE"), QString::number(launch));
        plenova.setProcessEnvironment(environment);
        plenova.start(QStringLiteral(PLENOVA_EXECUTABLE), {});
        QVERIFY(plenova.waitForFinished(60000));
        QCOMPARE(plenova.exitStatus(), QProcess::NormalExit);
        QCOMPARE(plenova.exitCode(), 0);
        const QByteArray output = plenova.readAllStandardOutput();
        QVERIFY2(QRegularExpression(QStringLiteral("^[0-9]+\\n$"))
                     .match(QString::fromLatin1(output))
                     .hasMatch(),
                 output.constData());
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
