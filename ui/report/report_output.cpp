#include "ui/report/report_output.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRectF>
#include <QSaveFile>
#include <stdexcept>

#include "ui/print/cups_job.h"
#include "ui/report/report_page.h"
#include "ui/report/report_template.h"

namespace plenova {

namespace {

const QString kCreator = QStringLiteral("Kelvaro Plenova");

std::runtime_error failure(const QString& description) {
    return std::runtime_error(description.toStdString());
}

std::runtime_error saveFailure(const QString& path, const QString& reason) {
    return failure(QStringLiteral("The report could not be saved as \"%1\": %2").arg(path, reason));
}

}  // namespace

QPageLayout reportPageLayout() {
    const double m = report_geometry::kMargin;
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(m, m, m, m),
                       QPageLayout::Millimeter);
}

QRectF sheetRect(const QPageLayout& layout, int resolution) {
    const QRectF sheet = layout.fullRectPixels(resolution);
    return sheet.translated(-QPointF(layout.paintRectPixels(resolution).topLeft()));
}

QByteArray reportPdf(const ReportPage& page) {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(reportPageLayout());
        writer.setTitle(QString::fromUtf8(kReportTitle));
        writer.setCreator(kCreator);
        QPainter painter;
        if (!painter.begin(&writer)) {
            throw failure(QStringLiteral("The report could not be laid out as a PDF"));
        }
        page.paint(painter, sheetRect(writer.pageLayout(), writer.resolution()));
        painter.end();
    }  // the writer finishes the file when it goes
    return pdf;
}

void printReport(const ReportPage& page, const QString& printer) {
    printPdf(reportPdf(page), QString::fromUtf8(kReportTitle), printer);
}

bool printOnDefaultPrinter(const ReportPage& page) {
    const QString printer = defaultPrinterName();
    if (printer.isEmpty()) {
        return false;
    }
    printReport(page, printer);
    return true;
}

QString withPdfSuffix(const QString& path) {
    const QString suffix = QStringLiteral(".pdf");
    return path.endsWith(suffix, Qt::CaseInsensitive) ? path : path + suffix;
}

void savePdf(const ReportPage& page, const QString& path) {
    const QByteArray pdf = reportPdf(page);
    // QSaveFile writes beside the target and renames only once everything is written.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        throw saveFailure(path, file.errorString());
    }
    if (file.write(pdf) != pdf.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw saveFailure(path, reason);
    }
    if (!file.commit()) {
        throw saveFailure(path, file.errorString());
    }
}

}  // namespace plenova
