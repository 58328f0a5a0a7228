// The arithmetic environment every calculation runs in: 80-bit extended precision inside a
// formula, rounding to nearest, and an error for an invalid operation, a division by zero
// or an overflow. Underflow, denormals and inexact results pass silently.
#pragma once

#include <stdexcept>
#include <string>

namespace plenova {

enum class FloatErrorKind { InvalidOperation, DivisionByZero, Overflow };

// Raised when a stored result came from an invalid operation, a division by zero or an
// overflow. what() is the description shown to the user.
class FloatError : public std::runtime_error {
  public:
    explicit FloatError(FloatErrorKind kind);
    FloatErrorKind kind() const noexcept { return kind_; }

  private:
    FloatErrorKind kind_;
};

const char* describe(FloatErrorKind kind) noexcept;

// Rounding to nearest, 64-bit significand on the x87 unit, all flags cleared. Called once at
// start-up before anything is computed.
void setArithmeticEnvironment();

// Forgets flags raised by code that is not ours (toolkit drawing, comparisons with NaN), so
// that a recalculation judges only its own arithmetic.
void clearFloatFlags();

// Throws FloatError when an invalid operation, a division by zero or an overflow has been
// flagged since the flags were last cleared; the flags are cleared before throwing.
void raiseOnFloatFlags();

// Rounds an extended result to the double it is stored as, then checks the flags (the
// conversion itself can overflow). Kept out of line so that the compiler cannot move the
// arithmetic that produced `value` past the flag test.
double store(long double value);

// The same check for a value that is used at extended precision (a label-only figure).
long double checked(long double value);

}  // namespace plenova
