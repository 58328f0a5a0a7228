// One air stream evaluated from a dry bulb, a wet bulb, a pressure and a psychrometer
// coefficient, in the fixed order of the formulas, each quantity stored as a double.
#pragma once

namespace plenova {

struct AirState {
    double A = 0;          // psychrometer coefficient used, 1/K
    double psDryBulb = 0;  // saturation vapour pressure at the dry bulb, kPa
    double psWetBulb = 0;  // saturation vapour pressure at the wet bulb, kPa
    double pw = 0;         // vapour pressure, never clamped, kPa
    double rh = 0;         // relative humidity, raised to 0 when negative, %
    double dewPoint = 0;   // °C; kept from the previous evaluation when it does not exist
    bool dewPointValid = false;
    double x = 0;        // moisture content, raised to 0 when negative, kg/kg
    double hs = 0;       // sensible enthalpy, kJ/kg
    double hl = 0;       // latent enthalpy, kJ/kg
    double h = 0;        // enthalpy, kJ/kg
    double density = 0;  // kg/m³, from the unclamped vapour pressure
};

// The dew point of pw, stored into dewPoint. Returns false, leaving dewPoint as it was, when
// the logarithm is an invalid operation (pw not positive); any other error passes on.
bool guardedDewPoint(double pw, double& dewPoint);

// Evaluates `state` computing its own coefficient from the wet bulb.
void evaluateAirState(AirState& state, double t, double tw, double P);

// Evaluates `state` with a coefficient received from another evaluation.
void evaluateAirState(AirState& state, double t, double tw, double P, double A);

}  // namespace plenova
