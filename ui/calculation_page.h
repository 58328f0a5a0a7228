// One calculation page (Mixing, Cooling or Heating) built from its layout table: the white
// panel, the group boxes, the static captions, the value labels, the sliders and the import
// button, each bound to the model control of the same name.
#pragma once

#include <QWidget>
#include <map>
#include <string>
#include <vector>

#include "ui/page_layout.h"

class QGroupBox;
class QPushButton;

namespace plenova {

class Calculator;
class SliderBar;
class ValueLabel;

class CalculationPage : public QWidget {
    Q_OBJECT
  public:
    CalculationPage(const PageLayout& layout, Calculator& calc, QWidget* parent = nullptr);

    const std::vector<SliderBar*>& sliders() const { return sliders_; }
    QPushButton* button(const std::string& name) const;

    // Passes the sliders' user input on to their models; every start position is in place.
    void acceptUserInput();

  private:
    void createPanel(const PageLayout& layout);
    void createGroupBoxes(const PageLayout& layout);
    void createCaptions(const PageLayout& layout);
    void createValueLabels(const PageLayout& layout, Calculator& calc);
    void createSliders(const PageLayout& layout, Calculator& calc);
    void createButtons(const PageLayout& layout);
    void setFocusOrder(const PageLayout& layout);
    // Tells each value label how wide it may be before it meets the next thing on its line.
    void limitValueLabels();
    // A typed-reading editor for every slider, over the label that shows its value.
    void createReadingEditors(const Calculator& calc);

    QGroupBox* groupBox(const char* name) const;

    QWidget* panel_ = nullptr;
    std::map<std::string, QGroupBox*> groupBoxes_;
    std::vector<SliderBar*> sliders_;
    std::map<std::string, QPushButton*> buttons_;
};

}  // namespace plenova
