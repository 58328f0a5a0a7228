#include "ui/reading_editor.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <algorithm>

#include "modules/calculator.h"
#include "ui/handler_boundary.h"
#include "ui/slider_bar.h"
#include "ui/value_label.h"

namespace plenova {

namespace {

constexpr int kMinimumWidth = 96;  // room for "−10.0 °C" or "0.1837 m³/s" and the cursor
constexpr int kExtraWidth = 24;
constexpr int kVerticalPadding = 3;

// The next (or previous) widget that Tab would reach from `from`.
QWidget* focusStopAfter(QWidget* from, bool forward) {
    for (QWidget* w = forward ? from->nextInFocusChain() : from->previousInFocusChain();
         w != nullptr && w != from;
         w = forward ? w->nextInFocusChain() : w->previousInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) != 0 && w->isVisible() && w->isEnabled()) {
            return w;
        }
    }
    return from;
}

}  // namespace

ReadingEditor::ReadingEditor(SliderBar& slider, ValueLabel& label, const Calculator& calc,
                             QWidget* messageArea)
    : QLineEdit(label.parentWidget()),
      slider_(slider),
      label_(label),
      calc_(calc),
      message_(new QLabel(messageArea)) {
    setObjectName(slider.objectName() + QStringLiteral("Editor"));
    setFont(label.font());
    setFocusPolicy(Qt::ClickFocus);  // reached by opening it, never by Tab
    hide();

    message_->setObjectName(objectName() + QStringLiteral("Message"));
    message_->setTextFormat(Qt::PlainText);
    message_->setFont(label.font());
    message_->setAutoFillBackground(true);
    message_->setForegroundRole(QPalette::ToolTipText);
    message_->setBackgroundRole(QPalette::ToolTipBase);
    message_->setFrameShape(QFrame::Box);
    message_->setMargin(2);
    message_->hide();
}

void ReadingEditor::open() {
    if (open_) {
        return;
    }
    open_ = true;
    setText(QString::fromStdString(readingText(slider_.model(), calc_.decimalSeparator())));
    opened_ = text();
    placeOverLabel();
    label_.hide();
    show();
    raise();
    selectAll();
    setFocus(Qt::OtherFocusReason);
}

QString ReadingEditor::message() const {
    return message_->isVisible() ? message_->text() : QString();
}

bool ReadingEditor::event(QEvent* event) {
    // Tab would move the focus before keyPressEvent saw it: apply first.
    if (open_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == 0) {
            if (key->key() == Qt::Key_Backtab ||
                (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier) != 0)) {
                commit(Then::PreviousStop);
                return true;
            }
            if (key->key() == Qt::Key_Tab) {
                commit(Then::NextStop);
                return true;
            }
        }
    }
    return QLineEdit::event(event);
}

void ReadingEditor::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            event->accept();
            commit(Then::BackToSlider);
            return;
        case Qt::Key_Escape:
            event->accept();
            close(Then::BackToSlider);
            return;
        default:
            QLineEdit::keyPressEvent(event);
    }
}

void ReadingEditor::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A context menu or another window taking the keyboard for a while leaves it open.
    if (!open_ || event->reason() == Qt::PopupFocusReason ||
        event->reason() == Qt::ActiveWindowFocusReason) {
        return;
    }
    if (text() == opened_) {
        close(Then::LeaveFocus);
        return;
    }
    const TypedReading reading =
        readTyped(slider_.model(), text().toStdString(), calc_.decimalSeparator());
    close(Then::LeaveFocus);  // a bad reading changes nothing
    if (reading.problem == ReadingProblem::None) {
        runHandler(this, [&] { slider_.model().setPosition(reading.position); });
    }
}

void ReadingEditor::commit(Then then) {
    if (!open_) {
        return;
    }
    const TypedReading reading =
        readTyped(slider_.model(), text().toStdString(), calc_.decimalSeparator());
    if (reading.problem != ReadingProblem::None) {
        showProblem(reading.problem);
        return;
    }
    close(then);
    runHandler(this, [&] { slider_.model().setPosition(reading.position); });
}

void ReadingEditor::close(Then then) {
    // Closed before the focus moves, so that the focus leaving runs nothing more.
    open_ = false;
    message_->hide();
    label_.show();
    QWidget* target = nullptr;
    switch (then) {
        case Then::BackToSlider:
            target = &slider_;
            break;
        case Then::NextStop:
            target = focusStopAfter(&slider_, true);
            break;
        case Then::PreviousStop:
            target = focusStopAfter(&slider_, false);
            break;
        case Then::LeaveFocus:
            break;
    }
    if (target != nullptr) {
        target->setFocus(then == Then::PreviousStop ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    }
    hide();
}

void ReadingEditor::showProblem(ReadingProblem problem) {
    message_->setText(
        QString::fromStdString(problemText(slider_.model(), problem, calc_.decimalSeparator())));
    message_->adjustSize();
    // Below the editor, kept inside the page; above it where the page ends first.
    QWidget* area = message_->parentWidget();
    const QPoint below = mapTo(area, QPoint(0, height() + 1));
    const QPoint above = mapTo(area, QPoint(0, -message_->height() - 1));
    QPoint at = below.y() + message_->height() <= area->height() ? below : above;
    at.setX(std::clamp(at.x(), 0, std::max(0, area->width() - message_->width())));
    message_->move(at);
    message_->show();
    message_->raise();
}

void ReadingEditor::placeOverLabel() {
    const QSize text = label_.sizeHint();
    const int width = std::max(kMinimumWidth, text.width() + kExtraWidth);
    QRect area(label_.pos() - QPoint(2, kVerticalPadding),
               QSize(width, text.height() + 2 * kVerticalPadding));
    // Kept inside the group box: a label near its right edge opens leftwards.
    const QWidget* box = parentWidget();
    if (area.right() >= box->width()) {
        area.moveRight(box->width() - 1);
    }
    setGeometry(area);
}

}  // namespace plenova
