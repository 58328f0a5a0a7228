#include "ui/design_group_box.h"

#include <QPainter>
#include <QRegion>

namespace plenova {

namespace {

constexpr int kCaptionLeft = 8;
constexpr int kCaptionPadding = 2;
const QColor kShadow(160, 160, 160);

}  // namespace

void DesignGroupBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int frameTop = metrics.height() / 2;

    QRect caption;
    if (!title().isEmpty()) {
        caption = QRect(kCaptionLeft, 0, metrics.horizontalAdvance(title()) + 2 * kCaptionPadding,
                        metrics.height());
    }

    // The etched frame, with a gap where the caption stands.
    painter.save();
    painter.setClipRegion(QRegion(rect()).subtracted(QRegion(caption)));
    const QRect frame(0, frameTop, width() - 2, height() - frameTop - 2);
    painter.setPen(kShadow);
    painter.drawRect(frame);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.translated(1, 1));
    painter.restore();

    if (!caption.isEmpty()) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(caption.adjusted(kCaptionPadding, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                         title());
    }
}

}  // namespace plenova
