// The About box: the maker, the program and its version. Created hidden when it is first
// needed and kept for the rest of the run; every AboutClick shows the same window again.
// Escape closes it.
#pragma once

#include <QDialog>

namespace plenova {

class FixedTextMemo;

class TKelvaroForm : public QDialog {
    Q_OBJECT
  public:
    explicit TKelvaroForm(QWidget* mainWindow);

    // Centres the box over `over` and shows it modally; returns when it is closed (hidden).
    void showModalOver(const QWidget& over);

    FixedTextMemo* memo() const { return KelvaroMemo; }

  private:
    FixedTextMemo* KelvaroMemo;
};

}  // namespace plenova
