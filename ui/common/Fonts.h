#pragma once

#include <QFont>

// The families every window asks for, by the names of the design. Where they are not installed,
// fontconfig's metric-compatible aliases (fonts-liberation2) give Liberation Serif for Times New
// Roman and Liberation Sans for Arial: the same advance widths, so texts laid out with blanks
// keep their places.
namespace fonts {

enum class Family {
    TimesNewRoman,
    Arial,
    // Always at its black weight. No Liberation face stands for it; Arial's heaviest does.
    ArialBlack,
};

QFont make(Family family, int pixelSize, bool bold = true, bool italic = false);

// `design` at the largest pixel size, down to 8, at which `text` fits `width`: a translation
// longer than the design's text stays whole and clear of what stands beside it.
QFont fitting(const QFont& design, const QString& text, int width);

} // namespace fonts
