// The slider contract through the widgets: whatever the user does to a scroll bar goes through
// the model's setter (clamped, no change no handler, the handler once and at once), code that
// sets a model slider moves its scroll bar without running anything twice, and the altitude
// rule holds when the user moves any of the three altitude sliders.
#include <QStyle>
#include <QTabWidget>
#include <QTest>
#include <vector>

#include "ui/value_label.h"
#include "ui_test_support.h"

using namespace plenova;
using namespace plenova::test;

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

// The positions at which a slider's handler ran, in order.
struct HandlerLog {
    std::vector<int> positions;
    void attach(Slider& slider) {
        slider.setOnChange([this, &slider] { positions.push_back(slider.position()); });
    }
};

enum class Input { Key, Click };

}  // namespace

class SliderInputTest : public ProgramTest {
    Q_OBJECT

  private Q_SLOTS:
    // Arrow keys and buttons: the small step; Page Up/Down and the trough: the large step;
    // Home/End: the ends. A step against an end runs no handler.
    void userInput_data() {
        QTest::addColumn<QString>("slider");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("input");
        QTest::addColumn<int>("what");  // a key, or a part of the scroll bar to click
        QTest::addColumn<std::vector<int>>("handled");
        const int key = int(Input::Key);
        const int click = int(Input::Click);
        auto row = [](const char* name, const char* slider, int from, int input, int what,
                      std::vector<int> handled) {
            QTest::newRow(name) << slider << from << input << what << handled;
        };
        // RAvolScrollBar: 0 to 200000, large step 100.
        row("right arrow key", "RAvolScrollBar", 1837, key, Qt::Key_Right, {1838});
        row("left arrow key", "RAvolScrollBar", 1837, key, Qt::Key_Left, {1836});
        row("page down key", "RAvolScrollBar", 1837, key, Qt::Key_PageDown, {1937});
        row("page up key", "RAvolScrollBar", 1837, key, Qt::Key_PageUp, {1737});
        row("home key", "RAvolScrollBar", 1837, key, Qt::Key_Home, {0});
        row("end key", "RAvolScrollBar", 1837, key, Qt::Key_End, {200000});
        row("page up clamps at the minimum", "RAvolScrollBar", 40, key, Qt::Key_PageUp, {0});
        row("page down clamps at the maximum", "RAvolScrollBar", 199950, key, Qt::Key_PageDown,
            {200000});
        row("left at the minimum", "RAvolScrollBar", 0, key, Qt::Key_Left, {});
        row("page up at the minimum", "RAvolScrollBar", 0, key, Qt::Key_PageUp, {});
        row("home at the minimum", "RAvolScrollBar", 0, key, Qt::Key_Home, {});
        row("right at the maximum", "RAvolScrollBar", 200000, key, Qt::Key_Right, {});
        row("page down at the maximum", "RAvolScrollBar", 200000, key, Qt::Key_PageDown, {});
        row("end at the maximum", "RAvolScrollBar", 200000, key, Qt::Key_End, {});
        // ScrollBarMAVol's minimum is 1.
        row("left at a minimum of 1", "ScrollBarMAVol", 1, key, Qt::Key_Left, {});
        row("home to a minimum of 1", "ScrollBarMAVol", 1837, key, Qt::Key_Home, {1});
        // Mouse: the arrow buttons and the trough on either side of the thumb.
        row("add-line button", "RAvolScrollBar", 100000, click, QStyle::SC_ScrollBarAddLine,
            {100001});
        row("sub-line button", "RAvolScrollBar", 100000, click, QStyle::SC_ScrollBarSubLine,
            {99999});
        row("trough right of the thumb", "RAvolScrollBar", 100000, click,
            QStyle::SC_ScrollBarAddPage, {100100});
        row("trough left of the thumb", "RAvolScrollBar", 100000, click,
            QStyle::SC_ScrollBarSubPage, {99900});
        row("sub-line button at the minimum", "RAvolScrollBar", 0, click,
            QStyle::SC_ScrollBarSubLine, {});
        row("add-line button at the maximum", "RAvolScrollBar", 200000, click,
            QStyle::SC_ScrollBarAddLine, {});
    }
    void userInput() {
        QFETCH(QString, slider);
        QFETCH(int, from);
        QFETCH(int, input);
        QFETCH(int, what);
        QFETCH(std::vector<int>, handled);
        SliderBar* bar = focusedBar(qPrintable(slider), slider.startsWith("ScrollBarMA") ? 0 : 1);
        Slider& model = bar->model();
        model.setPosition(from);  // handlers still connected: the start as code would set it
        QCOMPARE(bar->value(), from);
        HandlerLog log;
        log.attach(model);

        if (Input(input) == Input::Key) {
            QTRY_VERIFY(bar->hasFocus());
            QTest::keyClick(bar, Qt::Key(what));
        } else {
            QTest::mouseClick(bar, Qt::LeftButton, {}, pointOn(bar, QStyle::SubControl(what)));
        }
        QCOMPARE(log.positions, handled);
        const int expected = handled.empty() ? from : handled.back();
        QCOMPARE(model.position(), expected);
        QCOMPARE(bar->value(), expected);
    }

    // A drag (tracking on) runs the handler once for every distinct position the thumb reaches.
    void drag() {
        SliderBar* bar = focusedBar("RAvolScrollBar", 1);
        HandlerLog log;
        log.attach(bar->model());
        bar->setSliderDown(true);
        for (int position : {2000, 2500, 2500, 2501, 300000, 200000, 1837}) {
            bar->setSliderPosition(position);
        }
        bar->setSliderDown(false);
        QCOMPARE(log.positions, (std::vector<int>{2000, 2500, 2501, 200000, 1837}));
        QCOMPARE(bar->model().position(), 1837);
    }

    // A user move runs the real handler, whose nested sets move the other bars; each module
    // recalculation runs for the outer handler last, and nothing echoes back from the mirrors.
    void nestedHandlersMoveTheOtherBars() {
        std::vector<std::string> recalculations;
        program->calc.setRecalculationObserver(
            [&](const char* name) { recalculations.emplace_back(name); });
        SliderBar* dryBulb = focusedBar("RAdbScrollBar", 1);
        QTRY_VERIFY(dryBulb->hasFocus());
        QTest::keyClick(dryBulb, Qt::Key_Home);
        for (const char* name :
             {"RAdbScrollBar", "RAwbScrollBar", "SAdbScrollBar", "SAwbScrollBar"}) {
            QCOMPARE(sliderBar(*program, name)->value(), 0);
            QCOMPARE(sliderBar(*program, name)->model().position(), 0);
        }
        // Three nested handlers and the outer one, each ending with the cooling recalculation.
        QCOMPARE(recalculations.size(), std::size_t(4 * 3));
        QCOMPARE(screenText("RAdbLabel"), QString::fromUtf8("0 °C"));
    }

    void codeMovesTheBarWithoutEcho() {
        int runs = 0;
        Slider& model = program->calc.cooling.SAwbScrollBar;
        model.setOnChange([&] { ++runs; });
        SliderBar* bar = sliderBar(*program, "SAwbScrollBar");
        model.setPosition(77);
        QCOMPARE(bar->value(), 77);
        QCOMPARE(runs, 1);
        model.setPosition(77);
        model.setPosition(-5);  // clamped to 0
        QCOMPARE(bar->value(), 0);
        QCOMPARE(runs, 2);
    }

    // Value labels grow and shrink with their text; the left edge stays.
    void labelsFollowTheirText() {
        auto* label = find<ValueLabel>(QStringLiteral("RAvolLabel"));
        const QPoint topLeft = label->pos();
        const int startWidth = label->width();
        SliderBar* bar = focusedBar("RAvolScrollBar", 1);
        QTRY_VERIFY(bar->hasFocus());
        QTest::keyClick(bar, Qt::Key_End);
        QCOMPARE(label->text(), QString::fromStdString(program->calc.cooling.RAvolLabel.text()));
        QVERIFY(label->width() != startWidth);
        QCOMPARE(label->pos(), topLeft);
        QCOMPARE(label->width(), label->sizeHint().width());
    }

    void altitude_data() {
        QTest::addColumn<QString>("slider");
        QTest::addColumn<int>("page");
        QTest::addColumn<std::vector<std::string>>("order");
        const std::string mixing = "MixedAirCalc";
        const std::vector<std::string> cooling{"RAcalcs", "SAcalcs", "VolumeCalc"};
        const std::string heating = "HeatRAcalcs";
        auto join = [](std::initializer_list<std::vector<std::string>> parts) {
            std::vector<std::string> all;
            for (const auto& part : parts) {
                all.insert(all.end(), part.begin(), part.end());
            }
            return all;
        };
        QTest::newRow("Mixing page")
            << "ScrollBarMAmAltitude" << 0 << join({{heating}, cooling, {mixing}});
        QTest::newRow("Cooling page")
            << "mAltScrollBar" << 1 << join({{heating}, {mixing}, cooling});
        QTest::newRow("Heating page")
            << "ScrollBarHeatMetersAltitude" << 2 << join({{mixing}, cooling, {heating}});
    }
    void altitude() {
        QFETCH(QString, slider);
        QFETCH(int, page);
        QFETCH(std::vector<std::string>, order);
        std::vector<std::string> recalculations;
        program->calc.setRecalculationObserver(
            [&](const char* name) { recalculations.emplace_back(name); });
        const char* all[] = {"ScrollBarMAmAltitude", "mAltScrollBar",
                             "ScrollBarHeatMetersAltitude"};

        SliderBar* bar = focusedBar(qPrintable(slider), page);
        QTRY_VERIFY(bar->hasFocus());
        QTest::keyClick(bar, Qt::Key_Right);
        QCOMPARE(recalculations, order);
        for (const char* name : all) {
            QCOMPARE(sliderBar(*program, name)->value(), 1);
            QCOMPARE(sliderBar(*program, name)->model().position(), 1);
        }
        QCOMPARE(program->calc.cooling.mAltLabel.text(), std::string("1 m"));

        // A drag: every module once per distinct position, all three bars together.
        recalculations.clear();
        bar->setSliderDown(true);
        bar->setSliderPosition(1500);
        bar->setSliderPosition(2000);
        bar->setSliderDown(false);
        QCOMPARE(recalculations.size(), 2 * order.size());
        for (const char* name : all) {
            QCOMPARE(sliderBar(*program, name)->value(), 2000);
        }

        // Against the end: nothing runs.
        recalculations.clear();
        QTest::keyClick(bar, Qt::Key_End);
        QVERIFY(recalculations.empty());
    }
};

QTEST_MAIN(SliderInputTest)
#include "slider_input_test.moc"
