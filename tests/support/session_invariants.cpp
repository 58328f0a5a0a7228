#include "session_invariants.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <sstream>
#include <vector>

namespace plenova::testing {
namespace {

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string ordered(const char* what, const Slider& low, const Slider& high) {
    if (low.position() <= high.position()) {
        return {};
    }
    std::ostringstream fault;
    fault << what << ": " << low.name() << "=" << low.position() << " above " << high.name() << "="
          << high.position();
    return fault.str();
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Skips one or more digits from `i`; false when there is none.
bool digits(const std::string& text, std::size_t& i) {
    const std::size_t start = i;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
    }
    return i > start;
}

bool isWellFormed(const std::string& text) {
    // A placeholder, or a number (optionally in exponent form, with either separator) followed
    // directly by its unit.
    if (text == "~" || text == "~ \u00B0C") {
        return true;
    }
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') {
        ++i;
    }
    if (!digits(text, i)) {
        return false;
    }
    if (i < text.size() && (text[i] == '.' || text[i] == ',') && !digits(text, ++i)) {
        return false;
    }
    if (i < text.size() && text[i] == 'E') {
        ++i;
        if (i < text.size() && text[i] == '-') {
            ++i;
        }
        if (!digits(text, i)) {
            return false;
        }
    }
    const std::string unit = lower(text.substr(i));
    const bool unitStarts = unit.empty() || unit[0] == ' ' || unit[0] == '%' || unit[0] == 'k';
    return unitStarts && unit.find("nan") == std::string::npos &&
           unit.find("inf") == std::string::npos;
}

}  // namespace

std::string checkInvariants(Calculator& calc) {
    const Mixing& m = calc.mixing;
    const Cooling& c = calc.cooling;
    const Heating& h = calc.heating;
    for (const std::string& fault : {
             ordered("mixing return air", m.ScrollBarMARAwb, m.ScrollBarMARAdb),
             ordered("mixing outdoor air", m.ScrollBarMAOAwb, m.ScrollBarMAOAdb),
             ordered("cooling return air", c.RAwbScrollBar, c.RAdbScrollBar),
             ordered("cooling supply air", c.SAwbScrollBar, c.SAdbScrollBar),
             ordered("cooling dry bulbs", c.SAdbScrollBar, c.RAdbScrollBar),
             ordered("cooling wet bulbs", c.SAwbScrollBar, c.RAwbScrollBar),
             ordered("heating return air", h.ScrollBarHeatReturnAirWetBulb,
                     h.ScrollBarHeatReturnAirDryBulb),
             ordered("heating dry bulbs", h.ScrollBarHeatReturnAirDryBulb,
                     h.ScrollBarHeatSupplyAirDryBulb),
         }) {
        if (!fault.empty()) {
            return fault;
        }
    }
    const int altitude = calc.altitude.ScrollBarMAmAltitude.position();
    if (calc.altitude.mAltScrollBar.position() != altitude ||
        calc.altitude.ScrollBarHeatMetersAltitude.position() != altitude) {
        return "altitude sliders differ";
    }
    for (Slider* slider : calc.sliders()) {
        if (slider->position() < slider->min() || slider->position() > slider->max()) {
            return slider->name() + " out of range";
        }
    }
    for (const Label* label : calc.valueLabels()) {
        if (!isWellFormed(label->text())) {
            return label->name() + " shows '" + label->text() + "'";
        }
    }
    return {};
}

std::string checkRecalculationIsStable(Calculator& calc, bool includeReheat) {
    std::map<std::string, std::string> before;
    for (const Label* label : calc.valueLabels()) {
        before[label->name()] = label->text();
    }
    calc.mixing.MixedAirCalc();
    calc.cooling.RAcalcs();
    calc.cooling.SAcalcs();
    calc.cooling.VolumeCalc();
    calc.heating.HeatRAcalcs();
    const Heating& h = calc.heating;
    const std::vector<const Label*> reheat{&h.LabelReHeatkW, &h.LabelReHeatSensible,
                                           &h.LabelReHeatLatent, &h.LabelReHeatSHF};
    for (const Label* label : calc.valueLabels()) {
        const bool isReheat = std::find(reheat.begin(), reheat.end(), label) != reheat.end();
        if (isReheat && !includeReheat) {
            continue;
        }
        if (before[label->name()] != label->text()) {
            return label->name() + " was '" + before[label->name()] + "', recalculated '" +
                   label->text() + "'";
        }
    }
    return {};
}

}  // namespace plenova::testing
