// The chart on screen: the picture drawn as large as the widget, the grid kept between
// paints, and the state under the mouse read out through the program's formulas.
#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "chart/chart_scene.h"
#include "ui/chart/chart_picture.h"

namespace plenova {

class Calculator;

class ChartView : public QWidget {
    Q_OBJECT
  public:
    ChartView(const Calculator& calc, QWidget* parent);

    // The pages changed: the next paint reads them afresh.
    void refresh();
    void setActivePage(chart::ChartPage page);

    // The picture as the next paint draws it.
    ChartPicture picture() const;
    const ChartGrid& grid() const { return grid_; }
    int paintCount() const { return paints_; }

    // The read-out text for a point of the widget; empty outside the plot.
    QString readOutAt(const QPointF& position) const;

  Q_SIGNALS:
    void readOutChanged(const QString& text);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    const chart::ChartScene& scene() const;

    const Calculator& calc_;
    chart::ChartPage active_ = chart::ChartPage::Mixing;
    mutable std::optional<chart::ChartScene> scene_;  // empty: read the pages again
    ChartGrid grid_;
    int paints_ = 0;
};

}  // namespace plenova
