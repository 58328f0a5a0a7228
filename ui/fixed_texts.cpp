#include "ui/fixed_texts.h"

namespace plenova {

QStringList instructionLines() {
    // Lines 3, 6 and 7 end in a blank and the last line is a single blank: each stood at the
    // end of a screen line of the original layout.
    return {
        QStringLiteral("PLENOVA.EXE"),
        QString(),
        QStringLiteral("Ian Drew of Kelvaro Ltd wrote Plenova as a trouble-shooting tool. "
                       "The application allows for fast, simple but "),
        QStringLiteral("approximate AHU systems performance analysis."),
        QString(),
        QStringLiteral("The three modules namely Mixing, Cooling and Heating work independently. "
                       "Values are not automatically "),
        QStringLiteral("transferred from one module to the next with the exception of altitude. "
                       "However, if the \"Import Results\" buttons "),
        QStringLiteral("are used then a continuous process can be APPROXIMATED."),
        QString(),
        QString(),
        QStringLiteral("Tools Required:"),
        QStringLiteral("1) Anemometer (Velocity Meter)."),
        QStringLiteral("2) Tape Measure."),
        QStringLiteral("3) Sling Psychrometer or Thermo-Hygrometer."),
        QStringLiteral("4) A basic understanding of Psychrometrics."),
        QStringLiteral(" "),
    };
}

QStringList aboutLines() {
    return {
        QString(),
        QString(),
        QString(),
        QStringLiteral("Kelvaro Ltd"),
        QString(),
        QStringLiteral("plenova.exe Version 3 (SI)"),
        QStringLiteral("Plenova"),
        QString(),
        QStringLiteral("Ian Drew, Kelvaro Ltd"),
        QStringLiteral("Unit 4, Foundry Yard, Dunmarsh"),
        QStringLiteral("Tel: 01632 960418"),
        QStringLiteral("Fax: 01632 960419"),
        QStringLiteral("E-mail: support@kelvaro.example"),
        QStringLiteral(" "),
    };
}

}  // namespace plenova
