// Kelvaro Plenova: start-up and shut-down.
#include <QApplication>
#include <QIcon>
#include <QTimer>

#include "core/fpenv.h"
#include "ui/identity.h"
#include "ui/program.h"
#include "ui/screenshots.h"
#include "ui/startup_probe.h"

int main(int argc, char** argv) {
    // Before anything is computed: the dew-point placeholders rest on the invalid-operation
    // error of this environment.
    plenova::setArithmeticEnvironment();

    // Pixels are design pixels at 96 dpi; the window is not rescaled for other densities.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(plenova::kApplicationTitle));
    QApplication::setApplicationVersion(QString::fromLatin1(plenova::kApplicationVersion));
    // The desktop entry names the installed icon; the window's own icon is compiled in, since
    // a search of the desktop's icon theme costs a fifth of the start-up.
    QApplication::setDesktopFileName(QStringLiteral("com.kelvaro.Plenova"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/com.kelvaro.Plenova.png")));

    plenova::PlenovaProgram program;
    if (plenova::startupProbeRequested()) {
        plenova::reportFirstPaintAndQuit(program.Plenova);
    }
    program.show();

    const QString screenshots = plenova::screenshotFolder();
    if (!screenshots.isEmpty()) {
        QTimer::singleShot(0, &app, [&] {
            QApplication::exit(plenova::saveScreenshots(program, screenshots) ? 0 : 1);
        });
    }
    // Ends when the main window closes; nothing is saved.
    return QApplication::exec();
}
