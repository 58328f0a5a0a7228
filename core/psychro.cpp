#include "core/psychro.h"

#include <cmath>

#include "core/fpenv.h"

namespace plenova::psychro {

long double atmosphericPressure(long double z) {
    return std::exp(-0.0001184L * z) * 101.325L;
}

long double psychrometerCoefficient(long double tw) {
    return (0.00115L * tw + 1) * 0.00066L;
}

long double saturationPressure(long double t) {
    return std::exp((16.78L * t - 116.9L) / (237.3L + t));
}

long double vapourPressure(long double psWetBulb, long double A, long double P, long double t,
                           long double tw) {
    return psWetBulb - (A * P) * (t - tw);
}

long double relativeHumidity(long double pw, long double psDryBulb) {
    return (pw / psDryBulb) * 100;
}

long double dewPoint(long double pw) {
    // A zero vapour pressure is treated like a negative one: no dew point exists.
    if (!(pw > 0)) {
        throw FloatError(FloatErrorKind::InvalidOperation);
    }
    const long double lnPw = std::log(pw);
    return (lnPw * 237.3L + 116.9L) / (16.78L - lnPw);
}

long double moistureContent(long double pw, long double P) {
    return (0.622L * pw) / (P - pw);
}

long double sensibleEnthalpy(long double t) {
    return 1.007L * t - 0.026L;
}

long double latentEnthalpy(long double t, long double x) {
    return (1.84L * t + 2501) * x;
}

long double density(long double t, long double pw, long double P) {
    return 1 / (((273.16L + t) * 287) / ((P - pw) * 1000));
}

}  // namespace plenova::psychro
