// The chart as a picture: the one renderer behind the window, the PNG, SVG and PDF files and
// the printer. Drawn in units of a 96-dpi pixel; a file or printer scales the painter first.
// The grid (title block, axes, lines and their labels) depends only on the pressure and the
// range, so a window keeps it in a ChartGrid and redraws only the processes and the legend.
#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <vector>

#include "chart/chart_lines.h"
#include "chart/chart_scene.h"

class QPainter;

namespace plenova {

// The grid drawn once for a size, pressure and range, and drawn again only when one changes.
class ChartGrid {
  public:
    // The grid for `area` on a screen of this pixel ratio, rendered when it is not up to date.
    const QImage& imageFor(const chart::ChartScene& scene, const QRectF& area, qreal pixelRatio);
    int renderCount() const { return renders_; }

  private:
    QImage image_;
    QRectF area_;
    qreal pixelRatio_ = 0;
    double pressure_ = 0;
    double xMax_ = 0;
    int renders_ = 0;
};

class ChartPicture {
  public:
    ChartPicture(chart::ChartScene scene, chart::ChartPage activePage);

    const chart::ChartScene& scene() const { return scene_; }
    chart::ChartPage activePage() const { return active_; }

    // Draws the whole picture into `area`: title block, plot with grid and processes, legend.
    // With a grid, the grid comes from its image (screen painters only).
    void paint(QPainter& painter, const QRectF& area, ChartGrid* grid = nullptr) const;

    // The grid alone, and the processes with the legend alone: paint() is the two in turn.
    void paintGrid(QPainter& painter, const QRectF& area) const;
    void paintProcesses(QPainter& painter, const QRectF& area) const;

    // The plot's rectangle inside `area`, and the mapping between the plane and the plot.
    static QRectF plotArea(const QRectF& area);
    QPointF toPlot(const chart::ChartPoint& point, const QRectF& plot) const;
    chart::ChartPoint fromPlot(const QPointF& pixel, const QRectF& plot) const;

  private:
    chart::ChartScene scene_;
    chart::ChartPage active_;
};

}  // namespace plenova
