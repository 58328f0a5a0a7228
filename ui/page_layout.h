// The design of a calculation page as data: where every group box, caption, value label,
// slider and import button stands. Positions are pixels inside the parent group box (the
// group boxes themselves inside the page's white panel). Texts and ranges are not here: the
// value labels and sliders take them from their models.
#pragma once

#include <vector>

#include "ui/design_fonts.h"

namespace plenova {

struct GroupBoxDesign {
    enum class Look { Standard, Greyed };  // Greyed: grey, regular caption and contents

    const char* name;
    const char* caption;
    int x, y, width, height;
    Look look = Look::Standard;
};

struct CaptionDesign {
    enum class Face { Arial, MsSansSerif };

    const char* groupBox;
    const char* text;
    int x, y;
    Face face = Face::Arial;
};

struct ValueLabelDesign {
    const char* groupBox;
    const char* name;  // the model label of the same name
    int x, y;
    Weight weight;
};

struct SliderDesign {
    const char* groupBox;
    const char* name;  // the model slider of the same name
    int x, y, width;
};

struct ButtonDesign {
    const char* groupBox;
    const char* name;
    const char* caption;
    int x, y, width, height;
};

struct PageLayout {
    const char* tabSheet;
    const char* tabCaption;
    const char* panel;
    std::vector<GroupBoxDesign> groupBoxes;
    std::vector<CaptionDesign> captions;
    std::vector<ValueLabelDesign> valueLabels;
    std::vector<SliderDesign> sliders;  // in keyboard focus order
    std::vector<ButtonDesign> buttons;  // each comes in the focus order after its box's sliders
};

inline constexpr int kSliderHeight = 9;
inline constexpr int kPanelWidth = 554;
inline constexpr int kPanelHeight = 374;

const PageLayout& mixingLayout();
const PageLayout& coolingLayout();
const PageLayout& heatingLayout();

}  // namespace plenova
