// What must hold after every user action, whatever the history: the ordering rules of each
// page, equal altitudes, and label texts that are numbers with their units or placeholders.
#pragma once

#include <string>

#include "modules/calculator.h"

namespace plenova::testing {

// Returns an empty string when everything holds, else a description of the first fault.
std::string checkInvariants(Calculator& calc);

// Re-runs every recalculation on the current positions and returns the first label whose
// text changed (empty when none did). The reheat group reads the cooling duties as they stood
// at the last heating recalculation, so it is compared only when `includeReheat` is set (when
// no cooling duty can have changed since).
std::string checkRecalculationIsStable(Calculator& calc, bool includeReheat);

}  // namespace plenova::testing
