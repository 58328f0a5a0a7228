#include "modules/controls.h"

#include <algorithm>

namespace plenova {

Slider::Slider(std::string name, int min, int max, int position, int smallStep, int largeStep)
    : name_(std::move(name)),
      min_(min),
      max_(max),
      position_(std::clamp(position, min, max)),
      smallStep_(smallStep),
      largeStep_(largeStep) {}

void Slider::setPosition(long long requested) {
    const int clamped = static_cast<int>(std::clamp<long long>(requested, min_, max_));
    if (clamped == position_) {
        return;
    }
    position_ = clamped;
    if (view_) {
        view_(position_);
    }
    if (onChange_) {
        onChange_();
    }
}

void Slider::place(int position) {
    position_ = std::clamp(position, min_, max_);
    if (view_) {
        view_(position_);
    }
}

Label::Label(std::string name, std::string text) : name_(std::move(name)), text_(std::move(text)) {}

void Label::setText(std::string text) {
    text_ = std::move(text);
    if (view_) {
        view_(text_);
    }
}

TextBox::TextBox(std::string name, std::string text)
    : name_(std::move(name)), text_(std::move(text)) {}

void TextBox::setText(std::string text) {
    if (text == text_) {
        return;
    }
    text_ = std::move(text);
    if (view_) {
        view_(text_);
    }
    if (onChange_) {
        onChange_();
    }
}

}  // namespace plenova
