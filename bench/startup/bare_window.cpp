// The toolkit's floor for the start-up benchmark: a bare Qt 6 Widgets window of the calculator's
// size with the same kinds and about the same numbers of widgets as its main window (a menu bar
// with the same items, five tab pages, 200 labels, 20 scroll bars) and nothing of the program's
// own: default fonts, default style, no icon; each label sized once to its text, as any window
// that places its labels by hand must do. It reports its first paint through the program's
// own start-up probe (PLENOVA_STARTUP_PROBE), so both are timed by the same code.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTabWidget>

#include "ui/startup_probe.h"

namespace {

constexpr int kLabels = 200;
constexpr int kScrollBars = 20;
constexpr int kCalculationPages = 3;  // the labels and scroll bars stand on the first three

// A calculation page: labels in two columns of captions and values, scroll bars beside them.
QWidget* calculationPage(int page) {
    auto* widget = new QWidget;
    const int labels = kLabels / kCalculationPages + (page < kLabels % kCalculationPages ? 1 : 0);
    for (int i = 0; i < labels; ++i) {
        auto* label = new QLabel(
            i % 2 == 0 ? QStringLiteral("Dry Bulb %1").arg(i) : QStringLiteral("%1.5 °C").arg(i),
            widget);
        label->move(16 + 136 * (i % 4), 8 + 10 * (i / 4));
        // Outside a layout a label must be sized to its text to show all of it.
        label->adjustSize();
    }
    const int bars =
        kScrollBars / kCalculationPages + (page < kScrollBars % kCalculationPages ? 1 : 0);
    for (int i = 0; i < bars; ++i) {
        auto* bar = new QScrollBar(Qt::Horizontal, widget);
        bar->setRange(0, 500);
        bar->setGeometry(16 + 272 * (i % 2), 8 + 48 * (i / 2), 145, 9);
    }
    return widget;
}

}  // namespace

int main(int argc, char** argv) {
    // As the program does: design pixels, no rescaling.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QApplication app(argc, argv);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("File"));
    file->addAction(QStringLiteral("Print"));
    file->addAction(QStringLiteral("Close"));
    window.menuBar()->addAction(QStringLiteral("Kelvaro"));

    auto* pages = new QTabWidget;
    pages->setFixedSize(559, 406);
    window.setCentralWidget(pages);
    const char* captions[] = {"Mixing", "Cooling", "Heating", "Print", "Instructions"};
    for (int page = 0; page < 5; ++page) {
        pages->addTab(page < kCalculationPages ? calculationPage(page) : new QWidget,
                      QString::fromLatin1(captions[page]));
    }

    if (plenova::startupProbeRequested()) {
        plenova::reportFirstPaintAndQuit(window);
    }
    window.show();
    return QApplication::exec();
}
