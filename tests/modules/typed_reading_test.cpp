// A typed reading becomes a slider position: separators, units, ties, both range ends, out of
// range and garbage. Every expected position is worked out by hand from the slider's scale
// (position = value x 10^decimals + offset; a volume in m³/hr is first divided by 3600).
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "modules/calculator.h"
#include "modules/typed_reading.h"

namespace plenova {
namespace {

struct Range {
    ReadingScale scale;
    int min;
    int max;
};

// The ranges as the sliders have them.
constexpr Range kCooling{kCoolingTemperature, 0, 500};  // 0.0 to 50.0 °C
constexpr Range kMixing{kOffsetTemperature, 0, 600};    // -10.0 to 50.0 °C
constexpr Range kMixedVolume{kVolumeFlow, 1, 200000};   // 0.0001 to 20 m³/s
constexpr Range kVolume{kVolumeFlow, 0, 200000};        // 0 to 20 m³/s
constexpr Range kMetres{kAltitude, 0, 2000};
constexpr Range kShare{kOutdoorAirShare, 0, 100};

constexpr auto kNone = ReadingProblem::None;
constexpr auto kEmpty = ReadingProblem::Empty;
constexpr auto kGarbage = ReadingProblem::NotANumber;
constexpr auto kOutside = ReadingProblem::OutOfRange;

struct Case {
    const char* name;
    Range range;
    const char* text;
    char separator;
    ReadingProblem problem;
    int position;  // when there is no problem
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name << " '" << c.text << "'";
}

class TypedReadingTable : public ::testing::TestWithParam<Case> {};

TEST_P(TypedReadingTable, GivesThePositionOrTheProblem) {
    const Case& c = GetParam();
    const TypedReading reading =
        readTyped(c.range.scale, c.range.min, c.range.max, c.text, c.separator);
    EXPECT_EQ(reading.problem, c.problem);
    if (c.problem == kNone) {
        EXPECT_EQ(reading.position, c.position);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Separators, TypedReadingTable, ::testing::Values(
    Case{"FullStop", kCooling, "23.7", '.', kNone, 237},
    Case{"RegionalComma", kCooling, "23,7", ',', kNone, 237},
    Case{"FullStopUnderComma", kCooling, "23.7", ',', kNone, 237},
    Case{"CommaWhereNotRegional", kCooling, "23,7", '.', kGarbage, 0},
    Case{"NoWholeDigits", kCooling, ".5", '.', kNone, 5},
    Case{"NoDecimals", kCooling, "5.", '.', kNone, 50},
    Case{"TwoSeparators", kCooling, "23.7.1", '.', kGarbage, 0}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Units, TypedReadingTable, ::testing::Values(
    Case{"SpacesAround", kCooling, "  23.7 \t", '.', kNone, 237},
    Case{"Celsius", kCooling, "23.7 \u00B0C", '.', kNone, 237},
    Case{"CelsiusNoSpace", kCooling, "23.7\u00B0C", '.', kNone, 237},
    Case{"CelsiusNoBreakSpace", kCooling, "23,7\u00A0\u00B0C", ',', kNone, 237},
    Case{"WrongUnit", kCooling, "23.7 K", '.', kGarbage, 0},
    Case{"VolumeUnit", kVolume, "4.85 m\u00B3/s", '.', kNone, 48500},
    Case{"VolumeAscii", kVolume, "4.85 m3/s", '.', kNone, 48500},
    // 661.32 / 3600 = 0.1837 m³/s exactly.
    Case{"PerHour", kVolume, "661.32 m\u00B3/hr", '.', kNone, 1837},
    Case{"PerHourComma", kVolume, "661,32 m3/hr", ',', kNone, 1837},
    // 5 / 3600 x 10^4 = 13.89.
    Case{"PerHourShort", kVolume, "5 m\u00B3/h", '.', kNone, 14},
    Case{"PerHourOnATemperature", kCooling, "5 m\u00B3/hr", '.', kGarbage, 0},
    Case{"MassFlow", kVolume, "4.85 kg/s", '.', kGarbage, 0},
    Case{"Metres", kMetres, "1500 m", '.', kNone, 1500},
    Case{"MetresNoSpace", kMetres, "1500m", '.', kNone, 1500},
    Case{"ShareAsShown", kShare, "25% OA", '.', kNone, 25},
    Case{"SharePercent", kShare, "25 %", '.', kNone, 25},
    Case{"ShareLowerCase", kShare, "25 % oa", '.', kNone, 25},
    Case{"ShareReturnAir", kShare, "25% RA", '.', kGarbage, 0}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Signs, TypedReadingTable, ::testing::Values(
    // (-10 x 10) + 100 = 0.
    Case{"MinusAtTheLowEnd", kMixing, "-10", '.', kNone, 0},
    Case{"MinusSign", kMixing, "\u221210.0 \u00B0C", '.', kNone, 0},
    Case{"Plus", kMixing, "+3.2", '.', kNone, 132},
    Case{"MinusZero", kCooling, "-0", '.', kNone, 0},
    Case{"TwoSigns", kMixing, "--5", '.', kGarbage, 0},
    Case{"SignAfter", kMixing, "5-", '.', kGarbage, 0}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Ties, TypedReadingTable, ::testing::Values(
    // 237.5 and 236.5 lie halfway: the even neighbour.
    Case{"HalfUpToEven", kCooling, "23.75", '.', kNone, 238},
    Case{"HalfDownToEven", kCooling, "23.65", '.', kNone, 236},
    Case{"JustAboveHalf", kCooling, "23.6500000000000000000001", '.', kNone, 237},
    Case{"JustBelowHalf", kCooling, "23.6499999999999999999999", '.', kNone, 236},
    Case{"NotAHalf", kCooling, "23.66", '.', kNone, 237},
    // 100 - 52.5 = 47.5 gives 48; 100 - 53.5 = 46.5 gives 46.
    Case{"NegativeHalfToEven", kMixing, "-5.25", '.', kNone, 48},
    Case{"NegativeHalfDown", kMixing, "-5.35", '.', kNone, 46},
    Case{"NegativeJustAboveHalf", kMixing, "-5.3500000000000001", '.', kNone, 46},
    Case{"NegativeJustBelowHalf", kMixing, "-5.3499999999999999", '.', kNone, 47},
    // 0.00015 x 10^4 = 1.5 gives 2; 0.00025 x 10^4 = 2.5 gives 2.
    Case{"VolumeHalfUp", kMixedVolume, "0.00015", '.', kNone, 2},
    Case{"VolumeHalfDown", kMixedVolume, "0.00025", '.', kNone, 2},
    // 0.54 x 25 / 9 = 1.5 gives 2; 0.9 x 25 / 9 = 2.5 gives 2; 0.18 x 25 / 9 = 0.5 gives 0.
    Case{"PerHourHalfUp", kVolume, "0.54 m3/hr", '.', kNone, 2},
    Case{"PerHourHalfDown", kVolume, "0.9 m3/hr", '.', kNone, 2},
    Case{"PerHourHalfToZero", kVolume, "0.18 m3/hr", '.', kNone, 0},
    Case{"PerHourJustAboveHalf", kVolume, "0.18000000000000000001 m3/hr", '.', kNone, 1},
    Case{"AltitudeHalfDown", kMetres, "1500.5", '.', kNone, 1500},
    Case{"AltitudeHalfUp", kMetres, "1501.5", '.', kNone, 1502},
    Case{"ShareHalf", kShare, "12.5", '.', kNone, 12}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(RangeEnds, TypedReadingTable, ::testing::Values(
    Case{"CoolingLow", kCooling, "0", '.', kNone, 0},
    Case{"CoolingHigh", kCooling, "50.0 \u00B0C", '.', kNone, 500},
    // 50.04 would round to 500, but it is above 50.0.
    Case{"CoolingJustAbove", kCooling, "50.04", '.', kOutside, 0},
    Case{"CoolingJustBelow", kCooling, "-0.04", '.', kOutside, 0},
    Case{"CoolingFarAbove", kCooling, "99999999999999999999", '.', kOutside, 0},
    Case{"MixingLow", kMixing, "-10.0", '.', kNone, 0},
    Case{"MixingBelow", kMixing, "-10.05", '.', kOutside, 0},
    Case{"MixingHigh", kMixing, "50", '.', kNone, 600},
    Case{"MixedVolumeLow", kMixedVolume, "0.0001", '.', kNone, 1},
    // 0.00005 x 10^4 = 0.5 lies below the mixed volume's minimum of 1.
    Case{"MixedVolumeBelow", kMixedVolume, "0.00005", '.', kOutside, 0},
    Case{"MixedVolumeZero", kMixedVolume, "0", '.', kOutside, 0},
    Case{"VolumeHigh", kVolume, "20", '.', kNone, 200000},
    Case{"VolumeAbove", kVolume, "20.00001", '.', kOutside, 0},
    // 72000 / 3600 = 20 m³/s.
    Case{"PerHourHigh", kVolume, "72000 m3/hr", '.', kNone, 200000},
    Case{"PerHourAbove", kVolume, "72000.01 m3/hr", '.', kOutside, 0},
    Case{"AltitudeHigh", kMetres, "2000", '.', kNone, 2000},
    Case{"AltitudeAbove", kMetres, "2000.4", '.', kOutside, 0},
    Case{"AltitudeBelow", kMetres, "-1 m", '.', kOutside, 0},
    Case{"ShareHigh", kShare, "100% OA", '.', kNone, 100},
    Case{"ShareAbove", kShare, "100.5", '.', kOutside, 0}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Garbage, TypedReadingTable, ::testing::Values(
    Case{"Empty", kCooling, "", '.', kEmpty, 0},
    Case{"OnlySpaces", kCooling, "   ", '.', kEmpty, 0},
    Case{"Letters", kCooling, "abc", '.', kGarbage, 0},
    Case{"OnlyASeparator", kCooling, ".", '.', kGarbage, 0},
    Case{"OnlyAUnit", kCooling, "\u00B0C", '.', kGarbage, 0},
    Case{"Exponent", kCooling, "1e2", '.', kGarbage, 0},
    Case{"SpaceInside", kCooling, "2 3", '.', kGarbage, 0},
    Case{"GroupedThousands", kMetres, "1,500", '.', kGarbage, 0}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(TypedReading, RangeTextNamesBothEndsInTheLabelsUnit) {
    EXPECT_EQ(rangeText(kOffsetTemperature, 0, 600, '.'), "\u221210.0 to 50.0 \u00B0C");
    EXPECT_EQ(rangeText(kCoolingTemperature, 0, 500, ','), "0,0 to 50,0 \u00B0C");
    EXPECT_EQ(rangeText(kVolumeFlow, 1, 200000, '.'), "0.0001 to 20.0000 m\u00B3/s");
    EXPECT_EQ(rangeText(kAltitude, 0, 2000, '.'), "0 to 2000 m");
    EXPECT_EQ(rangeText(kOutdoorAirShare, 0, 100, '.'), "0 to 100% OA");
    EXPECT_EQ(problemText(ReadingProblem::OutOfRange, "0 to 2000 m"), "Out of range: 0 to 2000 m");
}

// Every slider of the calculator has a scale and a value label, and the editor's starting
// text reads back as the same position at every position of every slider.
TEST(TypedReading, EveryPositionOfEverySliderReadsBack) {
    Calculator calc;
    ASSERT_EQ(sliderReadings().size(), calc.sliders().size());
    for (Slider* slider : calc.sliders()) {
        const SliderReading* entry = sliderReading(slider->name());
        ASSERT_NE(entry, nullptr) << slider->name();
        ASSERT_NE(calc.findLabel(entry->valueLabel), nullptr) << entry->valueLabel;
        for (const char separator : {'.', ','}) {
            for (int p = slider->min(); p <= slider->max(); ++p) {
                const std::string text = readingText(entry->scale, p, separator);
                const TypedReading back =
                    readTyped(entry->scale, slider->min(), slider->max(), text, separator);
                ASSERT_EQ(back.problem, ReadingProblem::None) << slider->name() << " " << text;
                ASSERT_EQ(back.position, p) << slider->name() << " " << text;
            }
        }
    }
}

// The editor starts from the reading as the slider's value label shows it.
TEST(TypedReading, StartingTextIsTheValueLabelsText) {
    Calculator calc;
    calc.setDecimalSeparator(',');
    calc.FormCreate();
    for (Slider* slider : calc.sliders()) {
        const Label& label = *calc.findLabel(sliderReading(slider->name())->valueLabel);
        for (const int p :
             {slider->max(), slider->min(), (slider->min() + slider->max()) / 2 + 1}) {
            slider->setPosition(p);
            EXPECT_EQ(readingText(*slider, ','), label.text()) << slider->name() << " at " << p;
        }
    }
}

TEST(TypedReading, ASliderWithoutAScaleIsAMistake) {
    Slider stray("Stray", 0, 10, 0, 1, 1);
    EXPECT_THROW(readTyped(stray, "1", '.'), std::logic_error);
}

}  // namespace
}  // namespace plenova
