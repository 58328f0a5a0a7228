// How each slider's position reads as an engineering value, and which value label shows it:
// the basis for typing a reading instead of moving the slider.
#pragma once

#include <string_view>
#include <vector>

namespace plenova {

// position = value x 10^decimals + offset, in the unit the value label shows.
struct ReadingScale {
    enum class Unit { Celsius, CubicMetresPerSecond, Metres, PercentOutdoorAir };

    Unit unit;
    int decimals;
    int offset;
};

inline constexpr ReadingScale kCoolingTemperature{ReadingScale::Unit::Celsius, 1, 0};
// Mixing: position / 10 - 10; heating: (position - 100) / 10; the same scale.
inline constexpr ReadingScale kOffsetTemperature{ReadingScale::Unit::Celsius, 1, 100};
inline constexpr ReadingScale kVolumeFlow{ReadingScale::Unit::CubicMetresPerSecond, 4, 0};
inline constexpr ReadingScale kAltitude{ReadingScale::Unit::Metres, 0, 0};
inline constexpr ReadingScale kOutdoorAirShare{ReadingScale::Unit::PercentOutdoorAir, 0, 0};

struct SliderReading {
    const char* slider;
    const char* valueLabel;  // the label that shows the slider's value
    ReadingScale scale;
};

// All 18 sliders, page by page in focus order.
const std::vector<SliderReading>& sliderReadings();

// The entry of one slider; nullptr for a name that is not a slider.
const SliderReading* sliderReading(std::string_view sliderName);

}  // namespace plenova
