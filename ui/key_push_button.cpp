#include "ui/key_push_button.h"

#include <QKeyEvent>

namespace plenova {

void KeyPushButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            event->accept();
            click();
            return;
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            event->accept();
            return;
        default:
            QPushButton::keyPressEvent(event);
    }
}

}  // namespace plenova
