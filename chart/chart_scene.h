// What the chart shows of the three pages at one moment: the pressure, the process points
// with the texts the pages show for them, the coil's ADP and bypass factor, and the range that
// holds them all. Read from the modules; nothing is moved or recalculated.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "chart/chart_types.h"
#include "chart/coil_analysis.h"

namespace plenova {
class Calculator;
}

namespace plenova::chart {

enum class ChartPage { Mixing = 0, Cooling = 1, Heating = 2 };

struct ProcessPoint {
    std::string name;  // the modules' name of the air: MARA, MAOA, MAMA, RA, SA, HeatRA, HeatSA
    std::string tag;   // its label on the chart
    ChartPage page = ChartPage::Mixing;
    ChartPoint at;        // as the page computed it; the Mixing page's x can be negative
    bool hollow = false;  // no dew point: the page shows its placeholder (and x is raised to 0)
    std::string dryBulbText;
    std::string moistureText;
    std::string detailText;  // wet bulb, relative humidity and dew point, as the page shows them
};

// The points in this order; a page's process joins its points in order (the mixed air lies on
// the line between the Mixing page's first two).
enum PointIndex { kMixRA, kMixOA, kMixMA, kCoolRA, kCoolSA, kHeatRA, kHeatSA, kPointCount };

struct ChartScene {
    double pressure = 0;  // kPa
    std::string pressureText;
    std::string altitudeText;
    ChartRange range;
    std::vector<ProcessPoint> points;  // kPointCount of them
    CoilAnalysis coil;                 // of the Cooling page's return and supply air
    std::string adpText;               // "12.0 °C" or "no ADP"
    std::string bypassFactorText;      // "0.07" or "~"
    std::string contactFactorText;
};

ChartScene captureScene(const Calculator& calc);

// Where a point is drawn: a negative moisture content sits on the chart's lower edge.
ChartPoint plotted(const ChartPoint& at, const ChartRange& range);

// The legend's values as NAME=TEXT pairs, in legend order: each point's dry bulb and moisture
// content (MARAdb, MARAx, ...), then ADP, BypassFactor and ContactFactor.
std::vector<std::pair<std::string, std::string>> legendValues(const ChartScene& scene);

}  // namespace plenova::chart
