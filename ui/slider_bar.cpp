#include "ui/slider_bar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QSignalBlocker>
#include <QStyleOptionSlider>

#include "ui/handler_boundary.h"

namespace plenova {

namespace {

// Some platform styles make a click in the trough jump to the click; a slider's trough click
// is a large step, whatever the platform.
class TroughClickSteps : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ScrollBar_LeftClickAbsolutePosition) {
            return 0;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QStyle* sliderBarStyle() {
    static QPointer<QStyle> style;
    if (style.isNull()) {
        style = new TroughClickSteps;  // on top of the application's style
        style->setParent(qApp);
    }
    return style;
}

}  // namespace

SliderBar::SliderBar(Slider& model, QWidget* parent)
    : QScrollBar(Qt::Horizontal, parent), model_(model) {
    setObjectName(QString::fromStdString(model.name()));
    // Nothing is connected yet, and the range comes before the position.
    setRange(model.min(), model.max());
    setSingleStep(model.smallStep());
    setPageStep(model.largeStep());
    setValue(model.position());
    setTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setStyle(sliderBarStyle());
    model_.setView([this](int position) { mirror(position); });
}

SliderBar::~SliderBar() {
    model_.setView({});
}

void SliderBar::acceptUserInput() {
    connect(this, &QAbstractSlider::valueChanged, this, &SliderBar::userMovedTo);
}

void SliderBar::keyPressEvent(QKeyEvent* event) {
    SliderAction action = SliderNoAction;
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            action = SliderSingleStepSub;
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            action = SliderSingleStepAdd;
            break;
        case Qt::Key_PageUp:
            action = SliderPageStepSub;
            break;
        case Qt::Key_PageDown:
            action = SliderPageStepAdd;
            break;
        case Qt::Key_Home:
            action = SliderToMinimum;
            break;
        case Qt::Key_End:
            action = SliderToMaximum;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_F2:
            event->accept();
            Q_EMIT editRequested();
            return;
        default:
            QScrollBar::keyPressEvent(event);
            return;
    }
    event->accept();
    triggerAction(action);
}

void SliderBar::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void SliderBar::initStyleOption(QStyleOptionSlider* option) const {
    QScrollBar::initStyleOption(option);
    option->pageStep = 0;
}

void SliderBar::userMovedTo(int position) {
    // The bar already shows the target, which is inside the model's range; the model decides
    // whether it is a change and runs the handler.
    runHandler(
        this, [&] { model_.setPosition(position); },
        // An arrow or the trough held down would go on stepping while the error box is open, and
        // the button's release goes to the box: the press ends here.
        [this] {
            setRepeatAction(SliderNoAction);
            setSliderDown(false);
        });
}

void SliderBar::mirror(int position) {
    const QSignalBlocker quiet(this);
    setValue(position);
}

}  // namespace plenova
