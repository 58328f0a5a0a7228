// The chart on paper and in files, all through ChartPicture::paint(): PNG, SVG, a one-page
// A4 landscape PDF, and the default printer.
#pragma once

#include <QByteArray>
#include <QString>

namespace plenova {

class ChartPicture;

enum class ChartFileFormat { Png, Svg, Pdf };

// The format a path's suffix names (.png, .svg, .pdf, any case); false for anything else.
bool chartFileFormat(const QString& path, ChartFileFormat& format);

// The chart as a one-page vector PDF, A4 landscape with 10 mm margins, in memory.
QByteArray chartPdf(const ChartPicture& picture);

// Writes the chart to `path` in `format`. The file appears complete or not at all. Throws
// std::runtime_error, naming the path and the reason, when it cannot be written.
void saveChart(const ChartPicture& picture, const QString& path, ChartFileFormat format);

// Sends the chart to the system's default printer as one A4 landscape page titled `title`.
// Returns false, doing nothing, where there is no default printer; throws std::runtime_error
// when the job cannot be sent.
bool printChart(const ChartPicture& picture, const QString& title);

}  // namespace plenova
