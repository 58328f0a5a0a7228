#include "ui/value_label.h"

#include <QEvent>
#include <QFontMetrics>

namespace plenova {

namespace {
constexpr int kSmallestPixelSize = 6;
}  // namespace

ValueLabel::ValueLabel(Label& model, const QFont& font, QWidget* parent)
    : QLabel(parent), model_(model), designFont_(font) {
    setObjectName(QString::fromStdString(model.name()));
    setFont(font);
    setTextFormat(Qt::PlainText);
    showText(model.text());
    model_.setView([this](const std::string& text) { showText(text); });
}

ValueLabel::~ValueLabel() {
    model_.setView({});
}

bool ValueLabel::event(QEvent* event) {
    const bool handled = QLabel::event(event);
    if (event->type() == QEvent::Polish) {
        adjustSize();
    }
    return handled;
}

void ValueLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    QLabel::mouseDoubleClickEvent(event);
    Q_EMIT doubleClicked();
}

void ValueLabel::setRoom(int pixels) {
    room_ = pixels;
    showText(model_.text());
}

void ValueLabel::showText(const std::string& text) {
    const QString shown = QString::fromStdString(text);
    QFont font = designFont_;
    if (room_ > 0) {
        while (font.pixelSize() > kSmallestPixelSize &&
               QFontMetrics(font).horizontalAdvance(shown) > room_) {
            font.setPixelSize(font.pixelSize() - 1);
        }
    }
    if (font != this->font()) {
        setFont(font);
    }
    setText(shown);
    // Outside a layout a label keeps its old size; the top-left corner stays where it is.
    if (testAttribute(Qt::WA_WState_Polished)) {
        adjustSize();
    }
}

}  // namespace plenova
