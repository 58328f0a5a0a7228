#include "ui/program.h"

#include <QGuiApplication>
#include <QScreen>

namespace plenova {

PlenovaProgram::PlenovaProgram() : Plenova(calc) {
    calc.setDecimalSeparator(echoDecimalSeparator(QLocale::system()));
    Plenova.FormCreate();
}

void PlenovaProgram::show() {
    Plenova.adjustSize();
    // The platform window first, so that its frame is known where the platform knows it early.
    Plenova.winId();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = Plenova.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        Plenova.move(frame.topLeft());
    }
    Plenova.show();
}

char echoDecimalSeparator(const QLocale& locale) {
    const QString point = locale.decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() > 0x20 && point.at(0).unicode() < 0x7F) {
        return static_cast<char>(point.at(0).unicode());
    }
    return '.';
}

}  // namespace plenova
