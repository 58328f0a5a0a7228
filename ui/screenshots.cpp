#include "ui/screenshots.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>

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
    return saved;
}

}  // namespace plenova
