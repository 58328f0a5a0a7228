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

    void HeatRAcalcs();

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
    AltitudeSliders& altitude_;
    const Cooling& cooling_;
    std::string& ResultText;
};

}  // namespace plenova
