// Unit suffixes appended directly to a number text, and the placeholders shown where a
// result does not exist. UTF-8: the degree sign is U+00B0, the superscript three U+00B3.
#pragma once

namespace plenova::suffix {

inline constexpr const char* kMetres = " m";
inline constexpr const char* kKPaSpaced = " kPa";  // Mixing
inline constexpr const char* kKPa = "kPa";         // Cooling, Heating: 101.325kPa
inline constexpr const char* kCelsius = " \u00B0C";
inline constexpr const char* kPercent = " %";
inline constexpr const char* kKgPerKg = " kg/kg";
inline constexpr const char* kKJPerKg = " kJ/kg";
inline constexpr const char* kKgPerM3 = " kg/m\u00B3";
inline constexpr const char* kM3PerS = " m\u00B3/s";
inline constexpr const char* kM3PerHr = " m\u00B3/hr";
inline constexpr const char* kKgPerS = " kg/s";
inline constexpr const char* kKW = " kW";
inline constexpr const char* kTon = " Ton";
inline constexpr const char* kLitresPerHr = " litres/hr";
inline constexpr const char* kPercentRA = "% RA";
inline constexpr const char* kPercentOA = "% OA";

}  // namespace plenova::suffix

namespace plenova::placeholder {

inline constexpr const char* kNoResult = "~";                 // Cooling, Heating
inline constexpr const char* kNoResultCelsius = "~ \u00B0C";  // Mixing

}  // namespace plenova::placeholder
