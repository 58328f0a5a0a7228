// What the pages show at start, shared by the model tests and the driver tests.
#pragma once

#include <map>
#include <string>

namespace plenova::testing {

using Texts = std::map<std::string, std::string>;

// A page's start texts with some of them changed: a worked case pins every label of its page,
// those it changes and those it leaves.
inline Texts startTextsWith(Texts texts, const Texts& changed) {
    for (const auto& [name, text] : changed) {
        texts[name] = text;
    }
    return texts;
}

// The start texts with more entries (slider positions, for a dump) added.
inline Texts withEntries(Texts texts, const Texts& more) {
    texts.insert(more.begin(), more.end());
    return texts;
}

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

inline const Texts kCoolingDutyStartTexts{{"RAvolLabel", "0.1837 m³/s"},
                                          {"RAvolmcubedPhLabel", "661.32 m³/hr"},
                                          {"LabelCoolSAvol", "0.1755 m³/s"},
                                          {"LabelSAvolPerHr", "631.65 m³/hr"},
                                          {"kWLabel", "3.518 kW"},
                                          {"TonsLabel", "1.00 Ton"},
                                          {"SloadLabel", "2.754 kW"},
                                          {"LloadLabel", "0.763 kW"},
                                          {"SHFLabel", "0.78"},
                                          {"AMFLabel", "0.21 kg/s"},
                                          {"CondensateLabel", "0.0003 kg/s"},
                                          {"CondensateLpHLabel", "1.02 litres/hr"}};

// The whole cooling page.
inline const Texts kCoolingStartTexts = withEntries(kCoolingAirStartTexts, kCoolingDutyStartTexts);

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

// Every heating label with the cooling page at its own start state.
inline const Texts kHeatingStartTexts{
    {"LabelHeatRAvolume", "0.1755 m³/s"},
    {"LabelHeatRAvolPerHr", "631.80 m³/hr"},
    {"LabelHeatMetersAltitude", "0 m"},
    {"LabelHeatkPa", "101.325kPa"},
    {"LabelHeatReturnAirDryBulb", "12.7 °C"},
    {"LabelHeatReturnAirWetBulb", "12.3 °C"},
    {"LabelHeatRArh", "95.6 %"},
    {"LabelHeatRAdp", "12.0 °C"},
    {"LabelHeatReturnAirX", "0.0087 kg/kg"},
    {"LabelHeatRAtotalEnthalpy", "34.8 kJ/kg"},
    {"LabelHeatRAdensity", "1.22 kg/m³"},
    {"LabelHeatSupplyAirDryBulb", "15 °C"},
    {"LabelHeatSupplyAirRH", "82.3 %"},
    {"LabelHeatSAdp", "12.0 °C"},
    {"LabelHeatSupplyAirX", "0.0087 kg/kg"},
    {"LabelHeatSAtotalEnthalpy", "37.1 kJ/kg"},
    {"LabelHeatSAdensity", "1.21 kg/m³"},
    {"LabelHeatSAvol", "0.2 m³/s"},
    {"LabelHeatSAvolPerHr", "636.9 m³/hr"},
    {"LabelHeatkW", "0.50 kW"},
    {"LabelHeatAirMassFlow", "0.21 kg/s"},
    {"LabelReHeatkW", "3.015 kW"},
    {"LabelReHeatSensible", "2.252 kW"},
    {"LabelReHeatLatent", "0.763 kW"},
    {"LabelReHeatSHF", "0.75"},
};

}  // namespace plenova::testing
