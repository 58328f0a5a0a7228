#include "ui/chart/chart_picture.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <cmath>

#include "core/numfmt.h"

namespace plenova {

using chart::ChartLine;
using chart::ChartPage;
using chart::ChartPoint;
using chart::LineFamily;
using chart::ProcessPoint;

namespace {

// Layout in 96-dpi pixels.
constexpr double kTitleHeight = 36;
constexpr double kLegendWidth = 250;
constexpr double kLeftMargin = 16;
constexpr double kRightAxis = 52;
constexpr double kBottomAxis = 44;
constexpr double kGap = 8;

const QColor kSaturationColour(0x1a, 0x3e, 0x7a);
const QColor kRelativeHumidityColour(0x6c, 0x8e, 0xbf);
const QColor kWetBulbColour(0x5f, 0x9e, 0x5f);
const QColor kEnthalpyColour(0xb0, 0x7d, 0x48);
const QColor kDensityColour(0xa4, 0x7c, 0xc0);
const QColor kGridColour(0xdd, 0xdd, 0xdd);
const QColor kTextColour(0x22, 0x22, 0x22);
const QColor kFaintTextColour(0x66, 0x66, 0x66);

QColor pageColour(ChartPage page) {
    switch (page) {
        case ChartPage::Mixing:
            return QColor(0xe8, 0x59, 0x0c);
        case ChartPage::Cooling:
            return QColor(0x19, 0x71, 0xc2);
        case ChartPage::Heating:
            return QColor(0xc2, 0x25, 0x5c);
    }
    return Qt::black;
}

const char* pageName(ChartPage page) {
    switch (page) {
        case ChartPage::Mixing:
            return "Mixing";
        case ChartPage::Cooling:
            return "Cooling";
        case ChartPage::Heating:
            return "Heating";
    }
    return "";
}

QFont font(double pixels, bool bold = false) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(static_cast<int>(pixels));
    f.setBold(bold);
    return f;
}

QString text(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

struct FamilyStyle {
    LineFamily family;
    const char* name;
    QColor colour;
    double width;
    Qt::PenStyle style;
};

const FamilyStyle kFamilies[] = {
    {LineFamily::Saturation, "Saturation", kSaturationColour, 1.8, Qt::SolidLine},
    {LineFamily::RelativeHumidity, "Relative humidity, %", kRelativeHumidityColour, 0.9,
     Qt::SolidLine},
    {LineFamily::WetBulb, "Wet bulb, \u00B0C", kWetBulbColour, 0.8, Qt::DashLine},
    {LineFamily::Enthalpy, "Enthalpy, kJ/kg", kEnthalpyColour, 0.8, Qt::SolidLine},
    {LineFamily::Density, "Density, kg/m\u00B3", kDensityColour, 0.8, Qt::DotLine},
};

const FamilyStyle& styleOf(LineFamily family) {
    for (const FamilyStyle& style : kFamilies) {
        if (style.family == family) {
            return style;
        }
    }
    return kFamilies[0];
}

// The value written beside a line of the grid.
QString lineLabel(const ChartLine& line) {
    switch (line.family) {
        case LineFamily::Saturation:
            return QStringLiteral("100 %");
        case LineFamily::RelativeHumidity:
            return QStringLiteral("%1 %").arg(line.value, 0, 'f', 0);
        case LineFamily::WetBulb:
            return QStringLiteral("%1 \u00B0C").arg(line.value, 0, 'f', 0);
        case LineFamily::Enthalpy:
            return QStringLiteral("%1 kJ/kg").arg(line.value, 0, 'f', 0);
        case LineFamily::Density:
            return QStringLiteral("%1 kg/m\u00B3").arg(line.value, 0, 'f', 2);
    }
    return {};
}

// The box of `label` in the painter's font, placed with its corner `anchor` (a Qt alignment of
// the box) at `at`.
QRectF anchoredBox(const QPainter& painter, const QPointF& at, const QString& label,
                   Qt::Alignment anchor) {
    const QFontMetricsF metrics(painter.font());
    QRectF box(QPointF(), QSizeF(metrics.horizontalAdvance(label) + 2, metrics.height()));
    QPointF corner = at;
    if (anchor & Qt::AlignRight) {
        corner.rx() -= box.width();
    } else if (anchor & Qt::AlignHCenter) {
        corner.rx() -= box.width() / 2;
    }
    if (anchor & Qt::AlignBottom) {
        corner.ry() -= box.height();
    } else if (anchor & Qt::AlignVCenter) {
        corner.ry() -= box.height() / 2;
    }
    box.moveTopLeft(corner);
    return box;
}

void drawText(QPainter& painter, const QPointF& at, const QString& label, Qt::Alignment anchor) {
    painter.drawText(anchoredBox(painter, at, label, anchor), Qt::AlignCenter, label);
}

// A line's value on a pale ground, legible where it crosses other lines.
void drawLabel(QPainter& painter, const QPointF& at, const QString& label, const QColor& ink,
               Qt::Alignment anchor) {
    const QRectF box = anchoredBox(painter, at, label, anchor);
    painter.fillRect(box, QColor(255, 255, 255, 210));
    painter.setPen(ink);
    painter.drawText(box, Qt::AlignCenter, label);
}

QRectF legendArea(const QRectF& area, const QRectF& plot) {
    return QRectF(area.right() - kLegendWidth + kGap, plot.top(), kLegendWidth - 2 * kGap,
                  plot.height() + kBottomAxis - kGap);
}

}  // namespace

const QImage& ChartGrid::imageFor(const chart::ChartScene& scene, const QRectF& area,
                                  qreal pixelRatio) {
    if (image_.isNull() || area != area_ || pixelRatio != pixelRatio_ ||
        scene.pressure != pressure_ || scene.range.xMax != xMax_) {
        area_ = area;
        pixelRatio_ = pixelRatio;
        pressure_ = scene.pressure;
        xMax_ = scene.range.xMax;
        const QSize size((area.size() * pixelRatio).toSize());
        image_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
        image_.setDevicePixelRatio(pixelRatio);
        QPainter painter(&image_);
        painter.translate(-area.topLeft());
        ChartPicture(scene, ChartPage::Mixing).paintGrid(painter, area);
        ++renders_;
    }
    return image_;
}

ChartPicture::ChartPicture(chart::ChartScene scene, ChartPage activePage)
    : scene_(std::move(scene)), active_(activePage) {}

QRectF ChartPicture::plotArea(const QRectF& area) {
    return QRectF(area.left() + kLeftMargin, area.top() + kTitleHeight + kGap,
                  area.width() - kLeftMargin - kRightAxis - kLegendWidth,
                  area.height() - kTitleHeight - kGap - kBottomAxis);
}

QPointF ChartPicture::toPlot(const ChartPoint& point, const QRectF& plot) const {
    const chart::ChartRange& r = scene_.range;
    return {plot.left() + (point.t - r.tMin) / (r.tMax - r.tMin) * plot.width(),
            plot.bottom() - (point.x - r.xMin) / (r.xMax - r.xMin) * plot.height()};
}

ChartPoint ChartPicture::fromPlot(const QPointF& pixel, const QRectF& plot) const {
    const chart::ChartRange& r = scene_.range;
    return {r.tMin + (pixel.x() - plot.left()) / plot.width() * (r.tMax - r.tMin),
            r.xMin + (plot.bottom() - pixel.y()) / plot.height() * (r.xMax - r.xMin)};
}

void ChartPicture::paint(QPainter& painter, const QRectF& area, ChartGrid* grid) const {
    if (grid != nullptr) {
        painter.drawImage(area.topLeft(),
                          grid->imageFor(scene_, area, painter.device()->devicePixelRatioF()));
    } else {
        paintGrid(painter, area);
    }
    paintProcesses(painter, area);
}

void ChartPicture::paintGrid(QPainter& painter, const QRectF& area) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    const QRectF plot = plotArea(area);
    const chart::ChartRange& r = scene_.range;

    // Title block: what the chart is, and the pressure it is drawn for.
    painter.setPen(kTextColour);
    painter.setFont(font(16, true));
    drawText(painter, QPointF(area.left() + kLeftMargin, area.top() + kGap),
             QStringLiteral("Psychrometric chart"), Qt::AlignLeft | Qt::AlignTop);
    painter.setFont(font(12));
    drawText(painter, QPointF(plot.right(), area.top() + kGap + 3),
             QStringLiteral("Pressure %1 at altitude %2")
                 .arg(text(scene_.pressureText), text(scene_.altitudeText)),
             Qt::AlignRight | Qt::AlignTop);

    // Dry-bulb and moisture grid, every 5 °C and every 5 g/kg.
    painter.setPen(QPen(kGridColour, 0.6));
    for (double t = r.tMin; t <= r.tMax + 1e-9; t += 5) {
        painter.drawLine(toPlot({t, r.xMin}, plot), toPlot({t, r.xMax}, plot));
    }
    for (double g = 0; g <= r.xMax * 1000 + 1e-9; g += 5) {
        painter.drawLine(toPlot({r.tMin, g / 1000}, plot), toPlot({r.tMax, g / 1000}, plot));
    }

    // The lines and their values.
    const std::vector<ChartLine> lines = chart::chartLines(scene_.pressure, r);
    painter.save();
    painter.setClipRect(plot.adjusted(-1, -1, 1, 1));
    for (const ChartLine& line : lines) {
        const FamilyStyle& style = styleOf(line.family);
        QPainterPath path(toPlot(line.points.front(), plot));
        for (const ChartPoint& p : line.points) {
            path.lineTo(toPlot(p, plot));
        }
        painter.setPen(QPen(style.colour, style.width, style.style));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    }
    painter.setFont(font(10));
    for (const ChartLine& line : lines) {
        const FamilyStyle& style = styleOf(line.family);
        const QColor ink = style.colour.darker(140);
        const QPointF first = toPlot(line.points.front(), plot);
        const QPointF last = toPlot(line.points.back(), plot);
        switch (line.family) {
            case LineFamily::RelativeHumidity: {
                // Near the top, at two heights in turn so that neighbours stand apart; a curve
                // that leaves by the right edge is labelled there.
                const int tenth = static_cast<int>(std::lround(line.value / 10));
                const double level = r.xMax * (tenth % 2 == 1 ? 0.93 : 0.84);
                const ChartPoint* at = nullptr;
                for (const ChartPoint& p : line.points) {
                    if (p.x >= level) {
                        at = &p;
                        break;
                    }
                }
                if (at != nullptr) {
                    drawLabel(painter, toPlot(*at, plot) + QPointF(-2, 0), lineLabel(line), ink,
                              Qt::AlignRight | Qt::AlignVCenter);
                } else {
                    drawLabel(painter, last + QPointF(-3, -1), lineLabel(line), ink,
                              Qt::AlignRight | Qt::AlignBottom);
                }
                break;
            }
            case LineFamily::WetBulb:
                // Where it leaves the saturation curve, in the blank region above it.
                drawLabel(painter, first + QPointF(-3, -2), lineLabel(line), ink,
                          Qt::AlignRight | Qt::AlignBottom);
                break;
            case LineFamily::Enthalpy: {
                if (first.y() <= plot.top() + 1) {
                    drawLabel(painter, first + QPointF(3, 2), lineLabel(line), ink,
                              Qt::AlignLeft | Qt::AlignTop);
                    break;
                }
                // An outer scale: the line runs on past the saturation curve to its value.
                const QPointF along = first - toPlot(line.points[1], plot);
                const double length = std::hypot(along.x(), along.y());
                const QPointF end = first + along * (26 / std::max(length, 1e-9));
                if (end.x() - QFontMetricsF(painter.font()).horizontalAdvance(lineLabel(line)) <
                    plot.left()) {
                    break;  // no room left of the curve
                }
                painter.setPen(QPen(style.colour, style.width));
                painter.drawLine(first, end);
                drawLabel(painter, end + QPointF(-1, -1), lineLabel(line), ink,
                          Qt::AlignRight | Qt::AlignBottom);
                break;
            }
            case LineFamily::Density: {
                // Low down, left of the line.
                const ChartPoint* at = &line.points.back();
                for (const ChartPoint& p : line.points) {
                    if (p.x <= r.xMin + (r.xMax - r.xMin) * 0.12) {
                        at = &p;
                        break;
                    }
                }
                drawLabel(painter, toPlot(*at, plot) + QPointF(-3, 0), lineLabel(line), ink,
                          Qt::AlignRight | Qt::AlignVCenter);
                break;
            }
            case LineFamily::Saturation:
                break;
        }
    }
    painter.restore();

    // Axes: dry bulb below, moisture content at the right.
    painter.setPen(QPen(kTextColour, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
    painter.setFont(font(11));
    for (double t = r.tMin; t <= r.tMax + 1e-9; t += 5) {
        const QPointF at = toPlot({t, r.xMin}, plot);
        painter.drawLine(at, at + QPointF(0, 4));
        drawText(painter, at + QPointF(0, 5), QString::number(t, 'f', 0),
                 Qt::AlignHCenter | Qt::AlignTop);
    }
    for (double g = 0; g <= r.xMax * 1000 + 1e-9; g += 1) {
        const QPointF at = toPlot({r.tMax, g / 1000}, plot);
        const bool major = std::fmod(g, 5) == 0;
        painter.drawLine(at, at + QPointF(major ? 5 : 3, 0));
        if (major) {
            drawText(painter, at + QPointF(7, 0), QString::number(g, 'f', 0),
                     Qt::AlignLeft | Qt::AlignVCenter);
        }
    }
    painter.setFont(font(12));
    drawText(painter, QPointF(plot.center().x(), plot.bottom() + 22),
             QStringLiteral("Dry bulb, \u00B0C"), Qt::AlignHCenter | Qt::AlignTop);
    painter.save();
    painter.translate(plot.right() + kRightAxis - 6, plot.center().y());
    painter.rotate(90);
    drawText(painter, QPointF(0, 0), QStringLiteral("Moisture content, g/kg"),
             Qt::AlignHCenter | Qt::AlignTop);
    painter.restore();

    // The key to the line families, at the foot of the legend column.
    const QRectF legend = legendArea(area, plot);
    double y = legend.bottom() - 18 * (std::size(kFamilies) + 1);
    painter.setFont(font(12, true));
    painter.setPen(kTextColour);
    drawText(painter, QPointF(legend.left(), y), QStringLiteral("Lines"),
             Qt::AlignLeft | Qt::AlignTop);
    painter.setFont(font(11));
    for (const FamilyStyle& style : kFamilies) {
        y += 18;
        painter.setPen(QPen(style.colour, style.width + 0.6, style.style));
        painter.drawLine(QPointF(legend.left(), y + 8), QPointF(legend.left() + 22, y + 8));
        painter.setPen(kTextColour);
        drawText(painter, QPointF(legend.left() + 28, y), QString::fromUtf8(style.name),
                 Qt::AlignLeft | Qt::AlignTop);
    }
    painter.restore();
}

void ChartPicture::paintProcesses(QPainter& painter, const QRectF& area) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF plot = plotArea(area);
    const std::vector<ProcessPoint>& points = scene_.points;
    const auto at = [&](int index) {
        return toPlot(chart::plotted(points[index].at, scene_.range), plot);
    };

    // The active page's process last and strongest.
    std::vector<ChartPage> order;
    for (ChartPage page : {ChartPage::Mixing, ChartPage::Cooling, ChartPage::Heating}) {
        if (page != active_) {
            order.push_back(page);
        }
    }
    order.push_back(active_);

    for (ChartPage page : order) {
        const bool strong = page == active_;
        const QColor colour = pageColour(page);
        QColor lineColour = colour;
        if (!strong) {
            lineColour.setAlphaF(0.55);
        }
        painter.setPen(QPen(lineColour, strong ? 2.8 : 1.4));
        painter.setBrush(Qt::NoBrush);
        switch (page) {
            case ChartPage::Mixing:
                painter.drawLine(at(chart::kMixRA), at(chart::kMixOA));
                break;
            case ChartPage::Cooling:
                painter.drawLine(at(chart::kCoolRA), at(chart::kCoolSA));
                if (scene_.coil.hasAdp) {
                    const QPointF adp = toPlot(scene_.coil.adp, plot);
                    painter.setPen(QPen(lineColour, strong ? 1.6 : 1, Qt::DashLine));
                    painter.drawLine(at(chart::kCoolSA), adp);
                    painter.setPen(QPen(colour, 1.6));
                    painter.drawLine(adp + QPointF(-5, -5), adp + QPointF(5, 5));
                    painter.drawLine(adp + QPointF(-5, 5), adp + QPointF(5, -5));
                    painter.setFont(font(11, strong));
                    drawText(painter, adp + QPointF(-7, 2), QStringLiteral("ADP"),
                             Qt::AlignRight | Qt::AlignTop);
                }
                break;
            case ChartPage::Heating:
                painter.drawLine(at(chart::kHeatRA), at(chart::kHeatSA));
                break;
        }

        const double radius = strong ? 5 : 4;
        painter.setFont(font(12, strong));
        for (int i = 0; i < chart::kPointCount; ++i) {
            const ProcessPoint& p = points[i];
            if (p.page != page) {
                continue;
            }
            const QPointF centre = at(i);
            painter.setPen(QPen(colour, p.hollow ? 2 : 1));
            painter.setBrush(p.hollow ? QBrush(Qt::white) : QBrush(colour));
            painter.drawEllipse(centre, radius, radius);
            painter.setPen(colour.darker(115));
            // Tags on different sides, so that states two pages share stay legible.
            const bool right = i == chart::kMixRA || i == chart::kMixOA || i == chart::kCoolRA ||
                               i == chart::kCoolSA || i == chart::kHeatSA;
            const bool below = page == ChartPage::Cooling;
            drawText(painter, centre + QPointF(right ? 6 : -6, below ? 5 : -5), text(p.tag),
                     (right ? Qt::AlignLeft : Qt::AlignRight) |
                         (below ? Qt::AlignTop : Qt::AlignBottom));
        }
    }

    // The legend: every point with the texts its page shows.
    const QRectF legend = legendArea(area, plot);
    double y = legend.top();
    painter.setPen(kTextColour);
    painter.setFont(font(13, true));
    drawText(painter, QPointF(legend.left(), y), QStringLiteral("Processes"),
             Qt::AlignLeft | Qt::AlignTop);
    y += 20;
    for (ChartPage page : {ChartPage::Mixing, ChartPage::Cooling, ChartPage::Heating}) {
        const bool strong = page == active_;
        const QColor colour = pageColour(page);
        painter.setPen(colour);
        painter.setFont(font(12, true));
        drawText(
            painter, QPointF(legend.left(), y),
            QString::fromLatin1(pageName(page)) + (strong ? QStringLiteral("  \u25C0") : QString()),
            Qt::AlignLeft | Qt::AlignTop);
        y += 17;
        for (const ProcessPoint& p : points) {
            if (p.page != page) {
                continue;
            }
            painter.setPen(QPen(colour, p.hollow ? 1.5 : 1));
            painter.setBrush(p.hollow ? QBrush(Qt::white) : QBrush(colour));
            painter.drawEllipse(QPointF(legend.left() + 4, y + 7), 3.5, 3.5);
            painter.setPen(kTextColour);
            painter.setFont(font(11, true));
            drawText(painter, QPointF(legend.left() + 12, y), text(p.tag),
                     Qt::AlignLeft | Qt::AlignTop);
            painter.setFont(font(11));
            drawText(painter, QPointF(legend.left() + 48, y),
                     text(p.dryBulbText) + QStringLiteral("   ") + text(p.moistureText),
                     Qt::AlignLeft | Qt::AlignTop);
            y += 14;
            painter.setPen(kFaintTextColour);
            painter.setFont(font(10));
            drawText(painter, QPointF(legend.left() + 48, y), text(p.detailText),
                     Qt::AlignLeft | Qt::AlignTop);
            y += 15;
        }
        if (page == ChartPage::Cooling) {
            painter.setPen(kTextColour);
            painter.setFont(font(11));
            drawText(painter, QPointF(legend.left() + 12, y),
                     QStringLiteral("ADP %1").arg(text(scene_.adpText)),
                     Qt::AlignLeft | Qt::AlignTop);
            y += 14;
            drawText(painter, QPointF(legend.left() + 12, y),
                     QStringLiteral("Bypass factor %1   Contact factor %2")
                         .arg(text(scene_.bypassFactorText), text(scene_.contactFactorText)),
                     Qt::AlignLeft | Qt::AlignTop);
            y += 15;
        }
        y += 5;
    }
    painter.setPen(kFaintTextColour);
    painter.setFont(font(10));
    drawText(painter, QPointF(legend.left(), y), QStringLiteral("Hollow: no dew point"),
             Qt::AlignLeft | Qt::AlignTop);
    painter.restore();
}

}  // namespace plenova
