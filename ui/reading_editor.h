// The one-line editor that opens in place of a slider's value label, for a reading typed
// off an instrument instead of a slider moved to it. Enter applies, Escape cancels, Tab
// applies and moves on; losing the focus applies a changed text and drops a bad one. A
// reading goes through the slider model's setter, as any move does.
#pragma once

#include <QLineEdit>

#include "modules/typed_reading.h"

class QLabel;

namespace plenova {

class Calculator;
class SliderBar;
class ValueLabel;

class ReadingEditor : public QLineEdit {
    Q_OBJECT
  public:
    // `messageArea` holds the message for a bad reading: a widget large enough to show it
    // below the editor wherever the label stands (the page).
    ReadingEditor(SliderBar& slider, ValueLabel& label, const Calculator& calc,
                  QWidget* messageArea);

    // Shows the slider's current reading over the label, selected, with the focus.
    void open();
    bool isOpen() const { return open_; }
    // What the editor says about the last bad reading; empty while there is none.
    QString message() const;

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    enum class Then { BackToSlider, NextStop, PreviousStop, LeaveFocus };

    // Applies the text when it is a reading and closes; else shows why and stays open.
    void commit(Then then);
    void close(Then then);
    void showProblem(ReadingProblem problem);
    void placeOverLabel();

    SliderBar& slider_;
    ValueLabel& label_;
    const Calculator& calc_;
    QLabel* message_;
    QString opened_;  // the text as the editor opened
    bool open_ = false;
};

}  // namespace plenova
