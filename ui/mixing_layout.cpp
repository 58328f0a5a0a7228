#include "ui/page_layout.h"

namespace plenova {

const PageLayout& mixingLayout() {
    constexpr auto Bold = Weight::Bold;
    constexpr auto Regular = Weight::Regular;
    static const PageLayout layout{
        "TabSheet1",
        "Mixing",
        "Panel1",
        {
            {"GroupBoxMAmAltitude", "Mixed Air Volume And Percentages", 8, 5, 537, 116},
            {"GroupBoxMARAtemp", "Return Air", 8, 128, 225, 145},
            {"GroupBoxMAOAtemps", "Outdoor Air", 320, 128, 225, 145},
            {"GroupBoxMAMixedAir", "Mixed Air Results", 8, 280, 537, 89},
        },
        {
            {"GroupBoxMAmAltitude", "Mixed Air Total Volume", 16, 24},
            {"GroupBoxMAmAltitude", "Altitude", 344, 24},
            {"GroupBoxMAmAltitude", "% Mix", 263, 80},
            {"GroupBoxMARAtemp", "Dry Bulb", 16, 16},
            {"GroupBoxMARAtemp", "Wet Bulb", 16, 48},
            {"GroupBoxMARAtemp", "Volume Flow", 16, 80},
            {"GroupBoxMARAtemp", "Mass Flow", 16, 96},
            {"GroupBoxMARAtemp", "Dew Point", 16, 112},
            {"GroupBoxMARAtemp", "RH", 16, 128},
            {"GroupBoxMAOAtemps", "Dry Bulb", 16, 16},
            {"GroupBoxMAOAtemps", "Wet Bulb", 16, 48},
            {"GroupBoxMAOAtemps", "Volume Flow", 16, 80},
            {"GroupBoxMAOAtemps", "Mass Flow", 16, 96},
            {"GroupBoxMAOAtemps", "Dew Point", 16, 112},
            {"GroupBoxMAOAtemps", "RH", 16, 128},
            {"GroupBoxMAMixedAir", "Dry Bulb", 16, 16},
            {"GroupBoxMAMixedAir", "Wet Bulb", 16, 32},
            {"GroupBoxMAMixedAir", "RH", 16, 48},
            {"GroupBoxMAMixedAir", "Dew Point", 328, 16},
            {"GroupBoxMAMixedAir", "Moisture Content", 328, 32},
            {"GroupBoxMAMixedAir", "Enthalpy", 328, 48},
            {"GroupBoxMAMixedAir", "Air Density", 328, 64},
        },
        {
            {"GroupBoxMAmAltitude", "LabelMAvol", 224, 24, Bold},
            {"GroupBoxMAmAltitude", "LabelMAvolPerHr", 224, 56, Regular},
            {"GroupBoxMAmAltitude", "LabelMAmAltitude", 448, 24, Bold},
            {"GroupBoxMAmAltitude", "LabelMAkPa", 448, 56, Regular},
            {"GroupBoxMAmAltitude", "LabelMARAvolPercent", 104, 80, Bold},
            {"GroupBoxMAmAltitude", "LabelMAOAvolPercent", 408, 80, Bold},
            {"GroupBoxMARAtemp", "LabelMARAdb", 136, 16, Bold},
            {"GroupBoxMARAtemp", "LabelMARAwb", 136, 48, Bold},
            {"GroupBoxMARAtemp", "LabelMARAvol", 136, 80, Regular},
            {"GroupBoxMARAtemp", "LabelMARAmf", 136, 96, Regular},
            {"GroupBoxMARAtemp", "LabelMARAdp", 136, 112, Regular},
            {"GroupBoxMARAtemp", "LabelMARArh", 136, 128, Bold},
            {"GroupBoxMAOAtemps", "LabelMAOAdb", 136, 16, Bold},
            {"GroupBoxMAOAtemps", "LabelMAOAwb", 136, 48, Bold},
            {"GroupBoxMAOAtemps", "LabelMAOAvol", 136, 80, Regular},
            {"GroupBoxMAOAtemps", "LabelMAOAmf", 136, 96, Regular},
            {"GroupBoxMAOAtemps", "LabelMAOAdp", 136, 112, Regular},
            {"GroupBoxMAOAtemps", "LabelMAOArh", 136, 128, Bold},
            {"GroupBoxMAMixedAir", "LabelMAMAdb", 136, 16, Bold},
            {"GroupBoxMAMixedAir", "LabelMAMAwb", 136, 32, Bold},
            {"GroupBoxMAMixedAir", "LabelMAMArh", 136, 48, Bold},
            {"GroupBoxMAMixedAir", "LabelMAMAdp", 448, 16, Regular},
            {"GroupBoxMAMixedAir", "LabelMAMAx", 448, 32, Regular},
            {"GroupBoxMAMixedAir", "LabelMAMAtotalh", 448, 48, Regular},
            {"GroupBoxMAMixedAir", "LabelMAMAd", 448, 64, Regular},
        },
        {
            {"GroupBoxMAmAltitude", "ScrollBarMAVol", 16, 40, 305},
            {"GroupBoxMAmAltitude", "ScrollBarMAmAltitude", 344, 40, 185},
            {"GroupBoxMAmAltitude", "ScrollBarMApercent", 104, 98, 345},
            {"GroupBoxMARAtemp", "ScrollBarMARAdb", 16, 32, 145},
            {"GroupBoxMARAtemp", "ScrollBarMARAwb", 16, 64, 145},
            {"GroupBoxMAOAtemps", "ScrollBarMAOAdb", 16, 32, 145},
            {"GroupBoxMAOAtemps", "ScrollBarMAOAwb", 16, 64, 145},
        },
        {},
    };
    return layout;
}

}  // namespace plenova
