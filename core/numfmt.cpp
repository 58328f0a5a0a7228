#include "core/numfmt.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/fpenv.h"

namespace plenova {
namespace {

// The magnitude as 18 significant decimal digits, correctly rounded (ties to even), with the
// decimal exponent of the first digit: m = d.ddd... × 10^exponent.
struct Digits {
    std::string digits;
    int exponent = 0;
};

// The correctly rounded decimal text of a non-negative value, as printf's "%.17Le" (or, with
// `fixedPoint`, "%.17Lf") gives it. Most values are stored doubles: for those the shortcut
// through std::to_chars yields the same digits, several times faster.
std::string decimalText(long double magnitude, bool fixedPoint) {
    char buffer[400];
    const auto asDouble = static_cast<double>(magnitude);
    if (static_cast<long double>(asDouble) == magnitude) {
        const auto format = fixedPoint ? std::chars_format::fixed : std::chars_format::scientific;
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, asDouble, format, 17);
        return std::string(buffer, result.ptr);
    }
    std::snprintf(buffer, sizeof buffer, fixedPoint ? "%.17Lf" : "%.17Le", magnitude);
    return buffer;
}

Digits significantDigits18(long double magnitude) {
    const std::string text = decimalText(magnitude, false);
    const auto e = text.find('e');
    Digits d;
    d.digits = text.substr(0, 1) + text.substr(2, e - 2);
    d.exponent = std::atoi(text.c_str() + e + 1);
    return d;
}

// Adds one unit in the last place of a string of decimal digits; returns true when the carry
// ran out of the front (all nines), in which case the digits are now all zeros.
bool incrementDigits(std::string& digits) {
    for (auto i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    return true;
}

void requireFinite(long double value) {
    if (std::isnan(value)) {
        throw FloatError(FloatErrorKind::InvalidOperation);
    }
    if (std::isinf(value)) {
        throw FloatError(FloatErrorKind::Overflow);
    }
}

std::string trimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

}  // namespace

std::string echo(long double value, char separator) {
    requireFinite(value);
    if (value == 0) {
        return "0";
    }
    Digits d = significantDigits18(std::fabs(value));
    // Round the 18 digits to 15: a following digit of 5 or more rounds up.
    const bool roundUp = d.digits[15] >= '5';
    d.digits.resize(15);
    if (roundUp && incrementDigits(d.digits)) {
        d.digits.insert(d.digits.begin(), '1');
        d.digits.pop_back();
        ++d.exponent;
    }
    while (d.digits.size() > 1 && d.digits.back() == '0') {
        d.digits.pop_back();
    }

    std::string text = value < 0 ? "-" : "";
    if (d.exponent >= -4 && d.exponent < 15) {
        std::string integer, fraction;
        if (d.exponent >= 0) {
            const auto integerDigits = static_cast<std::size_t>(d.exponent) + 1;
            if (d.digits.size() <= integerDigits) {
                integer = d.digits + std::string(integerDigits - d.digits.size(), '0');
            } else {
                integer = d.digits.substr(0, integerDigits);
                fraction = d.digits.substr(integerDigits);
            }
        } else {
            integer = "0";
            fraction = std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
        }
        text += integer;
        if (!fraction.empty()) {
            text += separator;
            text += fraction;
        }
        return text;
    }
    text += d.digits[0];
    if (d.digits.size() > 1) {
        text += separator;
        text += d.digits.substr(1);
    }
    text += 'E';
    text += std::to_string(d.exponent);
    return text;
}

std::string fixed(long double value, int decimals) {
    requireFinite(value);
    const auto n = static_cast<std::size_t>(decimals < 0 ? 0 : decimals);
    const bool negative = std::signbit(value);
    const long double magnitude = std::fabs(value);

    std::string integer, fraction;
    if (magnitude < 10) {
        const std::string text = decimalText(magnitude, true);
        const auto point = text.find('.');
        integer = text.substr(0, point);
        fraction = text.substr(point + 1);
    } else {
        const Digits d = significantDigits18(magnitude);
        const auto integerDigits = static_cast<std::size_t>(d.exponent) + 1;
        if (d.digits.size() <= integerDigits) {
            integer = d.digits + std::string(integerDigits - d.digits.size(), '0');
        } else {
            integer = d.digits.substr(0, integerDigits);
            fraction = d.digits.substr(integerDigits);
        }
    }
    if (fraction.size() < n + 1) {
        fraction.append(n + 1 - fraction.size(), '0');
    }
    const bool roundUp = fraction[n] >= '5';
    std::string kept = integer + fraction.substr(0, n);
    if (roundUp && incrementDigits(kept)) {
        kept.insert(kept.begin(), '1');
    }
    const auto integerLength = kept.size() - n;
    std::string text = negative ? "-" : "";
    text += kept.substr(0, integerLength);
    if (n > 0) {
        text += '.';
        text += kept.substr(integerLength);
    }
    return text;
}

std::string fixedField(long double value, int decimals) {
    std::string number = fixed(value, decimals);
    constexpr std::size_t kFieldWidth = 12;
    if (number.size() < kFieldWidth) {
        number.insert(0, kFieldWidth - number.size(), ' ');
    }
    return number;
}

std::string fixedVia(std::string& scratch, long double value, int decimals) {
    scratch = fixedField(value, decimals);
    return trimBlanks(scratch);
}

}  // namespace plenova
