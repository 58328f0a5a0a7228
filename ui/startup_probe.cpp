#include "ui/startup_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace plenova {

namespace {

long long launchMicroseconds() {
    bool isNumber = false;
    const long long launch = qEnvironmentVariable("PLENOVA_STARTUP_PROBE").toLongLong(&isNumber);
    return isNumber ? launch : 0;
}

// Sees the window's first paint event. The painting of the whole window runs within the
// delivery of its first paint event; a zero timer fires once that is over.
class FirstPaint : public QObject {
  public:
    explicit FirstPaint(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [] {
                using namespace std::chrono;
                const auto now =
                    duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
                std::printf("%lld\n", static_cast<long long>(now) - launchMicroseconds());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }
};

}  // namespace

bool startupProbeRequested() {
    return launchMicroseconds() > 0;
}

void reportFirstPaintAndQuit(QWidget& window) {
    new FirstPaint(window);
}

}  // namespace plenova
