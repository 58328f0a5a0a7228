// The two ways a number becomes label text.
#pragma once

#include <string>

namespace plenova {

// General format with 15 significant digits, as a value read from a slider is echoed: no
// trailing zeros, no decimal separator for a whole number, exponent form ("1E-6") below
// 0.0001 or from 10^15 on. `separator` is the user's decimal separator.
std::string echo(long double value, char separator = '.');

// Fixed format with `decimals` places (1 to 4 in use): halves round away from zero on the
// decimal digit string of the value, a negative value (also -0) keeps its minus sign, the
// decimal separator is always a full stop.
std::string fixed(long double value, int decimals);

// The same number right-aligned in a field of 12 characters (wider when it needs to be), as
// it stands in a scratch text before the trimmed copy is taken.
std::string fixedField(long double value, int decimals);

// Writes the 12-character field into `scratch` and returns its trimmed copy.
std::string fixedVia(std::string& scratch, long double value, int decimals);

}  // namespace plenova
