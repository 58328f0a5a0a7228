// The scroll bar that stands for a model Slider on a page. The model holds the truth: the bar
// mirrors the model's position (with its own signals blocked, so nothing echoes back), and
// every position the user asks for (arrows, trough clicks, Page Up/Down, Home/End, a drag)
// goes through the model's setter, so clamping, "no change, no handler" and the synchronous
// handler hold for the user exactly as they do for code.
#pragma once

#include <QScrollBar>

#include "modules/controls.h"

namespace plenova {

class SliderBar : public QScrollBar {
    Q_OBJECT
  public:
    // Takes range, steps and position from the model, and starts mirroring it. User input is
    // not passed on before acceptUserInput().
    SliderBar(Slider& model, QWidget* parent);
    ~SliderBar() override;

    Slider& model() const { return model_; }

    // Connects the bar's user input to the model's setter; called once every start position
    // is in place, so that setting up the bar runs no handler.
    void acceptUserInput();

  Q_SIGNALS:
    // Enter or F2: the user wants to type a reading.
    void editRequested();

  protected:
    // The keys of a horizontal slider, whatever the toolkit's key direction: Left/Up and Page Up
    // step down, Right/Down and Page Down step up, Home and End go to the ends.
    void keyPressEvent(QKeyEvent* event) override;
    // A focused bar is framed in the highlight colour: the arrow keys act on it.
    void paintEvent(QPaintEvent* event) override;
    // A thumb of the style's standard length, whatever the range: the large step is a step,
    // not a page size.
    void initStyleOption(QStyleOptionSlider* option) const override;

  private:
    void userMovedTo(int position);
    void mirror(int position);

    Slider& model_;
};

}  // namespace plenova
