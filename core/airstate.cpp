#include "core/airstate.h"

#include "core/fpenv.h"
#include "core/psychro.h"

namespace plenova {

using namespace psychro;

bool guardedDewPoint(double pw, double& dewPoint) {
    try {
        dewPoint = store(psychro::dewPoint(pw));
        return true;
    } catch (const FloatError& error) {
        if (error.kind() != FloatErrorKind::InvalidOperation) {
            throw;
        }
        return false;
    }
}

void evaluateAirState(AirState& s, double t, double tw, double P, double A) {
    s.A = A;
    s.psDryBulb = store(saturationPressure(t));
    s.psWetBulb = store(saturationPressure(tw));
    s.pw = store(vapourPressure(s.psWetBulb, s.A, P, t, tw));
    s.rh = store(relativeHumidity(s.pw, s.psDryBulb));
    s.dewPointValid = guardedDewPoint(s.pw, s.dewPoint);
    s.x = store(moistureContent(s.pw, P));
    if (!(s.x >= 0)) {
        s.x = 0;
    }
    s.hs = store(sensibleEnthalpy(t));
    s.hl = store(latentEnthalpy(t, s.x));
    s.h = store(static_cast<long double>(s.hs) + s.hl);
    s.density = store(density(t, s.pw, P));
    if (!(s.rh >= 0)) {
        s.rh = 0;
    }
}

void evaluateAirState(AirState& s, double t, double tw, double P) {
    evaluateAirState(s, t, tw, P, store(psychrometerCoefficient(tw)));
}

}  // namespace plenova
