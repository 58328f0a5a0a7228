#include "ui/report/print_page.h"

#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QSignalBlocker>

#include "modules/calculator.h"
#include "ui/handler_boundary.h"
#include "ui/key_push_button.h"
#include "ui/report/report_miniature.h"

namespace plenova {

namespace {

QFont arial8(bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    font.setBold(bold);
    return font;
}

// The page title box. Alt with a letter is a menu's mnemonic or nothing: never text.
class TitleBox : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        const auto modifiers = event->modifiers();
        if ((modifiers & Qt::AltModifier) != 0 && (modifiers & Qt::ControlModifier) == 0) {
            event->ignore();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }
};

QPushButton* pushButton(const QString& caption, const char* name, QRect geometry, QWidget* parent) {
    auto* button = new KeyPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

}  // namespace

PrintPage::PrintPage(Calculator& calc, QWidget* parent)
    : QWidget(parent), calc_(calc), QuickRep_(calc.report, this) {
    setAutoFillBackground(true);
    QPalette buttonFace = palette();
    buttonFace.setColor(QPalette::Window, buttonFace.color(QPalette::Button));
    setPalette(buttonFace);
}

PrintPage::~PrintPage() {
    calc_.EditQRtitle.setView(nullptr);
}

void PrintPage::setVisible(bool visible) {
    if (visible && miniature_ == nullptr) {
        // Made while the page is still hidden, so that they show with it.
        createControls();
        createConnections();
    }
    QWidget::setVisible(visible);
}

void PrintPage::createControls() {
    miniature_ = new ReportMiniature(calc_.report, this);
    miniature_->setObjectName(QStringLiteral("QuickRep"));
    miniature_->move(8, 8);

    pageTitleCaption_ = new QLabel(tr("Page Title"), this);
    pageTitleCaption_->setFont(arial8(true));
    pageTitleCaption_->move(304, 16);
    pageTitleCaption_->adjustSize();

    EditQRtitle_ = new TitleBox(QString::fromStdString(calc_.EditQRtitle.text()), this);
    EditQRtitle_->setObjectName(QStringLiteral("EditQRtitle"));
    EditQRtitle_->setFont(arial8(false));
    QPalette black = EditQRtitle_->palette();
    black.setColor(QPalette::Text, Qt::black);
    EditQRtitle_->setPalette(black);
    EditQRtitle_->setGeometry(304, 32, 233, 22);

    ButtonPreview_ = pushButton(tr("Preview"), "ButtonPreview", {392, 128, 75, 25}, this);
    ButtonPrint_ = pushButton(tr("Print"), "ButtonPrint", {392, 168, 75, 25}, this);

    setTabOrder(EditQRtitle_, ButtonPreview_);
    setTabOrder(ButtonPreview_, ButtonPrint_);
}

void PrintPage::createConnections() {
    // The title box mirrors the model's text; typing goes to the model, whose change handler
    // sets the page title.
    calc_.EditQRtitle.setView([this](const std::string& text) {
        const QString shown = QString::fromStdString(text);
        if (EditQRtitle_->text() != shown) {
            const QSignalBlocker quiet(EditQRtitle_);
            EditQRtitle_->setText(shown);
        }
    });
    connect(EditQRtitle_, &QLineEdit::textChanged, this, &PrintPage::EditQRtitleChange);
    connect(ButtonPreview_, &QPushButton::clicked, this, &PrintPage::ButtonPreviewClick);
    connect(ButtonPrint_, &QPushButton::clicked, this, &PrintPage::ButtonPrintClick);
}

void PrintPage::EditQRtitleChange(const QString& text) {
    runHandler(this, [&] { calc_.EditQRtitle.setText(text.toStdString()); });
}

void PrintPage::PrintClick() {
    runHandler(this, [this] {
        calc_.report.QRGenerate();
        QuickRep_.print();
    });
}

void PrintPage::ButtonPrintClick() {
    PrintClick();
}

void PrintPage::ButtonPreviewClick() {
    runHandler(this, [this] { QuickRep_.preview(); });
}

}  // namespace plenova
