#include "ui/page_layout.h"

namespace plenova {

const PageLayout& heatingLayout() {
    constexpr auto Bold = Weight::Bold;
    constexpr auto Regular = Weight::Regular;
    // The return-air captions of this page were drawn in MS Sans Serif; its "Altitude" in Arial.
    constexpr auto MsSansSerif = CaptionDesign::Face::MsSansSerif;
    constexpr auto Arial = CaptionDesign::Face::Arial;
    static const PageLayout layout{
        "TabSheet3",
        "Heating",
        "Panel3",
        {
            {"GroupBoxHeatReturnAir", "(Cooled) Return Air", 8, 5, 537, 161},
            {"GroupBoxHeatSupplyAir", "Supply Air", 8, 168, 537, 105},
            {"GroupBox3", "Heating Results", 8, 275, 537, 41},
            {"GroupBoxReHeat", "If Heat Is Reheat After Cooling", 8, 320, 537, 49,
             GroupBoxDesign::Look::Greyed},
        },
        {
            {"GroupBoxHeatReturnAir", "Volume Flow", 16, 24, MsSansSerif},
            {"GroupBoxHeatReturnAir", "Altitude", 344, 24, Arial},
            {"GroupBoxHeatReturnAir", "Dry Bulb", 16, 80, MsSansSerif},
            {"GroupBoxHeatReturnAir", "Wet Bulb", 16, 120, MsSansSerif},
            {"GroupBoxHeatReturnAir", "RH", 328, 80, MsSansSerif},
            {"GroupBoxHeatReturnAir", "Dew Point", 328, 96, MsSansSerif},
            {"GroupBoxHeatReturnAir", "Moisture Content", 328, 112, MsSansSerif},
            {"GroupBoxHeatReturnAir", "Enthalpy", 328, 128, MsSansSerif},
            {"GroupBoxHeatReturnAir", "Air Density", 328, 144, MsSansSerif},
            {"GroupBoxHeatSupplyAir", "Dry Bulb", 16, 24},
            {"GroupBoxHeatSupplyAir", "RH", 328, 24},
            {"GroupBoxHeatSupplyAir", "Dew Point", 328, 40},
            {"GroupBoxHeatSupplyAir", "Moisture Content", 328, 56},
            {"GroupBoxHeatSupplyAir", "Enthalpy", 328, 72},
            {"GroupBoxHeatSupplyAir", "Air Density", 328, 88},
            {"GroupBox3", "Heat Added", 16, 16},
            {"GroupBox3", "Air Mass Flow", 328, 16},
            {"GroupBoxReHeat", "Effective Duty", 8, 16},
            {"GroupBoxReHeat", "Sensible", 156, 16},
            {"GroupBoxReHeat", "Latent", 303, 16},
            {"GroupBoxReHeat", "SHF", 451, 16},
        },
        {
            {"GroupBoxHeatReturnAir", "LabelHeatRAvolume", 224, 24, Bold},
            {"GroupBoxHeatReturnAir", "LabelHeatRAvolPerHr", 224, 56, Regular},
            {"GroupBoxHeatReturnAir", "LabelHeatMetersAltitude", 448, 24, Bold},
            {"GroupBoxHeatReturnAir", "LabelHeatkPa", 448, 56, Regular},
            {"GroupBoxHeatReturnAir", "LabelHeatReturnAirDryBulb", 128, 80, Bold},
            {"GroupBoxHeatReturnAir", "LabelHeatReturnAirWetBulb", 128, 120, Bold},
            {"GroupBoxHeatReturnAir", "LabelHeatRArh", 448, 80, Bold},
            {"GroupBoxHeatReturnAir", "LabelHeatRAdp", 448, 96, Regular},
            {"GroupBoxHeatReturnAir", "LabelHeatReturnAirX", 448, 112, Regular},
            {"GroupBoxHeatReturnAir", "LabelHeatRAtotalEnthalpy", 448, 128, Regular},
            {"GroupBoxHeatReturnAir", "LabelHeatRAdensity", 448, 144, Regular},
            {"GroupBoxHeatSupplyAir", "LabelHeatSAvol", 224, 16, Bold},
            {"GroupBoxHeatSupplyAir", "LabelHeatSAvolPerHr", 224, 40, Regular},
            {"GroupBoxHeatSupplyAir", "LabelHeatSupplyAirDryBulb", 128, 24, Bold},
            {"GroupBoxHeatSupplyAir", "LabelHeatSupplyAirRH", 448, 24, Bold},
            {"GroupBoxHeatSupplyAir", "LabelHeatSAdp", 448, 40, Regular},
            {"GroupBoxHeatSupplyAir", "LabelHeatSupplyAirX", 448, 56, Regular},
            {"GroupBoxHeatSupplyAir", "LabelHeatSAtotalEnthalpy", 448, 72, Regular},
            {"GroupBoxHeatSupplyAir", "LabelHeatSAdensity", 448, 88, Regular},
            {"GroupBox3", "LabelHeatkW", 128, 16, Bold},
            {"GroupBox3", "LabelHeatAirMassFlow", 448, 16, Regular},
            {"GroupBoxReHeat", "LabelReHeatkW", 93, 16, Regular},
            {"GroupBoxReHeat", "LabelReHeatSensible", 214, 16, Regular},
            {"GroupBoxReHeat", "LabelReHeatLatent", 351, 16, Regular},
            {"GroupBoxReHeat", "LabelReHeatSHF", 488, 16, Regular},
        },
        {
            {"GroupBoxHeatReturnAir", "ScrollBarHeatRAvolume", 16, 40, 305},
            {"GroupBoxHeatReturnAir", "ScrollBarHeatMetersAltitude", 344, 40, 185},
            {"GroupBoxHeatReturnAir", "ScrollBarHeatReturnAirDryBulb", 16, 96, 145},
            {"GroupBoxHeatReturnAir", "ScrollBarHeatReturnAirWetBulb", 16, 136, 145},
            {"GroupBoxHeatSupplyAir", "ScrollBarHeatSupplyAirDryBulb", 16, 40, 145},
        },
        {
            {"GroupBoxHeatReturnAir", "Button2", "Import Cooling Results", 192, 88, 113, 17},
        },
    };
    return layout;
}

}  // namespace plenova
