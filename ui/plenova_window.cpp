#include "ui/plenova_window.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>

#include "modules/calculator.h"
#include "ui/calculation_page.h"
#include "ui/chart/chart_window.h"
#include "ui/design_fonts.h"
#include "ui/fixed_text_memo.h"
#include "ui/fixed_texts.h"
#include "ui/handler_boundary.h"
#include "ui/identity.h"
#include "ui/kelvaro_form.h"
#include "ui/report/print_page.h"

namespace plenova {

namespace {

constexpr int kClientWidth = 559;
constexpr int kClientHeight = 406;
// The tab control reaches just past the client area's left, right and bottom edges.
const QRect kPageControlGeometry(-1, 8, 561, 409);
const QRect kInstructionsGeometry(0, 0, 553, 369);

// A fixed single border: close and minimise, no maximise.
constexpr Qt::WindowFlags kMainWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

}  // namespace

TPlenova::TPlenova(Calculator& calc) : QMainWindow(nullptr, kMainWindowFlags), calc_(calc) {
    setObjectName(QStringLiteral("Plenova"));
    setWindowTitle(QString::fromLatin1(kApplicationTitle));
    setFont(arial8());
    {
        // No widget of the pages resolves the desktop's font on its way to the window's.
        const DesignApplicationFont designFont;
        createPages();
    }
    // The menus are windows of their own, in the desktop's font.
    createMenu();
    createConnections();
    // The client area below the menu bar is fixed; the window follows it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TPlenova::createPages() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);

    PageControl = new QTabWidget(client);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->setGeometry(kPageControlGeometry);
    PageControl->setTabPosition(QTabWidget::North);

    // Each page is made inside the tab control, so that it has the window's font from the
    // start: a page made without a parent would resolve the default font first.
    TabSheet1 = new CalculationPage(mixingLayout(), calc_, PageControl);
    TabSheet2 = new CalculationPage(coolingLayout(), calc_, PageControl);
    TabSheet3 = new CalculationPage(heatingLayout(), calc_, PageControl);
    TabSheet4 = new PrintPage(calc_, PageControl);
    TabSheet4->setObjectName(QStringLiteral("TabSheet4"));
    TabSheet4->setBackgroundRole(QPalette::Button);  // button face, as the Print page was drawn
    TabSheet4->setAutoFillBackground(true);
    TabSheet5 = new QWidget(PageControl);
    TabSheet5->setObjectName(QStringLiteral("TabSheet5"));
    MemoInstructions = new FixedTextMemo(instructionLines(), Qt::AlignLeft, TabSheet5);
    MemoInstructions->setObjectName(QStringLiteral("MemoInstructions"));
    MemoInstructions->setFrameShape(QFrame::NoFrame);
    MemoInstructions->setGeometry(kInstructionsGeometry);

    PageControl->addTab(TabSheet1, QString::fromLatin1(mixingLayout().tabCaption));
    PageControl->addTab(TabSheet2, QString::fromLatin1(coolingLayout().tabCaption));
    PageControl->addTab(TabSheet3, QString::fromLatin1(heatingLayout().tabCaption));
    PageControl->addTab(TabSheet4, QStringLiteral("Print"));
    PageControl->addTab(TabSheet5, QStringLiteral("Instructions"));
    PageControl->setCurrentWidget(TabSheet1);
}

void TPlenova::createMenu() {
    menuBar()->setNativeMenuBar(false);  // the client area lies below a menu bar of our own
    // Captions carry mnemonics: Alt+F opens "File", Alt+K chooses "Kelvaro".
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));

    File1 = menuBar()->addMenu(QStringLiteral("&File"));
    File1->setObjectName(QStringLiteral("File1"));
    Print = File1->addAction(QStringLiteral("&Print"));
    Print->setObjectName(QStringLiteral("Print"));
    Print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    Close = File1->addAction(QStringLiteral("&Close"));
    Close->setObjectName(QStringLiteral("Close"));
    Close->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));

    // An item of the bar itself: choosing it acts at once.
    About = menuBar()->addAction(QStringLiteral("&Kelvaro"));
    About->setObjectName(QStringLiteral("About"));
    About->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));

    // The chart comes after the existing items, which keep their places.
    View1 = menuBar()->addMenu(QStringLiteral("&View"));
    View1->setObjectName(QStringLiteral("View1"));
    Chart = View1->addAction(QStringLiteral("&Psychrometric Chart"));
    Chart->setObjectName(QStringLiteral("Chart"));
    Chart->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));

    // The shortcuts belong to the window, whichever page has the focus.
    addActions({Print, Close, About, Chart});
}

void TPlenova::createConnections() {
    for (CalculationPage* page : {TabSheet1, TabSheet2, TabSheet3}) {
        page->acceptUserInput();
    }
    connect(TabSheet2->button("Button1"), &QPushButton::clicked, this, &TPlenova::Button1Click);
    connect(TabSheet3->button("Button2"), &QPushButton::clicked, this, &TPlenova::Button2Click);
    connect(PageControl, &QTabWidget::currentChanged, this, &TPlenova::PageControlChange);
    connect(Print, &QAction::triggered, this, &TPlenova::PrintClick);
    connect(Close, &QAction::triggered, this, &TPlenova::CloseClick);
    connect(About, &QAction::triggered, this, &TPlenova::AboutClick);
    connect(Chart, &QAction::triggered, this, &TPlenova::ChartClick);
}

void TPlenova::FormCreate() {
    runHandler(this, [this] { calc_.FormCreate(); });
}

void TPlenova::PrintClick() {
    TabSheet4->PrintClick();  // the report fill, then print; it shows its own errors
}

void TPlenova::CloseClick() {
    close();
}

TKelvaroForm& TPlenova::aboutBox() {
    if (aboutBox_ == nullptr) {
        aboutBox_ = new TKelvaroForm(this);
    }
    return *aboutBox_;
}

void TPlenova::AboutClick() {
    aboutBox().showModalOver(*this);
    // Input goes back to the main window, also where no window manager hands it back.
    activateWindow();
}

void TPlenova::PageControlChange() {
    runHandler(this, [this] { calc_.PageControlChange(); });
}

void TPlenova::Button1Click() {
    runHandler(this, [this] { calc_.cooling.Button1Click(); });
}

void TPlenova::ChartClick() {
    if (chartWindow_ == nullptr) {
        chartWindow_ = new ChartWindow(calc_, PageControl, this);
    }
    chartWindow_->show();
    chartWindow_->raise();
    chartWindow_->activateWindow();
}

ChartWindow* TPlenova::chartWindow() const {
    return chartWindow_;
}

void TPlenova::Button2Click() {
    runHandler(this, [this] { calc_.heating.Button2Click(); });
}

}  // namespace plenova
