#include "ui/kelvaro_form.h"

#include <QAction>

#include "ui/design_fonts.h"
#include "ui/fixed_text_memo.h"
#include "ui/fixed_texts.h"

namespace plenova {

namespace {

constexpr int kClientWidth = 361;
constexpr int kClientHeight = 256;

}  // namespace

TKelvaroForm::TKelvaroForm(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      KelvaroMemo(new FixedTextMemo(aboutLines(), Qt::AlignHCenter, this)) {
    setObjectName(QStringLiteral("KelvaroForm"));
    setWindowTitle(QStringLiteral("Kelvaro"));
    setFont(arial8());
    setModal(true);
    setFixedSize(kClientWidth, kClientHeight);
    setSizeGripEnabled(false);
    KelvaroMemo->setObjectName(QStringLiteral("KelvaroMemo"));
    // One pixel taller than the client area, as designed; the bottom border is cut off.
    KelvaroMemo->setGeometry(0, 0, kClientWidth, kClientHeight + 1);

    // Where no window manager provides it (and for the tests), Alt+F4 closes the box too.
    auto* closeKey = new QAction(this);
    closeKey->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    connect(closeKey, &QAction::triggered, this, &QDialog::close);
    addAction(closeKey);
}

void TKelvaroForm::showModalOver(const QWidget& over) {
    winId();  // the platform window first, so that its frame counts where the platform knows it
    QRect frame = frameGeometry();
    frame.moveCenter(over.frameGeometry().center());
    move(frame.topLeft());
    exec();
}

}  // namespace plenova
