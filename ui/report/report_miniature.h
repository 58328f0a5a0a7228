// The report's page itself on the Print page, at 32 %: a miniature of the template that
// shows the report labels' current texts and repaints whenever one of them changes.
#pragma once

#include <QWidget>

#include "modules/report_fill.h"

namespace plenova {

class ReportMiniature : public QWidget {
    Q_OBJECT
  public:
    // 254 x 359 pixels: the A4 sheet at 32 % on a 96 dpi screen.
    static constexpr QSize kSize{254, 359};

    ReportMiniature(Report& report, QWidget* parent);
    ~ReportMiniature() override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Report& report_;
};

}  // namespace plenova
