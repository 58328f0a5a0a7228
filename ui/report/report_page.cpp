#include "ui/report/report_page.h"

#include <QFont>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <QString>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>

#include "ui/report/report_template.h"

namespace plenova {

namespace {

namespace geo = report_geometry;

// The painter works in hundredths of a millimetre: font sizes then stay hundreds of units
// high, so no glyph advance is rounded to a coarse whole unit on any device.
constexpr double kUnitsPerMm = 100.0;
constexpr double kMmPerPoint = 25.4 / 72.0;

double units(double mm) {
    return mm * kUnitsPerMm;
}

int pixelSize(double points) {
    return static_cast<int>(units(points * kMmPerPoint) + 0.5);
}

QFont reportFont(const ReportFont& style) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setHintingPreference(QFont::PreferNoHinting);
    // A pixel size in painter units: the text keeps its size in millimetres whatever the
    // device's resolution, and scales with the page.
    font.setPixelSize(pixelSize(style.points));
    font.setBold(style.bold);
    font.setItalic(style.italic);
    return font;
}

// A report label: as wide as its text, broken at word boundaries (or anywhere, for a word
// longer than the room) where it would pass the band's right edge. A centred label centres
// each of its lines across the room.
class LabelLayout {
  public:
    LabelLayout(const std::string& text, const QFont& font, QPaintDevice* device, double maxWidth,
                Qt::Alignment alignment = Qt::AlignLeft)
        : layout_(QString::fromStdString(text), font, device),
          maxWidth_(maxWidth),
          centred_(alignment == Qt::AlignHCenter) {
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        option.setAlignment(alignment);
        layout_.setTextOption(option);
        layout_.beginLayout();
        double y = 0.0;
        for (QTextLine line = layout_.createLine(); line.isValid(); line = layout_.createLine()) {
            line.setLineWidth(maxWidth);
            line.setPosition(QPointF(0.0, y));
            y += line.height();
            width_ = std::max(width_, line.naturalTextWidth());
        }
        height_ = y;
        layout_.endLayout();
    }

    double width() const { return width_; }
    double height() const { return height_; }
    int lineCount() const { return layout_.lineCount(); }

    // White and opaque: whatever lies under the label does not show through. Only the lines
    // that fit above `bottom`, the foot of the label's band, are drawn: a label never spills
    // out of its band, and the page stays one page.
    void draw(QPainter& painter, QPointF topLeft, double bottom, const QColor& colour) {
        int lines = 0;
        double height = 0.0;
        for (; lines < layout_.lineCount(); ++lines) {
            const QTextLine line = layout_.lineAt(lines);
            if (topLeft.y() + line.y() + line.height() > bottom) {
                break;
            }
            height = line.y() + line.height();
        }
        if (lines == 0 || layout_.text().isEmpty()) {
            return;
        }
        const double indent = centred_ ? (maxWidth_ - width_) / 2.0 : 0.0;
        painter.fillRect(QRectF(topLeft + QPointF(indent, 0.0), QSizeF(width_, height)), Qt::white);
        painter.setPen(colour);
        for (int i = 0; i < lines; ++i) {
            layout_.lineAt(i).draw(&painter, topLeft);
        }
    }

  private:
    QTextLayout layout_;
    double maxWidth_;
    bool centred_;
    double width_ = 0.0;
    double height_ = 0.0;
};

QRectF bandRect(double top, double height) {
    return QRectF(units(geo::kMargin), units(top), units(geo::kBandWidth), units(height));
}

// The page title, centred across the band: one line of 14 pt where it fits; else wrapped,
// in the largest size at which every line fits the band, so that no word is lost.
void paintTitleBand(QPainter& painter, const std::string& title) {
    const QRectF band = bandRect(geo::kTitleBandTop, geo::kTitleBandHeight);
    painter.save();
    painter.setClipRect(band, Qt::IntersectClip);
    QFont font = reportFont({geo::kTitlePoints, true, false});
    const auto layoutAt = [&](int size) {
        font.setPixelSize(size);
        return LabelLayout(title, font, painter.device(), band.width(), Qt::AlignHCenter);
    };
    const auto fits = [&](const LabelLayout& label) {
        return label.width() <= band.width() && label.height() <= band.height();
    };
    int size = pixelSize(geo::kTitlePoints);
    if (!fits(layoutAt(size))) {
        // The largest size that fits, between the smallest legible one and 14 pt.
        int small = pixelSize(geo::kSmallestTitlePoints);
        int large = size;
        while (large - small > 1) {
            const int middle = (small + large) / 2;
            (fits(layoutAt(middle)) ? small : large) = middle;
        }
        size = small;
    }
    LabelLayout label = layoutAt(size);
    // Its top 4.1 mm below the band's top, or higher where more lines need the room.
    const double top =
        std::max(0.0, std::min(units(geo::kTitleTop), band.height() - label.height()));
    label.draw(painter, QPointF(band.left(), band.top() + top), band.bottom(), Qt::blue);
    painter.restore();
}

void paintRule(QPainter& painter, const QRectF& band, const ReportItem& item) {
    QPen pen(Qt::black, units(item.penWidth * geo::kPenWidthUnit));
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    const double y = band.top() + units(item.y);
    painter.drawLine(QPointF(band.left() + units(item.x), y),
                     QPointF(band.left() + units(item.x2), y));
}

void paintDetailBand(QPainter& painter, const std::vector<std::string>& values) {
    const QRectF band = bandRect(geo::kDetailBandTop, geo::kDetailBandHeight);
    painter.save();
    painter.setClipRect(band, Qt::IntersectClip);
    painter.fillRect(band, Qt::white);
    const auto& items = detailBandTemplate();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const ReportItem& item = items[i];
        if (item.kind == ReportItem::Kind::Rule) {
            paintRule(painter, band, item);
            continue;
        }
        const std::string& text = item.kind == ReportItem::Kind::Caption ? item.caption : values[i];
        const QPointF topLeft(band.left() + units(item.x), band.top() + units(item.y));
        LabelLayout label(text, reportFont(item.font), painter.device(),
                          band.right() - topLeft.x());
        label.draw(painter, topLeft, band.bottom(), Qt::black);
    }
    painter.restore();
}

}  // namespace

ReportPage ReportPage::capture(const Report& report) {
    ReportPage page;
    page.pageTitle_ = report.QRLabelPageTitle.text();
    const auto& items = detailBandTemplate();
    page.values_.reserve(items.size());
    for (const ReportItem& item : items) {
        page.values_.push_back(item.kind == ReportItem::Kind::Value ? (report.*item.label).text()
                                                                    : std::string());
    }
    return page;
}

void ReportPage::paint(QPainter& painter, const QRectF& paper) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(paper.topLeft());
    painter.scale(paper.width() / units(geo::kPaperWidth),
                  paper.height() / units(geo::kPaperHeight));
    paintTitleBand(painter, pageTitle_);
    paintDetailBand(painter, values_);
    // The page footer band is empty.
    painter.restore();
}

}  // namespace plenova
