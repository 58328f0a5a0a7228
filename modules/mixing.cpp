#include "modules/mixing.h"

namespace plenova {

Mixing::Mixing(AltitudeSliders& altitude)
    : ScrollBarMAmAltitude(altitude.ScrollBarMAmAltitude), altitude_(altitude) {}

void Mixing::MixedAirCalc() {
    notify(onRecalculation, "MixedAirCalc");
}

void Mixing::ScrollBarMAVolChange() {
    MixedAirCalc();
}

void Mixing::ScrollBarMAmAltitudeChange() {
    altitude_.mAltScrollBar.setPosition(ScrollBarMAmAltitude.position());
    altitude_.ScrollBarHeatMetersAltitude.setPosition(ScrollBarMAmAltitude.position());
    MixedAirCalc();
}

void Mixing::ScrollBarMApercentChange() {
    MixedAirCalc();
}
void Mixing::ScrollBarMARAdbChange() {
    MixedAirCalc();
}
void Mixing::ScrollBarMARAwbChange() {
    MixedAirCalc();
}
void Mixing::ScrollBarMAOAdbChange() {
    MixedAirCalc();
}
void Mixing::ScrollBarMAOAwbChange() {
    MixedAirCalc();
}

void Mixing::connect() {
    ScrollBarMAVol.setOnChange([this] { ScrollBarMAVolChange(); });
    ScrollBarMAmAltitude.setOnChange([this] { ScrollBarMAmAltitudeChange(); });
    ScrollBarMApercent.setOnChange([this] { ScrollBarMApercentChange(); });
    ScrollBarMARAdb.setOnChange([this] { ScrollBarMARAdbChange(); });
    ScrollBarMARAwb.setOnChange([this] { ScrollBarMARAwbChange(); });
    ScrollBarMAOAdb.setOnChange([this] { ScrollBarMAOAdbChange(); });
    ScrollBarMAOAwb.setOnChange([this] { ScrollBarMAOAwbChange(); });
}

std::vector<Slider*> Mixing::sliders() {
    return {&ScrollBarMAVol,  &ScrollBarMAmAltitude, &ScrollBarMApercent, &ScrollBarMARAdb,
            &ScrollBarMARAwb, &ScrollBarMAOAdb,      &ScrollBarMAOAwb};
}

std::vector<Label*> Mixing::labels() {
    return {&LabelMAmAltitude,    &LabelMAkPa,          &LabelMARAdb,  &LabelMARAwb,
            &LabelMARAdp,         &LabelMARArh,         &LabelMAOAdb,  &LabelMAOAwb,
            &LabelMAOAdp,         &LabelMAOArh,         &LabelMAvol,   &LabelMAvolPerHr,
            &LabelMARAvolPercent, &LabelMAOAvolPercent, &LabelMARAvol, &LabelMAOAvol,
            &LabelMARAmf,         &LabelMAOAmf,         &LabelMAMAdb,  &LabelMAMArh,
            &LabelMAMAdp,         &LabelMAMAx,          &LabelMAMAd,   &LabelMAMAtotalh,
            &LabelMAMAwb};
}

}  // namespace plenova
