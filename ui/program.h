// The program's two windows and its models, built in start-up order: the echo separator from
// the user's regional settings, the main window with every control at its design values (no
// handler runs), then the start-up computation. The About box, hidden until shown, is made
// when it is first needed. The arithmetic environment and the application object come first,
// in main().
#pragma once

#include <QLocale>

#include "modules/calculator.h"
#include "ui/kelvaro_form.h"
#include "ui/plenova_window.h"

namespace plenova {

class PlenovaProgram {
  public:
    PlenovaProgram();

    // Shows the main window centred on the desktop, the "Mixing" page active.
    void show();

    // Made on first need, hidden, as a child of the main window.
    TKelvaroForm& aboutBox() { return Plenova.aboutBox(); }

    Calculator calc;
    TPlenova Plenova;
};

// The decimal separator of the echo format: the locale's, where it is a single ASCII character
// (the echo format writes bytes), else a full stop.
char echoDecimalSeparator(const QLocale& locale);

}  // namespace plenova
