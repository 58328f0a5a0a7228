#include "ui/design_fonts.h"

#include <QFontDatabase>

namespace plenova {

namespace {

constexpr int kCharacterHeight = 11;  // 8 pt at 96 dpi

QFont designFont(const QString& family, Weight weight) {
    QFont font(family);
    font.setPixelSize(kCharacterHeight);
    font.setBold(weight == Weight::Bold);
    return font;
}

}  // namespace

QFont arial8(Weight weight) {
    return designFont(QStringLiteral("Arial"), weight);
}

QFont msSansSerif8() {
    // fontconfig would substitute a wide sans serif for a missing family; Arial is closer.
    for (const char* family : {"MS Sans Serif", "Microsoft Sans Serif"}) {
        if (QFontDatabase::hasFamily(QString::fromLatin1(family))) {
            return designFont(QString::fromLatin1(family), Weight::Regular);
        }
    }
    return arial8();
}

}  // namespace plenova
