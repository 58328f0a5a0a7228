// The built window against the design tables: every group box, static caption, value label,
// slider and import button at its position and size, in its box, with its font, range, start
// and steps; the window's frame, pages and keyboard focus order.
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "ui/report/print_page.h"
#include "ui/value_label.h"
#include "ui_test_support.h"

using namespace plenova;
using namespace plenova::test;

namespace {

enum Face { Arial, MsSansSerif };

bool isArial(const QFont& font) {
    const QString family = QFontInfo(font).family();
    return family == QLatin1String("Arial") || family == QLatin1String("Liberation Sans");
}

}  // namespace

class LayoutTest : public ProgramTest {
    Q_OBJECT

  public:
    // The window starts hidden: mainWindow() checks that it is not shown before show().
    LayoutTest() : ProgramTest(Start::Hidden) {}

  private Q_SLOTS:
    void mainWindow() {
        TPlenova& window = program->Plenova;
        QCOMPARE(window.windowTitle(), QStringLiteral("Kelvaro Plenova"));
        QVERIFY(!window.isVisible());
        QVERIFY(showActive(*program));

        // The client area: 559 x 406 right below the menu bar, and the window cannot grow or
        // shrink around it.
        QWidget* client = window.centralWidget();
        QCOMPARE(client->size(), QSize(559, 406));
        QCOMPARE(client->y(), window.menuBar()->geometry().bottom() + 1);
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QCOMPARE(window.size(), QSize(559, 406 + window.menuBar()->height()));

        const Qt::WindowFlags flags = window.windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));

        // Centred on the desktop.
        const QRect desktop = window.screen()->availableGeometry();
        QVERIFY(qAbs(window.frameGeometry().center().x() - desktop.center().x()) <= 1);
        QVERIFY(qAbs(window.frameGeometry().center().y() - desktop.center().y()) <= 1);

        // 8 pt Arial is 11 pixels high.
        QCOMPARE(QFontInfo(window.font()).pixelSize(), 11);
        QVERIFY(isArial(window.font()));
    }

    void pages() {
        QTabWidget* pages = program->Plenova.pageControl();
        QCOMPARE(pages->objectName(), QStringLiteral("PageControl"));
        QCOMPARE(pages->geometry(), QRect(-1, 8, 561, 409));
        QCOMPARE(pages->tabPosition(), QTabWidget::North);
        const QStringList captions{"Mixing", "Cooling", "Heating", "Print", "Instructions"};
        QCOMPARE(pages->count(), captions.size());
        for (int i = 0; i < pages->count(); ++i) {
            QCOMPARE(pages->tabText(i), captions[i]);
            QCOMPARE(pages->widget(i)->objectName(), QStringLiteral("TabSheet%1").arg(i + 1));
        }
        QCOMPARE(pages->currentIndex(), 0);
        QCOMPARE(static_cast<QWidget*>(program->Plenova.printPage()), pages->widget(3));

        for (int i = 1; i <= 3; ++i) {
            QWidget* panel = find<QWidget>(QStringLiteral("Panel%1").arg(i));
            QVERIFY(panel);
            QCOMPARE(panel->parentWidget(), pages->widget(i - 1));
            QCOMPARE(panel->geometry(), QRect(0, 0, 554, 374));
            QCOMPARE(panel->grab().toImage().pixelColor(2, 2), QColor(Qt::white));
        }
    }

    void groupBoxes_data() {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<bool>("greyed");
        auto row = [](const char* name, const char* panel, const char* caption, QRect geometry,
                      bool greyed = false) {
            QTest::newRow(name) << panel << caption << geometry << greyed;
        };
        row("GroupBoxMAmAltitude", "Panel1", "Mixed Air Volume And Percentages", {8, 5, 537, 116});
        row("GroupBoxMARAtemp", "Panel1", "Return Air", {8, 128, 225, 145});
        row("GroupBoxMAOAtemps", "Panel1", "Outdoor Air", {320, 128, 225, 145});
        row("GroupBoxMAMixedAir", "Panel1", "Mixed Air Results", {8, 280, 537, 89});
        row("GroupBox1", "Panel2", "(Mixed) Return Air", {8, 5, 537, 161});
        row("GroupBox2", "Panel2", "Supply Air", {8, 168, 537, 105});
        row("GroupBox4", "Panel2", "Cooling Results", {8, 275, 537, 97});
        row("GroupBoxHeatReturnAir", "Panel3", "(Cooled) Return Air", {8, 5, 537, 161});
        row("GroupBoxHeatSupplyAir", "Panel3", "Supply Air", {8, 168, 537, 105});
        row("GroupBox3", "Panel3", "Heating Results", {8, 275, 537, 41});
        row("GroupBoxReHeat", "Panel3", "If Heat Is Reheat After Cooling", {8, 320, 537, 49}, true);
    }
    void groupBoxes() {
        QFETCH(QString, panel);
        QFETCH(QString, caption);
        QFETCH(QRect, geometry);
        QFETCH(bool, greyed);
        auto* box = find<QGroupBox>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(box);
        QCOMPARE(box->parentWidget()->objectName(), panel);
        QCOMPARE(box->title(), caption);
        QCOMPARE(box->geometry(), geometry);
        QVERIFY(isArial(box->font()));
        QCOMPARE(QFontInfo(box->font()).pixelSize(), 11);
        QCOMPARE(box->font().bold(), !greyed);
        const QColor text = box->palette().color(QPalette::WindowText);
        QCOMPARE(text, greyed ? QColor(128, 128, 128) : QColor(Qt::black));
    }

    void captions_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<int>("face");
        auto row = [](const char* box, const char* text, int x, int y, Face face = Arial) {
            QTest::addRow("%s %s", box, text) << box << text << QPoint(x, y) << int(face);
        };
        row("GroupBoxMAmAltitude", "Mixed Air Total Volume", 16, 24);
        row("GroupBoxMAmAltitude", "Altitude", 344, 24);
        row("GroupBoxMAmAltitude", "% Mix", 263, 80);
        for (const char* box : {"GroupBoxMARAtemp", "GroupBoxMAOAtemps"}) {
            row(box, "Dry Bulb", 16, 16);
            row(box, "Wet Bulb", 16, 48);
            row(box, "Volume Flow", 16, 80);
            row(box, "Mass Flow", 16, 96);
            row(box, "Dew Point", 16, 112);
            row(box, "RH", 16, 128);
        }
        row("GroupBoxMAMixedAir", "Dry Bulb", 16, 16);
        row("GroupBoxMAMixedAir", "Wet Bulb", 16, 32);
        row("GroupBoxMAMixedAir", "RH", 16, 48);
        row("GroupBoxMAMixedAir", "Dew Point", 328, 16);
        row("GroupBoxMAMixedAir", "Moisture Content", 328, 32);
        row("GroupBoxMAMixedAir", "Enthalpy", 328, 48);
        row("GroupBoxMAMixedAir", "Air Density", 328, 64);

        row("GroupBox1", "Air Volume", 16, 24);
        row("GroupBox1", "Altitude", 344, 24);
        row("GroupBox1", "Dry Bulb", 16, 80);
        row("GroupBox1", "Wet Bulb", 16, 120);
        row("GroupBox1", "RH", 328, 80);
        row("GroupBox1", "Dew Point", 328, 96);
        row("GroupBox1", "Moisture Content", 328, 112);
        row("GroupBox1", "Enthalpy", 328, 128);
        row("GroupBox1", "Air Density", 328, 144);
        row("GroupBox2", "Dry Bulb", 16, 24);
        row("GroupBox2", "Wet Bulb", 16, 72);
        row("GroupBox2", "RH", 328, 24);
        row("GroupBox2", "Dew Point", 328, 40);
        row("GroupBox2", "Moisture Content", 328, 56);
        row("GroupBox2", "Enthalpy", 328, 72);
        row("GroupBox2", "Air Density", 328, 88);
        row("GroupBox4", "Duty Achieved", 16, 24);
        row("GroupBox4", "Sensible Duty", 16, 40);
        row("GroupBox4", "Latent Duty", 16, 56);
        row("GroupBox4", "SHF", 16, 72);
        row("GroupBox4", "Tons", 328, 24);
        row("GroupBox4", "Air Mass Flow", 328, 40);
        row("GroupBox4", "Condensate", 328, 56);

        row("GroupBoxHeatReturnAir", "Volume Flow", 16, 24, MsSansSerif);
        row("GroupBoxHeatReturnAir", "Altitude", 344, 24, Arial);
        row("GroupBoxHeatReturnAir", "Dry Bulb", 16, 80, MsSansSerif);
        row("GroupBoxHeatReturnAir", "Wet Bulb", 16, 120, MsSansSerif);
        row("GroupBoxHeatReturnAir", "RH", 328, 80, MsSansSerif);
        row("GroupBoxHeatReturnAir", "Dew Point", 328, 96, MsSansSerif);
        row("GroupBoxHeatReturnAir", "Moisture Content", 328, 112, MsSansSerif);
        row("GroupBoxHeatReturnAir", "Enthalpy", 328, 128, MsSansSerif);
        row("GroupBoxHeatReturnAir", "Air Density", 328, 144, MsSansSerif);
        row("GroupBoxHeatSupplyAir", "Dry Bulb", 16, 24);
        row("GroupBoxHeatSupplyAir", "RH", 328, 24);
        row("GroupBoxHeatSupplyAir", "Dew Point", 328, 40);
        row("GroupBoxHeatSupplyAir", "Moisture Content", 328, 56);
        row("GroupBoxHeatSupplyAir", "Enthalpy", 328, 72);
        row("GroupBoxHeatSupplyAir", "Air Density", 328, 88);
        row("GroupBox3", "Heat Added", 16, 16);
        row("GroupBox3", "Air Mass Flow", 328, 16);
        row("GroupBoxReHeat", "Effective Duty", 8, 16);
        row("GroupBoxReHeat", "Sensible", 156, 16);
        row("GroupBoxReHeat", "Latent", 303, 16);
        row("GroupBoxReHeat", "SHF", 451, 16);
    }
    void captions() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QPoint, position);
        QFETCH(int, face);
        auto* group = find<QGroupBox>(box);
        QVERIFY(group);
        QLabel* caption = nullptr;
        for (QLabel* label : group->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            if (qobject_cast<ValueLabel*>(label) == nullptr && label->text() == text) {
                QVERIFY2(caption == nullptr, "caption twice in its box");
                caption = label;
            }
        }
        QVERIFY(caption);
        QCOMPARE(caption->pos(), position);
        QCOMPARE(caption->size(), caption->sizeHint());
        QCOMPARE(QFontInfo(caption->font()).pixelSize(), 11);
        QVERIFY(!caption->font().bold());
        if (face == MsSansSerif) {
            // MS Sans Serif where it is installed; Arial is the fallback.
            const QString family = caption->font().family();
            QVERIFY2(family == QLatin1String("MS Sans Serif") ||
                         family == QLatin1String("Microsoft Sans Serif") ||
                         isArial(caption->font()),
                     qPrintable(family));
        } else {
            QVERIFY(isArial(caption->font()));
        }
        const bool greyed = box == QLatin1String("GroupBoxReHeat");
        QCOMPARE(caption->palette().color(QPalette::WindowText),
                 greyed ? QColor(128, 128, 128) : QColor(Qt::black));
    }

    void valueLabels_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<bool>("bold");
        auto row = [](const char* box, const char* name, int x, int y, bool bold) {
            QTest::newRow(name) << box << QPoint(x, y) << bold;
        };
        constexpr bool B = true;
        constexpr bool R = false;
        row("GroupBoxMAmAltitude", "LabelMAvol", 224, 24, B);
        row("GroupBoxMAmAltitude", "LabelMAvolPerHr", 224, 56, R);
        row("GroupBoxMAmAltitude", "LabelMAmAltitude", 448, 24, B);
        row("GroupBoxMAmAltitude", "LabelMAkPa", 448, 56, R);
        row("GroupBoxMAmAltitude", "LabelMARAvolPercent", 104, 80, B);
        row("GroupBoxMAmAltitude", "LabelMAOAvolPercent", 408, 80, B);
        row("GroupBoxMARAtemp", "LabelMARAdb", 136, 16, B);
        row("GroupBoxMARAtemp", "LabelMARAwb", 136, 48, B);
        row("GroupBoxMARAtemp", "LabelMARAvol", 136, 80, R);
        row("GroupBoxMARAtemp", "LabelMARAmf", 136, 96, R);
        row("GroupBoxMARAtemp", "LabelMARAdp", 136, 112, R);
        row("GroupBoxMARAtemp", "LabelMARArh", 136, 128, B);
        row("GroupBoxMAOAtemps", "LabelMAOAdb", 136, 16, B);
        row("GroupBoxMAOAtemps", "LabelMAOAwb", 136, 48, B);
        row("GroupBoxMAOAtemps", "LabelMAOAvol", 136, 80, R);
        row("GroupBoxMAOAtemps", "LabelMAOAmf", 136, 96, R);
        row("GroupBoxMAOAtemps", "LabelMAOAdp", 136, 112, R);
        row("GroupBoxMAOAtemps", "LabelMAOArh", 136, 128, B);
        row("GroupBoxMAMixedAir", "LabelMAMAdb", 136, 16, B);
        row("GroupBoxMAMixedAir", "LabelMAMAwb", 136, 32, B);
        row("GroupBoxMAMixedAir", "LabelMAMArh", 136, 48, B);
        row("GroupBoxMAMixedAir", "LabelMAMAdp", 448, 16, R);
        row("GroupBoxMAMixedAir", "LabelMAMAx", 448, 32, R);
        row("GroupBoxMAMixedAir", "LabelMAMAtotalh", 448, 48, R);
        row("GroupBoxMAMixedAir", "LabelMAMAd", 448, 64, R);

        row("GroupBox1", "RAvolLabel", 224, 24, B);
        row("GroupBox1", "RAvolmcubedPhLabel", 224, 56, R);
        row("GroupBox1", "mAltLabel", 448, 24, B);
        row("GroupBox1", "kPaLabel", 448, 56, R);
        row("GroupBox1", "RAdbLabel", 128, 80, B);
        row("GroupBox1", "RAwbLabel", 128, 120, B);
        row("GroupBox1", "RArhLabel", 448, 80, B);
        row("GroupBox1", "RAdpLabel", 448, 96, R);
        row("GroupBox1", "RAkgPkgLabel", 448, 112, R);
        row("GroupBox1", "RAhtotLabel", 448, 128, R);
        row("GroupBox1", "RAdLabel", 448, 144, R);
        row("GroupBox2", "LabelCoolSAvol", 224, 16, B);
        row("GroupBox2", "LabelSAvolPerHr", 224, 40, R);
        row("GroupBox2", "SAdbLabel", 128, 24, B);
        row("GroupBox2", "SAwbLabel", 128, 72, B);
        row("GroupBox2", "SArhLabel", 448, 24, B);
        row("GroupBox2", "SAdpLabel", 448, 40, R);
        row("GroupBox2", "SAkgPkgLabel", 448, 56, R);
        row("GroupBox2", "SAhtotLabel", 448, 72, R);
        row("GroupBox2", "SAdLabel", 448, 88, R);
        row("GroupBox4", "kWLabel", 128, 24, B);
        row("GroupBox4", "SloadLabel", 128, 40, B);
        row("GroupBox4", "LloadLabel", 128, 56, B);
        row("GroupBox4", "SHFLabel", 128, 72, B);
        row("GroupBox4", "TonsLabel", 448, 24, R);
        row("GroupBox4", "AMFLabel", 448, 40, R);
        row("GroupBox4", "CondensateLabel", 448, 56, R);
        row("GroupBox4", "CondensateLpHLabel", 448, 72, R);

        row("GroupBoxHeatReturnAir", "LabelHeatRAvolume", 224, 24, B);
        row("GroupBoxHeatReturnAir", "LabelHeatRAvolPerHr", 224, 56, R);
        row("GroupBoxHeatReturnAir", "LabelHeatMetersAltitude", 448, 24, B);
        row("GroupBoxHeatReturnAir", "LabelHeatkPa", 448, 56, R);
        row("GroupBoxHeatReturnAir", "LabelHeatReturnAirDryBulb", 128, 80, B);
        row("GroupBoxHeatReturnAir", "LabelHeatReturnAirWetBulb", 128, 120, B);
        row("GroupBoxHeatReturnAir", "LabelHeatRArh", 448, 80, B);
        row("GroupBoxHeatReturnAir", "LabelHeatRAdp", 448, 96, R);
        row("GroupBoxHeatReturnAir", "LabelHeatReturnAirX", 448, 112, R);
        row("GroupBoxHeatReturnAir", "LabelHeatRAtotalEnthalpy", 448, 128, R);
        row("GroupBoxHeatReturnAir", "LabelHeatRAdensity", 448, 144, R);
        row("GroupBoxHeatSupplyAir", "LabelHeatSAvol", 224, 16, B);
        row("GroupBoxHeatSupplyAir", "LabelHeatSAvolPerHr", 224, 40, R);
        row("GroupBoxHeatSupplyAir", "LabelHeatSupplyAirDryBulb", 128, 24, B);
        row("GroupBoxHeatSupplyAir", "LabelHeatSupplyAirRH", 448, 24, B);
        row("GroupBoxHeatSupplyAir", "LabelHeatSAdp", 448, 40, R);
        row("GroupBoxHeatSupplyAir", "LabelHeatSupplyAirX", 448, 56, R);
        row("GroupBoxHeatSupplyAir", "LabelHeatSAtotalEnthalpy", 448, 72, R);
        row("GroupBoxHeatSupplyAir", "LabelHeatSAdensity", 448, 88, R);
        row("GroupBox3", "LabelHeatkW", 128, 16, B);
        row("GroupBox3", "LabelHeatAirMassFlow", 448, 16, R);
        row("GroupBoxReHeat", "LabelReHeatkW", 93, 16, R);
        row("GroupBoxReHeat", "LabelReHeatSensible", 214, 16, R);
        row("GroupBoxReHeat", "LabelReHeatLatent", 351, 16, R);
        row("GroupBoxReHeat", "LabelReHeatSHF", 488, 16, R);
    }
    void valueLabels() {
        QFETCH(QString, box);
        QFETCH(QPoint, position);
        QFETCH(bool, bold);
        const char* name = QTest::currentDataTag();
        auto* label = find<ValueLabel>(QString::fromLatin1(name));
        QVERIFY(label);
        QCOMPARE(label->parentWidget()->objectName(), box);
        QCOMPARE(label->pos(), position);
        QVERIFY(isArial(label->font()));
        QCOMPARE(QFontInfo(label->font()).pixelSize(), 11);
        QCOMPARE(label->font().bold(), bold);
        // Shows the model's text, sized to it.
        const Label* model = program->calc.findLabel(name);
        QVERIFY(model);
        QCOMPARE(label->text(), QString::fromStdString(model->text()));
        QCOMPARE(label->size(), label->sizeHint());
    }

    void everyModelControlIsShown() {
        for (const Label* label : program->calc.valueLabels()) {
            QVERIFY2(find<ValueLabel>(QString::fromStdString(label->name())),
                     label->name().c_str());
        }
        for (const Slider* slider : program->calc.sliders()) {
            QVERIFY2(find<SliderBar>(QString::fromStdString(slider->name())),
                     slider->name().c_str());
        }
        QCOMPARE(program->Plenova.findChildren<ValueLabel*>().size(),
                 qsizetype(program->calc.valueLabels().size()));
        QCOMPARE(program->Plenova.findChildren<SliderBar*>().size(),
                 qsizetype(program->calc.sliders().size()));
    }

    void sliders_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("largeStep");
        auto row = [](const char* name, const char* box, int x, int y, int width, int min, int max,
                      int start, int large) {
            QTest::newRow(name) << box << QRect(x, y, width, 9) << min << max << start << large;
        };
        row("ScrollBarMAVol", "GroupBoxMAmAltitude", 16, 40, 305, 1, 200000, 1837, 10);
        row("ScrollBarMAmAltitude", "GroupBoxMAmAltitude", 344, 40, 185, 0, 2000, 0, 10);
        row("ScrollBarMApercent", "GroupBoxMAmAltitude", 104, 98, 345, 0, 100, 0, 10);
        row("ScrollBarMARAdb", "GroupBoxMARAtemp", 16, 32, 145, 0, 600, 355, 10);
        row("ScrollBarMARAwb", "GroupBoxMARAtemp", 16, 64, 145, 0, 600, 283, 10);
        row("ScrollBarMAOAdb", "GroupBoxMAOAtemps", 16, 32, 145, 0, 600, 450, 10);
        row("ScrollBarMAOAwb", "GroupBoxMAOAtemps", 16, 64, 145, 0, 600, 352, 10);
        row("RAvolScrollBar", "GroupBox1", 16, 40, 305, 0, 200000, 1837, 100);
        row("mAltScrollBar", "GroupBox1", 344, 40, 185, 0, 2000, 0, 10);
        row("RAdbScrollBar", "GroupBox1", 16, 96, 145, 0, 500, 255, 10);
        row("RAwbScrollBar", "GroupBox1", 16, 136, 145, 0, 500, 183, 10);
        row("SAdbScrollBar", "GroupBox2", 16, 40, 145, 0, 500, 127, 10);
        row("SAwbScrollBar", "GroupBox2", 16, 88, 145, 0, 500, 123, 10);
        row("ScrollBarHeatRAvolume", "GroupBoxHeatReturnAir", 16, 40, 305, 0, 200000, 1755, 100);
        row("ScrollBarHeatMetersAltitude", "GroupBoxHeatReturnAir", 344, 40, 185, 0, 2000, 0, 10);
        row("ScrollBarHeatReturnAirDryBulb", "GroupBoxHeatReturnAir", 16, 96, 145, 0, 600, 227, 10);
        row("ScrollBarHeatReturnAirWetBulb", "GroupBoxHeatReturnAir", 16, 136, 145, 0, 600, 223,
            10);
        row("ScrollBarHeatSupplyAirDryBulb", "GroupBoxHeatSupplyAir", 16, 40, 145, 0, 600, 250, 10);
    }
    void sliders() {
        QFETCH(QString, box);
        QFETCH(QRect, geometry);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, start);
        QFETCH(int, largeStep);
        const char* name = QTest::currentDataTag();
        SliderBar* bar = sliderBar(*program, name);
        QVERIFY(bar);
        QCOMPARE(bar->parentWidget()->objectName(), box);
        QCOMPARE(bar->geometry(), geometry);
        QCOMPARE(bar->orientation(), Qt::Horizontal);
        QCOMPARE(bar->minimum(), minimum);
        QCOMPARE(bar->maximum(), maximum);
        QCOMPARE(bar->value(), start);
        QCOMPARE(bar->singleStep(), 1);
        QCOMPARE(bar->pageStep(), largeStep);
        QVERIFY(bar->hasTracking());
        QCOMPARE(bar->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(bar->focusPolicy() & Qt::TabFocus);
        const Slider& model = bar->model();
        QCOMPARE(model.name(), std::string(name));
        QCOMPARE(model.min(), minimum);
        QCOMPARE(model.max(), maximum);
        QCOMPARE(model.position(), start);
        QCOMPARE(model.smallStep(), 1);
        QCOMPARE(model.largeStep(), largeStep);
    }

    void buttons_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("Button1") << "GroupBox1"
                                 << "Import Mixing Results" << QRect(192, 88, 113, 17);
        QTest::newRow("Button2") << "GroupBoxHeatReturnAir"
                                 << "Import Cooling Results" << QRect(192, 88, 113, 17);
    }
    void buttons() {
        QFETCH(QString, box);
        QFETCH(QString, caption);
        QFETCH(QRect, geometry);
        auto* button = find<QPushButton>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(button);
        QCOMPARE(button->parentWidget()->objectName(), box);
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->geometry(), geometry);
        QVERIFY(isArial(button->font()));
        QVERIFY(!button->font().bold());
    }

    void focusOrder_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("Mixing") << 0 << QStringList{"ScrollBarMAVol",     "ScrollBarMAmAltitude",
                                                    "ScrollBarMApercent", "ScrollBarMARAdb",
                                                    "ScrollBarMARAwb",    "ScrollBarMAOAdb",
                                                    "ScrollBarMAOAwb"};
        QTest::newRow("Cooling") << 1
                                 << QStringList{"RAvolScrollBar", "mAltScrollBar", "RAdbScrollBar",
                                                "RAwbScrollBar",  "Button1",       "SAdbScrollBar",
                                                "SAwbScrollBar"};
        QTest::newRow("Heating") << 2
                                 << QStringList{"ScrollBarHeatRAvolume",
                                                "ScrollBarHeatMetersAltitude",
                                                "ScrollBarHeatReturnAirDryBulb",
                                                "ScrollBarHeatReturnAirWetBulb",
                                                "Button2",
                                                "ScrollBarHeatSupplyAirDryBulb"};
    }
    void focusOrder() {
        QFETCH(int, page);
        QFETCH(QStringList, order);
        QVERIFY(showActive(*program));
        program->Plenova.pageControl()->setCurrentIndex(page);
        QWidget* first = find<QWidget>(order.first());
        first->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), first);
        for (int i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
        }
    }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
