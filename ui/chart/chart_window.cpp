#include "ui/chart/chart_window.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <stdexcept>

#include "modules/calculator.h"
#include "ui/chart/chart_output.h"
#include "ui/chart/chart_view.h"
#include "ui/handler_boundary.h"
#include "ui/print/cups_job.h"
#include "ui/report/report_output.h"

namespace plenova {

namespace {

const QString kWindowTitle = QStringLiteral("Psychrometric Chart");
const QString kFileFilters =
    QStringLiteral("PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)");

}  // namespace

ChartWindow::ChartWindow(Calculator& calc, QTabWidget* pages, QWidget* parent)
    : QWidget(parent, Qt::Window), calc_(calc) {
    setObjectName(QStringLiteral("ChartWindow"));
    setWindowTitle(kWindowTitle);
    setAttribute(Qt::WA_DeleteOnClose);

    view_ = new ChartView(calc, this);
    view_->setObjectName(QStringLiteral("ChartView"));
    readOut_ = new QLabel(this);
    readOut_->setObjectName(QStringLiteral("ChartReadOut"));
    readOut_->setMinimumWidth(420);
    printerNote_ = new QLabel(this);
    printerNote_->setObjectName(QStringLiteral("ChartPrinterNote"));
    save_ = new QPushButton(tr("Save as…"), this);
    save_->setObjectName(QStringLiteral("ChartSaveAs"));
    print_ = new QPushButton(tr("Print"), this);
    print_->setObjectName(QStringLiteral("ChartPrint"));
    close_ = new QPushButton(tr("Close"), this);
    close_->setObjectName(QStringLiteral("ChartClose"));
    if (!hasDefaultPrinter()) {
        const QString why = tr("No default printer is installed");
        print_->setEnabled(false);
        print_->setToolTip(why);
        printerNote_->setText(why);
    }

    auto* bar = new QHBoxLayout;
    bar->addWidget(readOut_, 1);
    bar->addWidget(printerNote_);
    bar->addWidget(save_);
    bar->addWidget(print_);
    bar->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addLayout(bar);

    connect(view_, &ChartView::readOutChanged, readOut_, &QLabel::setText);
    connect(save_, &QPushButton::clicked, this, &ChartWindow::saveAs);
    connect(print_, &QPushButton::clicked, this, &ChartWindow::printChartClick);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    if (pages != nullptr) {
        connect(pages, &QTabWidget::currentChanged, this, &ChartWindow::followPage);
        followPage(pages->currentIndex());
    }
    // Every recalculation of the three pages repaints the chart once its handler is done.
    listenerKey_ = calc_.addRecalculationListener([this](const char*) { view_->refresh(); });

    resize(940, 720);
}

ChartWindow::~ChartWindow() {
    calc_.removeRecalculationListener(listenerKey_);
}

void ChartWindow::followPage(int index) {
    // The Print and Instructions pages keep the process last shown strongest.
    if (index >= 0 && index <= static_cast<int>(chart::ChartPage::Heating)) {
        view_->setActivePage(static_cast<chart::ChartPage>(index));
    }
}

void ChartWindow::saveAs() {
    QString filter;
    QString path = QFileDialog::getSaveFileName(
        this, tr("Save chart as"), QDir::home().filePath(QStringLiteral("psychrometric-chart.png")),
        kFileFilters, &filter);
    if (path.isEmpty()) {
        return;
    }
    ChartFileFormat format;
    if (!chartFileFormat(path, format)) {
        // No known suffix: the chosen filter's.
        path += filter.contains(QStringLiteral("svg"))   ? QStringLiteral(".svg")
                : filter.contains(QStringLiteral("pdf")) ? QStringLiteral(".pdf")
                                                         : QStringLiteral(".png");
    }
    saveTo(path);
}

void ChartWindow::saveTo(const QString& path) {
    runHandler(this, [&] {
        ChartFileFormat format;
        if (!chartFileFormat(path, format)) {
            throw std::runtime_error(QStringLiteral("\"%1\" is not a PNG, SVG or PDF file name")
                                         .arg(path)
                                         .toStdString());
        }
        saveChart(view_->picture(), path, format);
    });
}

void ChartWindow::printChartClick() {
    runHandler(this, [&] { printChart(view_->picture(), kWindowTitle); });
}

}  // namespace plenova
