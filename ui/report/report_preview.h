// The report's own preview window: the page as it stood when the preview opened, scaled to
// fit, with "Print" and "Save as PDF…" (a technician without a printer mails the PDF).
// The window is not modal; Escape closes it.
#pragma once

#include <QWidget>

#include "ui/report/report_page.h"

class QPushButton;

namespace plenova {

// The sheet of paper drawn as large as the view allows, on a grey desk.
class ReportSheetView : public QWidget {
    Q_OBJECT
  public:
    ReportSheetView(const ReportPage& page, QWidget* parent);
    // The sheet's rectangle inside the view: A4's proportions, centred.
    QRectF sheetArea() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const ReportPage& page_;
};

class ReportPreview : public QWidget {
    Q_OBJECT
  public:
    ReportPreview(ReportPage page, QWidget* parent);

    const ReportPage& page() const { return page_; }

    // "Print": the page shown goes to the default printer; a failure is shown in the error box.
    void printShownPage();
    // "Save as PDF…": asks for a path, then saves it with ".pdf" at its end.
    void saveAsPdf();
    // Writes the page shown to `path`; a failure is shown in the error box.
    void savePdfTo(const QString& path);

  private:
    ReportPage page_;
    QString offeredPrinter_;  // the default printer when the window opened; "Print" needs one
    QPushButton* print_;
    QPushButton* save_;
    QPushButton* close_;
};

}  // namespace plenova
