#include "ui/report/report_preview.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/handler_boundary.h"
#include "ui/key_push_button.h"
#include "ui/print/cups_job.h"
#include "ui/report/report_output.h"
#include "ui/report/report_template.h"

namespace plenova {

namespace {
constexpr double kSheetAspect = report_geometry::kPaperWidth / report_geometry::kPaperHeight;
constexpr int kDeskMargin = 12;
}  // namespace

ReportSheetView::ReportSheetView(const ReportPage& page, QWidget* parent)
    : QWidget(parent), page_(page) {
    setMinimumSize(210, 297);
}

QRectF ReportSheetView::sheetArea() const {
    const QRectF room =
        QRectF(rect()).adjusted(kDeskMargin, kDeskMargin, -kDeskMargin, -kDeskMargin);
    QSizeF size(room.height() * kSheetAspect, room.height());
    if (size.width() > room.width()) {
        size = QSizeF(room.width(), room.width() / kSheetAspect);
    }
    QRectF sheet(QPointF(), size);
    sheet.moveCenter(room.center());
    return sheet;
}

void ReportSheetView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Dark));
    const QRectF sheet = sheetArea();
    painter.fillRect(sheet, Qt::white);
    page_.paint(painter, sheet);
}

ReportPreview::ReportPreview(ReportPage page, QWidget* parent)
    : QWidget(parent, Qt::Window), page_(std::move(page)), offeredPrinter_(defaultPrinterName()) {
    setWindowTitle(QString::fromUtf8(kReportTitle));
    setAttribute(Qt::WA_DeleteOnClose);

    print_ = new KeyPushButton(tr("Print"), this);
    save_ = new KeyPushButton(tr("Save as PDF…"), this);
    close_ = new KeyPushButton(tr("Close"), this);
    print_->setObjectName(QStringLiteral("PreviewPrint"));
    save_->setObjectName(QStringLiteral("PreviewSavePdf"));
    close_->setObjectName(QStringLiteral("PreviewClose"));
    if (offeredPrinter_.isEmpty()) {
        print_->setEnabled(false);
        print_->setToolTip(tr("No printer is installed"));
    }

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(print_);
    buttons->addWidget(save_);
    buttons->addStretch();
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(new ReportSheetView(page_, this), 1);

    connect(print_, &QPushButton::clicked, this, &ReportPreview::printShownPage);
    connect(save_, &QPushButton::clicked, this, &ReportPreview::saveAsPdf);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QAction(this);
    escape->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(escape, &QAction::triggered, this, &QWidget::close);
    addAction(escape);

    // As tall as the screen comfortably allows, in the sheet's proportions.
    int height = 900;
    if (const QScreen* screen = parent != nullptr ? parent->screen() : nullptr) {
        height = std::min(height, screen->availableGeometry().height() * 9 / 10);
    }
    resize(static_cast<int>(height * kSheetAspect) + 2 * kDeskMargin, height);
}

void ReportPreview::printShownPage() {
    // The default printer as it is now. When none answers any more, the job goes to the one
    // this window offered, so that the failure is shown with its name instead of nothing
    // happening after a click on an enabled "Print".
    runHandler(this, [this] {
        const QString printer = defaultPrinterName();
        printReport(page_, printer.isEmpty() ? offeredPrinter_ : printer);
    });
}

void ReportPreview::saveAsPdf() {
    QFileDialog dialog(
        this, tr("Save as PDF"),
        QDir::home().filePath(QString::fromUtf8(kReportTitle) + QStringLiteral(".pdf")),
        tr("PDF files (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    savePdfTo(withPdfSuffix(dialog.selectedFiles().constFirst()));
}

void ReportPreview::savePdfTo(const QString& path) {
    runHandler(this, [&] { savePdf(page_, path); });
}

}  // namespace plenova
