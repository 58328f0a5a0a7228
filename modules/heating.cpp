#include "modules/heating.h"

#include "modules/cooling.h"

namespace plenova {

Heating::Heating(AltitudeSliders& altitude, const Cooling& cooling, std::string& resultText)
    : ScrollBarHeatMetersAltitude(altitude.ScrollBarHeatMetersAltitude),
      altitude_(altitude),
      cooling_(cooling),
      ResultText(resultText) {}

void Heating::HeatRAcalcs() {
    notify(onRecalculation, "HeatRAcalcs");
}

void Heating::ScrollBarHeatRAvolumeChange() {
    HeatRAcalcs();
}

void Heating::ScrollBarHeatMetersAltitudeChange() {
    altitude_.mAltScrollBar.setPosition(ScrollBarHeatMetersAltitude.position());
    altitude_.ScrollBarMAmAltitude.setPosition(ScrollBarHeatMetersAltitude.position());
    HeatRAcalcs();
}

void Heating::ScrollBarHeatReturnAirDryBulbChange() {
    HeatRAcalcs();
}
void Heating::ScrollBarHeatReturnAirWetBulbChange() {
    HeatRAcalcs();
}
void Heating::ScrollBarHeatSupplyAirDryBulbChange() {
    HeatRAcalcs();
}
void Heating::Button2Click() {}

void Heating::connect() {
    ScrollBarHeatRAvolume.setOnChange([this] { ScrollBarHeatRAvolumeChange(); });
    ScrollBarHeatMetersAltitude.setOnChange([this] { ScrollBarHeatMetersAltitudeChange(); });
    ScrollBarHeatReturnAirDryBulb.setOnChange([this] { ScrollBarHeatReturnAirDryBulbChange(); });
    ScrollBarHeatReturnAirWetBulb.setOnChange([this] { ScrollBarHeatReturnAirWetBulbChange(); });
    ScrollBarHeatSupplyAirDryBulb.setOnChange([this] { ScrollBarHeatSupplyAirDryBulbChange(); });
}

std::vector<Slider*> Heating::sliders() {
    return {&ScrollBarHeatRAvolume, &ScrollBarHeatMetersAltitude, &ScrollBarHeatReturnAirDryBulb,
            &ScrollBarHeatReturnAirWetBulb, &ScrollBarHeatSupplyAirDryBulb};
}

std::vector<Label*> Heating::labels() {
    return {&LabelHeatRAvolume,
            &LabelHeatRAvolPerHr,
            &LabelHeatMetersAltitude,
            &LabelHeatkPa,
            &LabelHeatReturnAirDryBulb,
            &LabelHeatReturnAirWetBulb,
            &LabelHeatRArh,
            &LabelHeatRAdp,
            &LabelHeatReturnAirX,
            &LabelHeatRAtotalEnthalpy,
            &LabelHeatRAdensity,
            &LabelHeatSAvol,
            &LabelHeatSAvolPerHr,
            &LabelHeatSupplyAirDryBulb,
            &LabelHeatSupplyAirRH,
            &LabelHeatSAdp,
            &LabelHeatSupplyAirX,
            &LabelHeatSAtotalEnthalpy,
            &LabelHeatSAdensity,
            &LabelHeatkW,
            &LabelHeatAirMassFlow,
            &LabelReHeatkW,
            &LabelReHeatSensible,
            &LabelReHeatLatent,
            &LabelReHeatSHF};
}

}  // namespace plenova
