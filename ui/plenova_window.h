// The main window: five tab pages under a menu bar. It owns every widget; the models it shows
// (the Calculator) live beside it for the whole run.
#pragma once

#include <QMainWindow>
#include <QPointer>

class QAction;
class QMenu;
class QTabWidget;

namespace plenova {

class Calculator;
class CalculationPage;
class ChartWindow;
class FixedTextMemo;
class PrintPage;
class TKelvaroForm;

class TPlenova : public QMainWindow {
    Q_OBJECT
  public:
    // Builds every control at its design values; no handler runs while it does.
    explicit TPlenova(Calculator& calc);

    // The start-up computation, run once the window is complete.
    void FormCreate();

    // The About box that AboutClick shows: a hidden child of this window, made when it is
    // first asked for and kept for the rest of the run.
    TKelvaroForm& aboutBox();

    // The Print page: the report's miniature, its title box and its buttons.
    PrintPage* printPage() const { return TabSheet4; }

    QTabWidget* pageControl() const { return PageControl; }

    // Event handlers, each run behind the error box.
    void PrintClick();
    void CloseClick();
    void AboutClick();
    void PageControlChange();
    void Button1Click();
    void Button2Click();
    // Opens the psychrometric chart, or raises it when it is open already.
    void ChartClick();
    ChartWindow* chartWindow() const;

  private:
    void createPages();
    void createMenu();
    void createConnections();

    Calculator& calc_;
    QTabWidget* PageControl = nullptr;
    CalculationPage* TabSheet1 = nullptr;
    CalculationPage* TabSheet2 = nullptr;
    CalculationPage* TabSheet3 = nullptr;
    PrintPage* TabSheet4 = nullptr;
    QWidget* TabSheet5 = nullptr;
    FixedTextMemo* MemoInstructions = nullptr;
    QMenu* File1 = nullptr;
    QAction* Print = nullptr;
    QAction* Close = nullptr;
    QAction* About = nullptr;
    TKelvaroForm* aboutBox_ = nullptr;
    QMenu* View1 = nullptr;
    QAction* Chart = nullptr;
    QPointer<ChartWindow> chartWindow_;  // deleted when closed: it keeps nothing
};

}  // namespace plenova
