#include "core/rounding.h"

#include <cmath>
#include <limits>

namespace plenova {

long long roundHalfEven(long double value) {
    constexpr auto kMax = static_cast<long double>(std::numeric_limits<long long>::max());
    constexpr auto kMin = static_cast<long double>(std::numeric_limits<long long>::min());
    if (std::isnan(value)) {
        return 0;
    }
    const long double whole = std::round(value);
    long double nearest = whole;
    // std::round takes halves away from zero; step back where that left an odd number.
    if (std::fabs(value - std::trunc(value)) == 0.5L && std::fmod(whole, 2.0L) != 0) {
        nearest = whole - std::copysign(1.0L, value);
    }
    if (nearest >= kMax) {
        return std::numeric_limits<long long>::max();
    }
    if (nearest <= kMin) {
        return std::numeric_limits<long long>::min();
    }
    return static_cast<long long>(nearest);
}

}  // namespace plenova
