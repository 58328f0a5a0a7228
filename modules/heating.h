// The Heating page: air heated at constant moisture, the heat added, and the reheat figures
// read from the cooling module.
#pragma once

#include <string>
#include <vector>

#include "modules/altitude.h"
#include "modules/controls.h"
#include "modules/recalc_observer.h"

namespace plenova {

class Cooling;

// The cooling page's duties as a heating recalculation reads them for its reheat figures.
struct CoolingDuties {
    double Sload = 0;
    double Lload = 0;
};

class Heating {
  public:
    Heating(AltitudeSliders& altitude, const Cooling& cooling, std::string& resultText);
    Heating(const Heating&) = delete;
    Heating& operator=(const Heating&) = delete;

    Slider ScrollBarHeatRAvolume{"ScrollBarHeatRAvolume", 0, 200000, 1755, 1, 100};
    Slider& ScrollBarHeatMetersAltitude;
    Slider ScrollBarHeatReturnAirDryBulb{"ScrollBarHeatReturnAirDryBulb", 0, 600, 227, 1, 10};
    Slider ScrollBarHeatReturnAirWetBulb{"ScrollBarHeatReturnAirWetBulb", 0, 600, 223, 1, 10};
    Slider ScrollBarHeatSupplyAirDryBulb{"ScrollBarHeatSupplyAirDryBulb", 0, 600, 250, 1, 10};

    Label LabelHeatRAvolume{"LabelHeatRAvolume"};
    Label LabelHeatRAvolPerHr{"LabelHeatRAvolPerHr"};
    Label LabelHeatMetersAltitude{"LabelHeatMetersAltitude"};
    Label LabelHeatkPa{"LabelHeatkPa"};
    Label LabelHeatReturnAirDryBulb{"LabelHeatReturnAirDryBulb"};
    Label LabelHeatReturnAirWetBulb{"LabelHeatReturnAirWetBulb"};
    Label LabelHeatRArh{"LabelHeatRArh"};
    Label LabelHeatRAdp{"LabelHeatRAdp"};
    Label LabelHeatReturnAirX{"LabelHeatReturnAirX"};
    Label LabelHeatRAtotalEnthalpy{"LabelHeatRAtotalEnthalpy"};
    Label LabelHeatRAdensity{"LabelHeatRAdensity"};
    Label LabelHeatSAvol{"LabelHeatSAvol"};
    Label LabelHeatSAvolPerHr{"LabelHeatSAvolPerHr"};
    Label LabelHeatSupplyAirDryBulb{"LabelHeatSupplyAirDryBulb"};
    Label LabelHeatSupplyAirRH{"LabelHeatSupplyAirRH"};
    Label LabelHeatSAdp{"LabelHeatSAdp"};
    Label LabelHeatSupplyAirX{"LabelHeatSupplyAirX"};
    Label LabelHeatSAtotalEnthalpy{"LabelHeatSAtotalEnthalpy"};
    Label LabelHeatSAdensity{"LabelHeatSAdensity"};
    Label LabelHeatkW{"LabelHeatkW"};
    Label LabelHeatAirMassFlow{"LabelHeatAirMassFlow"};
    Label LabelReHeatkW{"LabelReHeatkW"};
    Label LabelReHeatSensible{"LabelReHeatSensible"};
    Label LabelReHeatLatent{"LabelReHeatLatent"};
    Label LabelReHeatSHF{"LabelReHeatSHF"};

    // Return air (entering the heater). Every quantity is stored as a double and every later
    // step reads the stored value.
    double HeatRAvol = 0;
    double HeatRAvolPerHr = 0;
    double Heatalt = 0;
    double HeatkPa = 0;
    double HeatRAdb = 0;
    double HeatRAwb = 0;
    double HeatPsyA = 0;    // psychrometer coefficient from HeatRAwb
    double HeatRApsdb = 0;  // saturation vapour pressure at HeatRAdb
    double HeatRApswb = 0;  // saturation vapour pressure at HeatRAwb
    double HeatRApw = 0;    // never clamped; the supply air keeps it
    double HeatRArh = 0;
    double HeatRAdp = 0;  // kept from the previous recalculation when it does not exist
    double HeatRAx = 0;   // the same for both streams
    double HeatRAhs = 0;  // 1.007 t - 0.026
    double HeatRAhl = 0;  // x (2501 + 1.84 t)
    double HeatRAh = 0;
    double HeatRAd = 0;

    // Supply air (leaving the heater), at the return air's moisture.
    double HeatSAdb = 0;
    double HeatSApsdb = 0;
    double HeatSArh = 0;
    double HeatSAhs = 0;
    double HeatSAhl = 0;
    double HeatSAh = 0;
    double HeatSAd = 0;
    double HeatSAvol = 0;
    double HeatSAvolPerHr = 0;

    // Heating results and the reheat figures.
    double HeatkW = 0;
    double HeatAirMassFlow = 0;
    double ReHeatkW = 0;
    double ReHeatSensible = 0;
    double ReHeatSHF = 0;  // kept from the previous recalculation when it does not exist

    void HeatRAcalcs();
    // The same recalculation with the reheat figures computed from `duties` instead of the
    // cooling page's present duties: the start-up of an opened readings file, whose reheat
    // figures rest on the duties they were computed from when it was saved.
    void HeatRAcalcs(const CoolingDuties& duties);

    // The cooling duties the reheat figures were last computed from. A cooling recalculation
    // does not come back here, so they can differ from the cooling page's present duties.
    const CoolingDuties& reheatDuties() const { return reheatDuties_; }

    void ScrollBarHeatRAvolumeChange();
    void ScrollBarHeatMetersAltitudeChange();
    void ScrollBarHeatReturnAirDryBulbChange();
    void ScrollBarHeatReturnAirWetBulbChange();
    void ScrollBarHeatSupplyAirDryBulbChange();
    void Button2Click();

    void connect();

    std::vector<Slider*> sliders();
    std::vector<Label*> labels();

    char decimalSeparator = '.';
    RecalculationObserver onRecalculation;

  private:
    std::string fixedText(long double value, int decimals, const char* suffix);
    void heaterStates();
    void reheatFigures(const CoolingDuties& duties, const std::string& latentText);

    AltitudeSliders& altitude_;
    const Cooling& cooling_;
    std::string& ResultText;
    CoolingDuties reheatDuties_;
};

}  // namespace plenova
