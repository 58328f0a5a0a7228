// Our report component: the one-page template filled from the report labels. Setting a
// label's text is the model's own Label::setText; this adds the other two operations,
// printing and previewing.
#pragma once

#include <QPointer>

#include "modules/report_fill.h"

class QWidget;

namespace plenova {

class ReportPreview;

class ReportComponent {
  public:
    // `owner` is the widget the preview window and error boxes belong to.
    ReportComponent(const Report& report, QWidget* owner);

    // The page as the labels read now goes straight to the default printer. Returns false,
    // having done nothing, when the system has no printer. Throws when the page cannot be
    // laid out or sent.
    bool print() const;

    // Opens the preview window on the page as the labels read now and returns once it has
    // been closed. The event loop runs meanwhile and the rest of the program stays usable;
    // the page shown does not change. While a preview is open, another call brings it to the
    // front and returns at once.
    void preview();

    // The open preview window, if any.
    ReportPreview* openPreview() const;

  private:
    const Report& report_;
    QWidget* owner_;
    QPointer<ReportPreview> preview_;
};

}  // namespace plenova
