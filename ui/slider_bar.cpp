#include "ui/slider_bar.h"

#include <QSignalBlocker>
#include <QStyleOptionSlider>

#include "ui/handler_boundary.h"

namespace plenova {

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
    model_.setView([this](int position) { mirror(position); });
}

SliderBar::~SliderBar() {
    model_.setView({});
}

void SliderBar::acceptUserInput() {
    connect(this, &QAbstractSlider::valueChanged, this, &SliderBar::userMovedTo);
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
        // An arrow or the trough held down would go on stepping while the error box is open.
        [this] { setRepeatAction(SliderNoAction); });
}

void SliderBar::mirror(int position) {
    const QSignalBlocker quiet(this);
    setValue(position);
}

}  // namespace plenova
