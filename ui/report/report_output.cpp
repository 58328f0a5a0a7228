#include "ui/report/report_output.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRectF>
#include <QSaveFile>
#include <stdexcept>

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

bool hasDefaultPrinter() {
    return !QPrinterInfo::defaultPrinter().isNull();
}

bool printOnDefaultPrinter(const ReportPage& page) {
    // Without any printer QPrinter would quietly fall back to writing a PDF, so ask first.
    const QPrinterInfo target = QPrinterInfo::defaultPrinter();
    if (target.isNull()) {
        return false;
    }
    QPrinter printer(target, QPrinter::HighResolution);
    printer.setDocName(QString::fromUtf8(kReportTitle));
    printer.setCreator(kCreator);
    printer.setCopyCount(1);
    printer.setDuplex(QPrinter::DuplexNone);
    printer.setPrintRange(QPrinter::AllPages);
    printer.setPaperSource(QPrinter::Auto);
    if (!printer.setPageLayout(reportPageLayout())) {
        // The printer cannot print that close to the edge: its own margins stand, and the
        // page is drawn relative to the sheet all the same.
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Portrait);
    }

    QPainter painter;
    if (!painter.begin(&printer)) {
        throw failure(
            QStringLiteral("The printer \"%1\" could not start the job").arg(target.printerName()));
    }
    page.paint(painter, sheetRect(printer.pageLayout(), printer.resolution()));
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        throw failure(QStringLiteral("The page could not be sent to the printer \"%1\"")
                          .arg(target.printerName()));
    }
    return true;
}

QString withPdfSuffix(const QString& path) {
    const QString suffix = QStringLiteral(".pdf");
    return path.endsWith(suffix, Qt::CaseInsensitive) ? path : path + suffix;
}

void savePdf(const ReportPage& page, const QString& path) {
    // QSaveFile writes beside the target and renames only once everything is written.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        throw saveFailure(path, file.errorString());
    }
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(reportPageLayout());
        writer.setTitle(QString::fromUtf8(kReportTitle));
        writer.setCreator(kCreator);
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            throw saveFailure(path, QStringLiteral("the PDF could not be started"));
        }
        page.paint(painter, sheetRect(writer.pageLayout(), writer.resolution()));
        painter.end();
    }
    if (!file.commit()) {
        throw saveFailure(path, file.errorString());
    }
}

}  // namespace plenova
