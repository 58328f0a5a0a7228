// A reading typed for a slider ("23.7", "23,7 °C", "661.32 m³/hr") turned into the slider's
// position, exactly from its decimal digits: no binary fraction is involved, and a value
// between two positions takes the nearer one, a tie the even one. The position then goes
// through Slider::setPosition like any other move.
#pragma once

#include <string>
#include <string_view>

#include "modules/controls.h"
#include "modules/reading_scales.h"

namespace plenova {

enum class ReadingProblem { None, Empty, NotANumber, OutOfRange };

struct TypedReading {
    ReadingProblem problem = ReadingProblem::None;
    int position = 0;  // when there is no problem
};

// Accepts surrounding spaces, a sign ('+', '-' or the minus sign U+2212), a full stop or
// `separator` as the decimal separator, and after the number the unit as the value label
// shows it (a volume flow also in m³/hr). A value outside [min, max] of the scale is out of
// range, even where it would round to an end.
TypedReading readTyped(const ReadingScale& scale, int min, int max, std::string_view text,
                       char separator);

// The same for one of the calculator's sliders, by its reading scale.
TypedReading readTyped(const Slider& slider, std::string_view text, char separator);

// A position as the reading the editor starts from: "25.5 °C", "0.1837 m³/s", "25% OA".
std::string readingText(const ReadingScale& scale, int position, char separator);

// The allowed range, as a bad reading names it: "−10.0 to 50.0 °C".
std::string rangeText(const ReadingScale& scale, int min, int max, char separator);

// A short message for a bad reading: what is wrong, and the allowed range.
std::string problemText(ReadingProblem problem, const std::string& range);

// The reading scale of one of the calculator's sliders; throws std::logic_error for a slider
// that has none.
const ReadingScale& readingScale(const Slider& slider);

// The current position of the slider as a reading, and the message for a bad one.
std::string readingText(const Slider& slider, char separator);
std::string problemText(const Slider& slider, ReadingProblem problem, char separator);

}  // namespace plenova
