#include "core/fpenv.h"

#include <fpu_control.h>
#include <cfenv>

namespace plenova {

const char* describe(FloatErrorKind kind) noexcept {
    switch (kind) {
        case FloatErrorKind::InvalidOperation:
            return "Invalid floating point operation";
        case FloatErrorKind::DivisionByZero:
            return "Floating point division by zero";
        case FloatErrorKind::Overflow:
            return "Floating point overflow";
    }
    return "Floating point error";
}

FloatError::FloatError(FloatErrorKind kind) : std::runtime_error(describe(kind)), kind_(kind) {}

void setArithmeticEnvironment() {
#if defined(__x86_64__) || defined(__i386__)
    fpu_control_t cw;
    _FPU_GETCW(cw);
    cw = static_cast<fpu_control_t>((cw & ~_FPU_EXTENDED) | _FPU_EXTENDED);  // 64-bit significand
    _FPU_SETCW(cw);
#endif
    std::fesetround(FE_TONEAREST);
    std::feclearexcept(FE_ALL_EXCEPT);
}

void clearFloatFlags() {
    std::feclearexcept(FE_ALL_EXCEPT);
}

void raiseOnFloatFlags() {
    const int raised = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    if (raised == 0) {
        return;
    }
    std::feclearexcept(FE_ALL_EXCEPT);
    if (raised & FE_INVALID) {
        throw FloatError(FloatErrorKind::InvalidOperation);
    }
    if (raised & FE_DIVBYZERO) {
        throw FloatError(FloatErrorKind::DivisionByZero);
    }
    throw FloatError(FloatErrorKind::Overflow);
}

double store(long double value) {
    volatile double stored = static_cast<double>(value);
    raiseOnFloatFlags();
    return stored;
}

long double checked(long double value) {
    volatile long double kept = value;
    raiseOnFloatFlags();
    return kept;
}

}  // namespace plenova
