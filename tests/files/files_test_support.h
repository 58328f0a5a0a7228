// Shared by the file tests: a folder of their own, files written into it, and the full state
// of a calculator (what it shows and what its readings file would keep).
#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "calculator_state.h"
#include "modules/readings.h"
#include "modules/readings_json.h"

namespace plenova::testing {

inline QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        return {};
    }
    return path;
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The visible texts and positions, and the readings text with the kept states.
struct FullState {
    std::map<std::string, std::string> visible;
    std::string readings;
    bool operator==(const FullState&) const = default;
};

inline FullState fullState(Calculator& calc) {
    return {visibleState(calc), readingsToJson(calc, captureReadings(calc))};
}

// A session away from the start on every page, with kept states of its own.
inline void moveAwayFromStart(Calculator& calc, int shift) {
    calc.altitude.ScrollBarHeatMetersAltitude.setPosition(300 + shift);
    calc.mixing.ScrollBarMApercent.setPosition(30 + shift);
    calc.cooling.Button1Click();
    calc.heating.Button2Click();
    calc.cooling.SAdbScrollBar.setPosition(100 + shift);  // the reheat duties go stale
    calc.EditQRtitle.setText("AHU " + std::to_string(shift));
    calc.PageControlChange();
}

}  // namespace plenova::testing
