// A group box drawn the way the pages were designed: an etched frame whose top line runs
// through the middle of the caption, the caption at the box's left, and the contents placed
// by pixel from the box's top-left corner (so the frame must not take room from them).
#pragma once

#include <QGroupBox>

namespace plenova {

class DesignGroupBox : public QGroupBox {
    Q_OBJECT
  public:
    using QGroupBox::QGroupBox;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace plenova
