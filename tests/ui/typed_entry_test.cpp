// Typed readings through the real widgets: the editor opens over a slider's value label by a
// double-click, Enter or F2; Enter applies, Escape cancels, Tab applies and moves on, losing
// the focus applies a changed text; a bad reading changes nothing and says the allowed range.
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <map>

#include "modules/reading_scales.h"
#include "ui/reading_editor.h"
#include "ui_test_support.h"

using namespace plenova;
using namespace plenova::test;

namespace {

enum class Opening { DoubleClick, Enter, F2 };

}  // namespace

class TypedEntryTest : public ProgramTest {
    Q_OBJECT

  private:
    std::map<QString, QString> screenState() {
        std::map<QString, QString> state;
        for (ValueLabel* label : program->Plenova.findChildren<ValueLabel*>()) {
            state[label->objectName()] = label->text();
        }
        for (SliderBar* bar : program->Plenova.findChildren<SliderBar*>()) {
            state[bar->objectName()] = QString::number(bar->model().position());
        }
        return state;
    }

    int pageOf(const QString& slider) {
        QTabWidget* pages = program->Plenova.pageControl();
        for (int i = 0; i < pages->count(); ++i) {
            if (pages->widget(i)->findChild<SliderBar*>(slider) != nullptr) {
                return i;
            }
        }
        return -1;
    }

    ReadingEditor* editorOf(const QString& slider) {
        return find<ReadingEditor>(slider + QStringLiteral("Editor"));
    }

    // Opens the slider's editor the given way, on the slider's page.
    ReadingEditor* open(const QString& slider, Opening how) {
        SliderBar* bar = focusedBar(qPrintable(slider), pageOf(slider));
        const char* labelName = sliderReading(slider.toStdString())->valueLabel;
        switch (how) {
            case Opening::DoubleClick:
                QTest::mouseDClick(find<ValueLabel>(QString::fromLatin1(labelName)),
                                   Qt::LeftButton);
                break;
            case Opening::Enter:
                QTest::keyClick(bar, Qt::Key_Return);
                break;
            case Opening::F2:
                QTest::keyClick(bar, Qt::Key_F2);
                break;
        }
        return editorOf(slider);
    }

    void type(ReadingEditor* editor, const QString& text) {
        editor->selectAll();
        QTest::keyClicks(editor, text);
    }

  private Q_SLOTS:
    // Every slider takes a reading: the editor shows the current value, selected, in place of
    // the label, and Enter sets the position the reading stands for.
    void everySliderTakesAReading_data() {
        QTest::addColumn<QString>("slider");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("how");
        const int dbl = int(Opening::DoubleClick);
        const int enter = int(Opening::Enter);
        const int f2 = int(Opening::F2);
        // position = value x 10^decimals + offset; m³/hr first divided by 3600.
        QTest::newRow("mixed volume") << "ScrollBarMAVol"
                                      << "4.85" << 48500 << dbl;
        QTest::newRow("mixing altitude") << "ScrollBarMAmAltitude"
                                         << "1500 m" << 1500 << enter;
        QTest::newRow("outdoor share") << "ScrollBarMApercent"
                                       << "25% OA" << 25 << f2;
        QTest::newRow("mixing RA db") << "ScrollBarMARAdb"
                                      << "23.7" << 337 << dbl;
        QTest::newRow("mixing RA wb") << "ScrollBarMARAwb"
                                      << "20 \u00B0C" << 300 << enter;
        QTest::newRow("mixing OA db") << "ScrollBarMAOAdb"
                                      << "40" << 500 << f2;
        QTest::newRow("mixing OA wb") << "ScrollBarMAOAwb"
                                      << "-2.5" << 75 << dbl;
        QTest::newRow("cooling volume") << "RAvolScrollBar"
                                        << "720 m\u00B3/hr" << 2000 << enter;
        QTest::newRow("cooling altitude") << "mAltScrollBar"
                                          << "800" << 800 << f2;
        QTest::newRow("cooling RA db") << "RAdbScrollBar"
                                       << "30" << 300 << dbl;
        QTest::newRow("cooling RA wb") << "RAwbScrollBar"
                                       << "17.25" << 172 << enter;
        QTest::newRow("cooling SA db") << "SAdbScrollBar"
                                       << "14" << 140 << f2;
        QTest::newRow("cooling SA wb") << "SAwbScrollBar"
                                       << "11.15" << 112 << dbl;
        QTest::newRow("heating volume") << "ScrollBarHeatRAvolume"
                                        << "5" << 50000 << enter;
        QTest::newRow("heating altitude") << "ScrollBarHeatMetersAltitude"
                                          << "250" << 250 << f2;
        QTest::newRow("heating RA db") << "ScrollBarHeatReturnAirDryBulb"
                                       << "21.5" << 315 << dbl;
        QTest::newRow("heating RA wb") << "ScrollBarHeatReturnAirWetBulb"
                                       << "-10" << 0 << enter;
        QTest::newRow("heating SA db") << "ScrollBarHeatSupplyAirDryBulb"
                                       << "35" << 450 << f2;
    }
    void everySliderTakesAReading() {
        QFETCH(QString, slider);
        QFETCH(QString, typed);
        QFETCH(int, position);
        QFETCH(int, how);
        SliderBar* bar = sliderBar(*program, qPrintable(slider));
        const char* labelName = sliderReading(slider.toStdString())->valueLabel;
        ValueLabel* label = find<ValueLabel>(QString::fromLatin1(labelName));
        const QString before = label->text();

        ReadingEditor* editor = open(slider, Opening(how));
        QVERIFY(editor != nullptr);
        QVERIFY(editor->isVisible());
        QVERIFY(!label->isVisible());
        QVERIFY(editor->hasFocus());
        QCOMPARE(editor->text(), before);
        QCOMPARE(editor->selectedText(), before);
        QVERIFY(editor->geometry().contains(label->geometry().topLeft()));

        type(editor, typed);
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(bar->model().position(), position);
        QCOMPARE(bar->value(), position);
        QVERIFY(!editor->isVisible());
        QVERIFY(label->isVisible());
        QVERIFY(bar->hasFocus());
        QVERIFY(label->text() != before);
    }

    void escapeCancels() {
        const auto before = screenState();
        ReadingEditor* editor = open(QStringLiteral("RAdbScrollBar"), Opening::F2);
        type(editor, QStringLiteral("40"));
        QTest::keyClick(editor, Qt::Key_Escape);
        QVERIFY(!editor->isVisible());
        QVERIFY(sliderBar(*program, "RAdbScrollBar")->hasFocus());
        QVERIFY(screenState() == before);
    }

    // Tab applies and moves to the next focus stop after the slider (the wet bulb); Shift+Tab
    // to the one before it (the altitude).
    void tabAppliesAndMovesOn_data() {
        QTest::addColumn<bool>("backwards");
        QTest::addColumn<QString>("next");
        QTest::newRow("Tab") << false << "RAwbScrollBar";
        QTest::newRow("Shift+Tab") << true << "mAltScrollBar";
    }
    void tabAppliesAndMovesOn() {
        QFETCH(bool, backwards);
        QFETCH(QString, next);
        ReadingEditor* editor = open(QStringLiteral("RAdbScrollBar"), Opening::Enter);
        type(editor, QStringLiteral("30.1"));
        QTest::keyClick(editor, backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                        backwards ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(program->calc.cooling.RAdbScrollBar.position(), 301);
        QVERIFY(!editor->isVisible());
        QCOMPARE(QApplication::focusWidget(), sliderBar(*program, qPrintable(next)));
    }

    // Not a number, out of range, empty: the editor stays open and names the allowed range;
    // no slider moves, no label changes, nothing is recalculated.
    void badReadingChangesNothing_data() {
        QTest::addColumn<QString>("slider");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("garbage") << "RAdbScrollBar"
                                 << "warm"
                                 << "Not a reading: 0.0 to 50.0 \u00B0C";
        QTest::newRow("above") << "RAdbScrollBar"
                               << "50.1"
                               << "Out of range: 0.0 to 50.0 \u00B0C";
        QTest::newRow("below") << "ScrollBarMARAdb"
                               << "-10.1"
                               << "Out of range: \u221210.0 to 50.0 \u00B0C";
        QTest::newRow("empty") << "ScrollBarMAVol"
                               << ""
                               << "Type a reading: 0.0001 to 20.0000 m\u00B3/s";
        QTest::newRow("wrong unit") << "mAltScrollBar"
                                    << "300 ft"
                                    << "Not a reading: 0 to 2000 m";
    }
    void badReadingChangesNothing() {
        QFETCH(QString, slider);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        const auto before = screenState();
        ReadingEditor* editor = open(slider, Opening::F2);
        int recalculations = 0;
        program->calc.setRecalculationObserver([&](const char*) { ++recalculations; });
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Delete);
        QTest::keyClicks(editor, typed);
        QTest::keyClick(editor, Qt::Key_Return);
        QVERIFY(editor->isVisible());
        QVERIFY(editor->hasFocus());
        QCOMPARE(editor->message(), message);
        QCOMPARE(recalculations, 0);
        QVERIFY(screenState() == before);

        // A good reading afterwards is taken, and the message goes.
        type(editor, QStringLiteral("1"));
        QTest::keyClick(editor, Qt::Key_Enter);
        QVERIFY(!editor->isVisible());
        QCOMPARE(editor->message(), QString());
        QVERIFY(recalculations > 0);
    }

    // Losing the focus applies a changed reading, closes on an unchanged one, and drops a bad
    // one without a word.
    void focusLoss_data() {
        QTest::addColumn<QString>("typed");  // empty: left as it opened
        QTest::addColumn<int>("position");
        QTest::newRow("changed") << "12.2" << 122;
        QTest::newRow("unchanged") << "" << 127;
        QTest::newRow("bad") << "cold" << 127;
    }
    void focusLoss() {
        QFETCH(QString, typed);
        QFETCH(int, position);
        ReadingEditor* editor = open(QStringLiteral("SAdbScrollBar"), Opening::DoubleClick);
        if (!typed.isEmpty()) {
            type(editor, typed);
        }
        sliderBar(*program, "RAvolScrollBar")->setFocus(Qt::MouseFocusReason);
        QVERIFY(!editor->isVisible());
        QVERIFY(find<ValueLabel>(QStringLiteral("SAdbLabel"))->isVisible());
        QCOMPARE(program->calc.cooling.SAdbScrollBar.position(), position);
        QVERIFY(sliderBar(*program, "RAvolScrollBar")->hasFocus());
    }

    // The reading goes through the model's setter: a wet bulb above its dry bulb carries the
    // dry bulb along, as dragging does, and the labels show both.
    void wetBulbAboveDryBulbCarriesTheDryBulb() {
        ReadingEditor* editor = open(QStringLiteral("RAwbScrollBar"), Opening::DoubleClick);
        type(editor, QStringLiteral("30"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(program->calc.cooling.RAwbScrollBar.position(), 300);
        QCOMPARE(program->calc.cooling.RAdbScrollBar.position(), 300);  // was 255
        QCOMPARE(screenText("RAdbLabel"), QStringLiteral("30 \u00B0C"));
        QCOMPARE(sliderBar(*program, "RAdbScrollBar")->value(), 300);
    }

    // Under a regional comma the editor starts with one and takes either separator.
    void regionalComma() {
        program->calc.setDecimalSeparator(',');
        ReadingEditor* editor = open(QStringLiteral("ScrollBarMARAdb"), Opening::F2);
        QCOMPARE(editor->text(), QStringLiteral("25,5 \u00B0C"));
        type(editor, QStringLiteral("23,7"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(program->calc.mixing.ScrollBarMARAdb.position(), 337);
    }
};

QTEST_MAIN(TypedEntryTest)
#include "typed_entry_test.moc"
