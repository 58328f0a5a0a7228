#include "ui/report/report_component.h"

#include <QEventLoop>
#include <QWidget>

#include "ui/report/report_output.h"
#include "ui/report/report_page.h"
#include "ui/report/report_preview.h"

namespace plenova {

ReportComponent::ReportComponent(const Report& report, QWidget* owner)
    : report_(report), owner_(owner) {}

ReportPreview* ReportComponent::openPreview() const {
    return preview_.data();
}

bool ReportComponent::print() const {
    return printOnDefaultPrinter(ReportPage::capture(report_));
}

void ReportComponent::preview() {
    if (preview_) {
        // Also out of the task bar: a minimised window would not come up by raising it.
        preview_->setWindowState(preview_->windowState() & ~Qt::WindowMinimized);
        preview_->show();
        preview_->raise();
        preview_->activateWindow();
        return;
    }
    // A top-level window of its own that closes with the main window; it deletes itself when
    // closed, which ends the wait below.
    auto* window = new ReportPreview(ReportPage::capture(report_), owner_->window());
    preview_ = window;
    QEventLoop loop;
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window->show();
    loop.exec();
    // Nothing of this object is touched after the wait: the main window's handlers ran in it.
}

}  // namespace plenova
