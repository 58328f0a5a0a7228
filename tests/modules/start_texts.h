// What the pages show at start, shared by the model tests and the driver tests.
#pragma once

#include <map>
#include <string>

namespace plenova::testing {

using Texts = std::map<std::string, std::string>;

inline const Texts kCoolingAirStartTexts{{"mAltLabel", "0 m"},
                                         {"kPaLabel", "101.325kPa"},
                                         {"RAdbLabel", "25.5 °C"},
                                         {"RAwbLabel", "18.3 °C"},
                                         {"RArhLabel", "49.4 %"},
                                         {"RAdpLabel", "14.1 °C"},
                                         {"RAkgPkgLabel", "0.0101 kg/kg"},
                                         {"RAhtotLabel", "51.3 kJ/kg"},
                                         {"RAdLabel", "1.16 kg/m³"},
                                         {"SAdbLabel", "12.7 °C"},
                                         {"SAwbLabel", "12.3 °C"},
                                         {"SArhLabel", "95.5 %"},
                                         {"SAdpLabel", "12.0 °C"},
                                         {"SAkgPkgLabel", "0.0087 kg/kg"},
                                         {"SAhtotLabel", "34.8 kJ/kg"},
                                         {"SAdLabel", "1.22 kg/m³"}};

inline const Texts kMixingStartTexts{
    {"LabelMAmAltitude", "0 m"},        {"LabelMAkPa", "101.325 kPa"},
    {"LabelMARAdb", "25.5 °C"},         {"LabelMARAwb", "18.3 °C"},
    {"LabelMARAdp", "14.1 °C"},         {"LabelMARArh", "49.4 %"},
    {"LabelMAOAdb", "35 °C"},           {"LabelMAOAwb", "25.2 °C"},
    {"LabelMAOAdp", "21.3 °C"},         {"LabelMAOArh", "45.0 %"},
    {"LabelMAvol", "0.1837 m³/s"},      {"LabelMAvolPerHr", "661.32 m³/hr"},
    {"LabelMARAvolPercent", "100% RA"}, {"LabelMAOAvolPercent", "0% OA"},
    {"LabelMARAvol", "0.1837 m³/s"},    {"LabelMAOAvol", "0 m³/s"},
    {"LabelMARAmf", "0.21 kg/s"},       {"LabelMAOAmf", "0.00 kg/s"},
    {"LabelMAMAdb", "25.5 °C"},         {"LabelMAMArh", "49.4 %"},
    {"LabelMAMAdp", "14.1 °C"},         {"LabelMAMAx", "0.0101 kg/kg"},
    {"LabelMAMAd", "1.16 kg/m³"},       {"LabelMAMAtotalh", "51.3 kJ/kg"},
    {"LabelMAMAwb", "18.3 °C"}};

// The start texts with more entries (slider positions, for a dump) added.
inline Texts withEntries(Texts texts, const Texts& more) {
    texts.insert(more.begin(), more.end());
    return texts;
}

}  // namespace plenova::testing
