// The keyboard conventions of a desktop program, each a fault once found by hand: a focused
// slider shows its focus, Enter presses a focused button and the arrow keys leave a button be,
// Escape closes the About box, the menus have mnemonics, and Alt with a letter never types
// into the page title box.
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <map>

#include "ui/calculation_page.h"
#include "ui/report/print_page.h"
#include "ui_test_support.h"

using namespace plenova;
using namespace plenova::test;

namespace {

// How many pixels of the bar's outline have the highlight colour.
int highlightedOutline(SliderBar* bar) {
    const QImage image = bar->grab().toImage();
    const QRgb highlight = bar->palette().color(QPalette::Highlight).rgb();
    int count = 0;
    for (int x = 0; x < image.width(); ++x) {
        count += image.pixel(x, 0) == highlight ? 1 : 0;
        count += image.pixel(x, image.height() - 1) == highlight ? 1 : 0;
    }
    return count;
}

}  // namespace

class KeyboardTest : public ProgramTest {
    Q_OBJECT

  private:
    std::map<QString, int> positions() {
        std::map<QString, int> all;
        for (SliderBar* bar : program->Plenova.findChildren<SliderBar*>()) {
            all[bar->objectName()] = bar->model().position();
        }
        return all;
    }

    QPushButton* button(const char* name) { return find<QPushButton>(QString::fromLatin1(name)); }

  private Q_SLOTS:
    // A focused slider is outlined in the highlight colour; the same slider without the focus
    // is not.
    void focusedSliderShowsIt() {
        SliderBar* bar = focusedBar("SAdbScrollBar", 1);
        QVERIFY(bar->hasFocus());
        QVERIFY(highlightedOutline(bar) >= bar->width());
        sliderBar(*program, "SAwbScrollBar")->setFocus(Qt::TabFocusReason);
        QCOMPARE(highlightedOutline(bar), 0);
    }

    // After a page change by the user the arrow keys act on the focused slider, and that
    // slider shows the focus: nothing moves unseen.
    void afterAPageChangeTheMovedSliderShowsFocus() {
        QTabBar* tabs = program->Plenova.pageControl()->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        const auto before = positions();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        const auto after = positions();
        for (const auto& [name, position] : after) {
            if (position != before.at(name)) {
                auto* moved = sliderBar(*program, qPrintable(name));
                QVERIFY2(moved->hasFocus(), qPrintable(name));
                QVERIFY2(highlightedOutline(moved) > 0, qPrintable(name));
            }
        }
    }

    // Enter and Return on a focused import button press it.
    void enterPressesAnImportButton_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
    }
    void enterPressesAnImportButton() {
        QFETCH(int, key);
        Calculator& calc = program->calc;
        // Mixed air at 30.0 °C (all return air, position 400 - 100) into the cooling return
        // air (25.5 °C).
        calc.mixing.ScrollBarMARAdb.setPosition(400);
        program->Plenova.pageControl()->setCurrentIndex(1);
        button("Button1")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button("Button1"), Qt::Key(key));
        QCOMPARE(calc.cooling.RAdbScrollBar.position(), 300);

        // The cooling supply air (now 14.0 °C) into the heating return air (22.7 °C).
        calc.cooling.SAdbScrollBar.setPosition(140);
        program->Plenova.pageControl()->setCurrentIndex(2);
        button("Button2")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button("Button2"), Qt::Key(key));
        QCOMPARE(calc.heating.ScrollBarHeatReturnAirDryBulb.position(), 240);
    }

    // Right then Left on "Import Cooling Results" used to move the supply dry bulb: the arrow
    // keys now leave the focus on the button, and no slider moves.
    void arrowsOnAButtonMoveNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("page");
        QTest::newRow("Import Mixing Results") << "Button1" << 1;
        QTest::newRow("Import Cooling Results") << "Button2" << 2;
        QTest::newRow("Preview") << "ButtonPreview" << 3;
        QTest::newRow("Print") << "ButtonPrint" << 3;
    }
    void arrowsOnAButtonMoveNothing() {
        QFETCH(QString, name);
        QFETCH(int, page);
        program->Plenova.pageControl()->setCurrentIndex(page);
        QPushButton* target = button(qPrintable(name));
        target->setFocus(Qt::TabFocusReason);
        const auto before = positions();
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_Down, Qt::Key_Up, Qt::Key_Left}) {
            QTest::keyClick(QApplication::focusWidget(), key);
            QCOMPARE(QApplication::focusWidget(), target);
        }
        QVERIFY(positions() == before);
    }

    void escapeClosesTheAboutBox() {
        bool closedByEscape = false;
        watchdog->expectModal([&](QWidget* box) {
            QTest::keyClick(box, Qt::Key_Escape);
            closedByEscape = !box->isVisible();
        });
        QTest::keyClick(&program->Plenova, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(waitForExpectedModals(*watchdog));
        QVERIFY(closedByEscape);
    }

    // Alt+F opens "File"; the captions shown stay as they were.
    void menuMnemonics() {
        const auto items = program->Plenova.menuBar()->actions();
        QCOMPARE(items[0]->text(), QStringLiteral("&File"));
        QCOMPARE(items[1]->text(), QStringLiteral("&Kelvaro"));
        QMenu* file = items[0]->menu();
        focusedBar("ScrollBarMAVol", 0);
        const auto before = positions();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(file->isVisible());
        file->hide();
        QVERIFY(positions() == before);
    }

    // Alt with a letter on the Print page never types into the title box: Alt+F opens the
    // menu (the title used to become "f"), a letter of no menu does nothing.
    void altLetterNeverTypesATitle_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("opensFile");
        QTest::newRow("Alt+F") << int(Qt::Key_F) << true;
        QTest::newRow("Alt+Q") << int(Qt::Key_Q) << false;
    }
    void altLetterNeverTypesATitle() {
        QFETCH(int, key);
        QFETCH(bool, opensFile);
        program->Plenova.pageControl()->setCurrentIndex(3);
        auto* title = find<QLineEdit>(QStringLiteral("EditQRtitle"));
        title->setFocus(Qt::TabFocusReason);
        title->selectAll();
        QTest::keyClick(title, Qt::Key(key), Qt::AltModifier);
        QMenu* file = program->Plenova.menuBar()->actions().at(0)->menu();
        if (opensFile) {
            QTRY_VERIFY(file->isVisible());
            file->hide();
        } else {
            QVERIFY(!file->isVisible());
        }
        QCOMPARE(title->text(), QStringLiteral("Plenova Results"));
        QCOMPARE(program->calc.report.QRLabelPageTitle.text(), std::string("Plenova Results"));
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
