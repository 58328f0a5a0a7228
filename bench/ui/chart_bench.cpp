// The chart window's costs, offscreen, at 900 x 650 px: the first draw of the grid (lines
// computed and drawn into the cached image), and a repaint during a slider drag (the pages
// read afresh, the cached grid copied, the processes and legend drawn). Medians and 90th
// percentiles over many repetitions, in milliseconds.
//
//   plenova_chart_bench [REPETITIONS]      (default 200; QT_QPA_PLATFORM defaults to offscreen)
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "core/fpenv.h"
#include "modules/calculator.h"
#include "ui/chart/chart_view.h"
#include "ui/chart/chart_window.h"
#include "ui/program.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// This thread's processor time in milliseconds: on a machine shared with other work it shows
// what the repaint costs, where the wall clock also shows the waiting.
double threadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double percentile(std::vector<double> samples, double share) {
    std::sort(samples.begin(), samples.end());
    return samples[static_cast<std::size_t>(share * static_cast<double>(samples.size() - 1))];
}

}  // namespace

int main(int argc, char** argv) {
    using namespace plenova;
    const int repetitions = argc > 1 ? std::max(10, std::atoi(argv[1])) : 200;
    setArithmeticEnvironment();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QApplication app(argc, argv);

    PlenovaProgram program;
    program.show();
    program.Plenova.ChartClick();
    ChartView* view = program.Plenova.chartWindow()->view();
    view->setFixedSize(900, 650);
    QApplication::processEvents();
    view->repaint();

    // First draw of the grid: a fresh cache each time.
    std::vector<double> grid;
    std::vector<double> gridCpu;
    const chart::ChartScene scene = view->picture().scene();
    for (int i = 0; i < std::max(10, repetitions / 10); ++i) {
        ChartGrid fresh;
        const auto start = Clock::now();
        const double cpu = threadMilliseconds();
        fresh.imageFor(scene, QRectF(view->rect()), 1);
        gridCpu.push_back(threadMilliseconds() - cpu);
        grid.push_back(millisecondsSince(start));
    }

    // A drag of the mixing share: each position recalculates the page, then the chart repaints.
    Slider& share = program.calc.mixing.ScrollBarMApercent;
    std::vector<double> repaint;
    std::vector<double> repaintCpu;
    const int rendersBefore = view->grid().renderCount();
    for (int i = 0; i < repetitions; ++i) {
        share.setPosition(i % 100 + 1);
        const auto start = Clock::now();
        const double cpu = threadMilliseconds();
        view->repaint();
        repaintCpu.push_back(threadMilliseconds() - cpu);
        repaint.push_back(millisecondsSince(start));
    }

    std::printf("Qt platform: %s; chart view %d x %d px\n",
                qPrintable(QGuiApplication::platformName()), view->width(), view->height());
    std::printf(
        "| What | Median | 90th percentile | Processor time, median |\n|---|---:|---:|---:|\n");
    std::printf("| First draw of the grid | %.2f ms | %.2f ms | %.2f ms |\n", percentile(grid, 0.5),
                percentile(grid, 0.9), percentile(gridCpu, 0.5));
    std::printf("| Repaint during a slider drag | %.2f ms | %.2f ms | %.2f ms |\n",
                percentile(repaint, 0.5), percentile(repaint, 0.9), percentile(repaintCpu, 0.5));
    std::printf("Grid drawn again during the drag: %d times\n",
                view->grid().renderCount() - rendersBefore);
    return 0;
}
