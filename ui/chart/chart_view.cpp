#include "ui/chart/chart_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "chart/moist_air.h"
#include "core/fpenv.h"
#include "core/numfmt.h"
#include "modules/suffixes.h"

namespace plenova {

ChartView::ChartView(const Calculator& calc, QWidget* parent) : QWidget(parent), calc_(calc) {
    setMouseTracking(true);
    setMinimumSize(700, 480);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartView::refresh() {
    scene_.reset();
    update();
}

void ChartView::setActivePage(chart::ChartPage page) {
    active_ = page;
    update();
}

const chart::ChartScene& ChartView::scene() const {
    if (!scene_) {
        scene_ = chart::captureScene(calc_);
    }
    return *scene_;
}

ChartPicture ChartView::picture() const {
    return ChartPicture(scene(), active_);
}

void ChartView::paintEvent(QPaintEvent*) {
    ++paints_;
    QPainter painter(this);
    try {
        picture().paint(painter, QRectF(rect()), &grid_);
    } catch (const std::exception& error) {
        // Nothing may leave a paint event; the pages' own error boxes tell the user.
        painter.fillRect(rect(), Qt::white);
        painter.drawText(rect(), Qt::AlignCenter, QString::fromUtf8(error.what()));
    }
}

QString ChartView::readOutAt(const QPointF& position) const {
    const ChartPicture shown = picture();
    const QRectF plot = ChartPicture::plotArea(QRectF(rect()));
    if (!plot.contains(position)) {
        return {};
    }
    const chart::ChartPoint at = shown.fromPlot(position, plot);
    const chart::PointReading r = chart::readPoint(at.t, at.x, shown.scene().pressure);
    const auto celsius = [](double value) { return fixed(value, 1) + suffix::kCelsius; };
    const std::string none = placeholder::kNoResult;
    const std::string line =
        celsius(r.t) + "   " + fixed(r.x, 4) + suffix::kKgPerKg + "   " + fixed(r.rh, 1) +
        suffix::kPercent + "   wb " + (r.wetBulbValid ? celsius(r.wetBulb) : none) + "   dp " +
        (r.dewPointValid ? celsius(r.dewPoint) : none) + "   " + fixed(r.h, 1) + suffix::kKJPerKg;
    return QString::fromStdString(line);
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
    QString text;
    try {
        text = readOutAt(event->position());
    } catch (const std::exception&) {
        text.clear();  // a point the formulas cannot describe reads as nothing
    }
    Q_EMIT readOutChanged(text);
}

void ChartView::leaveEvent(QEvent*) {
    Q_EMIT readOutChanged(QString());
}

}  // namespace plenova
