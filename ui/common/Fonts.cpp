#include "common/Fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

namespace fonts {

namespace {

// fontconfig has no metric alias for Arial Black and would hand an unrelated sans to a request
// for it; without the real face, Arial at its heaviest weight stands in.
QString arialBlack() {
    static const QString family = QFontDatabase::families().contains(QStringLiteral("Arial Black"))
                                      ? QStringLiteral("Arial Black")
                                      : QStringLiteral("Arial");
    return family;
}

} // namespace

QFont make(Family family, int pixelSize, bool bold, bool italic) {
    QFont font;
    switch (family) {
    case Family::TimesNewRoman:
        font.setFamilies({QStringLiteral("Times New Roman")});
        break;
    case Family::Arial:
        font.setFamilies({QStringLiteral("Arial")});
        break;
    case Family::ArialBlack:
        font.setFamilies({arialBlack()});
        break;
    }
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    if (family == Family::ArialBlack)
        font.setWeight(QFont::Black);
    font.setItalic(italic);
    return font;
}

QFont fitting(const QFont& design, const QString& text, int width) {
    QFont font = design;
    while (font.pixelSize() > 8 && QFontMetrics(font).horizontalAdvance(text) > width)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

} // namespace fonts
