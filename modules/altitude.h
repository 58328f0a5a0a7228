// The three altitude sliders, one per calculation page. They always hold the same position:
// each one's handler sets the other two before recalculating its own module.
#pragma once

#include "modules/controls.h"

namespace plenova {

struct AltitudeSliders {
    Slider ScrollBarMAmAltitude{"ScrollBarMAmAltitude", 0, 2000, 0, 1, 10};
    Slider mAltScrollBar{"mAltScrollBar", 0, 2000, 0, 1, 10};
    Slider ScrollBarHeatMetersAltitude{"ScrollBarHeatMetersAltitude", 0, 2000, 0, 1, 10};
};

}  // namespace plenova
