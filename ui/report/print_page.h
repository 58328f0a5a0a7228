// The Print page: the report's page in miniature, the page-title box, "Preview" and "Print".
#pragma once

#include <QWidget>

#include "ui/report/report_component.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace plenova {

class Calculator;
class ReportMiniature;

class PrintPage : public QWidget {
    Q_OBJECT
  public:
    explicit PrintPage(Calculator& calc, QWidget* parent = nullptr);
    ~PrintPage() override;

    // "Print" under "File" and Ctrl+P, from any page: the report fill, then print. Any error is
    // shown in the error box; without a printer nothing happens.
    void PrintClick();
    // The "Print" button: the same.
    void ButtonPrintClick();
    // The "Preview" button: the preview of the labels as they stand, without a fill. Returns
    // when the preview window has been closed.
    void ButtonPreviewClick();

    ReportComponent& report() { return QuickRep_; }

    // The controls are made just before the page shows for the first time: a start-up that
    // opens on another page does not pay for them.
    void setVisible(bool visible) override;

  private:
    void createControls();
    void createConnections();
    void EditQRtitleChange(const QString& text);

    Calculator& calc_;
    ReportComponent QuickRep_;
    ReportMiniature* miniature_ = nullptr;
    QLabel* pageTitleCaption_ = nullptr;
    QLineEdit* EditQRtitle_ = nullptr;
    QPushButton* ButtonPreview_ = nullptr;
    QPushButton* ButtonPrint_ = nullptr;
};

}  // namespace plenova
