// What a page must show after any cascade of handlers: the texts of the current slider
// positions, computed once from scratch by a fresh calculator with no handler involved.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "modules/calculator.h"

namespace plenova::testing {

enum class Page { Mixing, Cooling, Heating };

inline void expectTextsOfFinalPositions(Calculator& calc, Page page) {
    Calculator fresh;
    for (Slider* s : fresh.sliders()) {
        s->setOnChange(nullptr);
        s->setPosition(calc.findSlider(s->name())->position());
    }
    std::vector<Label*> labels;
    if (page == Page::Mixing) {
        fresh.mixing.MixedAirCalc();
        labels = fresh.mixing.labels();
    } else {
        // The heating page's reheat group reads the cooling loads of these positions.
        fresh.cooling.RAcalcs();
        fresh.cooling.SAcalcs();
        fresh.cooling.VolumeCalc();
        labels = fresh.cooling.labels();
        if (page == Page::Heating) {
            fresh.heating.HeatRAcalcs();
            labels = fresh.heating.labels();
        }
    }
    for (const Label* label : labels) {
        EXPECT_EQ(calc.findLabel(label->name())->text(), label->text()) << label->name();
    }
}

}  // namespace plenova::testing
