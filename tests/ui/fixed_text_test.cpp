// The two fixed texts: the Instructions page and the About box, and the memos that hold them
// (no focus, no caret, no selection, no scroll bars, long lines wrapped).
#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>

#include "ui/design_fonts.h"
#include "ui/fixed_text_memo.h"
#include "ui_test_support.h"

using namespace plenova;
using namespace plenova::test;

class FixedTextTest : public ProgramTest {
    Q_OBJECT

  private:
    FixedTextMemo* instructions() {
        return find<FixedTextMemo>(QStringLiteral("MemoInstructions"));
    }
    FixedTextMemo* about() {
        return program->aboutBox().findChild<FixedTextMemo*>(QStringLiteral("KelvaroMemo"));
    }

  private Q_SLOTS:
    void instructionLines() {
        FixedTextMemo* memo = instructions();
        QVERIFY(memo);
        const QStringList lines = memo->lines();
        QCOMPARE(lines.size(), 16);
        const QStringList fixed{
            "PLENOVA.EXE",
            "",
            "",  // the credit, checked below
            "approximate AHU systems performance analysis.",
            "",
            "The three modules namely Mixing, Cooling and Heating work independently. Values are "
            "not automatically ",
            "transferred from one module to the next with the exception of altitude. However, if "
            "the \"Import Results\" buttons ",
            "are used then a continuous process can be APPROXIMATED.",
            "",
            "",
            "Tools Required:",
            "1) Anemometer (Velocity Meter).",
            "2) Tape Measure.",
            "3) Sling Psychrometer or Thermo-Hygrometer.",
            "4) A basic understanding of Psychrometrics.",
            " ",
        };
        for (int i = 0; i < lines.size(); ++i) {
            if (i != 2) {
                QCOMPARE(lines[i], fixed[i]);
            }
        }
        // One sentence naming the maker, then the start of the description, on the same line.
        const QString suffix = QStringLiteral("The application allows for fast, simple but ");
        QVERIFY(lines[2].endsWith(suffix));
        const QString credit = lines[2].chopped(suffix.size());
        QVERIFY(credit.contains(QLatin1String("Kelvaro Ltd")));
        QVERIFY(credit.contains(QLatin1String("trouble-shooting")));
        QVERIFY(credit.endsWith(QLatin1String(". ")));
        QCOMPARE(credit.count(QLatin1Char('.')), 1);
    }

    void instructionsMemo() {
        FixedTextMemo* memo = instructions();
        QCOMPARE(memo->parentWidget(), program->Plenova.pageControl()->widget(4));
        QCOMPARE(memo->geometry(), QRect(0, 0, 553, 369));
        QCOMPARE(memo->frameShape(), QFrame::NoFrame);
        for (int block = 0; block < memo->document()->blockCount(); ++block) {
            QVERIFY(!(memo->document()->findBlockByNumber(block).blockFormat().alignment() &
                      Qt::AlignHCenter));
        }
        QCOMPARE(memo->palette().color(QPalette::Disabled, QPalette::Base),
                 memo->palette().color(QPalette::Active, QPalette::Base));

        // Long lines wrap at the right edge, and everything shows without scrolling.
        program->Plenova.pageControl()->setCurrentIndex(4);
        QTRY_VERIFY(memo->isVisible());
        const QSizeF used = memo->document()->documentLayout()->documentSize();
        QVERIFY(used.width() <= memo->viewport()->width());
        QVERIFY(used.height() <= memo->viewport()->height());
        // Lines are laid out to the memo's width, not beyond it.
        QCOMPARE(memo->document()->textWidth(), qreal(memo->viewport()->width()));
    }

    void aboutLines() {
        FixedTextMemo* memo = about();
        QVERIFY(memo);
        const QStringList lines = memo->lines();
        QCOMPARE(lines.size(), 14);
        for (int i : {0, 1, 2, 4, 7}) {
            QCOMPARE(lines[i], QString());
        }
        QVERIFY(lines[3].contains(QLatin1String("Kelvaro")));  // the maker
        QCOMPARE(lines[5], QStringLiteral("plenova.exe Version 3 (SI)"));
        QCOMPARE(lines[6], QStringLiteral("Plenova"));
        for (int i = 8; i <= 12; ++i) {
            QVERIFY2(!lines[i].trimmed().isEmpty(), "five contact lines");
        }
        QCOMPARE(lines[13], QStringLiteral(" "));
        for (int block = 0; block < memo->document()->blockCount(); ++block) {
            QCOMPARE(memo->document()->findBlockByNumber(block).blockFormat().alignment() &
                         Qt::AlignHorizontal_Mask,
                     Qt::AlignHCenter);
        }
    }

    void aboutBox() {
        TKelvaroForm& box = program->aboutBox();
        QVERIFY(!box.isVisible());
        QCOMPARE(box.windowTitle(), QStringLiteral("Kelvaro"));
        QCOMPARE(box.size(), QSize(361, 256));
        QCOMPARE(box.minimumSize(), box.maximumSize());
        QVERIFY(box.isModal());
        QCOMPARE(box.parentWidget(), &program->Plenova);
        const Qt::WindowFlags flags = box.windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(about()->geometry(), QRect(0, 0, 361, 257));
        QVERIFY(about()->frameShape() != QFrame::NoFrame);
    }

    // Neither memo takes the focus, a caret or a selection, and neither scrolls.
    void memosAreInert_data() {
        QTest::addColumn<QString>("memo");
        QTest::newRow("Instructions") << "MemoInstructions";
        QTest::newRow("About") << "KelvaroMemo";
    }
    void memosAreInert() {
        QFETCH(QString, memo);
        FixedTextMemo* m = memo == QLatin1String("KelvaroMemo") ? about() : instructions();
        QVERIFY(!m->isEnabled());
        QVERIFY(m->isReadOnly());
        QCOMPARE(m->focusPolicy(), Qt::NoFocus);
        QCOMPARE(m->textInteractionFlags(), Qt::NoTextInteraction);
        QCOMPARE(m->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(m->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(m->lineWrapMode(), QTextEdit::WidgetWidth);
        QCOMPARE(m->palette().color(QPalette::Disabled, QPalette::Text), QColor(Qt::black));
        QCOMPARE(QFontInfo(m->font()).pixelSize(), 11);

        if (memo == QLatin1String("MemoInstructions")) {
            program->Plenova.pageControl()->setCurrentIndex(4);
            QTRY_VERIFY(m->isVisible());
            QTest::mouseClick(m->viewport(), Qt::LeftButton, {}, QPoint(20, 5));
            QTest::mouseDClick(m->viewport(), Qt::LeftButton, {}, QPoint(20, 5));
            QVERIFY(!m->hasFocus());
            QVERIFY(!m->textCursor().hasSelection());
        }
    }
};

QTEST_MAIN(FixedTextTest)
#include "fixed_text_test.moc"
