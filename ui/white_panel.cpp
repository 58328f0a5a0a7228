#include "ui/white_panel.h"

#include <QPaintEvent>
#include <QPainter>

namespace plenova {

void WhitePanel::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
}

}  // namespace plenova
