// A hook that tests and benchmarks use to see which recalculations ran, and in which order.
#pragma once

#include <functional>

namespace plenova {

using RecalculationObserver = std::function<void(const char* recalculation)>;

inline void notify(const RecalculationObserver& observer, const char* recalculation) {
    if (observer) {
        observer(recalculation);
    }
}

}  // namespace plenova
