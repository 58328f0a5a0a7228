#include "ui/handler_boundary.h"

#include <QMessageBox>

#include "ui/identity.h"

namespace plenova {

void showErrorBox(QWidget* owner, const QString& description) {
    QString text = description;
    if (!text.endsWith(QLatin1Char('.'))) {
        text += QLatin1Char('.');
    }
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kApplicationTitle), text,
                    QMessageBox::Ok, owner != nullptr ? owner->window() : nullptr);
    box.exec();
}

}  // namespace plenova
