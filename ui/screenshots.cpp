#include "ui/screenshots.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>

#include "ui/chart/chart_window.h"
#include "ui/program.h"

namespace plenova {

QString screenshotFolder() {
    return QString::fromLocal8Bit(qgetenv("PLENOVA_SCREENSHOT_DIR"));
}

bool saveScreenshots(PlenovaProgram& program, const QString& folder) {
    if (!QDir().mkpath(folder)) {
        return false;
    }
    const QDir dir(folder);
    bool saved = true;
    QTabWidget* pages = program.Plenova.pageControl();
    const int start = pages->currentIndex();
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);  // as the user would: each change runs the report fill
        QCoreApplication::processEvents();
        const QString name =
            QStringLiteral("page-%1-%2.png").arg(i + 1).arg(pages->tabText(i).toLower());
        saved = program.Plenova.grab().save(dir.filePath(name)) && saved;
    }
    pages->setCurrentIndex(start);

    TKelvaroForm& about = program.aboutBox();
    about.show();  // not modally: nobody is there to close it
    QCoreApplication::processEvents();
    saved = about.grab().save(dir.filePath(QStringLiteral("about.png"))) && saved;
    about.hide();

    // The chart at the state the pages hold, then at a humid mix: saturated return air at
    // 10 °C and saturated outdoor air at 40 °C, half and half, which supersaturates.
    program.Plenova.ChartClick();
    ChartWindow* chart = program.Plenova.chartWindow();
    QCoreApplication::processEvents();
    saved = chart->grab().save(dir.filePath(QStringLiteral("chart.png"))) && saved;
    Mixing& mixing = program.calc.mixing;
    mixing.ScrollBarMARAwb.setPosition(200);
    mixing.ScrollBarMARAdb.setPosition(200);
    mixing.ScrollBarMAOAdb.setPosition(500);
    mixing.ScrollBarMAOAwb.setPosition(500);
    mixing.ScrollBarMApercent.setPosition(50);
    QCoreApplication::processEvents();
    saved = chart->grab().save(dir.filePath(QStringLiteral("chart-humid-mixing.png"))) && saved;
    chart->close();
    return saved;
}

}  // namespace plenova
