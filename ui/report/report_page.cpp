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

QFont reportFont(const ReportFont& style) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setHintingPreference(QFont::PreferNoHinting);
    // A pixel size in painter units: the text keeps its size in millimetres whatever the
    // device's resolution, and scales with the page.
    font.setPixelSize(static_cast<int>(units(style.points * kMmPerPoint) + 0.5));
    font.setBold(style.bold);
    font.setItalic(style.italic);
    return font;
}

// A report label: as wide as its text, broken at word boundaries (or anywhere, for a word
// longer than the room) where it would pass the band's right edge.
class LabelLayout {
  public:
    LabelLayout(const std::string& text, const QFont& font, QPaintDevice* device, double maxWidth)
        : layout_(QString::fromStdString(text), font, device) {
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout_.setTextOption(option);
        layout_.beginLayout();
        double y = 0.0;
        for (QTextLine line = layout_.createLine(); line.isValid(); line = layout_.createLine()) {
            line.setLineWidth(maxWidth);
            line.setPosition(QPointF(0.0, y));
            y += line.height();
            width_ = std::max(width_, line.naturalTextWidth());
        }
        layout_.endLayout();
    }

    double width() const { return width_; }

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
        painter.fillRect(QRectF(topLeft, QSizeF(width_, height)), Qt::white);
        painter.setPen(colour);
        for (int i = 0; i < lines; ++i) {
            layout_.lineAt(i).draw(&painter, topLeft);
        }
    }

  private:
    QTextLayout layout_;
    double width_ = 0.0;
};

QRectF bandRect(double top, double height) {
    return QRectF(units(geo::kMargin), units(top), units(geo::kBandWidth), units(height));
}

void paintTitleBand(QPainter& painter, const std::string& title) {
    const QRectF band = bandRect(geo::kTitleBandTop, geo::kTitleBandHeight);
    painter.save();
    painter.setClipRect(band, Qt::IntersectClip);
    LabelLayout label(title, reportFont({geo::kTitlePoints, true, false}), painter.device(),
                      band.width());
    const double left = band.left() + (band.width() - label.width()) / 2.0;
    label.draw(painter, QPointF(left, band.top() + units(geo::kTitleTop)), band.bottom(), Qt::blue);
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
