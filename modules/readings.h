// A unit's readings: everything the texts of the pages and the report rest on. The slider
// positions give nearly all of it; the rest is what a recalculation keeps from an earlier
// moment: the cooling duties the heating page's reheat figures were computed from (a cooling
// recalculation does not renew them), and the mixed wet bulb, which a negative mixed humidity
// leaves as it was and the cooling import reads.
#pragma once

#include <map>
#include <string>

#include "modules/calculator.h"

namespace plenova {

struct Readings {
    std::map<std::string, int> positions;  // every slider, by name
    std::string title;                     // the report's page title
    CoolingDuties reheatDuties;
    double mixedWetBulb = 0;  // MAMAwb
};

// The readings of the session as it stands.
Readings captureReadings(Calculator& calc);

// The readings of a program just started: the design positions and title, computed as the
// start-up does.
Readings startReadings();

// Returns an empty string when `readings` can stand in a session, else the first problem in
// words a technician understands: a missing or unknown slider, a position out of its range,
// altitudes that differ, an ordering rule broken (a wet bulb above its dry bulb, ...), a
// duty or a wet bulb that cannot occur, a title too long for the title box.
std::string checkReadings(Calculator& calc, const Readings& readings);

// Puts checked readings in place: the positions without their handlers, so that no ordering
// rule moves a saved position, then the start-up computation, the reheat figures from the
// saved duties. Afterwards every text and every later move is what it was in the saved
// session.
void applyReadings(Calculator& calc, const Readings& readings);

}  // namespace plenova
