// A push button that keeps a desktop program's keyboard conventions outside a dialog: Enter
// and Return press it, as Space does, and the arrow keys leave the focus where it is (a plain
// button hands it on, and the next arrow would move a slider).
#pragma once

#include <QPushButton>

namespace plenova {

class KeyPushButton : public QPushButton {
    Q_OBJECT
  public:
    using QPushButton::QPushButton;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace plenova
