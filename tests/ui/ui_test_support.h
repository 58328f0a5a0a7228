// Shared by the window tests: a watchdog for modal windows, the program under test, and a
// fixture that starts the program for every test function.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>

#include "core/fpenv.h"
#include "ui/program.h"
#include "ui/slider_bar.h"
#include "ui/value_label.h"

namespace plenova::test {

// Any modal window blocks an offscreen test. Every few milliseconds the watchdog looks for one:
// a window the test announced with expectModal() is handed to the test's inspector and then
// closed; any other is closed and recorded, and failures() makes the test fail.
class ModalWatchdog : public QObject {
  public:
    ModalWatchdog() {
        timer_.setInterval(10);
        connect(&timer_, &QTimer::timeout, this, &ModalWatchdog::look);
        timer_.start();
    }

    void expectModal(std::function<void(QWidget*)> inspect) {
        expected_.push_back(std::move(inspect));
    }
    int pendingExpectations() const { return static_cast<int>(expected_.size()); }
    const QStringList& unexpected() const { return unexpected_; }

  private:
    void look() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        if (expected_.empty()) {
            unexpected_ << modal->windowTitle();
        } else {
            auto inspect = std::move(expected_.front());
            expected_.pop_front();
            inspect(modal);
        }
        dismiss(modal);
    }

    static void dismiss(QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
                ok->click();
                return;
            }
        }
        modal->close();
    }

    QTimer timer_;
    std::deque<std::function<void(QWidget*)>> expected_;
    QStringList unexpected_;
};

// What a modal window showed while it was open.
struct SeenModal {
    bool seen = false;
    QString className;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QRect frame;
    bool modal = false;
    bool visible = false;
};

inline std::function<void(QWidget*)> record(SeenModal& seen) {
    return [&seen](QWidget* window) {
        seen.seen = true;
        seen.className = QString::fromLatin1(window->metaObject()->className());
        seen.title = window->windowTitle();
        seen.frame = window->frameGeometry();
        seen.modal = window->isModal();
        seen.visible = window->isVisible();
        if (auto* box = qobject_cast<QMessageBox*>(window)) {
            seen.text = box->text();
            seen.icon = box->icon();
            seen.buttons = box->standardButtons();
        }
    };
}

// Waits, with the event loop running, until every announced modal window has come and gone.
inline bool waitForExpectedModals(const ModalWatchdog& watchdog, int timeoutMs = 5000) {
    return QTest::qWaitFor([&] { return watchdog.pendingExpectations() == 0; }, timeoutMs);
}

inline SliderBar* sliderBar(PlenovaProgram& program, const char* name) {
    return program.Plenova.findChild<SliderBar*>(QString::fromLatin1(name));
}

// Where a part of a horizontal scroll bar lies (empty where the part has no room, as the trough
// beyond a thumb at its end).
inline QRect partOf(QScrollBar* bar, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = 0;  // the bar draws a thumb of standard length
    option.subControls = QStyle::SC_All;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
}

// Where on a horizontal scroll bar a click lands on a given part.
inline QPoint pointOn(QScrollBar* bar, QStyle::SubControl part) {
    return partOf(bar, part).center();
}

inline std::unique_ptr<PlenovaProgram> startProgram() {
    setArithmeticEnvironment();
    return std::make_unique<PlenovaProgram>();
}

// Shows the main window and waits until it has the keyboard (shortcuts belong to the active
// window).
inline bool showActive(PlenovaProgram& program) {
    program.show();
    program.Plenova.activateWindow();
    return QTest::qWaitForWindowActive(&program.Plenova);
}

// The base of the window tests: a fresh program behind a fresh watchdog for every test
// function, and a failure for any modal window the test did not announce. QTest runs these
// inherited init() and cleanup() slots around each test function; a test class that needs
// more set-up declares its own and calls them.
class ProgramTest : public QObject {
    Q_OBJECT

  public:
    enum class Start { Shown, Hidden };  // Hidden: the test shows the window itself

  protected:
    explicit ProgramTest(Start start = Start::Shown) : start_(start) {}

    template <typename W>
    W* find(const QString& name) {
        return program->Plenova.findChild<W*>(name);
    }

    // A value label's text as the window shows it.
    QString screenText(const char* label) {
        return find<ValueLabel>(QString::fromLatin1(label))->text();
    }

    // Makes a page current and gives one of its scroll bars the keyboard focus.
    SliderBar* focusedBar(const char* name, int page) {
        program->Plenova.pageControl()->setCurrentIndex(page);
        SliderBar* bar = sliderBar(*program, name);
        bar->setFocus(Qt::TabFocusReason);
        return bar;
    }

    std::unique_ptr<ModalWatchdog> watchdog;
    std::unique_ptr<PlenovaProgram> program;

  protected Q_SLOTS:
    void init() {
        watchdog = std::make_unique<ModalWatchdog>();
        program = startProgram();
        if (start_ == Start::Shown) {
            QVERIFY(showActive(*program));
        }
    }
    void cleanup() {
        program.reset();
        QVERIFY2(watchdog->unexpected().isEmpty(), qPrintable(watchdog->unexpected().join(", ")));
        watchdog.reset();
    }

  private:
    Start start_;
};

}  // namespace plenova::test
