#include "ui/fixed_text_memo.h"

#include <QTextBlockFormat>
#include <QTextCursor>

#include "ui/design_fonts.h"

namespace plenova {

FixedTextMemo::FixedTextMemo(const QStringList& lines, Qt::Alignment alignment, QWidget* parent)
    : QTextEdit(parent) {
    setFont(arial8());
    setAcceptRichText(false);
    setReadOnly(true);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setFocusPolicy(Qt::NoFocus);
    setEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WordWrap);

    // Disabled only to keep the user out: the text stays black on the window colour.
    QPalette colours = palette();
    colours.setColor(QPalette::Disabled, QPalette::Text, Qt::black);
    colours.setColor(QPalette::Disabled, QPalette::Base,
                     colours.color(QPalette::Active, QPalette::Base));
    setPalette(colours);

    setPlainText(lines.join(QLatin1Char('\n')));
    QTextCursor everything(document());
    everything.select(QTextCursor::Document);
    QTextBlockFormat format;
    format.setAlignment(alignment);
    everything.mergeBlockFormat(format);
}

QStringList FixedTextMemo::lines() const {
    return toPlainText().split(QLatin1Char('\n'));
}

}  // namespace plenova
