// The Cooling page: the air entering and leaving a cooling coil, the coil's duties, and the
// import of the mixing results.
#pragma once

#include <string>
#include <vector>

#include "core/airstate.h"
#include "modules/altitude.h"
#include "modules/controls.h"
#include "modules/recalc_observer.h"

namespace plenova {

class Mixing;

class Cooling {
  public:
    Cooling(AltitudeSliders& altitude, const Mixing& mixing, std::string& resultText);
    Cooling(const Cooling&) = delete;
    Cooling& operator=(const Cooling&) = delete;

    Slider RAvolScrollBar{"RAvolScrollBar", 0, 200000, 1837, 1, 100};
    Slider& mAltScrollBar;
    Slider RAdbScrollBar{"RAdbScrollBar", 0, 500, 255, 1, 10};
    Slider RAwbScrollBar{"RAwbScrollBar", 0, 500, 183, 1, 10};
    Slider SAdbScrollBar{"SAdbScrollBar", 0, 500, 127, 1, 10};
    Slider SAwbScrollBar{"SAwbScrollBar", 0, 500, 123, 1, 10};

    // Return air (GroupBox1).
    Label mAltLabel{"mAltLabel"};
    Label kPaLabel{"kPaLabel", "kPa"};
    Label RAdbLabel{"RAdbLabel"};
    Label RAwbLabel{"RAwbLabel"};
    Label RArhLabel{"RArhLabel"};
    Label RAdpLabel{"RAdpLabel"};
    Label RAkgPkgLabel{"RAkgPkgLabel"};
    Label RAhtotLabel{"RAhtotLabel"};
    Label RAdLabel{"RAdLabel"};
    Label RAvolLabel{"RAvolLabel"};
    Label RAvolmcubedPhLabel{"RAvolmcubedPhLabel"};
    // Supply air (GroupBox2).
    Label SAdbLabel{"SAdbLabel"};
    Label SAwbLabel{"SAwbLabel"};
    Label SArhLabel{"SArhLabel"};
    Label SAdpLabel{"SAdpLabel"};
    Label SAkgPkgLabel{"SAkgPkgLabel"};
    Label SAhtotLabel{"SAhtotLabel"};
    Label SAdLabel{"SAdLabel"};
    Label LabelCoolSAvol{"LabelCoolSAvol"};
    Label LabelSAvolPerHr{"LabelSAvolPerHr"};
    // Cooling results (GroupBox4).
    Label kWLabel{"kWLabel"};
    Label TonsLabel{"TonsLabel"};
    Label SloadLabel{"SloadLabel"};
    Label LloadLabel{"LloadLabel"};
    Label SHFLabel{"SHFLabel"};
    Label AMFLabel{"AMFLabel"};
    Label CondensateLabel{"CondensateLabel"};
    Label CondensateLpHLabel{"CondensateLpHLabel"};

    // Air states.
    double mAlt = 0;
    double kPa = 0;
    double PsyA = 0;
    double RAdb = 0;
    double RAwb = 0;
    double SAdb = 0;
    double SAwb = 0;
    AirState RA;  // RApsdb, RApswb, RApw, RArh, RAdp, RAx, RAhs, RAhl, RAh, RAd
    AirState SA;  // the same for the supply air, with the return air's coefficient
    double RAd() const { return RA.density; }
    double SAd() const { return SA.density; }

    // Duties and volumes.
    double RAvol = 0;
    double SAvol = 0;
    double SAvolPerHr = 0;
    double kW = 0;
    double Sload = 0;
    double Lload = 0;
    double SHF = 0;
    double AMF = 0;
    double Condensate = 0;
    double CondensateLpH = 0;

    void RAcalcs();
    void SAcalcs();
    void VolumeCalc();

    void RAvolScrollBarChange();
    void mAltScrollBarChange();
    void RAdbScrollBarChange();
    void RAwbScrollBarChange();
    void SAdbScrollBarChange();
    void SAwbScrollBarChange();
    void Button1Click();

    void connect();

    std::vector<Slider*> sliders();
    std::vector<Label*> labels();

    char decimalSeparator = '.';
    RecalculationObserver onRecalculation;

  private:
    void recalculate();  // RAcalcs, SAcalcs, VolumeCalc: the end of every handler
    std::string fixedText(long double value, int decimals, const char* suffix);

    AltitudeSliders& altitude_;
    const Mixing& mixing_;
    std::string& ResultText;
};

}  // namespace plenova
