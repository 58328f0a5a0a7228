// The window's heaviest user events, end to end through the real widgets, offscreen: from the
// user's input into a scroll bar (a key press) or onto an import button (a mouse click) until
// every value label shows its new text at its new size, and on until the frame that shows them
// has been painted. The same event on the models alone, without a window, for comparison.
// Medians over many repetitions, in microseconds, against the 4 ms of one frame at 240 Hz.
//
//   plenova_ui_bench [REPETITIONS]      (default 300; QT_QPA_PLATFORM defaults to offscreen)
#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "core/fpenv.h"
#include "ui/program.h"
#include "ui/report/report_output.h"
#include "ui/report/report_page.h"
#include "ui/slider_bar.h"
#include "ui/value_label.h"

namespace plenova {
namespace {

using Clock = std::chrono::steady_clock;
constexpr double kFrameBudgetMicroseconds = 1e6 / 240;

double microsecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

double percentile(std::vector<double> samples, double share) {
    std::sort(samples.begin(), samples.end());
    const auto index = static_cast<std::size_t>(share * static_cast<double>(samples.size() - 1));
    return samples[index];
}

// Both mixing streams saturated at 50.0 °C, half and half: the wet-bulb search takes its
// longest walk.
void saturateMixing(Calculator& calc) {
    Mixing& m = calc.mixing;
    for (Slider* s :
         {&m.ScrollBarMARAdb, &m.ScrollBarMARAwb, &m.ScrollBarMAOAdb, &m.ScrollBarMAOAwb}) {
        s->setPosition(600);
    }
    m.ScrollBarMApercent.setPosition(50);
}

// The four cooling temperatures together at one position (each set keeps the rules).
void coolingTemperaturesAt(Calculator& calc, int position) {
    Cooling& c = calc.cooling;
    for (Slider* s : {&c.RAdbScrollBar, &c.RAwbScrollBar, &c.SAdbScrollBar, &c.SAwbScrollBar}) {
        s->setPosition(position);
    }
}

// One user event: the state it starts from (set through the models before every repetition,
// not timed), and the control the user works: a slider with a key, or a button.
struct Event {
    const char* name;
    std::function<void(Calculator&)> prepare;
    const char* control;
    Qt::Key key = Qt::Key_unknown;  // none for a button
};

std::vector<Event> events() {
    return {
        {"Cooling return-air volume, one step (the lightest move)",
         [](Calculator& calc) { calc.cooling.RAvolScrollBar.setPosition(1837); }, "RAvolScrollBar",
         Qt::Key_Right},
        {"Cooling return-air dry bulb below the three other temperatures",
         [](Calculator& calc) { coolingTemperaturesAt(calc, 300); }, "RAdbScrollBar", Qt::Key_Left},
        {"Mixing share, both streams saturated at 50 °C (longest wet-bulb search)",
         [](Calculator& calc) { saturateMixing(calc); }, "ScrollBarMApercent", Qt::Key_Right},
        {"Mixing return-air dry bulb below its wet bulb, both streams saturated at 50 °C",
         [](Calculator& calc) { saturateMixing(calc); }, "ScrollBarMARAdb", Qt::Key_Left},
        {"Altitude (all three modules)",
         [](Calculator& calc) { calc.altitude.ScrollBarMAmAltitude.setPosition(0); },
         "ScrollBarMAmAltitude", Qt::Key_Right},
        {"Altitude, mixing streams saturated at 50 °C",
         [](Calculator& calc) {
             saturateMixing(calc);
             calc.altitude.ScrollBarMAmAltitude.setPosition(0);
         },
         "ScrollBarMAmAltitude", Qt::Key_Right},
        {"Import Mixing Results, cooling temperatures all at 50 °C",
         [](Calculator& calc) {
             coolingTemperaturesAt(calc, 500);
             calc.cooling.RAvolScrollBar.setPosition(0);
         },
         "Button1"},
        {"Import Cooling Results, heating temperatures all at 50 °C",
         [](Calculator& calc) {
             Heating& h = calc.heating;
             h.ScrollBarHeatSupplyAirDryBulb.setPosition(600);
             h.ScrollBarHeatReturnAirDryBulb.setPosition(600);
             h.ScrollBarHeatReturnAirWetBulb.setPosition(600);
             h.ScrollBarHeatRAvolume.setPosition(0);
         },
         "Button2"},
    };
}

// Where a key sends a slider (Left steps down, Right steps up).
long long keyTarget(const Slider& slider, Qt::Key key) {
    return slider.position() + (key == Qt::Key_Left ? -slider.smallStep() : slider.smallStep());
}

// The event on the models alone, as the window would call them.
void actOnModels(Calculator& calc, const Event& event) {
    if (event.key == Qt::Key_unknown) {
        std::string(event.control) == "Button1" ? calc.cooling.Button1Click()
                                                : calc.heating.Button2Click();
        return;
    }
    Slider& slider = *calc.findSlider(event.control);
    slider.setPosition(keyTarget(slider, event.key));
}

[[noreturn]] void fail(const Event& event, const std::string& why) {
    std::fprintf(stderr, "%s: %s\n", event.name, why.c_str());
    std::exit(1);
}

// Counts the paint events of the value labels, to know when the frame that shows the new texts
// has been painted (a pressed button paints itself at once, before any handler runs).
class LabelPaintCounter : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && qobject_cast<ValueLabel*>(watched) != nullptr) {
            ++paints;
        }
        return false;
    }
};

struct Figures {
    int recalculations = 0;
    double model = 0;
    double labels = 0;
    double frame = 0;
    double frameP90 = 0;
};

class WindowBench {
  public:
    WindowBench() {
        program_.calc.setRecalculationObserver([this](const char*) { ++recalculations_; });
        program_.show();
        program_.Plenova.activateWindow();
        if (!QTest::qWaitForWindowActive(&program_.Plenova)) {
            std::fprintf(stderr, "the window did not become active\n");
            std::exit(1);
        }
        qApp->installEventFilter(&paints_);
        for (ValueLabel* label : program_.Plenova.findChildren<ValueLabel*>()) {
            labels_.push_back({label, program_.calc.findLabel(label->objectName().toStdString())});
        }
    }

    Figures measure(const Event& event, int repetitions) {
        Figures figures;
        figures.model = onModels(event, repetitions);
        QWidget* control = program_.Plenova.findChild<QWidget*>(event.control);
        if (control == nullptr) {
            fail(event, "no such control");
        }
        QTabWidget* pages = program_.Plenova.pageControl();
        std::vector<double> labels;
        std::vector<double> frames;
        for (int i = -repetitions / 10; i < repetitions; ++i) {  // the first tenth warms up
            event.prepare(program_.calc);
            showPageOf(pages, control);
            if (event.key != Qt::Key_unknown) {
                control->setFocus(Qt::TabFocusReason);
            }
            QCoreApplication::processEvents();  // the state on the screen, painted
            recalculations_ = 0;
            paints_.paints = 0;

            const Clock::time_point start = Clock::now();
            if (event.key != Qt::Key_unknown) {
                QTest::keyClick(control, event.key);
            } else {
                QTest::mouseClick(control, Qt::LeftButton);
            }
            const double untilLabels = microsecondsSince(start);
            // The frame: the pending updates are painted when the event loop next runs.
            while (paints_.paints == 0) {
                QCoreApplication::processEvents();
                if (microsecondsSince(start) > 1e6) {
                    fail(event, "no frame was painted");
                }
            }
            const double untilFrame = microsecondsSince(start);

            checkScreen(event);
            if (i >= 0) {
                labels.push_back(untilLabels);
                frames.push_back(untilFrame);
            }
        }
        figures.recalculations = recalculations_;
        figures.labels = percentile(labels, 0.5);
        figures.frame = percentile(frames, 0.5);
        figures.frameP90 = percentile(frames, 0.9);
        return figures;
    }

  private:
    static void showPageOf(QTabWidget* pages, QWidget* control) {
        for (QWidget* w = control; w != nullptr; w = w->parentWidget()) {
            if (pages->indexOf(w) >= 0) {
                pages->setCurrentWidget(w);
                return;
            }
        }
    }

    // The event did something, and every label shows its model's text at the size of it.
    void checkScreen(const Event& event) {
        if (recalculations_ == 0) {
            fail(event, "nothing was recalculated");
        }
        for (const auto& [widget, model] : labels_) {
            if (widget->text().toStdString() != model->text() ||
                widget->size() != widget->sizeHint()) {
                fail(event, model->name() + " does not show its text");
            }
        }
    }

    double onModels(const Event& event, int repetitions) {
        Calculator calc;
        calc.FormCreate();
        std::vector<double> samples;
        for (int i = -repetitions / 10; i < repetitions; ++i) {
            event.prepare(calc);
            const Clock::time_point start = Clock::now();
            actOnModels(calc, event);
            const double elapsed = microsecondsSince(start);
            if (i >= 0) {
                samples.push_back(elapsed);
            }
        }
        return percentile(samples, 0.5);
    }

    PlenovaProgram program_;
    LabelPaintCounter paints_;
    int recalculations_ = 0;
    std::vector<std::pair<ValueLabel*, const Label*>> labels_;
};

std::string cpuModel() {
    QFile cpuinfo(QStringLiteral("/proc/cpuinfo"));
    if (cpuinfo.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : cpuinfo.readAll().split('\n')) {
            if (line.startsWith("model name")) {
                return line.mid(line.indexOf(':') + 1).trimmed().toStdString();
            }
        }
    }
    return "unknown";
}

// The report laid out and written as a one-page PDF in memory, as "Save as PDF…" writes it
// (less the disk) and "Print" hands it to CUPS.
double reportToPdfMicroseconds(int repetitions) {
    Calculator calc;
    calc.FormCreate();
    const ReportPage page = ReportPage::capture(calc.report);
    std::vector<double> samples;
    for (int i = 0; i < repetitions; ++i) {
        const auto start = Clock::now();
        const QByteArray pdf = reportPdf(page);
        samples.push_back(microsecondsSince(start));
        if (pdf.isEmpty()) {
            std::abort();  // nothing was laid out: the figure would mean nothing
        }
    }
    return percentile(samples, 0.5);
}

}  // namespace
}  // namespace plenova

int main(int argc, char** argv) {
    using namespace plenova;
    const int repetitions = argc > 1 ? std::max(10, std::atoi(argv[1])) : 300;
    setArithmeticEnvironment();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");  // as the program runs
    QApplication app(argc, argv);

    std::printf("CPU: %s; Qt platform: %s; %d repetitions, medians in microseconds\n\n",
                cpuModel().c_str(), qPrintable(QGuiApplication::platformName()), repetitions);
    std::printf(
        "Recalculations: the module recalculations the event ran (MixedAirCalc, RAcalcs, "
        "SAcalcs, VolumeCalc and HeatRAcalcs count one each).\n\n");
    std::printf(
        "| User event | Recalculations | Models alone | Until the labels show it | "
        "Until painted | Painted, 90th percentile | Share of a 240 Hz frame |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---:|\n");
    for (const Event& event : events()) {
        WindowBench bench;  // each event from the start state
        const Figures f = bench.measure(event, repetitions);
        std::printf("| %s | %d | %.0f | %.0f | %.0f | %.0f | %.0f %% |\n", event.name,
                    f.recalculations, f.model, f.labels, f.frame, f.frameP90,
                    100 * f.frame / kFrameBudgetMicroseconds);
        std::fflush(stdout);
    }
    std::printf("\nThe report rendered to a one-page PDF in memory: %.0f\n",
                reportToPdfMicroseconds(std::max(10, repetitions / 10)));
    return 0;
}
