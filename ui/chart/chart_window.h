// The chart window: not modal, resizable, following every change of the three pages while it
// is open. It keeps nothing when it closes.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTabWidget;

namespace plenova {

class Calculator;
class ChartView;

class ChartWindow : public QWidget {
    Q_OBJECT
  public:
    // `pages` is the main window's tab control: its active page's process is drawn strongest.
    ChartWindow(Calculator& calc, QTabWidget* pages, QWidget* parent);
    ~ChartWindow() override;

    ChartView* view() const { return view_; }

    // "Save as…": asks for a path, then saves in the format its suffix names.
    void saveAs();
    // Writes the chart to `path`; a failure is shown in the error box.
    void saveTo(const QString& path);
    // "Print": the chart goes to the default printer.
    void printChartClick();

  private:
    void followPage(int index);

    Calculator& calc_;
    int listenerKey_;
    ChartView* view_;
    QLabel* readOut_;
    QLabel* printerNote_;
    QPushButton* save_;
    QPushButton* print_;
    QPushButton* close_;
};

}  // namespace plenova
