// No value text overlaps a neighbouring caption, value, slider or button at any slider
// position: every slider is put at both its ends (alone, and with every volume at its largest,
// which gives the widest duties), and on every calculation page no two of those rectangles
// may intersect. A value wider than its room keeps its place and its every digit, drawn in a
// smaller size of the same font.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "ui/calculation_page.h"
#include "ui_test_support.h"

using namespace plenova;
using namespace plenova::test;

namespace {

struct Piece {
    QString name;
    QRect area;  // in the page's coordinates
    bool value;
};

}  // namespace

class LabelOverlapTest : public ProgramTest {
    Q_OBJECT

  private:
    int states_ = 0;

    // Every caption, value label, slider and button of a page, where they stand now.
    QList<Piece> pieces(QWidget* page) {
        QList<Piece> all;
        for (QGroupBox* box : page->findChildren<QGroupBox*>()) {
            for (QObject* child : box->children()) {
                auto* widget = qobject_cast<QWidget*>(child);
                if (widget == nullptr || widget->isHidden()) {
                    continue;
                }
                const bool value = qobject_cast<ValueLabel*>(widget) != nullptr;
                const bool piece = value || qobject_cast<QLabel*>(widget) != nullptr ||
                                   qobject_cast<QScrollBar*>(widget) != nullptr ||
                                   qobject_cast<QPushButton*>(widget) != nullptr;
                if (piece) {
                    const QString name = widget->objectName().isEmpty()
                                             ? static_cast<QLabel*>(widget)->text()
                                             : widget->objectName();
                    all.append({name, QRect(widget->mapTo(page, QPoint()), widget->size()), value});
                }
            }
        }
        return all;
    }

    // The whole of every value shows, in its own face, and meets nothing on its page.
    void checkEveryPage(const QString& state) {
        ++states_;
        QTabWidget* pages = program->Plenova.pageControl();
        for (int p = 0; p < 3; ++p) {
            const QList<Piece> all = pieces(pages->widget(p));
            for (int i = 0; i < all.size(); ++i) {
                if (!all[i].value) {
                    continue;
                }
                auto* label = pages->widget(p)->findChild<ValueLabel*>(all[i].name);
                const QFontMetrics metrics(label->font());
                QVERIFY2(label->width() >= metrics.horizontalAdvance(label->text()),
                         qPrintable(all[i].name + QStringLiteral(" is cut at ") + state));
                QCOMPARE(label->font().family(), QStringLiteral("Arial"));
                QVERIFY(label->font().pixelSize() <= 11);
                for (int j = 0; j < all.size(); ++j) {
                    if (j == i || (all[j].value && j < i)) {
                        continue;
                    }
                    QVERIFY2(!all[i].area.intersects(all[j].area),
                             qPrintable(QStringLiteral("%1 \"%2\" meets %3 at %4")
                                            .arg(all[i].name, label->text(), all[j].name, state)));
                }
            }
        }
    }

    void setAndCheck(Slider& slider, int position, const QString& state) {
        slider.setPosition(position);
        checkEveryPage(state + QStringLiteral(", ") + QString::fromStdString(slider.name()) +
                       QStringLiteral(" at ") + QString::number(position));
    }

  private Q_SLOTS:
    void atTheStart() { checkEveryPage(QStringLiteral("the start")); }

    // The case found by hand: 5 m³/s heated to 50 °C gave "-228.859 kWSensible".
    void reheatAtFiveCubicMetresAndFiftyDegrees() {
        Calculator& calc = program->calc;
        calc.heating.ScrollBarHeatRAvolume.setPosition(50000);
        setAndCheck(calc.heating.ScrollBarHeatSupplyAirDryBulb, 600, QStringLiteral("5 m³/s"));
    }

    void everySliderAtItsEnds_data() {
        QTest::addColumn<bool>("largestVolumes");
        QTest::newRow("start volumes") << false;
        QTest::newRow("largest volumes") << true;
    }
    void everySliderAtItsEnds() {
        QFETCH(bool, largestVolumes);
        Calculator& calc = program->calc;
        states_ = 0;
        const QString state = largestVolumes ? QStringLiteral("20 m³/s") : QStringLiteral("start");
        if (largestVolumes) {
            for (Slider* volume : {&calc.mixing.ScrollBarMAVol, &calc.cooling.RAvolScrollBar,
                                   &calc.heating.ScrollBarHeatRAvolume}) {
                volume->setPosition(volume->max());
            }
        }
        for (Slider* slider : calc.sliders()) {
            const int start = slider->position();
            setAndCheck(*slider, slider->min(), state);
            setAndCheck(*slider, slider->max(), state);
            setAndCheck(*slider, slider->min(), state);
            slider->setPosition(start);
        }
        // Each heating temperature at each end while the others stand at theirs: the widest
        // heat and reheat figures, read against cooling duties at their largest.
        for (int heatingEnds = 0; heatingEnds < 8; ++heatingEnds) {
            calc.heating.ScrollBarHeatReturnAirDryBulb.setPosition((heatingEnds & 1) ? 600 : 0);
            calc.heating.ScrollBarHeatReturnAirWetBulb.setPosition((heatingEnds & 2) ? 600 : 0);
            setAndCheck(calc.heating.ScrollBarHeatSupplyAirDryBulb, (heatingEnds & 4) ? 600 : 0,
                        state);
        }
        QCOMPARE(states_, 18 * 3 + 8);
    }
};

QTEST_MAIN(LabelOverlapTest)
#include "label_overlap_test.moc"
