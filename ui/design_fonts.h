// The window's fonts, in pixels: the layout is drawn for 96 dots per inch and is not
// rescaled, so "8 pt" is fixed at the 11-pixel character height it has at that density.
#pragma once

#include <QFont>

namespace plenova {

enum class Weight { Regular, Bold };

// Arial 8 pt (Liberation Sans where Arial itself is not installed).
QFont arial8(Weight weight = Weight::Regular);

// MS Sans Serif 8 pt where it is installed, else Microsoft Sans Serif, else Arial 8 pt, which
// has nearly the same metrics.
QFont msSansSerif8();

// While it lives, Arial 8 pt is the application's font. The main window's pages are built
// inside one: a widget may lay out text in the application's font as it is made (a text edit
// its empty document), and every font resolved costs a search of the font database. Windows
// made outside it (menus, error boxes, the preview) keep the desktop's font.
class DesignApplicationFont {
  public:
    DesignApplicationFont();
    ~DesignApplicationFont();
    DesignApplicationFont(const DesignApplicationFont&) = delete;
    DesignApplicationFont& operator=(const DesignApplicationFont&) = delete;

  private:
    QFont saved_;
};

}  // namespace plenova
