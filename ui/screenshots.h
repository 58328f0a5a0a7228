// A developer's aid, not a feature: with PLENOVA_SCREENSHOT_DIR set, the program saves a
// picture of each page and of the About box into that folder after start-up, and quits.
#pragma once

#include <QString>

namespace plenova {

class PlenovaProgram;

// The folder named by PLENOVA_SCREENSHOT_DIR, or an empty string.
QString screenshotFolder();

// Saves page-1-mixing.png ... page-5-instructions.png, about.png, and the chart at the start
// state and at a humid mix (chart.png, chart-humid-mixing.png); returns whether all saved.
bool saveScreenshots(PlenovaProgram& program, const QString& folder);

}  // namespace plenova
