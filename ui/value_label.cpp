#include "ui/value_label.h"

#include <QEvent>

namespace plenova {

ValueLabel::ValueLabel(Label& model, const QFont& font, QWidget* parent)
    : QLabel(parent), model_(model) {
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

void ValueLabel::showText(const std::string& text) {
    setText(QString::fromStdString(text));
    // Outside a layout a label keeps its old size; the top-left corner stays where it is.
    if (testAttribute(Qt::WA_WState_Polished)) {
        adjustSize();
    }
}

}  // namespace plenova
