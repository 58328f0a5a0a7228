#include "ui/calculation_page.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <stdexcept>

#include "modules/calculator.h"
#include "ui/design_group_box.h"
#include "ui/key_push_button.h"
#include "ui/reading_editor.h"
#include "ui/slider_bar.h"
#include "ui/value_label.h"
#include "ui/white_panel.h"

namespace plenova {

namespace {

const QColor kGreyText(128, 128, 128);
// A value keeps this far from whatever stands after it on its line, or from the box's frame.
constexpr int kGap = 3;
constexpr int kBoxFrame = 2;

// The layout tables name model controls; a name without a model is a mistake in a table.
template <typename Control>
Control& require(Control* control, const char* name) {
    if (control == nullptr) {
        throw std::logic_error(std::string("no model control named ") + name);
    }
    return *control;
}

}  // namespace

CalculationPage::CalculationPage(const PageLayout& layout, Calculator& calc, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QString::fromLatin1(layout.tabSheet));
    createPanel(layout);
    createGroupBoxes(layout);
    createCaptions(layout);
    createValueLabels(layout, calc);
    createSliders(layout, calc);
    createButtons(layout);
    setFocusOrder(layout);
    limitValueLabels();
    createReadingEditors(calc);
}

QPushButton* CalculationPage::button(const std::string& name) const {
    const auto found = buttons_.find(name);
    return found == buttons_.end() ? nullptr : found->second;
}

void CalculationPage::acceptUserInput() {
    for (SliderBar* slider : sliders_) {
        slider->acceptUserInput();
    }
}

void CalculationPage::createPanel(const PageLayout& layout) {
    panel_ = new WhitePanel(this);
    panel_->setObjectName(QString::fromLatin1(layout.panel));
    panel_->setGeometry(0, 0, kPanelWidth, kPanelHeight);
}

void CalculationPage::createGroupBoxes(const PageLayout& layout) {
    for (const GroupBoxDesign& design : layout.groupBoxes) {
        auto* box = new DesignGroupBox(QString::fromLatin1(design.caption), panel_);
        box->setObjectName(QString::fromLatin1(design.name));
        box->setGeometry(design.x, design.y, design.width, design.height);
        const bool greyed = design.look == GroupBoxDesign::Look::Greyed;
        box->setFont(arial8(greyed ? Weight::Regular : Weight::Bold));
        if (greyed) {
            // The caption and everything inside it.
            QPalette palette = box->palette();
            palette.setColor(QPalette::WindowText, kGreyText);
            palette.setColor(QPalette::Text, kGreyText);
            box->setPalette(palette);
        }
        groupBoxes_[design.name] = box;
    }
}

void CalculationPage::createCaptions(const PageLayout& layout) {
    for (const CaptionDesign& design : layout.captions) {
        auto* caption = new QLabel(QString::fromLatin1(design.text), groupBox(design.groupBox));
        caption->setTextFormat(Qt::PlainText);
        caption->setFont(design.face == CaptionDesign::Face::MsSansSerif ? msSansSerif8()
                                                                         : arial8());
        caption->move(design.x, design.y);
        caption->adjustSize();
    }
}

void CalculationPage::createValueLabels(const PageLayout& layout, Calculator& calc) {
    for (const ValueLabelDesign& design : layout.valueLabels) {
        Label& model = require(calc.findLabel(design.name), design.name);
        auto* label = new ValueLabel(model, arial8(design.weight), groupBox(design.groupBox));
        label->move(design.x, design.y);
    }
}

void CalculationPage::createSliders(const PageLayout& layout, Calculator& calc) {
    for (const SliderDesign& design : layout.sliders) {
        Slider& model = require(calc.findSlider(design.name), design.name);
        auto* slider = new SliderBar(model, groupBox(design.groupBox));
        slider->setGeometry(design.x, design.y, design.width, kSliderHeight);
        sliders_.push_back(slider);
    }
}

void CalculationPage::createButtons(const PageLayout& layout) {
    for (const ButtonDesign& design : layout.buttons) {
        auto* button =
            new KeyPushButton(QString::fromLatin1(design.caption), groupBox(design.groupBox));
        button->setObjectName(QString::fromLatin1(design.name));
        button->setFont(arial8());
        button->setGeometry(design.x, design.y, design.width, design.height);
        buttons_[design.name] = button;
    }
}

void CalculationPage::limitValueLabels() {
    for (ValueLabel* label : findChildren<ValueLabel*>()) {
        const QWidget* box = label->parentWidget();
        const int top = label->y();
        const int bottom = top + label->fontMetrics().height();
        int right = box->width() - kBoxFrame;
        for (const QObject* object : box->children()) {
            const auto* other = qobject_cast<const QWidget*>(object);
            if (other == nullptr || other == label || other->isHidden()) {
                continue;
            }
            const QRect area = other->geometry();
            if (area.left() > label->x() && area.top() < bottom && area.bottom() >= top) {
                right = std::min(right, area.left() - kGap);
            }
        }
        label->setRoom(right - label->x());
    }
}

void CalculationPage::createReadingEditors(const Calculator& calc) {
    for (SliderBar* slider : sliders_) {
        const SliderReading* reading = sliderReading(slider->model().name());
        const char* labelName = require(reading, slider->model().name().c_str()).valueLabel;
        ValueLabel& label =
            require(findChild<ValueLabel*>(QString::fromLatin1(labelName)), labelName);
        // Each editor is made when it is first opened: eighteen editors and their message
        // boxes made at start-up would cost it about 2 million instructions for nothing.
        const auto open = [this, slider, &label, &calc] {
            auto* editor =
                findChild<ReadingEditor*>(slider->objectName() + QStringLiteral("Editor"));
            if (editor == nullptr) {
                editor = new ReadingEditor(*slider, label, calc, this);
            }
            editor->open();
        };
        connect(slider, &SliderBar::editRequested, this, open);
        connect(&label, &ValueLabel::doubleClicked, this, open);
    }
}

void CalculationPage::setFocusOrder(const PageLayout& layout) {
    // The sliders in table order; an import button right after the last slider of its box.
    std::vector<QWidget*> order;
    for (std::size_t i = 0; i < layout.sliders.size(); ++i) {
        order.push_back(sliders_[i]);
        const std::string box = layout.sliders[i].groupBox;
        const bool lastOfBox =
            i + 1 == layout.sliders.size() || box != layout.sliders[i + 1].groupBox;
        if (!lastOfBox) {
            continue;
        }
        for (const ButtonDesign& design : layout.buttons) {
            if (box == design.groupBox) {
                order.push_back(button(design.name));
            }
        }
    }
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

QGroupBox* CalculationPage::groupBox(const char* name) const {
    const auto found = groupBoxes_.find(name);
    if (found == groupBoxes_.end()) {
        throw std::logic_error(std::string("no group box named ") + name);
    }
    return found->second;
}

}  // namespace plenova
