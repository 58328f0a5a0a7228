// The page on paper and in a file: the system's default printer and PDF, both through the
// one renderer.
#pragma once

#include <QByteArray>
#include <QString>

class QPageLayout;
class QRectF;

namespace plenova {

class ReportPage;

// A4 portrait with 10 mm margins all round.
QPageLayout reportPageLayout();

// The whole sheet's rectangle for a painter on a device with this layout and resolution: the
// painter's origin lies at the top-left corner of the printable area.
QRectF sheetRect(const QPageLayout& layout, int resolution);

// The one page as a PDF document in memory. Throws std::runtime_error when it cannot be laid out.
QByteArray reportPdf(const ReportPage& page);

// Sends the one page to `printer` as one copy of one A4 page, the job titled "Plenova
// Results". Throws when the page cannot be laid out, and PrintFailure (naming the printer and
// CUPS's reason) when the job is refused or the print server cannot be reached.
void printReport(const ReportPage& page, const QString& printer);

// Sends the one page straight to the system's default printer: no dialog, no progress, one
// copy, the job titled "Plenova Results". Without a printer it does nothing and returns false.
// Throws as printReport does.
bool printOnDefaultPrinter(const ReportPage& page);

// The path with ".pdf" appended unless it already ends in ".pdf" (in any case): a chosen name
// such as "AHU3.north" still gives a file that opens as a PDF.
QString withPdfSuffix(const QString& path);

// Writes the one page as a PDF file. The file appears complete or not at all: an existing
// file keeps its old content when the write fails. Throws std::runtime_error, describing the
// path and the reason, when it cannot be written.
void savePdf(const ReportPage& page, const QString& path);

}  // namespace plenova
