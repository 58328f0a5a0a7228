// The mixed air's wet bulb, found by a stepwise search.
#pragma once

namespace plenova {

// Trial wet bulbs from -10.99 °C upwards, each step adding the extended 0.01 to the running
// double, until the relative humidity that air at `dryBulb` would have with that wet bulb
// lies at least 0.01 percentage points above `shownRh` (0 to 100): the first such trial is
// the result, one step past the crossing. `psDryBulb` is the saturation pressure at the dry
// bulb, `pressure` the atmospheric pressure. Each trial's saturation pressure, coefficient,
// vapour pressure and humidity are rounded to double, as if stored.
double searchMixedWetBulb(double dryBulb, double pressure, double psDryBulb, double shownRh);

}  // namespace plenova
