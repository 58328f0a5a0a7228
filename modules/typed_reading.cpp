#include "modules/typed_reading.h"

#include <array>
#include <cctype>
#include <stdexcept>

namespace plenova {

namespace {

constexpr std::string_view kMinusSign = "\u2212";
constexpr std::array<std::string_view, 3> kSpaces = {" ", "\u00A0", "\u202F"};

// Fraction digits kept exactly; any further non-zero digit only nudges the value up. Every
// position boundary (a half step) has at most five decimals in any unit, so ten digits and
// that nudge decide every rounding and range question exactly.
constexpr int kKeptDecimals = 10;
// No slider reads a value with more whole digits than this (72000 m³/hr is the largest).
constexpr int kMaxWholeDigits = 7;

unsigned long long powerOfTen(int exponent) {
    unsigned long long power = 1;
    for (int i = 0; i < exponent; ++i) {
        power *= 10;
    }
    return power;
}

bool consume(std::string_view& text, std::string_view prefix) {
    if (text.substr(0, prefix.size()) != prefix) {
        return false;
    }
    text.remove_prefix(prefix.size());
    return true;
}

std::string_view trimmed(std::string_view text) {
    for (bool more = true; more;) {
        more = false;
        for (std::string_view space : kSpaces) {
            if (consume(text, space)) {
                more = true;
            } else if (text.size() >= space.size() &&
                       text.substr(text.size() - space.size()) == space) {
                text.remove_suffix(space.size());
                more = true;
            }
        }
        if (!text.empty() && text.front() == '\t') {
            text.remove_prefix(1);
            more = true;
        }
        if (!text.empty() && text.back() == '\t') {
            text.remove_suffix(1);
            more = true;
        }
    }
    return text;
}

// A unit as typed, without spaces and with ASCII letters in lower case: "% OA" -> "%oa".
std::string unitKey(std::string_view text) {
    std::string key;
    for (std::string_view rest = text; !rest.empty();) {
        bool skipped = false;
        for (std::string_view space : kSpaces) {
            skipped = skipped || consume(rest, space);
        }
        if (skipped) {
            continue;
        }
        const char c = rest.front();
        rest.remove_prefix(1);
        if (c != '\t') {
            key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return key;
}

bool isAnyOf(const std::string& key, std::initializer_list<std::string_view> units) {
    for (std::string_view unit : units) {
        if (key == unit) {
            return true;
        }
    }
    return false;
}

// The factor from the typed value to positions, as multiplier / divisor over the value's
// kept digits. Returns false for a unit this scale does not read.
bool unitFactor(const ReadingScale& scale, const std::string& key, unsigned long long& multiplier,
                unsigned long long& divisor) {
    multiplier = 1;
    divisor = powerOfTen(kKeptDecimals - scale.decimals);  // value x 10^decimals
    if (key.empty()) {
        return true;
    }
    switch (scale.unit) {
        case ReadingScale::Unit::Celsius:
            return isAnyOf(key, {"\u00B0c"});
        case ReadingScale::Unit::Metres:
            return isAnyOf(key, {"m"});
        case ReadingScale::Unit::PercentOutdoorAir:
            return isAnyOf(key, {"%oa", "%"});
        case ReadingScale::Unit::CubicMetresPerSecond:
            if (isAnyOf(key, {"m\u00B3/s", "m3/s"})) {
                return true;
            }
            if (isAnyOf(key, {"m\u00B3/hr", "m3/hr", "m\u00B3/h", "m3/h"})) {
                // A volume flow's position is m³/s x 10^4, so m³/hr / 3600 x 10^4 = x 25 / 9. Half
                // the divisor is a multiple of the multiplier, as is every remainder: none lies
                // within a nudge of a half.
                multiplier = 25;
                divisor = 9 * powerOfTen(kKeptDecimals);
                return true;
            }
            return false;
    }
    return false;
}

const char* unitSuffix(ReadingScale::Unit unit) {
    switch (unit) {
        case ReadingScale::Unit::Celsius:
            return " \u00B0C";
        case ReadingScale::Unit::CubicMetresPerSecond:
            return " m\u00B3/s";
        case ReadingScale::Unit::Metres:
            return " m";
        case ReadingScale::Unit::PercentOutdoorAir:
            return "% OA";
    }
    return "";
}

// Where the exact position lies beyond its floor.
enum class Fraction { Zero, BelowHalf, Half, AboveHalf };

// A position as its value, with `decimals` places: (position - offset) / 10^decimals.
std::string valueText(const ReadingScale& scale, int position, char separator,
                      std::string_view minus, bool trimZeros) {
    const long long shifted = static_cast<long long>(position) - scale.offset;
    std::string digits = std::to_string(shifted < 0 ? -shifted : shifted);
    if (scale.decimals > 0) {
        const auto places = static_cast<std::size_t>(scale.decimals);
        if (digits.size() <= places) {
            digits.insert(0, places + 1 - digits.size(), '0');
        }
        digits.insert(digits.size() - places, 1, separator);
        if (trimZeros) {
            while (digits.back() == '0') {
                digits.pop_back();
            }
            if (digits.back() == separator) {
                digits.pop_back();
            }
        }
    }
    return (shifted < 0 ? std::string(minus) : std::string()) + digits;
}

}  // namespace

TypedReading readTyped(const ReadingScale& scale, int min, int max, std::string_view text,
                       char separator) {
    std::string_view rest = trimmed(text);
    if (rest.empty()) {
        return {ReadingProblem::Empty};
    }
    bool negative = false;
    if (consume(rest, "-") || consume(rest, kMinusSign)) {
        negative = true;
    } else {
        consume(rest, "+");
    }

    // The digits: whole part, then the kept decimals, then whether anything non-zero follows.
    unsigned long long kept = 0;
    int wholeDigits = 0;
    int decimals = 0;
    bool anyDigit = false;
    bool inFraction = false;
    bool nudge = false;
    while (!rest.empty()) {
        const char c = rest.front();
        if (c >= '0' && c <= '9') {
            anyDigit = true;
            if (!inFraction) {
                if (kept != 0 || c != '0') {
                    ++wholeDigits;
                }
                if (wholeDigits > kMaxWholeDigits) {
                    wholeDigits = kMaxWholeDigits + 1;  // out of range; keep reading the text
                } else {
                    kept = kept * 10 + static_cast<unsigned>(c - '0');
                }
            } else if (decimals < kKeptDecimals) {
                kept = kept * 10 + static_cast<unsigned>(c - '0');
                ++decimals;
            } else if (c != '0') {
                nudge = true;
            }
        } else if (!inFraction && (c == '.' || c == separator)) {
            inFraction = true;
        } else {
            break;
        }
        rest.remove_prefix(1);
    }
    if (!anyDigit) {
        return {ReadingProblem::NotANumber};
    }
    unsigned long long multiplier = 1;
    unsigned long long divisor = 1;
    if (!unitFactor(scale, unitKey(rest), multiplier, divisor)) {
        return {ReadingProblem::NotANumber};
    }
    if (wholeDigits > kMaxWholeDigits) {
        return {ReadingProblem::OutOfRange};
    }
    for (; decimals < kKeptDecimals; ++decimals) {
        kept *= 10;
    }

    // |value| in positions = kept x multiplier / divisor (+ a nudge), split into whole and part.
    const unsigned long long scaled = kept * multiplier;
    const auto whole = static_cast<long long>(scaled / divisor);
    const unsigned long long remainder = scaled % divisor;
    Fraction part = Fraction::Zero;
    if (2 * remainder > divisor) {
        part = Fraction::AboveHalf;
    } else if (2 * remainder == divisor) {
        part = nudge ? Fraction::AboveHalf : Fraction::Half;
    } else if (remainder != 0 || nudge) {
        part = Fraction::BelowHalf;
    }

    // The signed position: its floor and where it lies above the floor.
    long long floor = scale.offset + whole;
    if (negative) {
        floor = scale.offset - whole;
        if (part != Fraction::Zero) {
            floor -= 1;
            part = part == Fraction::BelowHalf   ? Fraction::AboveHalf
                   : part == Fraction::AboveHalf ? Fraction::BelowHalf
                                                 : Fraction::Half;
        }
    }
    if (floor < min || floor > max || (floor == max && part != Fraction::Zero)) {
        return {ReadingProblem::OutOfRange};
    }
    long long position = floor;
    if (part == Fraction::AboveHalf || (part == Fraction::Half && floor % 2 != 0)) {
        position = floor + 1;
    }
    return {ReadingProblem::None, static_cast<int>(position)};
}

const ReadingScale& readingScale(const Slider& slider) {
    const SliderReading* entry = sliderReading(slider.name());
    if (entry == nullptr) {
        throw std::logic_error("no reading scale for the slider " + slider.name());
    }
    return entry->scale;
}

TypedReading readTyped(const Slider& slider, std::string_view text, char separator) {
    return readTyped(readingScale(slider), slider.min(), slider.max(), text, separator);
}

std::string readingText(const Slider& slider, char separator) {
    return readingText(readingScale(slider), slider.position(), separator);
}

std::string problemText(const Slider& slider, ReadingProblem problem, char separator) {
    return problemText(problem,
                       rangeText(readingScale(slider), slider.min(), slider.max(), separator));
}

std::string readingText(const ReadingScale& scale, int position, char separator) {
    return valueText(scale, position, separator, "-", true) + unitSuffix(scale.unit);
}

std::string rangeText(const ReadingScale& scale, int min, int max, char separator) {
    return valueText(scale, min, separator, kMinusSign, false) + " to " +
           valueText(scale, max, separator, kMinusSign, false) + unitSuffix(scale.unit);
}

std::string problemText(ReadingProblem problem, const std::string& range) {
    switch (problem) {
        case ReadingProblem::None:
            return {};
        case ReadingProblem::Empty:
            return "Type a reading: " + range;
        case ReadingProblem::NotANumber:
            return "Not a reading: " + range;
        case ReadingProblem::OutOfRange:
            return "Out of range: " + range;
    }
    return {};
}

}  // namespace plenova
