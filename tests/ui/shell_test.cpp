// The window's menu and shortcuts, the About box, closing, and what a page change does.
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <map>

#include "ui/fixed_text_memo.h"
#include "ui/value_label.h"
#include "ui_test_support.h"

using namespace plenova;
using namespace plenova::test;

namespace {

struct SeenAbout {
    int times = 0;
    QString className;
    QString title;
    QStringList lines;
    QRect frame;
    bool modal = false;
};

std::function<void(QWidget*)> recordAbout(SeenAbout& seen) {
    return [&seen](QWidget* window) {
        ++seen.times;
        seen.className = QString::fromLatin1(window->metaObject()->className());
        seen.title = window->windowTitle();
        seen.frame = window->frameGeometry();
        seen.modal = window->isModal() && QApplication::activeModalWidget() == window;
        if (auto* memo = window->findChild<FixedTextMemo*>()) {
            seen.lines = memo->lines();
        }
    };
}

}  // namespace

class ShellTest : public ProgramTest {
    Q_OBJECT

  private:
    // Makes a page active and puts the focus on it, where the page has a focus stop.
    void goToPage(int page) {
        program->Plenova.pageControl()->setCurrentIndex(page);
        const auto bars = program->Plenova.pageControl()->widget(page)->findChildren<SliderBar*>();
        QWidget* target = bars.isEmpty()
                              ? static_cast<QWidget*>(program->Plenova.pageControl()->tabBar())
                              : bars.first();
        target->setFocus(Qt::TabFocusReason);
    }
    QWidget* focused() {
        QWidget* widget = QApplication::focusWidget();
        return widget != nullptr ? widget : &program->Plenova;
    }
    std::map<QString, QString> screenTexts() {
        std::map<QString, QString> texts;
        for (ValueLabel* label : program->Plenova.findChildren<ValueLabel*>()) {
            texts[label->objectName()] = label->text();
        }
        for (SliderBar* bar : program->Plenova.findChildren<SliderBar*>()) {
            texts[bar->objectName()] = QString::number(bar->value());
        }
        return texts;
    }

  private Q_SLOTS:
    void menu() {
        QMenuBar* bar = program->Plenova.menuBar();
        const auto items = bar->actions();
        QCOMPARE(items.size(), 3);  // the chart's View menu comes after these two
        // The captions as shown; an ampersand marks the mnemonic (keyboard_test).
        const auto shown = [](const QAction* item) { return QString(item->text()).remove(u'&'); };
        QCOMPARE(shown(items[0]), QStringLiteral("File"));
        QVERIFY(items[0]->menu());
        QCOMPARE(shown(items[1]), QStringLiteral("Kelvaro"));
        QVERIFY(!items[1]->menu());  // acts at once
        QCOMPARE(items[1]->shortcut(), QKeySequence(QStringLiteral("Ctrl+F")));
        const auto file = items[0]->menu()->actions();
        QCOMPARE(file.size(), 2);
        QCOMPARE(shown(file[0]), QStringLiteral("Print"));
        QCOMPARE(file[0]->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
        QCOMPARE(shown(file[1]), QStringLiteral("Close"));
        QCOMPARE(file[1]->shortcut(), QKeySequence(QStringLiteral("Alt+F4")));
    }

    void aboutFromEveryPage_data() {
        QTest::addColumn<int>("page");
        const char* names[] = {"Mixing", "Cooling", "Heating", "Print", "Instructions"};
        for (int page = 0; page < 5; ++page) {
            QTest::newRow(names[page]) << page;
        }
    }
    void aboutFromEveryPage() {
        QFETCH(int, page);
        goToPage(page);
        const auto before = screenTexts();

        SeenAbout first;
        watchdog->expectModal(recordAbout(first));
        QTest::keyClick(focused(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(waitForExpectedModals(*watchdog));
        QCOMPARE(first.times, 1);
        QCOMPARE(first.className, QStringLiteral("plenova::TKelvaroForm"));
        QCOMPARE(first.title, QStringLiteral("Kelvaro"));
        QVERIFY(first.modal);
        QVERIFY(!first.lines.isEmpty());
        QVERIFY(qAbs(first.frame.center().x() - program->Plenova.frameGeometry().center().x()) <=
                1);
        QVERIFY(qAbs(first.frame.center().y() - program->Plenova.frameGeometry().center().y()) <=
                1);
        QVERIFY(!program->aboutBox().isVisible());

        // Again, after the main window has moved: the same box, the same text, centred anew.
        program->Plenova.move(program->Plenova.pos() + QPoint(37, -23));
        QTRY_VERIFY(program->Plenova.isActiveWindow());
        SeenAbout second;
        watchdog->expectModal(recordAbout(second));
        QTest::keyClick(focused(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(waitForExpectedModals(*watchdog));
        QCOMPARE(second.times, 1);
        QCOMPARE(second.lines, first.lines);
        QVERIFY(qAbs(second.frame.center().x() - program->Plenova.frameGeometry().center().x()) <=
                1);
        QVERIFY(qAbs(second.frame.center().y() - program->Plenova.frameGeometry().center().y()) <=
                1);

        QCOMPARE(program->Plenova.pageControl()->currentIndex(), page);
        QVERIFY(screenTexts() == before);
    }

    void aboutFromTheMenuBar() {
        QMenuBar* bar = program->Plenova.menuBar();
        QAction* about = bar->actions().at(1);
        SeenAbout seen;
        watchdog->expectModal(recordAbout(seen));
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(about).center());
        QVERIFY(waitForExpectedModals(*watchdog));
        QCOMPARE(seen.title, QStringLiteral("Kelvaro"));
    }

    // Ctrl+P from any page fills the report, then prints (here there is no printer: nothing
    // more happens and nothing is shown).
    void printFromEveryPage_data() { aboutFromEveryPage_data(); }
    void printFromEveryPage() {
        QFETCH(int, page);
        Calculator& calc = program->calc;
        calc.cooling.RAdbScrollBar.setPosition(300 + page);
        QVERIFY(calc.report.QRLabelRAdb.text() != calc.cooling.RAdbLabel.text());
        goToPage(page);
        calc.cooling.RAdbScrollBar.setPosition(350 + page);  // after the page change's fill
        QTest::keyClick(focused(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(calc.report.QRLabelRAdb.text(), calc.cooling.RAdbLabel.text());
    }

    // Any change of page by the user refills the report, and does nothing else.
    void pageChange_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        for (int from = 0; from < 5; ++from) {
            for (int to = 0; to < 5; ++to) {
                if (from != to) {
                    QTest::addRow("%d to %d", from + 1, to + 1) << from << to;
                }
            }
        }
    }
    void pageChange() {
        QFETCH(int, from);
        QFETCH(int, to);
        Calculator& calc = program->calc;
        QTabWidget* pages = program->Plenova.pageControl();
        pages->setCurrentIndex(from);
        calc.cooling.RAdbScrollBar.setPosition(300);
        calc.EditQRtitle.setText("Site visit");
        calc.report.QRLabelPageTitle.setText("stale");
        QVERIFY(calc.report.QRLabelRAdb.text() != calc.cooling.RAdbLabel.text());
        std::vector<std::string> recalculations;
        calc.setRecalculationObserver([&](const char* name) { recalculations.emplace_back(name); });
        const auto before = screenTexts();

        QTabBar* tabs = pages->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(to).center());
        QCOMPARE(pages->currentIndex(), to);
        QCOMPARE(calc.report.QRLabelRAdb.text(), calc.cooling.RAdbLabel.text());
        QCOMPARE(calc.report.QRLabelPageTitle.text(), std::string("Site visit"));
        QVERIFY(recalculations.empty());
        QVERIFY(screenTexts() == before);
    }

    void close_data() {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("File > Close") << false;
        QTest::newRow("Alt+F4") << true;
    }
    void close() {
        QFETCH(bool, byKey);
        goToPage(2);
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, [] { QApplication::exit(99); });
        guard.start(5000);
        QTimer::singleShot(0, this, [&] {
            if (byKey) {
                QTest::keyClick(focused(), Qt::Key_F4, Qt::AltModifier);
            } else {
                program->Plenova.menuBar()->actions().at(0)->menu()->actions().at(1)->trigger();
            }
        });
        // The main window's closing ends the event loop: the program ends, asking nothing.
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!program->Plenova.isVisible());
    }
};

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
