#include "chart/moist_air.h"

#include "core/airstate.h"
#include "core/fpenv.h"
#include "core/psychro.h"

namespace plenova::chart {

using namespace psychro;

double saturationMoisture(double t, double P) {
    return store(moistureContent(store(saturationPressure(t)), P));
}

double vapourPressureOf(double x, double P) {
    return store(static_cast<long double>(x) * P / (0.622L + x));
}

namespace {

// The vapour pressure a wet bulb tw gives at dry bulb t, as an air state evaluation that
// computes its own coefficient does.
double vapourPressureFromWetBulb(double t, double tw, double P) {
    const double A = store(psychrometerCoefficient(tw));
    return store(vapourPressure(store(saturationPressure(tw)), A, P, t, tw));
}

}  // namespace

bool wetBulbOf(double t, double pw, double P, double& wetBulb) {
    // The vapour pressure rises with the wet bulb, so bisection finds it.
    double low = t - 100;
    double high = t + 100;
    if (vapourPressureFromWetBulb(t, low, P) > pw || vapourPressureFromWetBulb(t, high, P) < pw) {
        return false;
    }
    for (int i = 0; i < 80 && high - low > 1e-12; ++i) {
        const double mid = (low + high) / 2;
        (vapourPressureFromWetBulb(t, mid, P) < pw ? low : high) = mid;
    }
    wetBulb = (low + high) / 2;
    return true;
}

PointReading readPoint(double t, double x, double P) {
    clearFloatFlags();
    PointReading r;
    r.t = t;
    r.x = x;
    r.pw = vapourPressureOf(x, P);
    r.rh = store(relativeHumidity(r.pw, store(saturationPressure(t))));
    r.dewPointValid = guardedDewPoint(r.pw, r.dewPoint);
    r.wetBulbValid = wetBulbOf(t, r.pw, P, r.wetBulb);
    r.h = store(static_cast<long double>(store(sensibleEnthalpy(t))) + store(latentEnthalpy(t, x)));
    return r;
}

}  // namespace plenova::chart
