// The report's labels and the fill that copies the screen texts into them. The report
// computes nothing: it shows exactly what the pages show.
#pragma once

#include <vector>

#include "modules/controls.h"

namespace plenova {

class Mixing;
class Cooling;
class Heating;

class Report {
  public:
    Report(const TextBox& title, const Mixing& mixing, const Cooling& cooling,
           const Heating& heating);
    Report(const Report&) = delete;
    Report& operator=(const Report&) = delete;

    Label QRLabelPageTitle{"QRLabelPageTitle", "Plenova Results"};
    Label QRLabelAltitude{"QRLabelAltitude"};
    Label QRLabelMAvol{"QRLabelMAvol"};
    Label QRLabelMAvolPerHr{"QRLabelMAvolPerHr"};
    Label QRLabelMARAvolPercent{"QRLabelMARAvolPercent"};
    Label QRLabelMARAvol{"QRLabelMARAvol"};
    Label QRLabelMARAdb{"QRLabelMARAdb"};
    Label QRLabelMARArh{"QRLabelMARArh"};
    Label QRLabelMAOAvolPercent{"QRLabelMAOAvolPercent"};
    Label QRLabelMAOAvol{"QRLabelMAOAvol"};
    Label QRLabelMAOAdb{"QRLabelMAOAdb"};
    Label QRLabelMAOArh{"QRLabelMAOArh"};
    Label QRLabelMAvolLeavingPerHr{"QRLabelMAvolLeavingPerHr"};
    Label QRLabelMAMAdb{"QRLabelMAMAdb"};
    Label QRLabelMAMArh{"QRLabelMAMArh"};
    Label QRLabelMAMAdp{"QRLabelMAMAdp"};
    Label QRLabelRAvol{"QRLabelRAvol"};
    Label QRLabelRAvolPerHr{"QRLabelRAvolPerHr"};
    Label QRLabelRAdb{"QRLabelRAdb"};
    Label QRLabelRArh{"QRLabelRArh"};
    Label QRLabelSAdb{"QRLabelSAdb"};
    Label QRLabelSArh{"QRLabelSArh"};
    Label QRLabelSAvolPerHr{"QRLabelSAvolPerHr"};
    Label QRLabelkW{"QRLabelkW"};
    Label QRLabelSload{"QRLabelSload"};
    Label QRLabelLload{"QRLabelLload"};
    Label QRLabelSHF{"QRLabelSHF"};
    Label QRLabelCondensate{"QRLabelCondensate"};
    Label QRLabelHeatRAvol{"QRLabelHeatRAvol"};
    Label QRLabelHeatRAvolPerHr{"QRLabelHeatRAvolPerHr"};
    Label QRLabelHeatRAdb{"QRLabelHeatRAdb"};
    Label QRLabelHeatRArh{"QRLabelHeatRArh"};
    Label QRLabelHeatSAdb{"QRLabelHeatSAdb"};
    Label QRLabelHeatSArh{"QRLabelHeatSArh"};
    Label QRLabelHeatSAvolPerHr{"QRLabelHeatSAvolPerHr"};
    Label QRLabelHeatkW{"QRLabelHeatkW"};
    Label QRLabelReHeatkW{"QRLabelReHeatkW"};
    Label QRLabelReHeatSensible{"QRLabelReHeatSensible"};
    Label QRLabelReHeatLatent{"QRLabelReHeatLatent"};
    Label QRLabelReheatSHF{"QRLabelReheatSHF"};

    // The report fill: the 40 copies, in order, texts as they stand.
    void QRGenerate();
    // The title box changed: the page title follows at once.
    void EditQRtitleChange();

    // Every report label, the page title first, in the order of the fill.
    std::vector<Label*> labels();

  private:
    struct Copy {
        const Label* from;
        Label* to;
    };
    std::vector<Copy> fillTable(const Mixing& mixing, const Cooling& cooling,
                                const Heating& heating);

    const TextBox& title_;
    std::vector<Copy> copies_;  // rows 2 to 40; row 1 is the title box
};

}  // namespace plenova
