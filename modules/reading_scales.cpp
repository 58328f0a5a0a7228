#include "modules/reading_scales.h"

namespace plenova {

const std::vector<SliderReading>& sliderReadings() {
    static const std::vector<SliderReading> table = {
        {"ScrollBarMAVol", "LabelMAvol", kVolumeFlow},
        {"ScrollBarMAmAltitude", "LabelMAmAltitude", kAltitude},
        {"ScrollBarMApercent", "LabelMAOAvolPercent", kOutdoorAirShare},
        {"ScrollBarMARAdb", "LabelMARAdb", kOffsetTemperature},
        {"ScrollBarMARAwb", "LabelMARAwb", kOffsetTemperature},
        {"ScrollBarMAOAdb", "LabelMAOAdb", kOffsetTemperature},
        {"ScrollBarMAOAwb", "LabelMAOAwb", kOffsetTemperature},
        {"RAvolScrollBar", "RAvolLabel", kVolumeFlow},
        {"mAltScrollBar", "mAltLabel", kAltitude},
        {"RAdbScrollBar", "RAdbLabel", kCoolingTemperature},
        {"RAwbScrollBar", "RAwbLabel", kCoolingTemperature},
        {"SAdbScrollBar", "SAdbLabel", kCoolingTemperature},
        {"SAwbScrollBar", "SAwbLabel", kCoolingTemperature},
        {"ScrollBarHeatRAvolume", "LabelHeatRAvolume", kVolumeFlow},
        {"ScrollBarHeatMetersAltitude", "LabelHeatMetersAltitude", kAltitude},
        {"ScrollBarHeatReturnAirDryBulb", "LabelHeatReturnAirDryBulb", kOffsetTemperature},
        {"ScrollBarHeatReturnAirWetBulb", "LabelHeatReturnAirWetBulb", kOffsetTemperature},
        {"ScrollBarHeatSupplyAirDryBulb", "LabelHeatSupplyAirDryBulb", kOffsetTemperature},
    };
    return table;
}

const SliderReading* sliderReading(std::string_view sliderName) {
    for (const SliderReading& entry : sliderReadings()) {
        if (sliderName == entry.slider) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace plenova
