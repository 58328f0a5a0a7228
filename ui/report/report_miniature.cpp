#include "ui/report/report_miniature.h"

#include <QPainter>

#include "ui/report/report_page.h"

namespace plenova {

ReportMiniature::ReportMiniature(Report& report, QWidget* parent)
    : QWidget(parent), report_(report) {
    setFixedSize(kSize);
    for (Label* label : report_.labels()) {
        label->setView([this](const std::string&) { update(); });
    }
}

ReportMiniature::~ReportMiniature() {
    for (Label* label : report_.labels()) {
        label->setView(nullptr);
    }
}

void ReportMiniature::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    ReportPage::capture(report_).paint(painter, QRectF(rect()));
    // The sheet's edge, so that the white page stands out from the page behind it.
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace plenova
