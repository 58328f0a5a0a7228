#include "modules/heating.h"

#include "core/airstate.h"
#include "core/fpenv.h"
#include "core/numfmt.h"
#include "core/psychro.h"
#include "core/rounding.h"
#include "modules/cooling.h"
#include "modules/suffixes.h"

namespace plenova {

Heating::Heating(AltitudeSliders& altitude, const Cooling& cooling, std::string& resultText)
    : ScrollBarHeatMetersAltitude(altitude.ScrollBarHeatMetersAltitude),
      altitude_(altitude),
      cooling_(cooling),
      ResultText(resultText) {}

namespace {

// This page takes the ratio of molar masses as 0.018 / 0.029 (about 0.6207), not 0.622.
long double heatingMoistureContent(long double pw, long double P) {
    return (0.018L * pw) / ((P - pw) * 0.029L);
}

// A temperature slider of this page is shifted by 100 positions: position 0 is -10 °C.
long double heatingTemperature(int position) {
    return (position - 100) / 10.0L;
}

}  // namespace

std::string Heating::fixedText(long double value, int decimals, const char* suffix) {
    return fixedVia(ResultText, value, decimals) + suffix;
}

void Heating::HeatRAcalcs() {
    notify(onRecalculation, "HeatRAcalcs");
    heaterStates();
    reheatFigures({cooling_.Sload, cooling_.Lload}, cooling_.LloadLabel.text());
}

void Heating::HeatRAcalcs(const CoolingDuties& duties) {
    notify(onRecalculation, "HeatRAcalcs");
    heaterStates();
    // The latent-duty text as the cooling page writes it for that duty.
    const std::string latentText = fixedText(duties.Lload, 3, suffix::kKW);
    reheatFigures(duties, latentText);
}

void Heating::heaterStates() {
    clearFloatFlags();

    HeatRAvol = store(ScrollBarHeatRAvolume.position() / 10000.0L);
    LabelHeatRAvolume.setText(echo(HeatRAvol, decimalSeparator) + suffix::kM3PerS);
    HeatRAvolPerHr = store(HeatRAvol * 3600.0L);
    LabelHeatRAvolPerHr.setText(fixedText(HeatRAvolPerHr, 2, suffix::kM3PerHr));

    Heatalt = ScrollBarHeatMetersAltitude.position();
    LabelHeatMetersAltitude.setText(echo(Heatalt, decimalSeparator) + suffix::kMetres);

    HeatRAdb = store(heatingTemperature(ScrollBarHeatReturnAirDryBulb.position()));
    LabelHeatReturnAirDryBulb.setText(echo(HeatRAdb, decimalSeparator) + suffix::kCelsius);
    HeatRAwb = store(heatingTemperature(ScrollBarHeatReturnAirWetBulb.position()));
    LabelHeatReturnAirWetBulb.setText(echo(HeatRAwb, decimalSeparator) + suffix::kCelsius);

    HeatkPa = store(psychro::atmosphericPressure(Heatalt));
    LabelHeatkPa.setText(fixedText(HeatkPa, 3, suffix::kKPa));

    HeatPsyA = store(psychro::psychrometerCoefficient(HeatRAwb));
    HeatRApsdb = store(psychro::saturationPressure(HeatRAdb));
    HeatRApswb = store(psychro::saturationPressure(HeatRAwb));
    HeatRApw = store(psychro::vapourPressure(HeatRApswb, HeatPsyA, HeatkPa, HeatRAdb, HeatRAwb));

    // No upper bound: the ordering rules keep the wet bulb at or below the dry bulb.
    HeatRArh = store(psychro::relativeHumidity(HeatRApw, HeatRApsdb));
    if (!(HeatRArh >= 0)) {
        HeatRArh = 0;
    }
    LabelHeatRArh.setText(fixedText(HeatRArh, 1, suffix::kPercent));

    // Heating adds no moisture: the dew point and the moisture content belong to both streams
    // and are formatted once.
    const std::string dewPointText = guardedDewPoint(HeatRApw, HeatRAdp)
                                         ? fixedText(HeatRAdp, 1, suffix::kCelsius)
                                         : std::string(placeholder::kNoResult);
    LabelHeatRAdp.setText(dewPointText);
    LabelHeatSAdp.setText(dewPointText);

    HeatRAx = store(heatingMoistureContent(HeatRApw, HeatkPa));
    if (!(HeatRAx >= 0)) {
        HeatRAx = 0;
    }
    const std::string moistureText = fixedText(HeatRAx, 4, suffix::kKgPerKg);
    LabelHeatReturnAirX.setText(moistureText);
    LabelHeatSupplyAirX.setText(moistureText);

    HeatRAhs = store(psychro::sensibleEnthalpy(HeatRAdb));
    HeatRAhl = store(psychro::latentEnthalpy(HeatRAdb, HeatRAx));
    HeatRAh = store(static_cast<long double>(HeatRAhs) + HeatRAhl);
    LabelHeatRAtotalEnthalpy.setText(fixedText(HeatRAh, 1, suffix::kKJPerKg));

    HeatRAd = store(psychro::density(HeatRAdb, HeatRApw, HeatkPa));
    LabelHeatRAdensity.setText(fixedText(HeatRAd, 2, suffix::kKgPerM3));

    HeatSAdb = store(heatingTemperature(ScrollBarHeatSupplyAirDryBulb.position()));
    LabelHeatSupplyAirDryBulb.setText(echo(HeatSAdb, decimalSeparator) + suffix::kCelsius);

    HeatSApsdb = store(psychro::saturationPressure(HeatSAdb));
    HeatSArh = store(100 * static_cast<long double>(HeatRApw) / HeatSApsdb);
    if (HeatSArh > 100) {
        HeatSArh = 100;
    }
    if (!(HeatSArh >= 0)) {
        HeatSArh = 0;
    }
    LabelHeatSupplyAirRH.setText(fixedText(HeatSArh, 1, suffix::kPercent));

    HeatSAhs = store(psychro::sensibleEnthalpy(HeatSAdb));
    HeatSAhl = store(psychro::latentEnthalpy(HeatSAdb, HeatRAx));
    HeatSAh = store(static_cast<long double>(HeatSAhs) + HeatSAhl);
    LabelHeatSAtotalEnthalpy.setText(fixedText(HeatSAh, 1, suffix::kKJPerKg));

    HeatSAd = store(psychro::density(HeatSAdb, HeatRApw, HeatkPa));
    LabelHeatSAdensity.setText(fixedText(HeatSAd, 2, suffix::kKgPerM3));

    // The same mass flow at the lower supply-air density.
    const long double massFlow = static_cast<long double>(HeatRAvol) * HeatRAd;
    HeatSAvol = store(massFlow / HeatSAd);
    LabelHeatSAvol.setText(fixedText(HeatSAvol, 1, suffix::kM3PerS));
    HeatSAvolPerHr = store(HeatSAvol * 3600.0L);
    LabelHeatSAvolPerHr.setText(fixedText(HeatSAvolPerHr, 1, suffix::kM3PerHr));

    HeatkW = store(massFlow * (static_cast<long double>(HeatSAh) - HeatRAh));
    LabelHeatkW.setText(fixedText(HeatkW, 2, suffix::kKW));
    HeatAirMassFlow = store(massFlow);
    LabelHeatAirMassFlow.setText(fixedText(HeatAirMassFlow, 2, suffix::kKgPerS));
}

// The heat as reheat after the cooling coil: it offsets part of the coil's sensible load and
// leaves the latent load as it was. The cooling loads are those the recalculation read; a
// cooling recalculation does not come back here.
void Heating::reheatFigures(const CoolingDuties& duties, const std::string& latentText) {
    reheatDuties_ = duties;
    const long double sload = duties.Sload;
    const long double lload = duties.Lload;
    ReHeatkW = store((sload + lload) - HeatkW);
    LabelReHeatkW.setText(fixedText(ReHeatkW, 3, suffix::kKW));
    ReHeatSensible = store(sload - HeatkW);
    LabelReHeatSensible.setText(fixedText(ReHeatSensible, 3, suffix::kKW));
    LabelReHeatLatent.setText(latentText);

    // With no load left on either page (no air volume, or supply air equal to return air on
    // both) the factor does not exist; show the placeholder rather than fail the whole move.
    const long double divisor = static_cast<long double>(ReHeatSensible) + lload;
    if (divisor == 0) {
        LabelReHeatSHF.setText(placeholder::kNoResult);
        return;
    }
    ReHeatSHF = store(ReHeatSensible / divisor);
    LabelReHeatSHF.setText(fixedVia(ResultText, ReHeatSHF, 2));
}

void Heating::ScrollBarHeatRAvolumeChange() {
    HeatRAcalcs();
}

void Heating::ScrollBarHeatMetersAltitudeChange() {
    altitude_.mAltScrollBar.setPosition(ScrollBarHeatMetersAltitude.position());
    altitude_.ScrollBarMAmAltitude.setPosition(ScrollBarHeatMetersAltitude.position());
    HeatRAcalcs();
}

// The handlers keep wet bulb <= return dry bulb <= supply dry bulb (as positions). Every
// comparison reads the positions afresh, so it sees what a nested handler has moved.
void Heating::ScrollBarHeatReturnAirDryBulbChange() {
    if (ScrollBarHeatReturnAirWetBulb.position() > ScrollBarHeatReturnAirDryBulb.position()) {
        ScrollBarHeatReturnAirWetBulb.setPosition(ScrollBarHeatReturnAirDryBulb.position());
    }
    if (ScrollBarHeatSupplyAirDryBulb.position() < ScrollBarHeatReturnAirDryBulb.position()) {
        ScrollBarHeatSupplyAirDryBulb.setPosition(ScrollBarHeatReturnAirDryBulb.position());
    }
    HeatRAcalcs();
}

void Heating::ScrollBarHeatReturnAirWetBulbChange() {
    if (ScrollBarHeatReturnAirDryBulb.position() < ScrollBarHeatReturnAirWetBulb.position()) {
        ScrollBarHeatReturnAirDryBulb.setPosition(ScrollBarHeatReturnAirWetBulb.position());
    }
    HeatRAcalcs();
}

void Heating::ScrollBarHeatSupplyAirDryBulbChange() {
    if (ScrollBarHeatSupplyAirDryBulb.position() < ScrollBarHeatReturnAirDryBulb.position()) {
        ScrollBarHeatReturnAirDryBulb.setPosition(ScrollBarHeatSupplyAirDryBulb.position());
    }
    HeatRAcalcs();
}

void Heating::Button2Click() {
    // All three positions come from the cooling values as stored, before any slider moves:
    // the cooling supply air, and its leaving volume in steps of 0.0001 m³/s.
    const long long dryBulb = roundHalfEven(cooling_.SAdb * 10.0L + 100);
    const long long wetBulb = roundHalfEven(cooling_.SAwb * 10.0L + 100);
    const long long volume = roundHalfEven(static_cast<long double>(cooling_.RAvol) *
                                           cooling_.RAd() / cooling_.SAd() * 10000);
    ScrollBarHeatReturnAirDryBulb.setPosition(dryBulb);
    ScrollBarHeatReturnAirWetBulb.setPosition(wetBulb);
    ScrollBarHeatRAvolume.setPosition(volume);
}

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
