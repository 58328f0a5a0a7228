#include "modules/calculator.h"

namespace plenova {

Calculator::Calculator() {
    mixing.connect();
    cooling.connect();
    heating.connect();
    EditQRtitle.setOnChange([this] { report.EditQRtitleChange(); });
    const RecalculationObserver relay = [this](const char* name) { recalculationStarts(name); };
    mixing.onRecalculation = relay;
    cooling.onRecalculation = relay;
    heating.onRecalculation = relay;
}

void Calculator::FormCreate() {
    mixing.MixedAirCalc();
    cooling.RAcalcs();
    cooling.SAcalcs();
    cooling.VolumeCalc();
    heating.HeatRAcalcs();
    report.QRGenerate();
}

void Calculator::PageControlChange() {
    report.QRGenerate();
}

void Calculator::setDecimalSeparator(char separator) {
    mixing.decimalSeparator = separator;
    cooling.decimalSeparator = separator;
    heating.decimalSeparator = separator;
}

void Calculator::setRecalculationObserver(const RecalculationObserver& observer) {
    observer_ = observer;
}

int Calculator::addRecalculationListener(RecalculationObserver listener) {
    listeners_.emplace_back(nextListenerKey_, std::move(listener));
    return nextListenerKey_++;
}

void Calculator::removeRecalculationListener(int key) {
    std::erase_if(listeners_, [key](const auto& entry) { return entry.first == key; });
}

void Calculator::recalculationStarts(const char* recalculation) const {
    notify(observer_, recalculation);
    for (const auto& [key, listener] : listeners_) {
        notify(listener, recalculation);
    }
}

std::vector<Slider*> Calculator::sliders() {
    std::vector<Slider*> all = mixing.sliders();
    const auto coolingSliders = cooling.sliders();
    const auto heatingSliders = heating.sliders();
    all.insert(all.end(), coolingSliders.begin(), coolingSliders.end());
    all.insert(all.end(), heatingSliders.begin(), heatingSliders.end());
    return all;
}

std::vector<Label*> Calculator::valueLabels() {
    std::vector<Label*> all = mixing.labels();
    const auto coolingLabels = cooling.labels();
    const auto heatingLabels = heating.labels();
    all.insert(all.end(), coolingLabels.begin(), coolingLabels.end());
    all.insert(all.end(), heatingLabels.begin(), heatingLabels.end());
    return all;
}

Slider* Calculator::findSlider(std::string_view name) {
    for (Slider* slider : sliders()) {
        if (slider->name() == name) {
            return slider;
        }
    }
    return nullptr;
}

Label* Calculator::findLabel(std::string_view name) {
    for (Label* label : valueLabels()) {
        if (label->name() == name) {
            return label;
        }
    }
    return nullptr;
}

}  // namespace plenova
