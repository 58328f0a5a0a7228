// The program's moist-air formulas read the other way round, for a point of the chart: the
// vapour pressure that gives a moisture content, the wet bulb that gives a vapour pressure,
// and every property the read-out shows. All at one pressure, each result stored as a double.
#pragma once

namespace plenova::chart {

// Moisture content of saturated air at t (kg/kg).
double saturationMoisture(double t, double P);

// The vapour pressure whose moisture content is x: formula 7 solved for pw.
double vapourPressureOf(double x, double P);

// The wet bulb whose psychrometer equation, with the coefficient from that wet bulb, gives
// the vapour pressure pw at dry bulb t. False where no wet bulb within 100 K gives it.
bool wetBulbOf(double t, double pw, double P, double& wetBulb);

// Everything the read-out shows for the point (t, x).
struct PointReading {
    double t = 0;
    double x = 0;
    double pw = 0;
    double rh = 0;  // not clamped: above the saturation curve it exceeds 100
    double wetBulb = 0;
    bool wetBulbValid = false;
    double dewPoint = 0;
    bool dewPointValid = false;
    double h = 0;
};

PointReading readPoint(double t, double x, double P);

}  // namespace plenova::chart
