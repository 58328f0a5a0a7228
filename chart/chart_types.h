// The chart's plane: dry bulb across, moisture content up, both in the modules' units.
#pragma once

#include <vector>

namespace plenova::chart {

struct ChartPoint {
    double t = 0;  // dry bulb, °C
    double x = 0;  // moisture content, kg/kg
};

using Polyline = std::vector<ChartPoint>;

// The part of the plane the chart shows. The moisture axis grows upward (never downward) when
// a plotted state lies above its usual 30 g/kg.
struct ChartRange {
    double tMin = -10;
    double tMax = 50;
    double xMin = 0;
    double xMax = 0.030;
};

}  // namespace plenova::chart
