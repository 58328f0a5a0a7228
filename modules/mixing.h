// The Mixing page: return air and outdoor air mixed by volume share at a total volume.
#pragma once

#include <vector>

#include "modules/altitude.h"
#include "modules/controls.h"
#include "modules/recalc_observer.h"
#include "modules/wet_bulb_search.h"

namespace plenova {

class Mixing {
  public:
    explicit Mixing(AltitudeSliders& altitude);
    Mixing(const Mixing&) = delete;
    Mixing& operator=(const Mixing&) = delete;

    // Sliders, at their design ranges and start positions.
    Slider ScrollBarMAVol{"ScrollBarMAVol", 1, 200000, 1837, 1, 10};
    Slider& ScrollBarMAmAltitude;
    Slider ScrollBarMApercent{"ScrollBarMApercent", 0, 100, 0, 1, 10};
    Slider ScrollBarMARAdb{"ScrollBarMARAdb", 0, 600, 355, 1, 10};
    Slider ScrollBarMARAwb{"ScrollBarMARAwb", 0, 600, 283, 1, 10};
    Slider ScrollBarMAOAdb{"ScrollBarMAOAdb", 0, 600, 450, 1, 10};
    Slider ScrollBarMAOAwb{"ScrollBarMAOAwb", 0, 600, 352, 1, 10};

    // Result labels, in the order a recalculation writes them.
    Label LabelMAmAltitude{"LabelMAmAltitude"};
    Label LabelMAkPa{"LabelMAkPa"};
    Label LabelMARAdb{"LabelMARAdb"};
    Label LabelMARAwb{"LabelMARAwb"};
    Label LabelMARAdp{"LabelMARAdp"};
    Label LabelMARArh{"LabelMARArh"};
    Label LabelMAOAdb{"LabelMAOAdb"};
    Label LabelMAOAwb{"LabelMAOAwb"};
    Label LabelMAOAdp{"LabelMAOAdp"};
    Label LabelMAOArh{"LabelMAOArh"};
    Label LabelMAvol{"LabelMAvol"};
    Label LabelMAvolPerHr{"LabelMAvolPerHr"};
    Label LabelMARAvolPercent{"LabelMARAvolPercent", "%RA"};
    Label LabelMAOAvolPercent{"LabelMAOAvolPercent", "%OA"};
    Label LabelMARAvol{"LabelMARAvol"};
    Label LabelMAOAvol{"LabelMAOAvol"};
    Label LabelMARAmf{"LabelMARAmf"};
    Label LabelMAOAmf{"LabelMAOAmf"};
    Label LabelMAMAdb{"LabelMAMAdb"};
    Label LabelMAMArh{"LabelMAMArh"};
    Label LabelMAMAdp{"LabelMAMAdp"};
    Label LabelMAMAx{"LabelMAMAx"};
    Label LabelMAMAd{"LabelMAMAd"};
    Label LabelMAMAtotalh{"LabelMAMAtotalh"};
    Label LabelMAMAwb{"LabelMAMAwb"};

    // Module state read by the cooling import; persists between recalculations.
    double MAMAdb = 0;
    double MAMAwb = 0;  // renewed only when MAMArh is not negative
    double MAvol = 0;
    double MAMArh = 0;  // before any clamping
    // The streams and the mixture as the last recalculation computed them, kept for the chart:
    // vapour pressures never clamped, moisture contents negative where the pressure is.
    double MARAdb = 0;
    double MARApw = 0;
    double MARAx = 0;
    double MAOAdb = 0;
    double MAOApw = 0;
    double MAOAx = 0;
    double MAMApw = 0;
    double MAMAx = 0;

    // Reads the seven positions and writes the module state and all 25 result labels. Moves
    // no slider and reads no earlier result.
    void MixedAirCalc();

    void ScrollBarMAVolChange();
    void ScrollBarMAmAltitudeChange();
    void ScrollBarMApercentChange();
    void ScrollBarMARAdbChange();
    void ScrollBarMARAwbChange();
    void ScrollBarMAOAdbChange();
    void ScrollBarMAOAwbChange();

    // Attaches the handlers to the sliders; called once every start position is in place.
    void connect();

    std::vector<Slider*> sliders();
    std::vector<Label*> labels();

    char decimalSeparator = '.';
    RecalculationObserver onRecalculation;

  private:
    AltitudeSliders& altitude_;
};

}  // namespace plenova
