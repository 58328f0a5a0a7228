#include "modules/readings.h"

#include <cmath>

namespace plenova {

namespace {

// The longest title the title box holds: 32767 UTF-16 units, and a UTF-8 text never has
// fewer bytes than UTF-16 units.
constexpr std::size_t kLongestTitleBytes = 32767;

// No coil on these sliders reaches this: 20 m³/s of air at most 1.3 kg/m³ with at most
// 400 kJ/kg between the two enthalpies is 10,400 kW. The bound keeps every reheat figure far
// from an overflow.
constexpr double kLargestDuty = 100000;

// The search's trial wet bulbs run from -10.99 °C to about 51 °C.
constexpr double kLowestMixedWetBulb = -11;
constexpr double kHighestMixedWetBulb = 52;

// Two positions the handlers keep in order: `low` never stands above `high`.
struct OrderingRule {
    const char* low;
    const char* high;
    const char* broken;  // what the technician reads when it is not so
};

constexpr OrderingRule kOrderingRules[] = {
    {"ScrollBarMARAwb", "ScrollBarMARAdb",
     "on the Mixing page the return-air wet bulb stands above its dry bulb"},
    {"ScrollBarMAOAwb", "ScrollBarMAOAdb",
     "on the Mixing page the outdoor-air wet bulb stands above its dry bulb"},
    {"RAwbScrollBar", "RAdbScrollBar",
     "on the Cooling page the return-air wet bulb stands above its dry bulb"},
    {"SAwbScrollBar", "SAdbScrollBar",
     "on the Cooling page the supply-air wet bulb stands above its dry bulb"},
    {"SAdbScrollBar", "RAdbScrollBar",
     "on the Cooling page the supply-air dry bulb stands above the return-air dry bulb"},
    {"SAwbScrollBar", "RAwbScrollBar",
     "on the Cooling page the supply-air wet bulb stands above the return-air wet bulb"},
    {"ScrollBarHeatReturnAirWetBulb", "ScrollBarHeatReturnAirDryBulb",
     "on the Heating page the return-air wet bulb stands above its dry bulb"},
    {"ScrollBarHeatReturnAirDryBulb", "ScrollBarHeatSupplyAirDryBulb",
     "on the Heating page the return-air dry bulb stands above the supply-air dry bulb"},
};

std::string quoted(const std::string& name) {
    return "\"" + name + "\"";
}

std::string checkPositions(Calculator& calc, const std::map<std::string, int>& positions) {
    for (const auto& [name, position] : positions) {
        if (calc.findSlider(name) == nullptr) {
            return "it holds a reading for an unknown slider " + quoted(name);
        }
    }
    for (const Slider* slider : calc.sliders()) {
        const auto found = positions.find(slider->name());
        if (found == positions.end()) {
            return "the reading of the slider " + quoted(slider->name()) + " is missing";
        }
        if (found->second < slider->min() || found->second > slider->max()) {
            return "the slider " + quoted(slider->name()) + " stands at " +
                   std::to_string(found->second) + ", outside its range of " +
                   std::to_string(slider->min()) + " to " + std::to_string(slider->max());
        }
    }
    const int altitude = positions.at(calc.altitude.ScrollBarMAmAltitude.name());
    if (positions.at(calc.altitude.mAltScrollBar.name()) != altitude ||
        positions.at(calc.altitude.ScrollBarHeatMetersAltitude.name()) != altitude) {
        return "the three altitude sliders stand at different altitudes";
    }
    for (const OrderingRule& rule : kOrderingRules) {
        if (positions.at(rule.low) > positions.at(rule.high)) {
            return rule.broken;
        }
    }
    return {};
}

bool within(double value, double low, double high) {
    return std::isfinite(value) && value >= low && value <= high;
}

// A duty is raised to 0 when it is not positive, so it is never -0.
bool isDuty(double value) {
    return within(value, 0, kLargestDuty) && !std::signbit(value);
}

}  // namespace

Readings captureReadings(Calculator& calc) {
    Readings readings;
    for (const Slider* slider : calc.sliders()) {
        readings.positions.emplace(slider->name(), slider->position());
    }
    readings.title = calc.EditQRtitle.text();
    readings.reheatDuties = calc.heating.reheatDuties();
    readings.mixedWetBulb = calc.mixing.MAMAwb;
    return readings;
}

Readings startReadings() {
    Calculator fresh;
    fresh.FormCreate();
    return captureReadings(fresh);
}

std::string checkReadings(Calculator& calc, const Readings& readings) {
    if (std::string problem = checkPositions(calc, readings.positions); !problem.empty()) {
        return problem;
    }
    if (!isDuty(readings.reheatDuties.Sload) || !isDuty(readings.reheatDuties.Lload)) {
        return "the cooling duties kept for the reheat figures cannot occur";
    }
    if (!within(readings.mixedWetBulb, kLowestMixedWetBulb, kHighestMixedWetBulb)) {
        return "the mixed-air wet bulb cannot occur";
    }
    if (readings.title.size() > kLongestTitleBytes) {
        return "the report title is longer than the title box holds";
    }
    return {};
}

void applyReadings(Calculator& calc, const Readings& readings) {
    for (Slider* slider : calc.sliders()) {
        slider->place(readings.positions.at(slider->name()));
    }
    calc.EditQRtitle.setText(readings.title);
    // Read by the import; a mixed humidity that is not negative replaces it at once.
    calc.mixing.MAMAwb = readings.mixedWetBulb;
    calc.FormCreate(readings.reheatDuties);
}

}  // namespace plenova
