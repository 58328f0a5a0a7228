// Conversion of a real to the nearest whole number, a half going to the even neighbour
// (232.5 gives 232, 237.5 gives 238), as the import buttons turn values into positions.
#pragma once

namespace plenova {

// Saturates at the range of long long (a slider clamps the result anyway).
long long roundHalfEven(long double value);

}  // namespace plenova
