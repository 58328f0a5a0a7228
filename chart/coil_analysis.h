// A cooling coil read on the chart: the line from the entering air through the leaving air,
// extended to the saturation curve, meets it at the apparatus dew point (ADP). The bypass
// factor is the share of the air that passes the coil untouched.
#pragma once

#include "chart/chart_types.h"

namespace plenova::chart {

struct CoilAnalysis {
    bool hasAdp = false;
    ChartPoint adp;            // on the saturation curve
    double bypassFactor = 0;   // (t_leaving - t_ADP) / (t_entering - t_ADP)
    double contactFactor = 0;  // 1 - bypass factor
};

// No ADP where the leaving air is not cooler than the entering air, or where the extended line
// does not reach the saturation curve at a dry bulb of range.tMin or above. A line of constant
// moisture meets the curve at the dew point.
CoilAnalysis analyseCoil(ChartPoint entering, ChartPoint leaving, double P,
                         const ChartRange& range);

}  // namespace plenova::chart
