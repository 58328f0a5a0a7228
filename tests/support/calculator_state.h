// Everything a user can see of a calculator: every value label, every slider position, every
// report label and the title box, by name.
#pragma once

#include <map>
#include <string>

#include "modules/calculator.h"

namespace plenova::testing {

inline std::map<std::string, std::string> visibleState(Calculator& calc) {
    std::map<std::string, std::string> state;
    for (const Label* label : calc.valueLabels()) {
        state[label->name()] = label->text();
    }
    for (const Slider* slider : calc.sliders()) {
        state[slider->name()] = std::to_string(slider->position());
    }
    for (const Label* label : calc.report.labels()) {
        state[label->name()] = label->text();
    }
    state[calc.EditQRtitle.name()] = calc.EditQRtitle.text();
    return state;
}

}  // namespace plenova::testing
