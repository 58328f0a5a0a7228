// The chart's grid for one pressure and range: the saturation curve and the lines of constant
// relative humidity, wet bulb, enthalpy and density, each as a list of points inside the range
// and on or below the saturation curve.
#pragma once

#include <vector>

#include "chart/chart_types.h"

namespace plenova::chart {

enum class LineFamily { Saturation, RelativeHumidity, WetBulb, Enthalpy, Density };

struct ChartLine {
    LineFamily family = LineFamily::Saturation;
    double value = 0;  // % RH, wet bulb °C, kJ/kg or kg/m³ (100 for the saturation curve)
    Polyline points;   // in rising dry bulb; never empty
};

// The spacing of the families.
inline constexpr double kRelativeHumidityStep = 10;  // %
inline constexpr double kWetBulbStep = 5;            // °C
inline constexpr double kEnthalpyStep = 10;          // kJ/kg
inline constexpr double kDensityStep = 0.05;         // kg/m³

// Every line of the grid at pressure P (kPa); lines with no visible part are left out.
std::vector<ChartLine> chartLines(double P, const ChartRange& range);

}  // namespace plenova::chart
