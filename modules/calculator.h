// Every control of the three calculation pages and the Print page, the three modules and
// the report, wired together. The window mirrors it; the headless driver and the tests use
// it directly.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "modules/altitude.h"
#include "modules/controls.h"
#include "modules/cooling.h"
#include "modules/heating.h"
#include "modules/mixing.h"
#include "modules/recalc_observer.h"
#include "modules/report_fill.h"

namespace plenova {

class Calculator {
  public:
    // Builds every control at its design values, then connects the handlers: no handler runs
    // while the start positions are put in place.
    Calculator();
    Calculator(const Calculator&) = delete;
    Calculator& operator=(const Calculator&) = delete;

    // The start-up computation, each once and in this order: MixedAirCalc, RAcalcs, SAcalcs,
    // VolumeCalc, HeatRAcalcs, QRGenerate.
    void FormCreate();
    // Another page became active: the report fill and nothing else.
    void PageControlChange();

    // The echo format's decimal separator, from the user's regional settings.
    void setDecimalSeparator(char separator);
    char decimalSeparator() const { return mixing.decimalSeparator; }
    void setRecalculationObserver(const RecalculationObserver& observer);
    // Further listeners, told after the observer at the start of every recalculation (the
    // chart window repaints once the handler is done). The key removes the listener again.
    int addRecalculationListener(RecalculationObserver listener);
    void removeRecalculationListener(int key);

    // Every slider and every value label of the three calculation pages.
    std::vector<Slider*> sliders();
    std::vector<Label*> valueLabels();
    Slider* findSlider(std::string_view name);
    Label* findLabel(std::string_view name);

    AltitudeSliders altitude;
    std::string ResultText;  // the scratch text of the cooling and heating conversions
    Mixing mixing{altitude};
    Cooling cooling{altitude, mixing, ResultText};
    Heating heating{altitude, cooling, ResultText};
    TextBox EditQRtitle{"EditQRtitle", "Plenova Results"};
    Report report{EditQRtitle, mixing, cooling, heating};

  private:
    void recalculationStarts(const char* recalculation) const;

    RecalculationObserver observer_;
    std::vector<std::pair<int, RecalculationObserver>> listeners_;
    int nextListenerKey_ = 0;
};

}  // namespace plenova
