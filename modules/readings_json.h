// The readings file's text: a small UTF-8 JSON document.
//
//   {"format": "Kelvaro Plenova readings", "version": 1,
//    "sliders": {"ScrollBarMAVol": 1837, ...every slider by name...},
//    "reportTitle": "Plenova Results",
//    "reheatCoolingDuties": {"Sload": 9.87, "Lload": 1.23},
//    "MAMAwb": 21.4}
//
// Reading is strict: every entry must be there once, with its type, and nothing else.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "modules/calculator.h"
#include "modules/readings.h"

namespace plenova {

inline constexpr const char* kReadingsFormat = "Kelvaro Plenova readings";
inline constexpr int kReadingsVersion = 1;

std::string readingsToJson(Calculator& calc, const Readings& readings);

struct ReadingsParse {
    std::optional<Readings> readings;
    std::string problem;  // in a technician's words, when there are no readings
};

// Parses and checks (checkReadings) a readings file's text; nothing is applied.
ReadingsParse readingsFromJson(Calculator& calc, std::string_view text);

}  // namespace plenova
