// The moist-air property formulas. Each takes its inputs as stored (doubles widen exactly)
// and returns the unrounded extended result; the caller stores it with plenova::store, so
// every later step reads the rounded double. The order of operations is part of the result.
#pragma once

namespace plenova::psychro {

// 1. Atmospheric pressure in kPa at altitude z in metres.
long double atmosphericPressure(long double z);
// 2. Psychrometer coefficient in 1/K from a wet bulb.
long double psychrometerCoefficient(long double tw);
// 3. Saturation vapour pressure in kPa at temperature t.
long double saturationPressure(long double t);
// 4. Vapour pressure in kPa from the saturation pressure at the wet bulb, a coefficient A and
//    a pressure P (not necessarily of the same air stream as t and tw).
long double vapourPressure(long double psWetBulb, long double A, long double P, long double t,
                           long double tw);
// 5. Relative humidity in % from a vapour pressure and the saturation pressure at the dry bulb.
long double relativeHumidity(long double pw, long double psDryBulb);
// 6. Dew point in °C. A vapour pressure that is not positive has no logarithm: that is an
//    invalid operation and raises FloatError(InvalidOperation).
long double dewPoint(long double pw);
// 7. Moisture content in kg/kg.
long double moistureContent(long double pw, long double P);
// 8. Enthalpy parts in kJ/kg: dry-air (sensible) part and moisture (latent) part.
long double sensibleEnthalpy(long double t);
long double latentEnthalpy(long double t, long double x);
// 9. Density in kg/m³ of air at t with vapour pressure pw under pressure P.
long double density(long double t, long double pw, long double P);

}  // namespace plenova::psychro
