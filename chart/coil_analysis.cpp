#include "chart/coil_analysis.h"

#include "chart/moist_air.h"

namespace plenova::chart {

CoilAnalysis analyseCoil(ChartPoint entering, ChartPoint leaving, double P,
                         const ChartRange& range) {
    CoilAnalysis coil;
    if (!(leaving.t < entering.t) || leaving.t < range.tMin) {
        return coil;
    }
    const double slope = (entering.x - leaving.x) / (entering.t - leaving.t);
    // How far the extended line lies above the saturation curve at t. The curve is convex and
    // the line straight, so the gap is concave in t: it has one highest point, and the ADP is
    // the point nearest the leaving air, below its dry bulb, where the gap reaches zero.
    const auto gap = [&](double t) {
        return leaving.x + slope * (t - leaving.t) - saturationMoisture(t, P);
    };
    double top = leaving.t;
    if (gap(leaving.t) < 0) {
        // Golden-section search for the highest gap on [tMin, t_leaving].
        constexpr double kInverseGolden = 0.6180339887498949;
        double low = range.tMin;
        double high = leaving.t;
        while (high - low > 1e-9) {
            const double a = high - kInverseGolden * (high - low);
            const double b = low + kInverseGolden * (high - low);
            if (gap(a) < gap(b)) {
                low = a;
            } else {
                high = b;
            }
        }
        top = (low + high) / 2;
        if (gap(top) < 0) {
            return coil;  // the line passes below the curve all the way to the chart's edge
        }
        // Between the highest gap (not below the curve) and the leaving air (below it).
        double on = top;
        double below = leaving.t;
        while (below - on > 1e-9) {
            const double mid = (on + below) / 2;
            (gap(mid) >= 0 ? on : below) = mid;
        }
        top = on;
    }
    coil.hasAdp = true;
    coil.adp = {top, saturationMoisture(top, P)};
    coil.bypassFactor = (leaving.t - top) / (entering.t - top);
    coil.contactFactor = 1 - coil.bypassFactor;
    return coil;
}

}  // namespace plenova::chart
