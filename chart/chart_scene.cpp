#include "chart/chart_scene.h"

#include <algorithm>
#include <cmath>

#include "core/fpenv.h"
#include "core/numfmt.h"
#include "core/psychro.h"
#include "modules/calculator.h"
#include "modules/suffixes.h"

namespace plenova::chart {

namespace {

constexpr double kMoistureAxisStep = 0.005;  // the axis grows in steps of 5 g/kg

std::string detail(const std::string& wetBulb, const std::string& rh, const std::string& dp) {
    std::string text = wetBulb.empty() ? std::string() : "wb " + wetBulb + "  ";
    return text + rh + "  dp " + dp;
}

std::vector<ProcessPoint> mixingPoints(const Mixing& m) {
    const auto moisture = [](double x) { return fixed(x, 4) + suffix::kKgPerKg; };
    return {
        {"MARA",
         "RA",
         ChartPage::Mixing,
         {m.MARAdb, m.MARAx},
         !(m.MARApw > 0),
         m.LabelMARAdb.text(),
         moisture(m.MARAx),
         detail(m.LabelMARAwb.text(), m.LabelMARArh.text(), m.LabelMARAdp.text())},
        {"MAOA",
         "OA",
         ChartPage::Mixing,
         {m.MAOAdb, m.MAOAx},
         !(m.MAOApw > 0),
         m.LabelMAOAdb.text(),
         moisture(m.MAOAx),
         detail(m.LabelMAOAwb.text(), m.LabelMAOArh.text(), m.LabelMAOAdp.text())},
        {"MAMA",
         "MA",
         ChartPage::Mixing,
         {m.MAMAdb, m.MAMAx},
         !(m.MAMApw > 0),
         m.LabelMAMAdb.text(),
         m.LabelMAMAx.text(),
         detail(m.LabelMAMAwb.text(), m.LabelMAMArh.text(), m.LabelMAMAdp.text())},
    };
}

std::vector<ProcessPoint> coolingPoints(const Cooling& c) {
    return {
        {"RA",
         "C-RA",
         ChartPage::Cooling,
         {c.RAdb, c.RA.x},
         !(c.RA.pw > 0),
         c.RAdbLabel.text(),
         c.RAkgPkgLabel.text(),
         detail(c.RAwbLabel.text(), c.RArhLabel.text(), c.RAdpLabel.text())},
        {"SA",
         "C-SA",
         ChartPage::Cooling,
         {c.SAdb, c.SA.x},
         !(c.SA.pw > 0),
         c.SAdbLabel.text(),
         c.SAkgPkgLabel.text(),
         detail(c.SAwbLabel.text(), c.SArhLabel.text(), c.SAdpLabel.text())},
    };
}

std::vector<ProcessPoint> heatingPoints(const Heating& h) {
    const bool dry = !(h.HeatRApw > 0);
    return {
        {"HeatRA",
         "H-RA",
         ChartPage::Heating,
         {h.HeatRAdb, h.HeatRAx},
         dry,
         h.LabelHeatReturnAirDryBulb.text(),
         h.LabelHeatReturnAirX.text(),
         detail(h.LabelHeatReturnAirWetBulb.text(), h.LabelHeatRArh.text(),
                h.LabelHeatRAdp.text())},
        {"HeatSA",
         "H-SA",
         ChartPage::Heating,
         {h.HeatSAdb, h.HeatRAx},
         dry,
         h.LabelHeatSupplyAirDryBulb.text(),
         h.LabelHeatSupplyAirX.text(),
         detail("", h.LabelHeatSupplyAirRH.text(), h.LabelHeatSAdp.text())},
    };
}

}  // namespace

ChartScene captureScene(const Calculator& calc) {
    clearFloatFlags();
    ChartScene scene;
    scene.pressure = store(psychro::atmosphericPressure(calc.altitude.mAltScrollBar.position()));
    scene.pressureText = calc.mixing.LabelMAkPa.text();
    scene.altitudeText = calc.mixing.LabelMAmAltitude.text();

    scene.points = mixingPoints(calc.mixing);
    for (auto& p : coolingPoints(calc.cooling)) {
        scene.points.push_back(std::move(p));
    }
    for (auto& p : heatingPoints(calc.heating)) {
        scene.points.push_back(std::move(p));
    }

    scene.coil = analyseCoil(scene.points[kCoolRA].at, scene.points[kCoolSA].at, scene.pressure,
                             scene.range);
    // Each text is built whole and moved in (GCC 12 at -O3 warns falsely about assigning a
    // literal to a string here).
    const CoilAnalysis& coil = scene.coil;
    const std::string none = placeholder::kNoResult;
    scene.adpText = coil.hasAdp ? fixed(coil.adp.t, 1) + suffix::kCelsius : std::string("no ADP");
    scene.bypassFactorText = coil.hasAdp ? fixed(coil.bypassFactor, 2) : none;
    scene.contactFactorText = coil.hasAdp ? fixed(coil.contactFactor, 2) : none;

    // The moisture axis reaches the highest plotted state, in whole steps.
    double highest = scene.coil.hasAdp ? scene.coil.adp.x : 0;
    for (const ProcessPoint& p : scene.points) {
        highest = std::max(highest, p.at.x);
    }
    if (highest > scene.range.xMax) {
        scene.range.xMax = std::ceil(highest / kMoistureAxisStep - 1e-9) * kMoistureAxisStep;
    }
    return scene;
}

ChartPoint plotted(const ChartPoint& at, const ChartRange& range) {
    return {at.t, std::max(at.x, range.xMin)};
}

std::vector<std::pair<std::string, std::string>> legendValues(const ChartScene& scene) {
    std::vector<std::pair<std::string, std::string>> values;
    for (const ProcessPoint& p : scene.points) {
        values.emplace_back(p.name + "db", p.dryBulbText);
        values.emplace_back(p.name + "x", p.moistureText);
    }
    values.emplace_back("ADP", scene.adpText);
    values.emplace_back("BypassFactor", scene.bypassFactorText);
    values.emplace_back("ContactFactor", scene.contactFactorText);
    return values;
}

}  // namespace plenova::chart
