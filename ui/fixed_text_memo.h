// A memo that holds fixed lines of text, one paragraph each: read-only and disabled, so it takes
// no focus, shows no caret and selects nothing; long lines wrap at its right edge; no scroll
// bars. Used for the Instructions page and the About box.
#pragma once

#include <QStringList>
#include <QTextEdit>

namespace plenova {

class FixedTextMemo : public QTextEdit {
    Q_OBJECT
  public:
    FixedTextMemo(const QStringList& lines, Qt::Alignment alignment, QWidget* parent);

    // The lines as they stand in the memo.
    QStringList lines() const;
};

}  // namespace plenova
