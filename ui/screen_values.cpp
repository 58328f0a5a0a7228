#include "ui/screen_values.h"

#include <algorithm>
#include <cstring>
#include <tuple>

#include "modules/calculator.h"
#include "ui/page_layout.h"

namespace plenova {

namespace {

bool inGroup(const char* group, const char* other) {
    return std::strcmp(group, other) == 0;
}

// The caption a reader takes for a value: the nearest one to its left on its line; failing
// that, the caption of the value above it in the same column (a second unit of the same
// quantity); failing that, the caption on its line to the right. Empty where none stands.
std::string captionOf(const PageLayout& page, const ValueLabelDesign& value) {
    const CaptionDesign* nearest = nullptr;
    const CaptionDesign* right = nullptr;
    for (const CaptionDesign& caption : page.captions) {
        if (!inGroup(caption.groupBox, value.groupBox) || caption.y != value.y) {
            continue;
        }
        if (caption.x < value.x && (nearest == nullptr || caption.x > nearest->x)) {
            nearest = &caption;
        }
        if (caption.x > value.x && (right == nullptr || caption.x < right->x)) {
            right = &caption;
        }
    }
    if (nearest != nullptr) {
        return nearest->text;
    }
    const ValueLabelDesign* above = nullptr;
    for (const ValueLabelDesign& other : page.valueLabels) {
        if (inGroup(other.groupBox, value.groupBox) && other.x == value.x && other.y < value.y &&
            (above == nullptr || other.y > above->y)) {
            above = &other;
        }
    }
    if (above != nullptr) {
        return captionOf(page, *above);
    }
    return right != nullptr ? right->text : "";
}

void addPage(std::vector<ValueRow>& rows, const PageLayout& page, Calculator& calc) {
    for (const GroupBoxDesign& group : page.groupBoxes) {
        std::vector<const ValueLabelDesign*> values;
        for (const ValueLabelDesign& value : page.valueLabels) {
            if (inGroup(value.groupBox, group.name)) {
                values.push_back(&value);
            }
        }
        std::sort(values.begin(), values.end(), [](const auto* a, const auto* b) {
            return std::tie(a->y, a->x) < std::tie(b->y, b->x);
        });
        for (const ValueLabelDesign* value : values) {
            rows.push_back({page.tabCaption, group.caption, captionOf(page, *value),
                            calc.findLabel(value->name)->text()});
        }
    }
}

}  // namespace

std::vector<ValueRow> screenValues(Calculator& calc) {
    std::vector<ValueRow> rows;
    for (const PageLayout* page : {&mixingLayout(), &coolingLayout(), &heatingLayout()}) {
        addPage(rows, *page, calc);
    }
    rows.push_back({"Print", "", "Page Title", calc.EditQRtitle.text()});
    return rows;
}

}  // namespace plenova
