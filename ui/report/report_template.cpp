#include "ui/report/report_template.h"

namespace plenova {

namespace {

// Captions sit at these x positions, their values at the matching value column.
constexpr double kLeftCaption = 4.1;
constexpr double kLeftValue = 51.3;
constexpr double kRightCaption = 100.9;
constexpr double kRightValue = 148.8;

constexpr ReportFont kRegular{};
constexpr ReportFont kItalic{8.0, false, true};
constexpr ReportFont kSectionHeading{10.0, true, false};
constexpr ReportFont kSubHeading{8.0, true, false};

ReportItem caption(double x, double y, std::string text, ReportFont font = kRegular) {
    return {ReportItem::Kind::Caption, x, y, std::move(text), nullptr, font};
}

ReportItem value(double x, double y, Label Report::*label, ReportFont font = kRegular) {
    return {ReportItem::Kind::Value, x, y, {}, label, font};
}

ReportItem rule(double x, double y, double x2, int penWidth = 1) {
    return {ReportItem::Kind::Rule, x, y, {}, nullptr, kRegular, x2, penWidth};
}

// A caption in the left half with its value.
void left(std::vector<ReportItem>& items, double y, std::string text, Label Report::*label,
          ReportFont font = kRegular) {
    items.push_back(caption(kLeftCaption, y, std::move(text), font));
    items.push_back(value(kLeftValue, y, label, font));
}

// A caption in the right half with its value.
void right(std::vector<ReportItem>& items, double y, std::string text, Label Report::*label) {
    items.push_back(caption(kRightCaption, y, std::move(text)));
    items.push_back(value(kRightValue, y, label));
}

std::vector<ReportItem> buildDetailBand() {
    using R = Report;
    std::vector<ReportItem> t;

    t.push_back(caption(148.8, 0.8, "Altitude:"));
    t.push_back(value(172.0, 0.8, &R::QRLabelAltitude));

    t.push_back(caption(kLeftCaption, 6.6, "Mixed Air (RA + OA)", kSectionHeading));
    t.push_back(rule(4.2, 14.6, 186.7, 2));
    left(t, 19.0, "Mixed Air Total Volume:", &R::QRLabelMAvol);
    t.push_back(value(kLeftValue, 24.8, &R::QRLabelMAvolPerHr));
    left(t, 33.9, "Percent Return Air:", &R::QRLabelMARAvolPercent);
    right(t, 33.9, "Percent Outdoor Air:", &R::QRLabelMAOAvolPercent);
    left(t, 38.9, "Return Air Volume:", &R::QRLabelMARAvol);
    right(t, 38.9, "Outdoor Air Volume:", &R::QRLabelMAOAvol);
    left(t, 43.8, "Return Air Dry Bulb:", &R::QRLabelMARAdb);
    right(t, 43.8, "Outdoor Air Dry Bulb:", &R::QRLabelMAOAdb);
    left(t, 48.8, "Return Air RH:", &R::QRLabelMARArh);
    right(t, 48.8, "Outdoor Air RH:", &R::QRLabelMAOArh);
    t.push_back(caption(kRightCaption, 56.2, "Mixing Results", kSubHeading));
    t.push_back(rule(100.5, 62.2, 185.6));
    right(t, 65.3, "Leaving Volume:", &R::QRLabelMAvolLeavingPerHr);
    right(t, 71.9, "Mixed Air Dry Bulb:", &R::QRLabelMAMAdb);
    right(t, 77.7, "Mixed Air RH:", &R::QRLabelMAMArh);
    right(t, 83.5, "Mixed Air Dew Point:", &R::QRLabelMAMAdp);

    t.push_back(caption(kLeftCaption, 91.8, "Cooling", kSectionHeading));
    t.push_back(rule(4.2, 101.1, 187.1, 2));
    left(t, 106.7, "Return Air Volume:", &R::QRLabelRAvol);
    t.push_back(value(kLeftValue, 112.4, &R::QRLabelRAvolPerHr));
    left(t, 120.7, "Return Air Dry Bulb:", &R::QRLabelRAdb);
    right(t, 120.7, "Supply Air Dry Bulb:", &R::QRLabelSAdb);
    left(t, 124.9, "Return Air RH:", &R::QRLabelRArh);
    right(t, 124.9, "Supply Air RH:", &R::QRLabelSArh);
    t.push_back(caption(kRightCaption, 133.1, "Cooling Results", kSubHeading));
    t.push_back(rule(101.7, 139.5, 186.7));
    right(t, 143.9, "Leaving Volume:", &R::QRLabelSAvolPerHr);
    right(t, 149.7, "Total kW:", &R::QRLabelkW);
    right(t, 155.4, "Sensible:", &R::QRLabelSload);
    right(t, 162.1, "Latent:", &R::QRLabelLload);
    right(t, 167.0, "SHF:", &R::QRLabelSHF);
    right(t, 172.8, "Condensate:", &R::QRLabelCondensate);

    t.push_back(caption(kLeftCaption, 182.7, "Heating", kSectionHeading));
    t.push_back(rule(4.5, 190.7, 187.5, 2));
    left(t, 196.8, "Return Air Volume:", &R::QRLabelHeatRAvol);
    t.push_back(value(kLeftValue, 202.6, &R::QRLabelHeatRAvolPerHr));
    left(t, 210.0, "Return Air Dry Bulb:", &R::QRLabelHeatRAdb);
    right(t, 210.0, "Supply Air Dry Bulb:", &R::QRLabelHeatSAdb);
    left(t, 215.0, "Return Air RH:", &R::QRLabelHeatRArh);
    right(t, 215.0, "Supply Air RH:", &R::QRLabelHeatSArh);
    t.push_back(caption(kRightCaption, 222.4, "Heating Results", kSubHeading));
    t.push_back(caption(kLeftCaption, 223.2, "If Heat Is Reheat After Cooling", kItalic));
    t.push_back(rule(1.9, 229.4, 86.9));
    t.push_back(rule(101.7, 229.4, 186.7));
    left(t, 233.2, "Effective Duty:", &R::QRLabelReHeatkW, kItalic);
    right(t, 234.8, "Leaving Volume:", &R::QRLabelHeatSAvolPerHr);
    left(t, 239.0, "Sensible:", &R::QRLabelReHeatSensible, kItalic);
    right(t, 241.4, "Total kW:", &R::QRLabelHeatkW);
    left(t, 244.7, "Latent:", &R::QRLabelReHeatLatent, kItalic);
    left(t, 250.5, "SHF:", &R::QRLabelReheatSHF, kItalic);
    return t;
}

}  // namespace

const std::vector<ReportItem>& detailBandTemplate() {
    static const std::vector<ReportItem> items = buildDetailBand();
    return items;
}

}  // namespace plenova
