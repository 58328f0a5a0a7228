// An error that escapes an event handler abandons that handler, and every handler it was
// nested in, and shows the error box: the description and a full stop, the application title
// as caption, an error icon and OK. The program carries on, and labels written before the
// error keep their new texts.
#include <QPushButton>
#include <QTest>
#include <stdexcept>

#include "ui/plenova_window.h"
#include "ui/value_label.h"
#include "ui_test_support.h"

using namespace plenova;
using namespace plenova::test;

class ErrorBoxTest : public ProgramTest {
    Q_OBJECT

  private:
    void pressOn(const char* slider, int page, Qt::Key key) {
        QTest::keyClick(focusedBar(slider, page), key);
    }
    void expectErrorBox(const SeenModal& seen, const QString& text) {
        QVERIFY(seen.seen);
        QCOMPARE(seen.className, QStringLiteral("QMessageBox"));
        QCOMPARE(seen.text, text);
        QCOMPARE(seen.title, QStringLiteral("Kelvaro Plenova"));
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(seen.modal);
    }
    // After the box: the program takes input as before.
    void expectProgramGoesOn() {
        const QString before = screenText("RAvolLabel");
        const int from = program->calc.cooling.RAvolScrollBar.position();
        pressOn("RAvolScrollBar", 1, Qt::Key_Right);
        QCOMPARE(program->calc.cooling.RAvolScrollBar.position(), from + 1);
        QVERIFY(screenText("RAvolLabel") != before);
        QCOMPARE(screenText("RAvolLabel"),
                 QString::fromStdString(program->calc.cooling.RAvolLabel.text()));
    }

  private Q_SLOTS:
    void sliderHandler_data() {
        QTest::addColumn<int>("kind");  // a FloatErrorKind, or -1 for another exception
        QTest::addColumn<QString>("text");
        QTest::newRow("invalid operation")
            << int(FloatErrorKind::InvalidOperation) << "Invalid floating point operation.";
        QTest::newRow("division by zero")
            << int(FloatErrorKind::DivisionByZero) << "Floating point division by zero.";
        QTest::newRow("overflow") << int(FloatErrorKind::Overflow) << "Floating point overflow.";
        QTest::newRow("another error") << -1 << "Disk full.";
    }
    void sliderHandler() {
        QFETCH(int, kind);
        QFETCH(QString, text);
        Cooling& cooling = program->calc.cooling;
        // A handler that writes one label, sets another slider whose handler fails, and would
        // then write a second label: the failure ends the outer handler too.
        cooling.RAwbScrollBar.setOnChange([kind] {
            if (kind < 0) {
                throw std::runtime_error("Disk full");
            }
            throw FloatError(FloatErrorKind(kind));
        });
        cooling.RAdbScrollBar.setOnChange([&cooling] {
            cooling.RAdbLabel.setText("written before");
            cooling.RAwbScrollBar.setPosition(cooling.RAwbScrollBar.position() + 1);
            cooling.RAwbLabel.setText("written after");
        });
        const QString wetBulb = screenText("RAwbLabel");

        SeenModal seen;
        watchdog->expectModal(record(seen));
        pressOn("RAdbScrollBar", 1, Qt::Key_Right);
        QVERIFY(waitForExpectedModals(*watchdog));
        expectErrorBox(seen, text);

        QCOMPARE(screenText("RAdbLabel"), QStringLiteral("written before"));
        QCOMPARE(screenText("RAwbLabel"), wetBulb);
        // The move itself stands: the model stored it before its handler ran.
        QCOMPARE(cooling.RAdbScrollBar.position(), 256);
        QCOMPARE(sliderBar(*program, "RAdbScrollBar")->value(), 256);
        QCOMPARE(cooling.RAwbScrollBar.position(), 184);
        QCOMPARE(sliderBar(*program, "RAwbScrollBar")->value(), 184);
        expectProgramGoesOn();
    }

    // A failure while the mouse holds the trough or the thumb ends that press: the bar neither
    // repeats its step behind the box nor stays down after it.
    void mouseHeldDown_data() {
        QTest::addColumn<bool>("drag");
        QTest::newRow("trough held") << false;
        QTest::newRow("thumb dragged") << true;
    }
    void mouseHeldDown() {
        QFETCH(bool, drag);
        Slider& model = program->calc.cooling.RAvolScrollBar;
        int runs = 0;
        model.setOnChange([&runs] {
            ++runs;
            throw FloatError(FloatErrorKind::Overflow);
        });
        program->Plenova.pageControl()->setCurrentIndex(1);
        SliderBar* bar = sliderBar(*program, "RAvolScrollBar");

        SeenModal seen;
        watchdog->expectModal(record(seen));
        const QPoint trough(bar->width() - 40, bar->height() / 2);
        if (drag) {
            bar->setSliderDown(true);
            bar->setSliderPosition(5000);
        } else {
            QTest::mousePress(bar, Qt::LeftButton, {}, trough);
        }
        QVERIFY(waitForExpectedModals(*watchdog));
        expectErrorBox(seen, QStringLiteral("Floating point overflow."));
        QVERIFY(!bar->isSliderDown());
        QTest::qWait(800);  // longer than the auto-repeat's first delay
        if (!drag) {
            QTest::mouseRelease(bar, Qt::LeftButton, {}, trough);
        }
        QCOMPARE(runs, 1);
        QCOMPARE(bar->value(), model.position());
    }

    // A failure deep inside nested handlers, started by an import button.
    void importButton() {
        Calculator& calc = program->calc;
        calc.cooling.RAdbScrollBar.setPosition(300);  // away from the mixed air, so it moves
        calc.setRecalculationObserver([](const char* name) {
            if (std::string(name) == "RAcalcs") {
                throw FloatError(FloatErrorKind::Overflow);
            }
        });
        const QString dryBulb = screenText("RAdbLabel");
        program->Plenova.pageControl()->setCurrentIndex(1);
        auto* button = find<QPushButton>(QStringLiteral("Button1"));

        SeenModal seen;
        watchdog->expectModal(record(seen));
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(waitForExpectedModals(*watchdog));
        expectErrorBox(seen, QStringLiteral("Floating point overflow."));
        QCOMPARE(screenText("RAdbLabel"), dryBulb);

        calc.setRecalculationObserver({});
        expectProgramGoesOn();
    }

    // The start-up computation is a handler too: it stops at the error, and what it wrote stays.
    void startUp() {
        setArithmeticEnvironment();
        Calculator calc;
        calc.setRecalculationObserver([](const char* name) {
            if (std::string(name) == "VolumeCalc") {
                throw FloatError(FloatErrorKind::InvalidOperation);
            }
        });
        TPlenova window(calc);
        SeenModal seen;
        watchdog->expectModal(record(seen));
        window.FormCreate();
        QCOMPARE(watchdog->pendingExpectations(), 0);
        expectErrorBox(seen, QStringLiteral("Invalid floating point operation."));
        auto text = [&](const char* label) {
            return window.findChild<ValueLabel*>(QString::fromLatin1(label))->text();
        };
        QCOMPARE(text("RAdbLabel"), QString::fromUtf8("25.5 °C"));   // RAcalcs ran
        QCOMPARE(text("SAdbLabel"), QString::fromUtf8("12.7 °C"));   // SAcalcs ran
        QCOMPARE(text("kWLabel"), QStringLiteral("0"));              // VolumeCalc failed
        QCOMPARE(calc.report.QRLabelRAdb.text(), std::string("0"));  // the fill never came
    }
};

QTEST_MAIN(ErrorBoxTest)
#include "error_box_test.moc"
