#include "modules/cooling.h"

#include "core/fpenv.h"
#include "core/numfmt.h"
#include "core/psychro.h"
#include "core/rounding.h"
#include "modules/mixing.h"
#include "modules/suffixes.h"

namespace plenova {

Cooling::Cooling(AltitudeSliders& altitude, const Mixing& mixing, std::string& resultText)
    : mAltScrollBar(altitude.mAltScrollBar),
      altitude_(altitude),
      mixing_(mixing),
      ResultText(resultText) {}

std::string Cooling::fixedText(long double value, int decimals, const char* suffix) {
    return fixedVia(ResultText, value, decimals) + suffix;
}

void Cooling::RAcalcs() {
    notify(onRecalculation, "RAcalcs");
    clearFloatFlags();
    mAlt = mAltScrollBar.position();
    mAltLabel.setText(echo(mAlt, decimalSeparator) + suffix::kMetres);
    RAdb = store(RAdbScrollBar.position() / 10.0L);
    RAdbLabel.setText(echo(RAdb, decimalSeparator) + suffix::kCelsius);
    RAwb = store(RAwbScrollBar.position() / 10.0L);
    RAwbLabel.setText(echo(RAwb, decimalSeparator) + suffix::kCelsius);
    kPa = store(psychro::atmosphericPressure(mAlt));

    PsyA = store(psychro::psychrometerCoefficient(RAwb));
    evaluateAirState(RA, RAdb, RAwb, kPa, PsyA);
    RAdpLabel.setText(RA.dewPointValid ? fixedText(RA.dewPoint, 1, suffix::kCelsius)
                                       : placeholder::kNoResult);
    RArhLabel.setText(fixedText(RA.rh, 1, suffix::kPercent));
    kPaLabel.setText(fixedText(kPa, 3, suffix::kKPa));
    RAkgPkgLabel.setText(fixedText(RA.x, 4, suffix::kKgPerKg));
    RAhtotLabel.setText(fixedText(RA.h, 1, suffix::kKJPerKg));
    RAdLabel.setText(fixedText(RA.density, 2, suffix::kKgPerM3));
}

void Cooling::SAcalcs() {
    notify(onRecalculation, "SAcalcs");
    clearFloatFlags();
    SAdb = store(SAdbScrollBar.position() / 10.0L);
    SAdbLabel.setText(echo(SAdb, decimalSeparator) + suffix::kCelsius);
    SAwb = store(SAwbScrollBar.position() / 10.0L);
    SAwbLabel.setText(echo(SAwb, decimalSeparator) + suffix::kCelsius);

    // The supply air takes the coefficient of the return-air wet bulb.
    evaluateAirState(SA, SAdb, SAwb, kPa, PsyA);
    SAdpLabel.setText(SA.dewPointValid ? fixedText(SA.dewPoint, 1, suffix::kCelsius)
                                       : placeholder::kNoResult);
    SArhLabel.setText(fixedText(SA.rh, 1, suffix::kPercent));
    SAkgPkgLabel.setText(fixedText(SA.x, 4, suffix::kKgPerKg));
    SAhtotLabel.setText(fixedText(SA.h, 1, suffix::kKJPerKg));
    SAdLabel.setText(fixedText(SA.density, 2, suffix::kKgPerM3));
}

namespace {

// A duty or flow that is "raised to 0" must never read as negative: -0 becomes +0 too.
double raisedToZero(double value) {
    return value > 0 ? value : 0.0;
}

}  // namespace

void Cooling::VolumeCalc() {
    notify(onRecalculation, "VolumeCalc");
    clearFloatFlags();
    RAvol = store(RAvolScrollBar.position() / 10000.0L);
    RAvolLabel.setText(echo(RAvol, decimalSeparator) + suffix::kM3PerS);
    RAvolmcubedPhLabel.setText(echo(checked(RAvol * 3600.0L), decimalSeparator) + suffix::kM3PerHr);

    const long double massFlow = static_cast<long double>(RAvol) * RA.density;
    SAvol = store(massFlow / SA.density);
    SAvolPerHr = store(SAvol * 3600.0L);
    LabelCoolSAvol.setText(fixedText(SAvol, 4, suffix::kM3PerS));
    LabelSAvolPerHr.setText(fixedText(SAvolPerHr, 2, suffix::kM3PerHr));

    kW = store(massFlow * (static_cast<long double>(RA.h) - SA.h));
    Sload = raisedToZero(store(massFlow * (static_cast<long double>(RA.hs) - SA.hs)));
    Lload = raisedToZero(store(massFlow * (static_cast<long double>(RA.hl) - SA.hl)));
    // The 0.0001 kW keeps the divisor positive when both duties are zero.
    SHF = store(Sload / ((static_cast<long double>(Sload) + Lload) + 0.0001L));
    SHFLabel.setText(fixedVia(ResultText, SHF, 2));
    AMF = store(massFlow);
    Condensate = raisedToZero(store(massFlow * (static_cast<long double>(RA.x) - SA.x)));
    CondensateLpH = store(Condensate * 3600.0L);

    kWLabel.setText(fixedText(kW, 3, suffix::kKW));
    TonsLabel.setText(fixedText(checked(kW / 3.516L), 2, suffix::kTon));
    SloadLabel.setText(fixedText(Sload, 3, suffix::kKW));
    LloadLabel.setText(fixedText(Lload, 3, suffix::kKW));
    AMFLabel.setText(fixedText(AMF, 2, suffix::kKgPerS));
    CondensateLabel.setText(fixedText(Condensate, 4, suffix::kKgPerS));
    CondensateLpHLabel.setText(fixedText(CondensateLpH, 2, suffix::kLitresPerHr));
}

void Cooling::recalculate() {
    RAcalcs();
    SAcalcs();
    VolumeCalc();
}

void Cooling::RAvolScrollBarChange() {
    recalculate();
}

void Cooling::mAltScrollBarChange() {
    altitude_.ScrollBarMAmAltitude.setPosition(mAltScrollBar.position());
    altitude_.ScrollBarHeatMetersAltitude.setPosition(mAltScrollBar.position());
    recalculate();
}

void Cooling::RAdbScrollBarChange() {
    if (RAdbScrollBar.position() < RAwbScrollBar.position()) {
        RAwbScrollBar.setPosition(RAdbScrollBar.position());
    }
    if (RAdbScrollBar.position() < SAdbScrollBar.position()) {
        SAdbScrollBar.setPosition(RAdbScrollBar.position());
    }
    if (RAdbScrollBar.position() < SAwbScrollBar.position()) {
        SAwbScrollBar.setPosition(RAdbScrollBar.position());
    }
    recalculate();
}

void Cooling::RAwbScrollBarChange() {
    if (RAwbScrollBar.position() > RAdbScrollBar.position()) {
        RAdbScrollBar.setPosition(RAwbScrollBar.position());
    }
    if (RAwbScrollBar.position() < SAwbScrollBar.position()) {
        SAwbScrollBar.setPosition(RAwbScrollBar.position());
    }
    recalculate();
}

void Cooling::SAdbScrollBarChange() {
    if (SAdbScrollBar.position() < SAwbScrollBar.position()) {
        SAwbScrollBar.setPosition(SAdbScrollBar.position());
    }
    if (SAdbScrollBar.position() > RAdbScrollBar.position()) {
        RAdbScrollBar.setPosition(SAdbScrollBar.position());
    }
    recalculate();
}

void Cooling::SAwbScrollBarChange() {
    if (SAwbScrollBar.position() > SAdbScrollBar.position()) {
        SAdbScrollBar.setPosition(SAwbScrollBar.position());
    }
    if (SAwbScrollBar.position() > RAwbScrollBar.position()) {
        RAwbScrollBar.setPosition(SAwbScrollBar.position());
    }
    if (SAwbScrollBar.position() > RAdbScrollBar.position()) {
        RAdbScrollBar.setPosition(SAwbScrollBar.position());
    }
    recalculate();
}

void Cooling::Button1Click() {
    // All three positions come from the values as stored, before any slider moves.
    const long long d = roundHalfEven(mixing_.MAMAdb * 10.0L);
    const long long w = roundHalfEven(mixing_.MAMAwb * 10.0L);
    const long long v = roundHalfEven(mixing_.MAvol * 10000.0L);
    RAdbScrollBar.setPosition(d);
    RAwbScrollBar.setPosition(w);
    RAvolScrollBar.setPosition(v);
}

void Cooling::connect() {
    RAvolScrollBar.setOnChange([this] { RAvolScrollBarChange(); });
    mAltScrollBar.setOnChange([this] { mAltScrollBarChange(); });
    RAdbScrollBar.setOnChange([this] { RAdbScrollBarChange(); });
    RAwbScrollBar.setOnChange([this] { RAwbScrollBarChange(); });
    SAdbScrollBar.setOnChange([this] { SAdbScrollBarChange(); });
    SAwbScrollBar.setOnChange([this] { SAwbScrollBarChange(); });
}

std::vector<Slider*> Cooling::sliders() {
    return {&RAvolScrollBar, &mAltScrollBar, &RAdbScrollBar,
            &RAwbScrollBar,  &SAdbScrollBar, &SAwbScrollBar};
}

std::vector<Label*> Cooling::labels() {
    return {&mAltLabel,   &kPaLabel,   &RAdbLabel,          &RAwbLabel,
            &RArhLabel,   &RAdpLabel,  &RAkgPkgLabel,       &RAhtotLabel,
            &RAdLabel,    &RAvolLabel, &RAvolmcubedPhLabel, &SAdbLabel,
            &SAwbLabel,   &SArhLabel,  &SAdpLabel,          &SAkgPkgLabel,
            &SAhtotLabel, &SAdLabel,   &LabelCoolSAvol,     &LabelSAvolPerHr,
            &kWLabel,     &TonsLabel,  &SloadLabel,         &LloadLabel,
            &SHFLabel,    &AMFLabel,   &CondensateLabel,    &CondensateLpHLabel};
}

}  // namespace plenova
