#include "ui/design_fonts.h"

#include <QApplication>
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

// Each asks the font database a question that costs about a million instructions; the answer
// does not change while the program runs.
QFont resolveMsSansSerif8() {
    // fontconfig would substitute a wide sans serif for a missing family; Arial is closer.
    for (const char* family : {"MS Sans Serif", "Microsoft Sans Serif"}) {
        if (QFontDatabase::hasFamily(QString::fromLatin1(family))) {
            return designFont(QString::fromLatin1(family), Weight::Regular);
        }
    }
    return arial8();
}

}  // namespace

QFont arial8(Weight weight) {
    // Shared: copies of one font share its resolved engine.
    static const QFont regular = designFont(QStringLiteral("Arial"), Weight::Regular);
    static const QFont bold = designFont(QStringLiteral("Arial"), Weight::Bold);
    return weight == Weight::Bold ? bold : regular;
}

QFont msSansSerif8() {
    static const QFont font = resolveMsSansSerif8();
    return font;
}

DesignApplicationFont::DesignApplicationFont() : saved_(QApplication::font()) {
    QApplication::setFont(arial8());
}

DesignApplicationFont::~DesignApplicationFont() {
    QApplication::setFont(saved_);
}

}  // namespace plenova
