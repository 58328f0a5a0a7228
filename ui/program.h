// The program's two windows and its models, built in start-up order: the echo separator from
// the user's regional settings, the main window with every control at its design values (no
// handler runs), the start-up computation, then the About box, hidden. The arithmetic
// environment and the application object come first, in main().
#pragma once

#include <QLocale>
#include <memory>

#include "modules/calculator.h"
#include "ui/kelvaro_form.h"
#include "ui/plenova_window.h"

namespace plenova {

class PlenovaProgram {
  public:
    PlenovaProgram();

    // Shows the main window centred on the desktop, the "Mixing" page active.
    void show();

    TKelvaroForm& aboutBox() { return *KelvaroForm; }

    Calculator calc;
    TPlenova Plenova;

  private:
    std::unique_ptr<TKelvaroForm> KelvaroForm;  // a child of Plenova, deleted before it
};

// The decimal separator of the echo format: the locale's, where it is a single ASCII character
// (the echo format writes bytes), else a full stop.
char echoDecimalSeparator(const QLocale& locale);

}  // namespace plenova
