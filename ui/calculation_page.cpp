#include "ui/calculation_page.h"

#include <QLabel>
#include <QPushButton>
#include <stdexcept>

#include "modules/calculator.h"
#include "ui/design_group_box.h"
#include "ui/slider_bar.h"
#include "ui/value_label.h"
#include "ui/white_panel.h"

namespace plenova {

namespace {

const QColor kGreyText(128, 128, 128);

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
            new QPushButton(QString::fromLatin1(design.caption), groupBox(design.groupBox));
        button->setObjectName(QString::fromLatin1(design.name));
        button->setFont(arial8());
        button->setGeometry(design.x, design.y, design.width, design.height);
        buttons_[design.name] = button;
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
