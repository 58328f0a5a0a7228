// A developer's aid, not a feature: PLENOVA_STARTUP_PROBE holds the moment the program was
// launched, in microseconds since the epoch (in bash: ${EPOCHREALTIME//[!0-9]/}). The program
// then writes the microseconds from that moment to the end of its main window's first painting
// on standard output, and quits. bench/measure-window times the start-up with it, and
// bench/measure-startup the program and the bare window it is compared with.
#pragma once

class QWidget;

namespace plenova {

// Whether PLENOVA_STARTUP_PROBE holds a launch time.
bool startupProbeRequested();

// Once window has been painted for the first time: writes the elapsed microseconds and quits.
void reportFirstPaintAndQuit(QWidget& window);

}  // namespace plenova
