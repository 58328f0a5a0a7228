// The label that shows a model Label's text on a page. It sizes itself to its text with its
// left edge fixed, as every value label of the calculation pages does: first when the window
// is polished before it shows (so the start-up computation's texts are laid out once, not
// the design texts before them), then at every change of text. A text wider than the room
// before the next thing on its line is drawn in a smaller size of the same font, never cut
// short.
#pragma once

#include <QLabel>
#include <string>

#include "modules/controls.h"

namespace plenova {

class ValueLabel : public QLabel {
    Q_OBJECT
  public:
    ValueLabel(Label& model, const QFont& font, QWidget* parent);
    ~ValueLabel() override;

    // The width the text may take; 0: no limit.
    void setRoom(int pixels);
    int room() const { return room_; }

  Q_SIGNALS:
    void doubleClicked();

  protected:
    bool event(QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    void showText(const std::string& text);

    Label& model_;
    QFont designFont_;
    int room_ = 0;
};

}  // namespace plenova
