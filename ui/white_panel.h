// The borderless white panel that covers a calculation page; its group boxes share its white.
#pragma once

#include <QWidget>

namespace plenova {

class WhitePanel : public QWidget {
    Q_OBJECT
  public:
    using QWidget::QWidget;

  protected:
    // Painted rather than set in the palette, so that the controls on it keep their own colours.
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace plenova
