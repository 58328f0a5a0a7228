#include "modules/wet_bulb_search.h"

#include <vector>

#include "core/fpenv.h"
#include "core/psychro.h"

namespace plenova {
namespace {

// The trial wet bulbs, their saturation pressures and their coefficients depend on nothing
// but the start and the step, so they are computed once: a search then costs a product, a
// quotient and a comparison per trial, with exactly the bits the stepwise computation gives.
struct Trial {
    double w;
    double ps;
    double A;
};

Trial trialAt(double w) {
    return {w, store(psychro::saturationPressure(w)), store(psychro::psychrometerCoefficient(w))};
}

double nextTrial(double w) {
    return store(static_cast<long double>(w) + 0.01L);
}

const std::vector<Trial>& trials() {
    // From -10.99 °C to beyond the warmest dry bulb (50 °C) plus the two steps past it.
    static const std::vector<Trial> table = [] {
        std::vector<Trial> t;
        t.reserve(6200);
        for (double w = store(-10.99L); t.size() < 6200; w = nextTrial(w)) {
            t.push_back(trialAt(w));
        }
        return t;
    }();
    return table;
}

// The trial's humidity is at least 0.01 points above the target. Each rounding to double is
// that of a stored value; the flags are checked once the search ends.
bool passes(const Trial& t, double dryBulb, double pressure, double psDryBulb, double shownRh) {
    const auto pw = static_cast<double>(psychro::vapourPressure(t.ps, t.A, pressure, dryBulb, t.w));
    const auto rh = static_cast<double>(psychro::relativeHumidity(pw, psDryBulb));
    // Written so that a NaN ends the search (and is then raised) instead of looping forever.
    return !(static_cast<long double>(rh) - shownRh < 0.01L);
}

}  // namespace

double searchMixedWetBulb(double dryBulb, double pressure, double psDryBulb, double shownRh) {
    double found = 0;
    bool done = false;
    for (const Trial& t : trials()) {
        if (passes(t, dryBulb, pressure, psDryBulb, shownRh)) {
            found = t.w;
            done = true;
            break;
        }
    }
    // Past the table (a dry bulb above any slider's range): go on step by step.
    for (double w = trials().back().w; !done;) {
        w = nextTrial(w);
        if (passes(trialAt(w), dryBulb, pressure, psDryBulb, shownRh)) {
            found = w;
            done = true;
        }
    }
    raiseOnFloatFlags();
    return found;
}

}  // namespace plenova
