// The two fixed texts of the program: the Instructions page and the About box, one paragraph
// a line.
#pragma once

#include <QStringList>

namespace plenova {

QStringList instructionLines();
QStringList aboutLines();

}  // namespace plenova
