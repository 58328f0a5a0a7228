// Trough clicks under a desktop style that moves the thumb straight to the click (as GTK and
// some KDE styles do): the program's scroll bars still take a click in the trough as one large
// step, the model's step, whatever the style beneath them says. The offscreen default style
// steps anyway, so this runs under a style that does not.
#include <QApplication>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTest>
#include <vector>

#include "ui_test_support.h"

using namespace plenova;
using namespace plenova::test;

namespace {

// Fusion, but a left click in a scroll bar's trough jumps to the click.
class ClickJumpsToPosition : public QProxyStyle {
  public:
    ClickJumpsToPosition() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ScrollBar_LeftClickAbsolutePosition) {
            return 1;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

}  // namespace

class TroughClickStyleTest : public ProgramTest {
    Q_OBJECT

  private Q_SLOTS:
    // The premise: under this style a plain scroll bar jumps to where the trough is clicked.
    void plainScrollBarJumps() {
        QScrollBar plain(Qt::Horizontal);
        plain.setRange(0, 1000);
        plain.setPageStep(10);
        plain.setValue(500);
        plain.resize(300, 17);
        plain.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plain));
        QTest::mouseClick(&plain, Qt::LeftButton, {}, pointOn(&plain, QStyle::SC_ScrollBarAddPage));
        QVERIFY2(plain.value() > 500 + 10, qPrintable(QString::number(plain.value())));
    }

    void troughClickIsALargeStep_data() {
        QTest::addColumn<QString>("slider");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("part");
        QTest::addColumn<int>("to");
        const auto row = [](const char* slider, int page, int from, QStyle::SubControl part,
                            int to) {
            QTest::addRow("%s %s", slider, part == QStyle::SC_ScrollBarAddPage ? "right" : "left")
                << QString::fromLatin1(slider) << page << from << int(part) << to;
        };
        // Large steps: 100 for the volumes of the cooling and heating pages, 10 elsewhere.
        row("RAvolScrollBar", 1, 100000, QStyle::SC_ScrollBarAddPage, 100100);
        row("RAvolScrollBar", 1, 100000, QStyle::SC_ScrollBarSubPage, 99900);
        row("ScrollBarMAVol", 0, 100000, QStyle::SC_ScrollBarAddPage, 100010);
        row("ScrollBarMApercent", 0, 50, QStyle::SC_ScrollBarSubPage, 40);
        row("RAdbScrollBar", 1, 255, QStyle::SC_ScrollBarAddPage, 265);
        row("ScrollBarHeatRAvolume", 2, 100000, QStyle::SC_ScrollBarSubPage, 99900);
        row("ScrollBarHeatSupplyAirDryBulb", 2, 300, QStyle::SC_ScrollBarAddPage, 310);
    }
    void troughClickIsALargeStep() {
        QFETCH(QString, slider);
        QFETCH(int, page);
        QFETCH(int, from);
        QFETCH(int, part);
        QFETCH(int, to);
        SliderBar* bar = focusedBar(qPrintable(slider), page);
        bar->model().setPosition(from);
        std::vector<int> handled;
        Slider& model = bar->model();
        model.setOnChange([&] { handled.push_back(model.position()); });
        QTest::mouseClick(bar, Qt::LeftButton, {}, pointOn(bar, QStyle::SubControl(part)));
        QCOMPARE(handled, std::vector<int>{to});
        QCOMPARE(model.position(), to);
        QCOMPARE(bar->value(), to);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(new ClickJumpsToPosition);
    TroughClickStyleTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "trough_click_style_test.moc"
