#include "ui/chart/chart_output.h"

#include <QBuffer>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <stdexcept>

#include "ui/chart/chart_picture.h"
#include "ui/print/cups_job.h"

namespace plenova {

namespace {

// A file or a sheet is laid out as a 96-dpi page of this size (A4 landscape), then scaled.
const QSizeF kPageSize(1123, 794);
constexpr double kPngScale = 2;
constexpr double kPdfMargin = 10;  // mm
const QString kCreator = QStringLiteral("Kelvaro Plenova");
const QString kTitle = QStringLiteral("Psychrometric chart");

std::runtime_error saveFailure(const QString& path, const QString& reason) {
    return std::runtime_error(QStringLiteral("The chart could not be saved as \"%1\": %2")
                                  .arg(path, reason)
                                  .toStdString());
}

QPageLayout chartPageLayout() {
    const double m = kPdfMargin;
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(m, m, m, m),
                       QPageLayout::Millimeter);
}

// Paints the picture over the printable area of a page, keeping its 96-dpi proportions.
void paintOnPage(const ChartPicture& picture, QPainter& painter, const QPageLayout& layout,
                 int resolution) {
    const QRectF printable(QPointF(), layout.paintRectPixels(resolution).size());
    const double scale = resolution / 96.0;
    painter.scale(scale, scale);
    picture.paint(painter, QRectF(QPointF(), printable.size() / scale));
}

}  // namespace

bool chartFileFormat(const QString& path, ChartFileFormat& format) {
    const QString lower = path.toLower();
    if (lower.endsWith(QStringLiteral(".png"))) {
        format = ChartFileFormat::Png;
    } else if (lower.endsWith(QStringLiteral(".svg"))) {
        format = ChartFileFormat::Svg;
    } else if (lower.endsWith(QStringLiteral(".pdf"))) {
        format = ChartFileFormat::Pdf;
    } else {
        return false;
    }
    return true;
}

QByteArray chartPdf(const ChartPicture& picture) {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(chartPageLayout());
        writer.setTitle(kTitle);
        writer.setCreator(kCreator);
        QPainter painter(&writer);
        paintOnPage(picture, painter, writer.pageLayout(), writer.resolution());
    }
    return pdf;
}

void saveChart(const ChartPicture& picture, const QString& path, ChartFileFormat format) {
    // QSaveFile writes beside the target and renames only once everything is written.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        throw saveFailure(path, file.errorString());
    }
    bool written = true;
    switch (format) {
        case ChartFileFormat::Png: {
            QImage image((kPageSize * kPngScale).toSize(), QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::white);
            {
                QPainter painter(&image);
                painter.scale(kPngScale, kPngScale);
                picture.paint(painter, QRectF(QPointF(), kPageSize));
            }
            written = image.save(&file, "PNG");
            break;
        }
        case ChartFileFormat::Svg: {
            QSvgGenerator svg;
            svg.setOutputDevice(&file);
            svg.setSize(kPageSize.toSize());
            svg.setViewBox(QRectF(QPointF(), kPageSize));
            svg.setResolution(96);
            svg.setTitle(kTitle);
            svg.setDescription(kCreator);
            QPainter painter;
            written = painter.begin(&svg);
            if (written) {
                picture.paint(painter, QRectF(QPointF(), kPageSize));
                written = painter.end();
            }
            break;
        }
        case ChartFileFormat::Pdf:
            written = file.write(chartPdf(picture)) >= 0;
            break;
    }
    if (!written) {
        file.cancelWriting();
        throw saveFailure(path, file.errorString());
    }
    if (!file.commit()) {
        throw saveFailure(path, file.errorString());
    }
}

bool printChart(const ChartPicture& picture, const QString& title) {
    if (!hasDefaultPrinter()) {
        return false;
    }
    // The same submission as the report's: every answer of the print server is checked.
    printPdfOnDefaultPrinter(chartPdf(picture), title);
    return true;
}

}  // namespace plenova
