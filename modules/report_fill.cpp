#include "modules/report_fill.h"

#include "modules/cooling.h"
#include "modules/heating.h"
#include "modules/mixing.h"

namespace plenova {

Report::Report(const TextBox& title, const Mixing& mixing, const Cooling& cooling,
               const Heating& heating)
    : title_(title), copies_(fillTable(mixing, cooling, heating)) {}

std::vector<Report::Copy> Report::fillTable(const Mixing& m, const Cooling& c, const Heating& h) {
    return {
        {&m.LabelMAmAltitude, &QRLabelAltitude},
        {&m.LabelMAvol, &QRLabelMAvol},
        {&m.LabelMAvolPerHr, &QRLabelMAvolPerHr},
        {&m.LabelMARAvolPercent, &QRLabelMARAvolPercent},
        {&m.LabelMARAvol, &QRLabelMARAvol},
        {&m.LabelMARAdb, &QRLabelMARAdb},
        {&m.LabelMARArh, &QRLabelMARArh},
        {&m.LabelMAOAvolPercent, &QRLabelMAOAvolPercent},
        {&m.LabelMAOAvol, &QRLabelMAOAvol},
        {&m.LabelMAOAdb, &QRLabelMAOAdb},
        {&m.LabelMAOArh, &QRLabelMAOArh},
        // Mixed air leaves at the total volume: the same per-hour text stands twice.
        {&m.LabelMAvolPerHr, &QRLabelMAvolLeavingPerHr},
        {&m.LabelMAMAdb, &QRLabelMAMAdb},
        {&m.LabelMAMArh, &QRLabelMAMArh},
        {&m.LabelMAMAdp, &QRLabelMAMAdp},
        {&c.RAvolLabel, &QRLabelRAvol},
        {&c.RAvolmcubedPhLabel, &QRLabelRAvolPerHr},
        {&c.RAdbLabel, &QRLabelRAdb},
        {&c.RArhLabel, &QRLabelRArh},
        {&c.SAdbLabel, &QRLabelSAdb},
        {&c.SArhLabel, &QRLabelSArh},
        {&c.LabelSAvolPerHr, &QRLabelSAvolPerHr},
        {&c.kWLabel, &QRLabelkW},
        {&c.SloadLabel, &QRLabelSload},
        {&c.LloadLabel, &QRLabelLload},
        {&c.SHFLabel, &QRLabelSHF},
        // The condensate in litres per hour, not in kg/s.
        {&c.CondensateLpHLabel, &QRLabelCondensate},
        {&h.LabelHeatRAvolume, &QRLabelHeatRAvol},
        {&h.LabelHeatRAvolPerHr, &QRLabelHeatRAvolPerHr},
        {&h.LabelHeatReturnAirDryBulb, &QRLabelHeatRAdb},
        {&h.LabelHeatRArh, &QRLabelHeatRArh},
        {&h.LabelHeatSupplyAirDryBulb, &QRLabelHeatSAdb},
        {&h.LabelHeatSupplyAirRH, &QRLabelHeatSArh},
        {&h.LabelHeatSAvolPerHr, &QRLabelHeatSAvolPerHr},
        {&h.LabelHeatkW, &QRLabelHeatkW},
        {&h.LabelReHeatkW, &QRLabelReHeatkW},
        {&h.LabelReHeatSensible, &QRLabelReHeatSensible},
        {&h.LabelReHeatLatent, &QRLabelReHeatLatent},
        {&h.LabelReHeatSHF, &QRLabelReheatSHF},
    };
}

void Report::QRGenerate() {
    QRLabelPageTitle.setText(title_.text());
    for (const Copy& copy : copies_) {
        copy.to->setText(copy.from->text());
    }
}

void Report::EditQRtitleChange() {
    QRLabelPageTitle.setText(title_.text());
}

std::vector<Label*> Report::labels() {
    std::vector<Label*> all{&QRLabelPageTitle};
    for (const Copy& copy : copies_) {
        all.push_back(copy.to);
    }
    return all;
}

}  // namespace plenova
