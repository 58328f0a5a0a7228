#include "ui/report/report_error_box.h"

#include <QMessageBox>

namespace plenova {

void showReportErrorBox(QWidget* parent, const QString& description) {
    QMessageBox::critical(parent, QStringLiteral("Kelvaro Plenova"), description + u'.');
}

}  // namespace plenova
