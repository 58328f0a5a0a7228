#include "modules/mixing.h"

#include <string>

#include "core/airstate.h"
#include "core/fpenv.h"
#include "core/numfmt.h"
#include "core/psychro.h"
#include "modules/suffixes.h"

namespace plenova {

using namespace psychro;

namespace {

// A mixing temperature slider reads -10.0 to 50.0 °C: the position divided by 10, less 10.
double temperatureAt(const Slider& slider) {
    return store(slider.position() / 10.0L - 10);
}

// Every fixed-format number of this page passes through a scratch text of its own.
std::string fixedText(long double value, int decimals, const char* suffix) {
    std::string scratch;
    return fixedVia(scratch, value, decimals) + suffix;
}

// A vapour pressure that is not positive has no dew point: the label then shows the
// placeholder and the recalculation goes on.
std::string dewPointText(double pw) {
    double dewPoint = 0;
    return guardedDewPoint(pw, dewPoint) ? fixedText(dewPoint, 1, suffix::kCelsius)
                                         : placeholder::kNoResultCelsius;
}

// One incoming stream, evaluated with a coefficient from its own wet bulb. Unlike the common
// air state evaluation, a negative vapour pressure is carried into a negative moisture
// content (so that the mass-weighted mixture sees it), and no enthalpy is computed.
struct Stream {
    double db = 0;
    double wb = 0;
    double pw = 0;  // never clamped
    double rh = 0;  // as shown: a negative value is raised to 0
    double x = 0;   // never clamped
    double d = 0;   // from the unclamped vapour pressure
};

struct StreamLabels {
    Label& db;
    Label& wb;
    Label& dp;
    Label& rh;
};

Stream evaluateStream(const Slider& dbSlider, const Slider& wbSlider, double P,
                      const StreamLabels& labels, char separator) {
    Stream s;
    s.db = temperatureAt(dbSlider);
    s.wb = temperatureAt(wbSlider);
    labels.db.setText(echo(s.db, separator) + suffix::kCelsius);
    labels.wb.setText(echo(s.wb, separator) + suffix::kCelsius);

    const double A = store(psychrometerCoefficient(s.wb));
    const double psDryBulb = store(saturationPressure(s.db));
    const double psWetBulb = store(saturationPressure(s.wb));
    s.pw = store(vapourPressure(psWetBulb, A, P, s.db, s.wb));
    labels.dp.setText(dewPointText(s.pw));
    s.rh = store(relativeHumidity(s.pw, psDryBulb));
    if (!(s.rh >= 0)) {
        s.rh = 0;
    }
    labels.rh.setText(fixedText(s.rh, 1, suffix::kPercent));
    s.x = store(moistureContent(s.pw, P));
    s.d = store(density(s.db, s.pw, P));
    return s;
}

}  // namespace

Mixing::Mixing(AltitudeSliders& altitude)
    : ScrollBarMAmAltitude(altitude.ScrollBarMAmAltitude), altitude_(altitude) {}

void Mixing::MixedAirCalc() {
    notify(onRecalculation, "MixedAirCalc");
    clearFloatFlags();
    const char sep = decimalSeparator;

    // 1. Altitude and pressure.
    const double MAalt = ScrollBarMAmAltitude.position();
    const double MAkPa = store(atmosphericPressure(MAalt));
    LabelMAmAltitude.setText(echo(MAalt, sep) + suffix::kMetres);
    LabelMAkPa.setText(fixedText(MAkPa, 3, suffix::kKPaSpaced));

    // 2. and 3. The two streams, each with the coefficient of its own wet bulb.
    const Stream RA = evaluateStream(ScrollBarMARAdb, ScrollBarMARAwb, MAkPa,
                                     {LabelMARAdb, LabelMARAwb, LabelMARAdp, LabelMARArh}, sep);
    const Stream OA = evaluateStream(ScrollBarMAOAdb, ScrollBarMAOAwb, MAkPa,
                                     {LabelMAOAdb, LabelMAOAwb, LabelMAOAdp, LabelMAOArh}, sep);
    MARAdb = RA.db;
    MARApw = RA.pw;
    MARAx = RA.x;
    MAOAdb = OA.db;
    MAOApw = OA.pw;
    MAOAx = OA.x;

    // 4. Volumes.
    MAvol = store(ScrollBarMAVol.position() / 10000.0L);
    LabelMAvol.setText(echo(MAvol, sep) + suffix::kM3PerS);
    LabelMAvolPerHr.setText(fixedText(checked(MAvol * 3600.0L), 2, suffix::kM3PerHr));
    const double MARAvolPercent = store(100.0L - ScrollBarMApercent.position());
    const double MAOAvolPercent = store(100.0L - MARAvolPercent);
    LabelMARAvolPercent.setText(echo(MARAvolPercent, sep) + suffix::kPercentRA);
    LabelMAOAvolPercent.setText(echo(MAOAvolPercent, sep) + suffix::kPercentOA);
    const double MARAvol = store(MARAvolPercent / 100.0L * MAvol);
    const double MAOAvol = store(MAOAvolPercent / 100.0L * MAvol);
    LabelMARAvol.setText(echo(MARAvol, sep) + suffix::kM3PerS);
    LabelMAOAvol.setText(echo(MAOAvol, sep) + suffix::kM3PerS);

    // 5. Mass flows.
    const double MARAmf = store(static_cast<long double>(MARAvol) * RA.d);
    const double MAOAmf = store(static_cast<long double>(MAOAvol) * OA.d);
    LabelMARAmf.setText(fixedText(MARAmf, 2, suffix::kKgPerS));
    LabelMAOAmf.setText(fixedText(MAOAmf, 2, suffix::kKgPerS));

    // 6. Dry bulb, weighted by volume share.
    MAMAdb = store((static_cast<long double>(OA.db) - RA.db) * MAOAvolPercent / 100 + RA.db);
    LabelMAMAdb.setText(fixedText(MAMAdb, 1, suffix::kCelsius));

    // 7. Vapour pressure, weighted by mass flow. The total volume is never zero and every
    // density is positive, so the weights are always defined; they stay unrounded.
    const long double totalMf = static_cast<long double>(MARAmf) + MAOAmf;
    MAMApw = store(MARAmf / totalMf * RA.pw + MAOAmf / totalMf * OA.pw);

    // 8. Relative humidity: kept unclamped, shown (and searched for) within 0 to 100.
    const double MAMAps = store(saturationPressure(MAMAdb));
    MAMArh = store(relativeHumidity(MAMApw, MAMAps));
    double shownRh = MAMArh;
    if (!(shownRh >= 0)) {
        shownRh = 0;
    }
    if (shownRh > 100) {
        shownRh = 100;
    }
    LabelMAMArh.setText(fixedText(shownRh, 1, suffix::kPercent));

    // 9. Dew point, not limited to the dry bulb: a supersaturated mixture shows one above it.
    LabelMAMAdp.setText(dewPointText(MAMApw));

    // 10. Moisture content, weighted by mass flow (not the moisture content of MAMApw).
    MAMAx = store(MARAmf / totalMf * RA.x + MAOAmf / totalMf * OA.x);
    LabelMAMAx.setText(fixedText(MAMAx, 4, suffix::kKgPerKg));

    // 11. Density from the mixed vapour pressure.
    const double MAMAd = store(density(MAMAdb, MAMApw, MAkPa));
    LabelMAMAd.setText(fixedText(MAMAd, 2, suffix::kKgPerM3));

    // 12. Enthalpy from the mixed dry bulb and the mass-weighted moisture content.
    const double MAMAtotalh = store(sensibleEnthalpy(MAMAdb) + latentEnthalpy(MAMAdb, MAMAx));
    LabelMAMAtotalh.setText(fixedText(MAMAtotalh, 1, suffix::kKJPerKg));

    // 13. Wet bulb. A negative humidity has no wet bulb: the last one found is kept.
    const double w = searchMixedWetBulb(MAMAdb, MAkPa, MAMAps, shownRh);
    if (MAMArh >= 0) {
        MAMAwb = w;
        LabelMAMAwb.setText(fixedText(MAMAwb, 1, suffix::kCelsius));
    } else {
        LabelMAMAwb.setText(placeholder::kNoResultCelsius);
    }
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

// A stream's wet bulb never lies above its dry bulb: moving either across the other carries
// the other along to the same position (equal positions are allowed).
void Mixing::ScrollBarMARAdbChange() {
    if (ScrollBarMARAdb.position() < ScrollBarMARAwb.position()) {
        ScrollBarMARAwb.setPosition(ScrollBarMARAdb.position());
    }
    MixedAirCalc();
}

void Mixing::ScrollBarMARAwbChange() {
    if (ScrollBarMARAwb.position() > ScrollBarMARAdb.position()) {
        ScrollBarMARAdb.setPosition(ScrollBarMARAwb.position());
    }
    MixedAirCalc();
}

void Mixing::ScrollBarMAOAdbChange() {
    if (ScrollBarMAOAdb.position() < ScrollBarMAOAwb.position()) {
        ScrollBarMAOAwb.setPosition(ScrollBarMAOAdb.position());
    }
    MixedAirCalc();
}

void Mixing::ScrollBarMAOAwbChange() {
    if (ScrollBarMAOAwb.position() > ScrollBarMAOAdb.position()) {
        ScrollBarMAOAdb.setPosition(ScrollBarMAOAwb.position());
    }
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
