// The report's page as data: the paper, the three bands, and every caption, value label,
// heading and rule of the detail band at its place in millimetres. The renderer draws exactly
// this; nothing about the layout lives in code.
#pragma once

#include <string>
#include <vector>

#include "modules/report_fill.h"

namespace plenova {

namespace report_geometry {
// A4 portrait with 10 mm margins all round: a printable area of 190 x 277 mm.
inline constexpr double kPaperWidth = 210.0;
inline constexpr double kPaperHeight = 297.0;
inline constexpr double kMargin = 10.0;
inline constexpr double kBandWidth = kPaperWidth - 2 * kMargin;

inline constexpr double kTitleBandTop = kMargin;
inline constexpr double kTitleBandHeight = 9.9;
inline constexpr double kTitleTop = 4.1;  // the page title's top below the title band's top
inline constexpr double kTitlePoints = 14.0;
// A title too long for the band shrinks down to this size at the least.
inline constexpr double kSmallestTitlePoints = 1.0;

inline constexpr double kDetailBandTop = kTitleBandTop + kTitleBandHeight;
inline constexpr double kDetailBandHeight = 256.3;

// Empty, but it keeps its place at the foot of the printable area.
inline constexpr double kFooterBandTop = kDetailBandTop + kDetailBandHeight;
inline constexpr double kFooterBandHeight = 9.1;

// A rule of pen width 1 is as thick as one pixel of a 96 dpi screen.
inline constexpr double kPenWidthUnit = 25.4 / 96.0;
}  // namespace report_geometry

// How a piece of text is set: Arial at a size in points, black unless it is the page title.
struct ReportFont {
    double points = 8.0;
    bool bold = false;
    bool italic = false;
};

// One element of the detail band. Positions are millimetres from the band's top-left corner;
// y is the top of a text and the height of a rule.
struct ReportItem {
    enum class Kind { Caption, Value, Rule };

    Kind kind;
    double x;
    double y;
    std::string caption;   // Caption: the fixed text
    Label Report::*label;  // Value: the report label whose text is shown
    ReportFont font;       // Caption and Value
    double x2 = 0.0;       // Rule: where it ends
    int penWidth = 1;      // Rule
};

// The detail band, top to bottom.
const std::vector<ReportItem>& detailBandTemplate();

// The fixed title of the report: the print job's and the preview window's title. The page
// title on the paper is a report label and follows the title box instead.
inline constexpr const char* kReportTitle = "Plenova Results";

}  // namespace plenova
