// What start-up leaves until it is needed, and that nobody can tell: the Print page's controls
// are made when the page first shows, the About box when it is first asked for, the value
// labels are sized once the window is polished, and the application font the window is built
// under is the desktop's again afterwards.
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "ui/design_fonts.h"
#include "ui/kelvaro_form.h"
#include "ui/report/print_page.h"
#include "ui_test_support.h"

using namespace plenova;
using namespace plenova::test;

class DeferredConstructionTest : public ProgramTest {
    Q_OBJECT

  public:
    DeferredConstructionTest() : ProgramTest(Start::Hidden) {}

  private:
    QList<TKelvaroForm*> aboutBoxes() { return program->Plenova.findChildren<TKelvaroForm*>(); }

  private Q_SLOTS:
    // Ctrl+P from the first page fills the report and prints without the Print page's
    // controls; the first visit to the page then shows them holding the current texts.
    void printPageMadeOnFirstShow() {
        QVERIFY(showActive(*program));
        PrintPage* page = program->Plenova.printPage();
        QVERIFY(page->findChildren<QWidget*>().isEmpty());

        Calculator& calc = program->calc;
        calc.cooling.RAdbScrollBar.setPosition(300);
        QVERIFY(calc.report.QRLabelRAdb.text() != calc.cooling.RAdbLabel.text());
        QTest::keyClick(&program->Plenova, Qt::Key_P, Qt::ControlModifier);  // no printer here
        QCOMPARE(calc.report.QRLabelRAdb.text(), calc.cooling.RAdbLabel.text());
        QVERIFY(page->findChildren<QWidget*>().isEmpty());

        program->Plenova.pageControl()->setCurrentIndex(3);
        auto* title = page->findChild<QLineEdit*>(QStringLiteral("EditQRtitle"));
        QVERIFY(title);
        QTRY_VERIFY(title->isVisible());
        QCOMPARE(title->text(), QStringLiteral("Plenova Results"));
        QCOMPARE(title->geometry(), QRect(304, 32, 233, 22));
        QWidget* miniature = page->findChild<QWidget*>(QStringLiteral("QuickRep"));
        QVERIFY(miniature && miniature->isVisible());
        for (const char* name : {"ButtonPreview", "ButtonPrint"}) {
            auto* button = page->findChild<QPushButton*>(QString::fromLatin1(name));
            QVERIFY2(button && button->isVisible(), name);
        }

        // Typing into the title box made late retitles the report, as the one made early did.
        title->setFocus();
        QTest::keyClick(title, Qt::Key_End);
        QTest::keyClicks(title, QStringLiteral(" 2"));
        QCOMPARE(calc.EditQRtitle.text(), std::string("Plenova Results 2"));
    }

    // One About box, made at the first Ctrl+F and shown again at the next.
    void aboutBoxMadeOnFirstNeed() {
        QVERIFY(showActive(*program));
        QVERIFY(aboutBoxes().isEmpty());
        QList<QWidget*> shown;
        for (int time = 0; time < 2; ++time) {
            watchdog->expectModal([&shown](QWidget* window) { shown.append(window); });
            QTest::keyClick(&program->Plenova, Qt::Key_F, Qt::ControlModifier);
            QVERIFY(waitForExpectedModals(*watchdog));
            QTRY_VERIFY(program->Plenova.isActiveWindow());
        }
        QCOMPARE(aboutBoxes().size(), 1);
        QCOMPARE(shown, (QList<QWidget*>{aboutBoxes().first(), aboutBoxes().first()}));
        QCOMPARE(&program->aboutBox(), aboutBoxes().first());
    }

    // The window is built under Arial 8 pt as the application's font; afterwards the
    // application's font is what it was, for the error boxes and the preview, and for the
    // "File" menu, a window of its own that takes the application's font as it always did.
    void desktopFontKeptForLaterWindows() {
        const QFont before = QApplication::font();
        QVERIFY(before != arial8());
        auto another = startProgram();
        QCOMPARE(QApplication::font(), before);
        QCOMPARE(another->Plenova.font(), arial8());
        QMenu* file = another->Plenova.menuBar()->actions().at(0)->menu();
        QCOMPARE(file->font(), QApplication::font(file));
    }

    // Built and computed but not yet shown, the labels wait; showing sizes every one of them,
    // on hidden pages too, to the start-up computation's text; later texts resize at once.
    void valueLabelsSizedWhenShown() {
        QVERIFY(showActive(*program));
        for (ValueLabel* label : program->Plenova.findChildren<ValueLabel*>()) {
            QVERIFY2(label->size() == label->sizeHint(), qPrintable(label->objectName()));
        }
        program->calc.heating.LabelHeatkW.setText("12345.678 kW (a longer text)");
        auto* label = find<ValueLabel>(QStringLiteral("LabelHeatkW"));
        QCOMPARE(label->text(), QStringLiteral("12345.678 kW (a longer text)"));
        QCOMPARE(label->size(), label->sizeHint());
    }
};

QTEST_MAIN(DeferredConstructionTest)
#include "deferred_construction_test.moc"
