#include "ui/page_layout.h"

namespace plenova {

const PageLayout& coolingLayout() {
    constexpr auto Bold = Weight::Bold;
    constexpr auto Regular = Weight::Regular;
    static const PageLayout layout{
        "TabSheet2",
        "Cooling",
        "Panel2",
        {
            {"GroupBox1", "(Mixed) Return Air", 8, 5, 537, 161},
            {"GroupBox2", "Supply Air", 8, 168, 537, 105},
            {"GroupBox4", "Cooling Results", 8, 275, 537, 97},
        },
        {
            {"GroupBox1", "Air Volume", 16, 24},
            {"GroupBox1", "Altitude", 344, 24},
            {"GroupBox1", "Dry Bulb", 16, 80},
            {"GroupBox1", "Wet Bulb", 16, 120},
            {"GroupBox1", "RH", 328, 80},
            {"GroupBox1", "Dew Point", 328, 96},
            {"GroupBox1", "Moisture Content", 328, 112},
            {"GroupBox1", "Enthalpy", 328, 128},
            {"GroupBox1", "Air Density", 328, 144},
            {"GroupBox2", "Dry Bulb", 16, 24},
            {"GroupBox2", "Wet Bulb", 16, 72},
            {"GroupBox2", "RH", 328, 24},
            {"GroupBox2", "Dew Point", 328, 40},
            {"GroupBox2", "Moisture Content", 328, 56},
            {"GroupBox2", "Enthalpy", 328, 72},
            {"GroupBox2", "Air Density", 328, 88},
            {"GroupBox4", "Duty Achieved", 16, 24},
            {"GroupBox4", "Sensible Duty", 16, 40},
            {"GroupBox4", "Latent Duty", 16, 56},
            {"GroupBox4", "SHF", 16, 72},
            {"GroupBox4", "Tons", 328, 24},
            {"GroupBox4", "Air Mass Flow", 328, 40},
            {"GroupBox4", "Condensate", 328, 56},
        },
        {
            {"GroupBox1", "RAvolLabel", 224, 24, Bold},
            {"GroupBox1", "RAvolmcubedPhLabel", 224, 56, Regular},
            {"GroupBox1", "mAltLabel", 448, 24, Bold},
            {"GroupBox1", "kPaLabel", 448, 56, Regular},
            {"GroupBox1", "RAdbLabel", 128, 80, Bold},
            {"GroupBox1", "RAwbLabel", 128, 120, Bold},
            {"GroupBox1", "RArhLabel", 448, 80, Bold},
            {"GroupBox1", "RAdpLabel", 448, 96, Regular},
            {"GroupBox1", "RAkgPkgLabel", 448, 112, Regular},
            {"GroupBox1", "RAhtotLabel", 448, 128, Regular},
            {"GroupBox1", "RAdLabel", 448, 144, Regular},
            {"GroupBox2", "LabelCoolSAvol", 224, 16, Bold},
            {"GroupBox2", "LabelSAvolPerHr", 224, 40, Regular},
            {"GroupBox2", "SAdbLabel", 128, 24, Bold},
            {"GroupBox2", "SAwbLabel", 128, 72, Bold},
            {"GroupBox2", "SArhLabel", 448, 24, Bold},
            {"GroupBox2", "SAdpLabel", 448, 40, Regular},
            {"GroupBox2", "SAkgPkgLabel", 448, 56, Regular},
            {"GroupBox2", "SAhtotLabel", 448, 72, Regular},
            {"GroupBox2", "SAdLabel", 448, 88, Regular},
            {"GroupBox4", "kWLabel", 128, 24, Bold},
            {"GroupBox4", "SloadLabel", 128, 40, Bold},
            {"GroupBox4", "LloadLabel", 128, 56, Bold},
            {"GroupBox4", "SHFLabel", 128, 72, Bold},
            {"GroupBox4", "TonsLabel", 448, 24, Regular},
            {"GroupBox4", "AMFLabel", 448, 40, Regular},
            {"GroupBox4", "CondensateLabel", 448, 56, Regular},
            {"GroupBox4", "CondensateLpHLabel", 448, 72, Regular},
        },
        {
            {"GroupBox1", "RAvolScrollBar", 16, 40, 305},
            {"GroupBox1", "mAltScrollBar", 344, 40, 185},
            {"GroupBox1", "RAdbScrollBar", 16, 96, 145},
            {"GroupBox1", "RAwbScrollBar", 16, 136, 145},
            {"GroupBox2", "SAdbScrollBar", 16, 40, 145},
            {"GroupBox2", "SAwbScrollBar", 16, 88, 145},
        },
        {
            {"GroupBox1", "Button1", "Import Mixing Results", 192, 88, 113, 17},
        },
    };
    return layout;
}

}  // namespace plenova
