// The Print page: the fill it shows, where its controls stand, and the title box driving the
// miniature keystroke by keystroke.
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QtTest>

#include "core/fpenv.h"
#include "modules/calculator.h"
#include "report_test_support.h"
#include "ui/report/print_page.h"
#include "ui/report/report_page.h"

using namespace plenova;

namespace {

Label* findReportLabel(Calculator& calc, const QString& name) {
    for (Label* label : calc.report.labels()) {
        if (QString::fromStdString(label->name()) == name) {
            return label;
        }
    }
    return nullptr;
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++count;
        }
        return false;
    }
};

bool hasBlue(const QImage& image, QRect area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c(image.pixel(x, y));
            if (c.blue() > 150 && c.blue() - std::max(c.red(), c.green()) > 60) {
                return true;
            }
        }
    }
    return false;
}

// A text of the label's own. Built by appending: `" " + name` inserts at the front of a
// temporary, where GCC 12 at -O3 reports a false -Wrestrict overlap.
std::string ownText(const std::string& name) {
    std::string text(" ");
    text += name;
    text += " 1,5 m³/s ";
    return text;
}

}  // namespace

class ReportPrintPageTest : public report_test::PrintPageTest {
    Q_OBJECT

  public:
    // The size the page has in the window, which the miniature and the controls are laid in.
    ReportPrintPageTest() : PrintPageTest(QSize(561, 409)) {}

  private:
    QWidget* miniature() { return page_->findChild<QWidget*>(QStringLiteral("QuickRep")); }

    // The page at the miniature's size, drawn from the report labels as they read now; inside
    // the sheet's one-pixel edge.
    QImage currentPageAtMiniatureSize() {
        QImage image(miniature()->size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        ReportPage::capture(calc_->report).paint(painter, QRectF(image.rect()));
        return insideEdge(image);
    }

    // What the miniature shows now, inside the sheet's edge.
    QImage miniatureShown() {
        return insideEdge(miniature()->grab().toImage().convertToFormat(QImage::Format_RGB32));
    }

    static QImage insideEdge(const QImage& image) {
        return image.copy(image.rect().adjusted(1, 1, -1, -1));
    }

    // The miniature's title band: 10 to 19.9 mm from the sheet's top at 32 % of 96 dpi.
    QRect miniatureTitleBand() {
        const double pxPerMm = miniature()->height() / 297.0;
        return QRect(QPoint(qRound(10 * pxPerMm), qRound(10 * pxPerMm)),
                     QPoint(qRound(200 * pxPerMm), qRound(19.9 * pxPerMm)));
    }

  private Q_SLOTS:
    void fillTable_data() {
        QTest::addColumn<QString>("reportLabel");
        QTest::addColumn<QString>("screenLabel");
        const auto row = [](const char* report, const char* screen) {
            QTest::newRow(report) << QString::fromLatin1(report) << QString::fromLatin1(screen);
        };
        row("QRLabelAltitude", "LabelMAmAltitude");
        row("QRLabelMAvol", "LabelMAvol");
        row("QRLabelMAvolPerHr", "LabelMAvolPerHr");
        row("QRLabelMARAvolPercent", "LabelMARAvolPercent");
        row("QRLabelMARAvol", "LabelMARAvol");
        row("QRLabelMARAdb", "LabelMARAdb");
        row("QRLabelMARArh", "LabelMARArh");
        row("QRLabelMAOAvolPercent", "LabelMAOAvolPercent");
        row("QRLabelMAOAvol", "LabelMAOAvol");
        row("QRLabelMAOAdb", "LabelMAOAdb");
        row("QRLabelMAOArh", "LabelMAOArh");
        row("QRLabelMAvolLeavingPerHr", "LabelMAvolPerHr");
        row("QRLabelMAMAdb", "LabelMAMAdb");
        row("QRLabelMAMArh", "LabelMAMArh");
        row("QRLabelMAMAdp", "LabelMAMAdp");
        row("QRLabelRAvol", "RAvolLabel");
        row("QRLabelRAvolPerHr", "RAvolmcubedPhLabel");
        row("QRLabelRAdb", "RAdbLabel");
        row("QRLabelRArh", "RArhLabel");
        row("QRLabelSAdb", "SAdbLabel");
        row("QRLabelSArh", "SArhLabel");
        row("QRLabelSAvolPerHr", "LabelSAvolPerHr");
        row("QRLabelkW", "kWLabel");
        row("QRLabelSload", "SloadLabel");
        row("QRLabelLload", "LloadLabel");
        row("QRLabelSHF", "SHFLabel");
        row("QRLabelCondensate", "CondensateLpHLabel");
        row("QRLabelHeatRAvol", "LabelHeatRAvolume");
        row("QRLabelHeatRAvolPerHr", "LabelHeatRAvolPerHr");
        row("QRLabelHeatRAdb", "LabelHeatReturnAirDryBulb");
        row("QRLabelHeatRArh", "LabelHeatRArh");
        row("QRLabelHeatSAdb", "LabelHeatSupplyAirDryBulb");
        row("QRLabelHeatSArh", "LabelHeatSupplyAirRH");
        row("QRLabelHeatSAvolPerHr", "LabelHeatSAvolPerHr");
        row("QRLabelHeatkW", "LabelHeatkW");
        row("QRLabelReHeatkW", "LabelReHeatkW");
        row("QRLabelReHeatSensible", "LabelReHeatSensible");
        row("QRLabelReHeatLatent", "LabelReHeatLatent");
        row("QRLabelReheatSHF", "LabelReHeatSHF");
    }

    // Right after start each report label holds its screen label's text and the page title
    // the title box's; a fill copies each screen text, as it stands, to its report label.
    void fillTable() {
        QFETCH(QString, reportLabel);
        QFETCH(QString, screenLabel);
        Label* to = findReportLabel(*calc_, reportLabel);
        Label* from = calc_->findLabel(screenLabel.toStdString());
        QVERIFY(to && from);
        QCOMPARE(calc_->report.QRLabelPageTitle.text(), std::string("Plenova Results"));
        QCOMPARE(to->text(), from->text());

        // Every screen label gets a text of its own, so that a copy from the wrong one shows.
        for (Label* label : calc_->valueLabels()) {
            label->setText(ownText(label->name()));
        }
        calc_->PageControlChange();
        QCOMPARE(to->text(), ownText(screenLabel.toStdString()));
    }

    // The condensate goes onto the page in litres per hour: the kg/s reading differs.
    void condensateInLitresPerHour() {
        QVERIFY(calc_->cooling.CondensateLabel.text() != calc_->cooling.CondensateLpHLabel.text());
        QCOMPARE(calc_->report.QRLabelCondensate.text(), calc_->cooling.CondensateLpHLabel.text());
    }

    void controlsWhereTheyBelong_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("miniature") << QStringLiteral("QuickRep") << QRect(8, 8, 254, 359);
        QTest::newRow("title box") << QStringLiteral("EditQRtitle") << QRect(304, 32, 233, 22);
        QTest::newRow("preview") << QStringLiteral("ButtonPreview") << QRect(392, 128, 75, 25);
        QTest::newRow("print") << QStringLiteral("ButtonPrint") << QRect(392, 168, 75, 25);
    }

    void controlsWhereTheyBelong() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        auto* widget = page_->findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), geometry);
    }

    void captionsFontsAndCursors() {
        QLabel* caption = nullptr;
        for (QLabel* label : page_->findChildren<QLabel*>()) {
            if (label->text() == QLatin1String("Page Title")) {
                caption = label;
            }
        }
        QVERIFY(caption);
        QCOMPARE(caption->pos(), QPoint(304, 16));
        QCOMPARE(caption->font().family(), QStringLiteral("Arial"));
        QCOMPARE(caption->font().pointSize(), 8);
        QVERIFY(caption->font().bold());
        QVERIFY(!titleBox()->font().bold());
        QCOMPARE(titleBox()->font().pointSize(), 8);
        QCOMPARE(titleBox()->text(), QStringLiteral("Plenova Results"));

        const auto* preview = page_->findChild<QPushButton*>(QStringLiteral("ButtonPreview"));
        const auto* print = page_->findChild<QPushButton*>(QStringLiteral("ButtonPrint"));
        QCOMPARE(preview->text(), QStringLiteral("Preview"));
        QCOMPARE(print->text(), QStringLiteral("Print"));
        QCOMPARE(preview->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(print->cursor().shape(), Qt::PointingHandCursor);
    }

    // The miniature is the sheet at 32 % of a 96 dpi screen.
    void miniatureIsThePageAtThirtyTwoPercent() {
        const double pxPerMm = 0.32 * 96.0 / 25.4;
        QCOMPARE(miniature()->width(), qRound(210 * pxPerMm));
        QCOMPARE(miniature()->height(), qRound(297 * pxPerMm));
        QCOMPARE(miniatureShown(), currentPageAtMiniatureSize());
    }

    void focusMovesFromTitleToPreviewToPrint() {
        page_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(page_));
        titleBox()->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), titleBox());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("ButtonPreview"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("ButtonPrint"));
    }

    // Each keystroke sets the page title at once and repaints the miniature with it.
    void keystrokesRetitleTheMiniature() {
        PaintCounter paints(miniature());
        QLineEdit* box = titleBox();
        box->selectAll();
        const QString typed = QStringLiteral("Roof AHU 3");
        for (int i = 0; i < typed.size(); ++i) {
            const int before = paints.count;
            QTest::keyClick(box, typed.at(i).toLatin1());
            const std::string expected = typed.left(i + 1).toStdString();
            QCOMPARE(calc_->EditQRtitle.text(), expected);
            QCOMPARE(calc_->report.QRLabelPageTitle.text(), expected);
            QTRY_VERIFY(paints.count > before);
        }
        const QImage shown = miniatureShown();
        QCOMPARE(shown, currentPageAtMiniatureSize());
        QVERIFY(hasBlue(shown, miniatureTitleBand()));
    }

    // An empty box gives an empty page title; nothing else on the page moves.
    void emptyTitle() {
        const QImage before = miniature()->grab().toImage();
        titleBox()->selectAll();
        QTest::keyClick(titleBox(), Qt::Key_Backspace);
        QCOMPARE(calc_->report.QRLabelPageTitle.text(), std::string());
        const QImage after = miniature()->grab().toImage();
        QVERIFY(!hasBlue(after, miniatureTitleBand()));
        const QRect belowTitle(0, miniatureTitleBand().bottom() + 1, after.width(),
                               after.height() - miniatureTitleBand().bottom() - 1);
        QCOMPARE(after.copy(belowTitle), before.copy(belowTitle));
    }

    // Typing in the middle of the title leaves the cursor where the user put it.
    void editingInsideTheTitle() {
        QLineEdit* box = titleBox();
        box->setCursorPosition(7);
        QTest::keyClicks(box, QStringLiteral(" site"));
        QCOMPARE(box->text(), QStringLiteral("Plenova site Results"));
        QCOMPARE(box->cursorPosition(), 12);
        QCOMPARE(calc_->report.QRLabelPageTitle.text(), std::string("Plenova site Results"));
    }

    // A title set by the program shows in the box and on the page.
    void titleSetByTheProgram() {
        calc_->EditQRtitle.setText("Boiler house");
        QCOMPARE(titleBox()->text(), QStringLiteral("Boiler house"));
        QCOMPARE(calc_->report.QRLabelPageTitle.text(), std::string("Boiler house"));
    }
};

QTEST_MAIN(ReportPrintPageTest)
#include "report_print_page_test.moc"
