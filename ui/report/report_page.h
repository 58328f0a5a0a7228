// The report's one page with the texts its labels held at one moment, and the one renderer
// that draws it: the miniature on the Print page, the preview, the printer and PDF files all
// paint through paint().
#pragma once

#include <string>
#include <vector>

#include "modules/report_fill.h"

class QPainter;
class QRectF;

namespace plenova {

class ReportPage {
  public:
    // The page as the report labels read now. Later label changes do not reach it.
    static ReportPage capture(const Report& report);

    const std::string& pageTitle() const { return pageTitle_; }

    // Draws the whole sheet of paper into `paper` (the A4 sheet's rectangle in the painter's
    // coordinates, margins included). Millimetres are mapped onto that rectangle, so the same
    // call gives the printed page, a PDF page or the page at any zoom.
    void paint(QPainter& painter, const QRectF& paper) const;

  private:
    std::string pageTitle_;
    std::vector<std::string> values_;  // one per detail band item; empty for captions and rules
};

}  // namespace plenova
